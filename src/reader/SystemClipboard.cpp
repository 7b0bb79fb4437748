#include "reader/SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace suite::reader {

namespace {

// Files copied in a file manager come with their paths as text too; they are no text to
// read. A copied web address stays text.
bool isFileList(const QMimeData& data)
{
    if (!data.hasUrls())
        return false;
    const QList<QUrl> urls = data.urls();
    return !urls.isEmpty()
        && std::all_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

} // namespace

SystemClipboard::SystemClipboard()
{
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        m_changed = QObject::connect(
            clipboard, &QClipboard::dataChanged, clipboard, [this] { m_pictureCurrent = false; });
    }
}

SystemClipboard::~SystemClipboard()
{
    QObject::disconnect(m_changed);
}

std::optional<QString> SystemClipboard::text() const
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data || !data->hasText() || isFileList(*data))
        return std::nullopt;
    return data->text();
}

QImage SystemClipboard::image() const
{
    if (m_pictureCurrent)
        return m_picture;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    m_picture = data && data->hasImage() ? qvariant_cast<QImage>(data->imageData()) : QImage();
    m_pictureCurrent = bool(m_changed);
    return m_picture;
}

bool SystemClipboard::setText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text);
    // On X11 the program that owns the clipboard may refuse to give it up (its claim is
    // newer than ours); then the clipboard still shows that program's data.
    return clipboard->text() == text;
}

} // namespace suite::reader
