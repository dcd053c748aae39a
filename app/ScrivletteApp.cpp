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

void ScrivletteApp::launch() {
    openWindow(scenes_.front().id);
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
        open_[id] = made;
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
    QAction* quit = file->addAction(QApplication::tr("&Quit"), qApp, &QApplication::quit);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WindowShortcut);

    QMenu* edit = bar->addMenu(QApplication::tr("&Edit"));
    if (auto* content = dynamic_cast<ContentView*>(&window)) {
        edit->addAction(content->copyAction());
    } else if (auto* help = window.findChild<HelpView*>()) {
        QAction* copy = edit->addAction(QApplication::tr("Copy"), help->text(), &QTextEdit::copy);
        copy->setShortcut(QKeySequence::Copy);
    }

    HelpCommands([this](const std::string& id) { openWindow(id); }).install(*bar);
}

} // namespace scrivlette
