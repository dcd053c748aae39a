#include "X11Transfers.h"

#include "Transfer.h"

#ifdef SCRIVLETTE_WITH_XCB

#include <QAbstractNativeEventFilter>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <list>
#include <memory>
#include <string_view>
#include <xcb/xcb.h>

namespace scrivlette::x11 {
namespace {

using Clock = std::chrono::steady_clock;

// A receiver that stops taking steps (it quit, or lost interest) lets go of
// its PNG after this long.
constexpr auto abandonedAfter = std::chrono::seconds(30);

xcb_atom_t internAtom(xcb_connection_t* connection, std::string_view name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// A PNG going to one receiver in INCR steps: each time the receiver deletes
// the property, the next piece is written; an empty piece ends it.
struct Steps {
    xcb_window_t requestor;
    xcb_atom_t property;
    xcb_atom_t type;
    QByteArray bytes;
    qsizetype sent = 0;
    Clock::time_point lastStep;
};

class PictureServer final : public QObject, public QAbstractNativeEventFilter {
public:
    explicit PictureServer(xcb_connection_t* connection)
        : QObject(qGuiApp), connection_(connection),
          clipboard_(internAtom(connection, "CLIPBOARD")),
          dragSelection_(internAtom(connection, "XdndSelection")),
          incr_(internAtom(connection, "INCR")), png_(internAtom(connection, "image/png")),
          // Well under the server's request limit, which also bounds INCR's
          // pieces.
          piece_(std::min<qsizetype>(
              256 * 1024, qsizetype(xcb_get_maximum_request_length(connection)) * 4 - 1024)) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & 0x7f) {
        case XCB_SELECTION_REQUEST:
            return request(*reinterpret_cast<const xcb_selection_request_event_t*>(event));
        case XCB_PROPERTY_NOTIFY: {
            const auto& change = *reinterpret_cast<const xcb_property_notify_event_t*>(event);
            if (change.state == XCB_PROPERTY_DELETE) {
                step(change.window, change.atom);
            }
            return false;
        }
        default:
            return false;
        }
    }

    QPointer<QMimeData> dragged;

private:
    const QMimeData* offered(xcb_atom_t selection) const {
        if (selection == clipboard_) {
            // Ours only while this program owns the clipboard.
            return QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
        }
        return selection == dragSelection_ ? dragged.data() : nullptr;
    }

    bool request(const xcb_selection_request_event_t& event) {
        if (event.target != png_) {
            return false; // text, TARGETS and the rest: Qt answers at once
        }
        auto png = pngInTheMaking(offered(event.selection));
        if (!png) {
            return false;
        }
        xcb_selection_request_event_t asked = event;
        if (asked.property == XCB_ATOM_NONE) {
            asked.property = asked.target; // an obsolete client, as ICCCM allows
        }
        png->then(this, [this, asked](const QByteArray& bytes) { answer(asked, bytes); });
        return true;
    }

    void answer(const xcb_selection_request_event_t& asked, const QByteArray& bytes) {
        forgetAbandoned();
        if (bytes.isEmpty()) {
            notify(asked, XCB_ATOM_NONE); // no PNG could be made: refuse
            return;
        }
        if (bytes.size() <= piece_) {
            xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, asked.requestor, asked.property,
                                asked.target, 8, std::uint32_t(bytes.size()), bytes.constData());
        } else {
            const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
            xcb_change_window_attributes(connection_, asked.requestor, XCB_CW_EVENT_MASK, &events);
            const std::uint32_t size = std::uint32_t(bytes.size());
            xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, asked.requestor, asked.property,
                                incr_, 32, 1, &size);
            steps_.push_back(
                {asked.requestor, asked.property, asked.target, bytes, 0, Clock::now()});
        }
        notify(asked, asked.property);
    }

    void notify(const xcb_selection_request_event_t& asked, xcb_atom_t property) {
        // xcb_send_event sends 32 bytes whatever the event's own size.
        union {
            xcb_selection_notify_event_t event;
            char bytes[32];
        } notice;
        std::memset(&notice, 0, sizeof notice);
        notice.event.response_type = XCB_SELECTION_NOTIFY;
        notice.event.time = asked.time;
        notice.event.requestor = asked.requestor;
        notice.event.selection = asked.selection;
        notice.event.target = asked.target;
        notice.event.property = property;
        xcb_send_event(connection_, 0, asked.requestor, XCB_EVENT_MASK_NO_EVENT, notice.bytes);
        xcb_flush(connection_);
    }

    void step(xcb_window_t window, xcb_atom_t property) {
        const auto found = std::find_if(steps_.begin(), steps_.end(), [&](const Steps& steps) {
            return steps.requestor == window && steps.property == property;
        });
        if (found == steps_.end()) {
            return;
        }
        const qsizetype size = std::min(piece_, found->bytes.size() - found->sent);
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, property, found->type, 8,
                            std::uint32_t(size), found->bytes.constData() + found->sent);
        found->sent += size;
        found->lastStep = Clock::now();
        if (size == 0) {
            const std::uint32_t events = XCB_EVENT_MASK_NO_EVENT;
            xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &events);
            steps_.erase(found);
        }
        xcb_flush(connection_);
    }

    void forgetAbandoned() {
        const auto now = Clock::now();
        steps_.remove_if([&](const Steps& steps) { return now - steps.lastStep > abandonedAfter; });
    }

    xcb_connection_t* connection_;
    xcb_atom_t clipboard_;
    xcb_atom_t dragSelection_;
    xcb_atom_t incr_;
    xcb_atom_t png_;
    qsizetype piece_;
    std::list<Steps> steps_;
};

PictureServer* server = nullptr;

} // namespace

void servePictures() {
    if (server || !qGuiApp) {
        return;
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) {
        return;
    }
    server = new PictureServer(x11->connection());
    qGuiApp->installNativeEventFilter(server);
    QObject::connect(server, &QObject::destroyed, [] { server = nullptr; });
}

void dragging(QMimeData* mime) {
    servePictures();
    if (server) {
        server->dragged = mime;
    }
}

} // namespace scrivlette::x11

#else

namespace scrivlette::x11 {

void servePictures() {}
void dragging(QMimeData*) {}

} // namespace scrivlette::x11

#endif
