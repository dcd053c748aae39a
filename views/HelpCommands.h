#pragma once

#include <functional>
#include <string>

class QMenuBar;

namespace scrivlette {

// The Help menu: one item, "Scrivlette Help", that opens the window "help".
class HelpCommands {
public:
    using OpenWindowAction = std::function<void(const std::string& id)>;

    explicit HelpCommands(OpenWindowAction openWindow) : openWindow_(std::move(openWindow)) {}

    // Adds the Help menu to `menuBar`.
    void install(QMenuBar& menuBar) const;

private:
    OpenWindowAction openWindow_;
};

} // namespace scrivlette
