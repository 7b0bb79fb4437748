#pragma once

#include <QString>

#include <memory>

struct wl_display;
struct wl_registry;
struct wl_seat;
struct zwp_virtual_keyboard_manager_v1;
struct zwlr_data_control_manager_v1;

namespace suite {

// A connection of our own to the compositor that WAYLAND_DISPLAY names (a socket name in
// XDG_RUNTIME_DIR or a full path), with the globals the desktop services look for. A
// program on XWayland opens one beside its X connection.
class WaylandConnection {
public:
    // nullptr when there is no compositor to reach (WAYLAND_DISPLAY unset, nobody
    // listening); whyNot then says which.
    static std::unique_ptr<WaylandConnection> open(QString* whyNot);
    ~WaylandConnection();
    WaylandConnection(const WaylandConnection&) = delete;
    WaylandConnection& operator=(const WaylandConnection&) = delete;

    wl_display* display() const { return m_display; }
    // The first seat; nullptr when the compositor has none.
    wl_seat* seat() const { return m_seat; }
    // The globals of the wlroots protocols; nullptr where the compositor offers none
    // (GNOME, and KDE for virtual keyboards).
    zwp_virtual_keyboard_manager_v1* virtualKeyboards() const { return m_virtualKeyboards; }
    zwlr_data_control_manager_v1* dataControl() const { return m_dataControl; }

    // Sends what is queued and waits until the compositor has handled it; false when the
    // connection broke (the compositor ended, or refused a request).
    bool roundtrip();

private:
    explicit WaylandConnection(wl_display* display);
    static void global(
        void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version);
    static void globalRemove(void*, wl_registry*, uint32_t) { }

    wl_display* m_display;
    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    zwp_virtual_keyboard_manager_v1* m_virtualKeyboards = nullptr;
    zwlr_data_control_manager_v1* m_dataControl = nullptr;
};

} // namespace suite
