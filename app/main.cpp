#include "app/LaunchOptions.h"
#include "app/LocationOpening.h"
#include "app/ScrivletteApp.h"
#include "app/SingleWindow.h"
#include "app/Translations.h"
#include "platform/qt/QtMainQueue.h"
#include "platform/qt/QtSavePanel.h"
#include "platform/services/Background.h"
#include "resources/Resources.h"
#include "views/ContentView.h"

#include <QApplication>
#include <QDesktopServices>
#include <QIcon>
#include <cstdio>
#include <filesystem>

namespace {

void nameTheApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("scrivlette"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SCRIVLETTE_VERSION));
    // No application display name: Qt would append it to every window title
    // the desktop shows.
}

// Answers --help, --version and mistakes before any window exists, so they
// work without a display.
scrivlette::LaunchOptions readCommandLine(int argc, char** argv) {
    // The parser wants an application object; this one needs no display.
    // Its own argv names the program in the usage line, wherever it lives.
    int probeArgc = 1;
    char programName[] = "scrivlette";
    char* probeArgv[] = {programName, nullptr};
    const QCoreApplication probe(probeArgc, probeArgv);
    // --help and the messages about wrong options in the user's language.
    scrivlette::installTranslations(QLocale(), scrivlette::translationFolders());
    std::error_code error;
    const std::string here = std::filesystem::current_path(error).string();
    scrivlette::LaunchOptions options =
        scrivlette::parseLaunchOptions(std::vector<std::string>(argv + 1, argv + argc), here);
    if (options.exit && options.exit->toStandardError) {
        options.exit->text = QCoreApplication::translate("main", "%1 Try 'scrivlette --help'.")
                                 .arg(options.exit->text);
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    using namespace scrivlette;
    nameTheApplication();
    const LaunchOptions options = readCommandLine(argc, argv);
    if (options.exit) {
        const QByteArray text = options.exit->text.toLocal8Bit();
        if (options.exit->toStandardError) {
            std::fprintf(stderr, "scrivlette: %s\n", text.constData());
        } else {
            std::fputs(text.constData(), stdout);
        }
        return options.exit->status;
    }

    QApplication application(argc, argv);
    installTranslations(QLocale(), translationFolders());
    // Wayland finds the icon through the desktop entry of this name.
    QApplication::setDesktopFileName(QStringLiteral("io.github.scrivlette.Scrivlette"));
    initResources();
    QApplication::setWindowIcon(
        QIcon(QStringLiteral(":/icons/io.github.scrivlette.Scrivlette.svg")));

    MainQueue::install(std::make_shared<QtMainQueue>());
    // A panel belongs to the window whose command opened it and starts in the
    // folder of the file that window read last.
    SavePanel::installFactory([] {
        QWidget* owner = QApplication::activeWindow();
        const auto* content = dynamic_cast<const ContentView*>(owner);
        return std::make_shared<QtSavePanel>(true, owner,
                                             content ? content->lastReadFolder() : QString());
    });

    std::vector<Url> files = options.files;
    if (options.openLocations) {
        files =
            openLocations(files, [](const QUrl& url) { return QDesktopServices::openUrl(url); });
        if (files.empty()) {
            return 0;
        }
    }
    ScrivletteApp app;
    ApplicationService service([&app](const std::vector<Url>& opened) { app.launch(opened); });
    if (claimOrHandOver(service, files) == Instance::handedOver) {
        return 0;
    }
    if (options.openLocations) {
        // What did not open is shown, and Open Link says why.
        app.launch();
        dynamic_cast<ContentView&>(*app.window("main")).openFilesAndFollowLink(files);
    } else if (!options.serviceOnly) {
        app.launch(files);
    }
    QApplication::exec();
    // A write under way when the last window closed still reaches its file.
    finishBackgroundWork();
    return 0;
}
