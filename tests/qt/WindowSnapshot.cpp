// Not a test: renders the main window with files read into it and saves a
// picture, for a person to look at. Run under a real display (xvfb-run):
//   window_snapshot OUT.png ROW FILE...
// ROW is the sidebar row to select (0-based), or -1 for none.

#include "platform/qt/QtMainQueue.h"
#include "views/ContentView.h"

#include <QApplication>
#include <QListView>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    using namespace scrivlette;
    QApplication application(argc, argv);
    if (argc < 4) {
        std::cerr << "usage: window_snapshot OUT.png ROW FILE...\n";
        return 2;
    }
    MainQueue::install(std::make_shared<QtMainQueue>());
    ContentView view;
    view.resize(900, 560);
    view.show();
    for (int i = 3; i < argc; ++i) {
        view.clipInfo()->readClipping(
            *Url::fromFilePath(std::filesystem::absolute(argv[i]).string()));
    }
    const int row = std::stoi(argv[2]);
    QTimer::singleShot(300, [&] {
        if (row >= 0) {
            view.sidebar()->setCurrentIndex(view.sidebar()->model()->index(row, 0));
        }
        QTimer::singleShot(300, [&] {
            const QPixmap shot = view.screen()->grabWindow(0);
            shot.save(QString::fromLocal8Bit(argv[1]));
            application.quit();
        });
    });
    return application.exec();
}
