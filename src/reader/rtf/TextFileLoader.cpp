#include "reader/rtf/TextFileLoader.h"

#include "reader/rtf/RtfReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace suite::rtf {

namespace {

QString unreadable(const QString& path)
{
    return QStringLiteral("Die Datei „%1“ konnte nicht gelesen werden.")
        .arg(QFileInfo(path).fileName());
}

QString tooLarge(const QString& path)
{
    return QStringLiteral("Die Datei „%1“ ist größer als 20 MB und wurde nicht geladen.")
        .arg(QFileInfo(path).fileName());
}

QString decodeWith(QStringDecoder decoder, QByteArrayView bytes)
{
    return decoder.decode(bytes);
}

} // namespace

QString decodePlainText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decodeWith(QStringDecoder(QStringDecoder::Utf8), bytes.sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return decodeWith(QStringDecoder(QStringDecoder::Utf16LE), bytes.sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return decodeWith(QStringDecoder(QStringDecoder::Utf16BE), bytes.sliced(2));

    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252.decode(bytes);
    return QString::fromLatin1(bytes); // only without ICU: the nearest built-in match
}

LoadResult loadFile(const QString& path)
{
    LoadResult result;
    const QFileInfo info(path);
    // Only regular files: a FIFO or a device would block or never end.
    if (!info.isFile()) {
        result.message = unreadable(path);
        return result;
    }
    if (info.size() > kMaxLoadBytes) {
        result.message = tooLarge(path);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.message = unreadable(path);
        return result;
    }
    // One byte more than allowed tells a file that grew since it was measured.
    const QByteArray bytes = file.read(kMaxLoadBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.message = unreadable(path);
        return result;
    }
    if (bytes.size() > kMaxLoadBytes) {
        result.message = tooLarge(path);
        return result;
    }

    if (isRtf(bytes)) {
        RtfResult rtf = read(bytes);
        result.format = LoadedFormat::Rtf;
        result.message = rtf.message;
        result.document = std::move(rtf.document);
    } else {
        result.format = LoadedFormat::PlainText;
        result.document = std::make_unique<QTextDocument>();
        result.document->setUndoRedoEnabled(false);
        result.document->setPlainText(decodePlainText(bytes));
        result.document->setUndoRedoEnabled(true);
    }
    result.ok = true;
    return result;
}

} // namespace suite::rtf
