#include "ScrivletteApp.h"

#include "views/ContentView.h"
#include "views/HelpCommands.h"
#include "views/HelpView.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>
#include <QToolBar>

namespace scrivlette {

ScrivletteApp::ScrivletteApp() {
    scenes_ = {
        {"main", QApplication::tr("Scrivlette"), [this] { return makeMainWindow(); }},
        {"help", QApplication::tr("Help Window"), [this] { return makeHelpWindow(); }},
    };
}

ScrivletteApp::~ScrivletteApp() {
    for (auto& [id, window] : open_) {
        delete window.data();
    }
}

void ScrivletteApp::launch(const std::vector<Url>& files) {
    openWindow(scenes_.front().id);
    if (auto* content = dynamic_cast<ContentView*>(window(scenes_.front().id))) {
        content->openFiles(files);
    }
}

QMainWindow* ScrivletteApp::window(const std::string& id) const {
    const auto found = open_.find(id);
    return found == open_.end() ? nullptr : found->second.data();
}

void ScrivletteApp::openWindow(const std::string& id) {
    if (QMainWindow* existing = window(id)) {
        existing->show();
        existing->raise();
        existing->activateWindow();
        return;
    }
    for (const Scene& scene : scenes_) {
        if (scene.id != id) {
            continue;
        }
        QMainWindow* made = scene.makeWindow();
        made->setAttribute(Qt::WA_DeleteOnClose);
        if (made->windowTitle().isEmpty()) {
            made->setWindowTitle(scene.title);
        }
        installMenus(*made);
        installWindowKeys(*made);
        open_[id] = made;
        if (id == scenes_.front().id) {
            // Closing the main window ends the program, Help and all.
            QObject::connect(made, &QObject::destroyed, qApp, [this] {
                if (QMainWindow* help = window("help")) {
                    help->close();
                }
            });
        }
        // A second window opens over the main one, where the user is looking,
        // not wherever the window manager (or none, under Xvfb) would put it.
        const QMainWindow* main = window(scenes_.front().id);
        if (main && main != made && main->isVisible()) {
            QRect area(QPoint(), made->size());
            area.moveCenter(main->frameGeometry().center());
            made->move(area.topLeft());
        }
        made->show();
        return;
    }
}

QMainWindow* ScrivletteApp::makeMainWindow() const {
    return new ContentView();
}

QMainWindow* ScrivletteApp::makeHelpWindow() const {
    auto* window = new QMainWindow();
    window->setObjectName(QStringLiteral("help"));
    window->setCentralWidget(new HelpView());
    window->resize(560, 640);
    return window;
}

// Linux has no application-wide menu bar: every window gets File, Edit and Help.
void ScrivletteApp::installMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(QApplication::tr("&File"));
    auto* content = dynamic_cast<ContentView*>(&window);
    if (content) {
        file->addAction(content->openAction());
        file->addAction(content->writeClipMenuAction());
        file->addSeparator();
    }
    QAction* close = file->addAction(QApplication::tr("&Close Window"), &window, &QWidget::close);
    close->setShortcut(QKeySequence::Close);
    close->setShortcutContext(Qt::WindowShortcut);
    QAction* quit = file->addAction(QApplication::tr("&Quit"), qApp, &QApplication::quit);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WindowShortcut);

    QMenu* edit = bar->addMenu(QApplication::tr("&Edit"));
    if (content) {
        edit->addAction(content->copyAction());
    } else if (auto* help = window.findChild<HelpView*>()) {
        QAction* copy = edit->addAction(QApplication::tr("Copy"), help->text(), &QTextEdit::copy);
        copy->setShortcut(QKeySequence::Copy);
    }

    if (content) {
        QMenu* view = bar->addMenu(QApplication::tr("&View"));
        view->addAction(content->toolbar()->toggleViewAction());
        QMenu* go = bar->addMenu(QApplication::tr("&Go"));
        go->addAction(content->nextAction());
        go->addAction(content->previousAction());
    }

    HelpCommands([this](const std::string& id) { openWindow(id); }).install(*bar);
}

// Keys a Linux desktop user expects that no menu item shows: F1 for Help
// (the Help menu's item itself keeps no shortcut), and Escape to close Help.
void ScrivletteApp::installWindowKeys(QMainWindow& window) {
    auto* help = new QAction(&window);
    help->setShortcut(QKeySequence::HelpContents);
    help->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(help, &QAction::triggered, &window, [this] { openWindow("help"); });
    window.addAction(help);
    if (window.objectName() == QStringLiteral("help")) {
        auto* escape = new QAction(&window);
        escape->setShortcut(QKeySequence(Qt::Key_Escape));
        escape->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(escape, &QAction::triggered, &window, &QWidget::close);
        window.addAction(escape);
    }
}

} // namespace scrivlette
