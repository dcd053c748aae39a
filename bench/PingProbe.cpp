// How long a window stops answering, seen from outside it, as a window
// manager sees it: _NET_WM_PING every 10 ms, the longest wait for the reply.
//
//   bench_ping WINDOW SECONDS    (WINDOW as xdotool prints it)
//
// Run beside what is measured (a drag into another program, a clipboard
// read); prints the longest wait and how many waits passed 50 ms.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <string>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

void ping(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t protocols,
          xcb_atom_t pingAtom, std::uint32_t serial) {
    union {
        xcb_client_message_event_t event;
        char bytes[32];
    } message;
    std::memset(&message, 0, sizeof message);
    message.event.response_type = XCB_CLIENT_MESSAGE;
    message.event.format = 32;
    message.event.window = window;
    message.event.type = protocols;
    message.event.data.data32[0] = pingAtom;
    message.event.data.data32[1] = serial; // stands for the timestamp
    message.event.data.data32[2] = window;
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT, message.bytes);
    xcb_flush(connection);
}

// Waits for the reply to ping `serial`; false when none came in `limit`.
bool awaitReply(xcb_connection_t* connection, xcb_atom_t pingAtom, std::uint32_t serial,
                std::chrono::milliseconds limit) {
    const auto until = Clock::now() + limit;
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (Clock::now() < until) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
            const bool reply = (event->response_type & 0x7f) == XCB_CLIENT_MESSAGE &&
                               message->data.data32[0] == pingAtom &&
                               message->data.data32[1] == serial;
            std::free(event);
            if (reply) {
                return true;
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        ::poll(&descriptor, 1, static_cast<int>(std::max<long>(1, left.count())));
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_ping WINDOW SECONDS\n");
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::stoul(argv[1], nullptr, 0));
    const auto duration = std::chrono::duration<double>(std::stod(argv[2]));
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "bench_ping: no X display\n");
        return 1;
    }
    // Qt sends replies to the root window for its structure listeners.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t events = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &events);
    const xcb_atom_t protocols = atom(connection, "WM_PROTOCOLS");
    const xcb_atom_t pingAtom = atom(connection, "_NET_WM_PING");
    double longest = 0;
    int over50 = 0;
    int pings = 0;
    const auto end = Clock::now() + duration;
    for (std::uint32_t serial = 1; Clock::now() < end; ++serial) {
        const auto sent = Clock::now();
        ping(connection, window, protocols, pingAtom, serial);
        if (!awaitReply(connection, pingAtom, serial, std::chrono::seconds(10))) {
            std::printf("no reply within 10 s: the window does not answer pings\n");
            return 1;
        }
        const double waited =
            std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
        longest = std::max(longest, waited);
        over50 += waited > 50 ? 1 : 0;
        ++pings;
        const auto next = sent + std::chrono::milliseconds(10);
        while (Clock::now() < next) {
            ::poll(nullptr, 0, 1);
        }
    }
    std::printf("%d pings: the longest reply took %.1f ms; %d took over 50 ms\n", pings, longest,
                over50);
    xcb_disconnect(connection);
    return 0;
}
