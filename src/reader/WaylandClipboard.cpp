#include "reader/WaylandClipboard.h"

#include "wayland/wlr-data-control-unstable-v1-client.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QUrl>

#include <wayland-client.h>

#include <algorithm>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace suite::reader {

namespace {

// The text types in the order we ask for them; the first is what Wayland programs offer.
const QStringList TextTypes = { QStringLiteral("text/plain;charset=utf-8"),
    QStringLiteral("UTF8_STRING"), QStringLiteral("text/plain") };

// The picture types Qt reads, in the order we ask for them.
const QStringList PictureTypes
    = { QStringLiteral("image/png"), QStringLiteral("image/bmp"), QStringLiteral("image/jpeg") };

} // namespace

WaylandClipboard::WaylandClipboard(std::unique_ptr<WaylandConnection> connection)
    : m_connection(std::move(connection))
{
    static const zwlr_data_control_device_v1_listener deviceListener = {
        .data_offer = &WaylandClipboard::dataOffer,
        .selection = &WaylandClipboard::selection,
        .finished = &WaylandClipboard::finished,
        .primary_selection = nullptr, // not sent to a device of version 1
    };
    m_device = zwlr_data_control_manager_v1_get_data_device(
        m_connection->dataControl(), m_connection->seat());
    zwlr_data_control_device_v1_add_listener(m_device, &deviceListener, this);
    m_connection->roundtrip();
}

WaylandClipboard::~WaylandClipboard()
{
    for (auto it = m_offers.cbegin(); it != m_offers.cend(); ++it)
        zwlr_data_control_offer_v1_destroy(it.key());
    if (m_device)
        zwlr_data_control_device_v1_destroy(m_device);
}

void WaylandClipboard::dataOffer(
    void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer)
{
    static const zwlr_data_control_offer_v1_listener listener
        = { .offer = &WaylandClipboard::offerType };
    static_cast<WaylandClipboard*>(data)->m_offers.insert(offer, {});
    zwlr_data_control_offer_v1_add_listener(offer, &listener, data);
}

void WaylandClipboard::offerType(void* data, zwlr_data_control_offer_v1* offer, const char* type)
{
    auto* self = static_cast<WaylandClipboard*>(data);
    const auto found = self->m_offers.find(offer);
    if (found != self->m_offers.end())
        found->append(QString::fromUtf8(type));
}

void WaylandClipboard::selection(
    void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer)
{
    auto* self = static_cast<WaylandClipboard*>(data);
    // The previous offer is done with; so is any other offer than the new one.
    for (auto it = self->m_offers.begin(); it != self->m_offers.end();) {
        if (it.key() == offer) {
            ++it;
            continue;
        }
        zwlr_data_control_offer_v1_destroy(it.key());
        it = self->m_offers.erase(it);
    }
    self->m_selection = offer;
    ++self->m_selections;
}

void WaylandClipboard::finished(void* data, zwlr_data_control_device_v1*)
{
    auto* self = static_cast<WaylandClipboard*>(data);
    selection(data, self->m_device, nullptr);
    zwlr_data_control_device_v1_destroy(self->m_device);
    self->m_device = nullptr;
}

QByteArray WaylandClipboard::receive(const QString& type) const
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return {};
    zwlr_data_control_offer_v1_receive(m_selection, type.toUtf8().constData(), fds[1]);
    wl_display_flush(m_connection->display());
    close(fds[1]);
    QByteArray received;
    QDeadlineTimer deadline(TransferTimeoutMs);
    bool complete = false;
    while (!deadline.hasExpired()) {
        pollfd ready { fds[0], POLLIN, 0 };
        if (poll(&ready, 1, int(deadline.remainingTime())) <= 0)
            break;
        char buffer[4096];
        const ssize_t count = read(fds[0], buffer, sizeof buffer);
        if (count <= 0) {
            complete = count == 0;
            break;
        }
        received.append(buffer, count);
    }
    close(fds[0]);
    return complete ? (received.isNull() ? QByteArray("") : received) : QByteArray();
}

std::optional<QString> WaylandClipboard::text() const
{
    // Handles what the compositor said since the last look: the clipboard's newest offer.
    if (!m_device || !m_connection->roundtrip() || !m_selection)
        return std::nullopt;
    const QStringList types = m_offers.value(m_selection);
    // Files copied in a file manager are no text to read (as on X11).
    if (types.contains(QLatin1String("text/uri-list"))) {
        const QList<QByteArray> lines = receive(QStringLiteral("text/uri-list")).split('\n');
        bool files = false, other = false;
        for (const QByteArray& line : lines) {
            if (line.trimmed().isEmpty() || line.startsWith('#'))
                continue;
            (QUrl(QString::fromUtf8(line.trimmed())).isLocalFile() ? files : other) = true;
        }
        if (files && !other)
            return std::nullopt;
    }
    for (const QString& type : TextTypes) {
        if (!types.contains(type))
            continue;
        const QByteArray data = receive(type);
        if (data.isNull())
            return std::nullopt;
        return QString::fromUtf8(data);
    }
    return std::nullopt;
}

QImage WaylandClipboard::image() const
{
    if (!m_device || !m_connection->roundtrip() || !m_selection)
        return {};
    if (m_pictureOffer == m_selections)
        return m_picture;
    m_picture = QImage();
    const QStringList types = m_offers.value(m_selection);
    const auto type = std::find_if(PictureTypes.cbegin(), PictureTypes.cend(),
        [&](const QString& t) { return types.contains(t); });
    if (type != PictureTypes.cend()) {
        const QByteArray data = receive(*type);
        if (data.isNull())
            return {}; // not handed over in time: asked again at the next look
        m_picture = QImage::fromData(data);
    }
    m_pictureOffer = m_selections;
    return m_picture;
}

bool WaylandClipboard::setText(const QString& text)
{
    if (!text.isEmpty() || !m_device)
        return m_writer.setText(text);
    zwlr_data_control_device_v1_set_selection(m_device, nullptr);
    // A clipboard manager may put its copy back at once; then the clipboard is not empty.
    return m_connection->roundtrip() && m_selection == nullptr;
}

std::unique_ptr<Clipboard> openDesktopClipboard()
{
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        QString why;
        std::unique_ptr<WaylandConnection> connection = WaylandConnection::open(&why);
        if (connection && connection->seat() && connection->dataControl())
            return std::make_unique<WaylandClipboard>(std::move(connection));
    }
    return std::make_unique<SystemClipboard>();
}

} // namespace suite::reader
