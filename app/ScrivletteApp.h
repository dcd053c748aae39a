#pragma once

#include "platform/Url.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QMainWindow;

namespace scrivlette {

// The application: two single-window scenes, the main window ("main") and
// the Help window ("help"). Only the main window opens at launch; opening a
// scene whose window is open brings that window forward instead of making a
// second one.
class ScrivletteApp {
public:
    ScrivletteApp();
    ~ScrivletteApp();
    ScrivletteApp(const ScrivletteApp&) = delete;
    ScrivletteApp& operator=(const ScrivletteApp&) = delete;

    // Shows the first scene, as at launch, and reads the given files into it
    // as a drop of them would.
    void launch(const std::vector<Url>& files = {});
    void openWindow(const std::string& id);
    // The open window of a scene, or null.
    QMainWindow* window(const std::string& id) const;

private:
    struct Scene {
        std::string id;
        QString title;
        std::function<QMainWindow*()> makeWindow;
    };

    QMainWindow* makeMainWindow() const;
    QMainWindow* makeHelpWindow() const;
    void installMenus(QMainWindow& window);
    void installWindowKeys(QMainWindow& window);

    std::vector<Scene> scenes_;
    std::map<std::string, QPointer<QMainWindow>> open_;
};

} // namespace scrivlette
