#include "browser/LineFile.h"

#include "core/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

namespace suite::browser {

namespace {

std::optional<QByteArray> readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > LineFile::maxBytes)
        return std::nullopt;
    QByteArray bytes = file.read(LineFile::maxBytes + 1);
    if (bytes.size() > LineFile::maxBytes || file.error() != QFile::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

std::optional<QStringList> LineFile::readLines(const QString& path)
{
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    return splitLines(*bytes);
}

QStringList LineFile::splitLines(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines << text.mid(start);
    return lines;
}

QByteArray LineFile::joinLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

Result LineFile::writeLines(const QString& path, const QStringList& lines)
{
    return writeBytes(path, joinLines(lines));
}

Result LineFile::appendLines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        const std::optional<QByteArray> old = readBytes(path);
        if (!old)
            return Result::failure(
                QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(path));
        bytes = *old;
        if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
            bytes += "\r\n";
    }
    bytes += joinLines(lines);
    if (bytes.size() > maxBytes)
        return Result::failure(QStringLiteral("Die Datei %1 ist zu groß.").arg(path));
    return writeBytes(path, bytes);
}

Result LineFile::writeBytes(const QString& path, const QByteArray& bytes)
{
    return writeFileAtomically(path, bytes);
}

QString LineFile::trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

} // namespace suite::browser
