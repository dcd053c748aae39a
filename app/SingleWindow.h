#pragma once

// One process and one main window per session, as on the Mac: a second
// launch hands its files to the running program over D-Bus, through the
// freedesktop Application interface that desktops use to activate a program
// whose desktop entry says DBusActivatable. Without a session bus every
// launch keeps its own window.

#include "platform/Url.h"

#include <QDBusVirtualObject>
#include <functional>
#include <vector>

namespace scrivlette {

inline constexpr const char* applicationBusName = "io.github.scrivlette.Scrivlette";
inline constexpr const char* applicationObjectPath = "/io/github/scrivlette/Scrivlette";

// org.freedesktop.Application for the running program: Activate shows the
// window, Open reads the files into it as one opening.
class ApplicationService final : public QDBusVirtualObject {
public:
    // Called with the files to open, or none to show the window as it is.
    using Open = std::function<void(const std::vector<Url>& files)>;
    explicit ApplicationService(Open open) : open_(std::move(open)) {}

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    Open open_;
};

enum class Instance {
    first,      // this process holds the name: it shows the window
    handedOver, // the running program took the files: this one ends
    alone,      // no bus, or nobody answered: this process shows its own window
};

// Claims the program's name on the session bus with `service` behind it, or
// hands `files` to the process that holds the name.
Instance claimOrHandOver(ApplicationService& service, const std::vector<Url>& files);

} // namespace scrivlette
