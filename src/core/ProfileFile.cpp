#include "core/ProfileFile.h"

#include "core/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace suite {

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path))
{
}

Result ProfileFile::loadBytes(QByteArray& bytes, bool& exists) const
{
    bytes.clear();
    const QFileInfo info(m_path);
    exists = info.exists();
    if (!exists)
        return Result::success();
    if (!info.isFile())
        return Result::failure(QStringLiteral("„%1“ ist keine gewöhnliche Datei.").arg(m_path));
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::failure(QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2")
                                   .arg(m_path, file.errorString()));
    // Reading one byte past the bound tells a file at the limit from one beyond it, even where
    // the size reported up front is wrong.
    bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        return Result::failure(QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2")
                                   .arg(m_path, file.errorString()));
    }
    if (bytes.size() > maxBytes) {
        bytes.clear();
        return Result::failure(
            QStringLiteral("Die Datei „%1“ ist größer als %2 MiB; sie wird weder gelesen noch "
                           "überschrieben.")
                .arg(m_path)
                .arg(maxBytes / (1024 * 1024)));
    }
    return Result::success();
}

Result ProfileFile::load(ProfileDocument& document) const
{
    QByteArray bytes;
    bool exists = false;
    const Result loaded = loadBytes(bytes, exists);
    document = ProfileDocument::parse(bytes);
    return loaded;
}

QString ProfileFile::read(
    const QString& section, const QString& key, const QString& defaultValue, int bufferChars) const
{
    ProfileDocument document;
    m_lastRead = load(document);
    return document.read(section, key, defaultValue, bufferChars);
}

Result ProfileFile::write(const QString& section, const QString& key, const QString& value)
{
    return write(QList<Setting> { { section, key, value } });
}

Result ProfileFile::write(const QList<Setting>& settings)
{
    QByteArray before;
    bool exists = false;
    const Result loaded = loadBytes(before, exists);
    if (!loaded) {
        QStringList keys;
        for (const Setting& setting : settings)
            keys << setting.key;
        return Result::failure(loaded.error
            + QStringLiteral(" Der Wert „%1“ wurde nicht gespeichert.").arg(keys.join(u", ")));
    }
    ProfileDocument document = ProfileDocument::parse(before);
    for (const Setting& setting : settings) {
        if (Result changed = document.write(setting.section, setting.key, setting.value); !changed)
            return changed;
    }
    const QByteArray after = document.serialise();
    if (exists && after == before)
        return Result::success();
    return save(after);
}

Result ProfileFile::save(const QByteArray& bytes) const
{
    return writeFileAtomically(m_path, bytes);
}

} // namespace suite
