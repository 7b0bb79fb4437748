#pragma once

#include "reader/Clipboard.h"
#include "reader/SystemClipboard.h"
#include "wayland/WaylandConnection.h"

#include <QHash>
#include <QStringList>

#include <memory>

struct zwlr_data_control_device_v1;
struct zwlr_data_control_offer_v1;

namespace suite::reader {

// The clipboard of a Wayland session read through the compositor's data control (wlroots
// compositors, KWin), which, unlike XWayland's clipboard, shows what a Wayland program
// copied whatever window has the focus, or none. Emptying goes there too; a text to put on
// the clipboard goes through Qt's clipboard (XWayland hands it on to the compositor).
class WaylandClipboard final : public Clipboard {
public:
    // connection must offer a seat and data control.
    explicit WaylandClipboard(std::unique_ptr<WaylandConnection> connection);
    ~WaylandClipboard() override;

    std::optional<QString> text() const override;
    QImage image() const override;
    bool setText(const QString& text) override;

    // How long a read waits for the copying program to hand over its text.
    static constexpr int TransferTimeoutMs = 1000;

private:
    static void dataOffer(
        void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer);
    static void selection(
        void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer);
    static void finished(void* data, zwlr_data_control_device_v1*);
    static void offerType(void* data, zwlr_data_control_offer_v1* offer, const char* type);
    // The offer's data in the type, or a null array when it did not come.
    QByteArray receive(const QString& type) const;

    std::unique_ptr<WaylandConnection> m_connection;
    zwlr_data_control_device_v1* m_device = nullptr;
    QHash<zwlr_data_control_offer_v1*, QStringList> m_offers; // the MIME types of each offer
    zwlr_data_control_offer_v1* m_selection = nullptr; // the clipboard's offer; null when empty
    quint64 m_selections = 0; // counts the clipboard's offers
    // A copied picture stays on the clipboard: it is fetched and decoded once per offer.
    mutable QImage m_picture;
    mutable quint64 m_pictureOffer = 0;
    SystemClipboard m_writer;
};

// The desktop's clipboard: on a Wayland session whose compositor offers data control, the
// Wayland one; otherwise Qt's (X11, and XWayland where the compositor offers none).
std::unique_ptr<Clipboard> openDesktopClipboard();

} // namespace suite::reader
