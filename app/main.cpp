#include "app/LaunchOptions.h"
#include "app/ScrivletteApp.h"
#include "platform/qt/QtMainQueue.h"
#include "platform/qt/QtSavePanel.h"
#include "resources/Resources.h"

#include <QApplication>
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
std::optional<scrivlette::LaunchOptions::Exit> earlyExit(scrivlette::LaunchOptions& options,
                                                         int argc, char** argv) {
    std::error_code error;
    const std::string here = std::filesystem::current_path(error).string();
    options = scrivlette::parseLaunchOptions(std::vector<std::string>(argv + 1, argv + argc), here);
    return options.exit;
}

} // namespace

int main(int argc, char** argv) {
    using namespace scrivlette;
    nameTheApplication();
    LaunchOptions options;
    {
        // The parser wants an application object; this one needs no display.
        QCoreApplication probe(argc, argv);
        if (const auto exit = earlyExit(options, argc, argv)) {
            const QByteArray text = exit->text.toLocal8Bit();
            if (exit->toStandardError) {
                std::fprintf(stderr, "scrivlette: %s\nTry 'scrivlette --help'.\n",
                             text.constData());
            } else {
                std::fputs(text.constData(), stdout);
            }
            return exit->status;
        }
    }

    QApplication application(argc, argv);
    // Wayland finds the icon through the desktop entry of this name.
    QApplication::setDesktopFileName(QStringLiteral("io.github.scrivlette.Scrivlette"));
    initResources();
    QApplication::setWindowIcon(
        QIcon(QStringLiteral(":/icons/io.github.scrivlette.Scrivlette.svg")));

    MainQueue::install(std::make_shared<QtMainQueue>());
    SavePanel::installFactory([] { return std::make_shared<QtSavePanel>(); });

    ScrivletteApp app;
    app.launch(options.files);
    QApplication::exec();
    return 0;
}
