#pragma once

#include "model/ClipWriting.h"
#include "views/ScrivletteDropDelegate.h"

#include <QFontMetrics>
#include <QString>

namespace scrivlette {

// The status line after files were read: nothing when all were; the files
// that were not, each with a short plain reason.
QString readSummaryText(const ReadSummary& summary);
// Why a file was not read, in a few plain words, from the reader's own
// (technical) reason: "not a clipping file", "damaged: the file ends
// early, at byte 8", "no permission to read it"...
QString plainReason(const ReadFailureNote& failure);
// `text` no wider than `width` pixels in `metrics`, cut at a word and ended
// with "…" when it must be cut.
QString elidedAtWord(const QString& text, const QFontMetrics& metrics, int width);
// The status line after a write; nothing when the user cancelled.
QString writeOutcomeText(const WriteOutcome& outcome);
// Why an address was not opened, in Open Link and in links clicked in a
// page: only web and mail addresses open with a click.
QString notOpenedText(const QString& address);

} // namespace scrivlette
