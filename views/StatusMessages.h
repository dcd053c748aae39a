#pragma once

#include "model/ClipWriting.h"
#include "views/ScrivletteDropDelegate.h"

#include <QString>

namespace scrivlette {

// The status line after files were read: nothing when all were.
QString readSummaryText(const ReadSummary& summary);
// The status line after a write; nothing when the user cancelled.
QString writeOutcomeText(const WriteOutcome& outcome);

} // namespace scrivlette
