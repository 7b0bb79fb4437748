#include "wayland/WaylandConnection.h"

#include "wayland/virtual-keyboard-unstable-v1-client.h"
#include "wayland/wlr-data-control-unstable-v1-client.h"

#include <wayland-client.h>

#include <cstring>

namespace suite {

std::unique_ptr<WaylandConnection> WaylandConnection::open(QString* whyNot)
{
    const QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (name.isEmpty()) {
        *whyNot = QStringLiteral("Es läuft keine Wayland-Sitzung (WAYLAND_DISPLAY ist leer).");
        return nullptr;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        *whyNot = QStringLiteral("Der Wayland-Compositor „%1“ antwortet nicht.")
                      .arg(QString::fromLocal8Bit(name));
        return nullptr;
    }
    std::unique_ptr<WaylandConnection> connection(new WaylandConnection(display));
    static const wl_registry_listener listener = { .global = &WaylandConnection::global,
        .global_remove = &WaylandConnection::globalRemove };
    connection->m_registry = wl_display_get_registry(display);
    wl_registry_add_listener(connection->m_registry, &listener, connection.get());
    if (!connection->roundtrip()) {
        *whyNot = QStringLiteral("Der Wayland-Compositor hat die Verbindung beendet.");
        return nullptr;
    }
    return connection;
}

WaylandConnection::WaylandConnection(wl_display* display)
    : m_display(display)
{
}

WaylandConnection::~WaylandConnection()
{
    if (m_dataControl)
        zwlr_data_control_manager_v1_destroy(m_dataControl);
    if (m_virtualKeyboards)
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(m_virtualKeyboards));
    if (m_seat)
        wl_seat_destroy(m_seat);
    if (m_registry)
        wl_registry_destroy(m_registry);
    wl_display_disconnect(m_display);
}

void WaylandConnection::global(
    void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    auto* self = static_cast<WaylandConnection*>(data);
    // Version 1 of each is all we use; a higher one would bring events we do not handle.
    Q_UNUSED(version);
    if (!self->m_seat && std::strcmp(interface, wl_seat_interface.name) == 0) {
        self->m_seat
            = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        self->m_virtualKeyboards = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    } else if (std::strcmp(interface, zwlr_data_control_manager_v1_interface.name) == 0) {
        self->m_dataControl = static_cast<zwlr_data_control_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_data_control_manager_v1_interface, 1));
    }
}

bool WaylandConnection::roundtrip()
{
    return wl_display_roundtrip(m_display) >= 0 && wl_display_get_error(m_display) == 0;
}

} // namespace suite
