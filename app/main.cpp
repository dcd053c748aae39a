#include "app/ScrivletteApp.h"
#include "platform/qt/QtMainQueue.h"
#include "platform/qt/QtSavePanel.h"
#include "resources/Resources.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    using namespace scrivlette;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scrivlette"));
    QApplication::setApplicationDisplayName(QStringLiteral("Scrivlette"));
    // Wayland finds the icon through the desktop entry of this name.
    QApplication::setDesktopFileName(QStringLiteral("io.github.scrivlette.Scrivlette"));
    initResources();
    QApplication::setWindowIcon(
        QIcon(QStringLiteral(":/icons/io.github.scrivlette.Scrivlette.svg")));

    MainQueue::install(std::make_shared<QtMainQueue>());
    SavePanel::installFactory([] { return std::make_shared<QtSavePanel>(); });

    ScrivletteApp app;
    app.launch();
    QApplication::exec();
    return 0;
}
