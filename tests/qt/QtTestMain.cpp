// Runs the GUI tests on Qt's offscreen platform unless a display is asked for,
// so they need no X server (CTest runs this binary at build time, too).

#include "app/Translations.h"

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    if (std::strcmp(std::getenv("QT_QPA_PLATFORM"), "offscreen") == 0) {
        ::unsetenv("QT_QPA_PLATFORMTHEME");
    }
    QApplication application(argc, argv);
    // Window settings that tests save go to a throwaway place, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    // English as the program shows it, counted texts in their English forms,
    // whatever the machine's language.
    scrivlette::installTranslations(QLocale(QLocale::English),
                                    {QStringLiteral(SCRIVLETTE_TRANSLATIONS)});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
