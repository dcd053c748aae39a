#pragma once

#include <QLocale>
#include <QStringList>

namespace scrivlette {

// The window's words in `locale`'s languages, in the order the user prefers
// them (LANGUAGE first, as QLocale reads it), from the first of `folders`
// holding our translations; Qt's own dialogs from Qt's translations. English
// where there is none. Replaces what an earlier call installed.
void installTranslations(const QLocale& locale, const QStringList& folders);

// Where the program looks: beside an installed program, then beside one in
// its build folder.
QStringList translationFolders();

} // namespace scrivlette
