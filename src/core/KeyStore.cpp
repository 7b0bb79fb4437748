#include "core/KeyStore.h"

#include "core/Paths.h"
#include "core/ProfileFile.h"

#include <QStandardPaths>

namespace suite {

namespace {

const QString msinfoKey
    = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString paintKey = QStringLiteral(
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\mspaint.exe");

// Preferred first: the tools that show most about the machine, the plainest painters.
const QStringList systemInfoTools = { "hardinfo", "gnome-system-monitor", "kinfocenter",
    "mate-system-monitor", "xfce4-taskmanager", "lxtask" };
const QStringList imageEditors = { "kolourpaint", "pinta", "gimp", "mtpaint", "krita", "drawing" };

// RegQueryValueEx into the programs' buffer of 1024 bytes fails for anything larger.
constexpr qsizetype queryBufferBytes = 1024;

struct RootName {
    RootKey root;
    const char* name;
    const char* shortName;
};
const RootName rootNames[] = {
    { RootKey::HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT", "HKCR" },
    { RootKey::HKEY_CURRENT_USER, "HKEY_CURRENT_USER", "HKCU" },
    { RootKey::HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE", "HKLM" },
    { RootKey::HKEY_USERS, "HKEY_USERS", "HKU" },
    { RootKey::HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG", "HKCC" },
};

QString rootName(RootKey root)
{
    for (const RootName& entry : rootNames) {
        if (entry.root == root)
            return QString::fromLatin1(entry.name);
    }
    return {};
}

QString foldedPath(const QString& path)
{
    QString folded = path.toCaseFolded();
    while (folded.endsWith(u'\\'))
        folded.chop(1);
    while (folded.startsWith(u'\\'))
        folded.remove(0, 1);
    return folded;
}

// "[HKLM\Software\X]" and "[HKEY_LOCAL_MACHINE\Software\X]" name the same key.
std::optional<QString> fullKeyOfSection(const QString& section)
{
    const QString root = section.section(u'\\', 0, 0);
    const QString rest = section.section(u'\\', 1);
    for (const RootName& entry : rootNames) {
        if (root.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0
            || root.compare(QLatin1String(entry.shortName), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(entry.name) + u'\\' + rest;
    }
    return std::nullopt;
}

std::optional<KeyValue> parseValue(const QString& text)
{
    KeyValue value;
    if (text.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QString digits = text.mid(6).trimmed();
        bool ok = false;
        const qulonglong number = digits.toULongLong(&ok, 16);
        if (!ok || digits.size() > 8 || number > 0xffffffffULL)
            return std::nullopt;
        value.type = KeyValue::Type::Number;
        value.number = static_cast<quint32>(number);
        return value;
    }
    if (text.startsWith(QLatin1String("hex:"), Qt::CaseInsensitive)) {
        value.type = KeyValue::Type::Binary;
        const QStringList parts = text.mid(4).split(u',', Qt::SkipEmptyParts);
        for (const QString& part : parts) {
            bool ok = false;
            const uint byte = part.trimmed().toUInt(&ok, 16);
            if (!ok || byte > 0xff)
                return std::nullopt;
            value.bytes.append(static_cast<char>(byte));
        }
        return value;
    }
    value.type = KeyValue::Type::Text;
    value.text = text;
    return value;
}

qsizetype storedSize(const KeyValue& value)
{
    switch (value.type) {
    case KeyValue::Type::Text:
        return value.text.toUtf8().size() + 1;
    case KeyValue::Type::Number:
        return 4;
    case KeyValue::Type::Binary:
        return value.bytes.size();
    }
    return 0;
}

} // namespace

KeyStore::Sources KeyStore::machineSources()
{
    Sources sources;
    sources.findProgram
        = [](const QString& program) { return QStandardPaths::findExecutable(program); };
    sources.files = { paths::systemDir() + QStringLiteral("/registry.ini"),
        paths::userConfigDir() + QStringLiteral("/registry.ini") };
    return sources;
}

KeyStore::KeyStore()
    : KeyStore(machineSources())
{
}

KeyStore::KeyStore(const Sources& sources)
{
    addDefaults(sources);
    for (const QString& file : sources.files)
        addFile(file);
}

void KeyStore::addDefaults(const Sources& sources)
{
    if (!sources.findProgram)
        return;
    const auto firstFound = [&](const QStringList& programs) {
        for (const QString& program : programs) {
            const QString path = sources.findProgram(program);
            if (!path.isEmpty())
                return path;
        }
        return QString();
    };
    const QString systemInfo = firstFound(systemInfoTools);
    if (!systemInfo.isEmpty())
        set(msinfoKey, QStringLiteral("PATH"), { KeyValue::Type::Text, systemInfo, 0, {} });
    const QString paint = firstFound(imageEditors);
    if (!paint.isEmpty())
        set(paintKey, QString(), { KeyValue::Type::Text, paint, 0, {} });
}

void KeyStore::addFile(const QString& path)
{
    ProfileDocument document;
    const Result loaded = ProfileFile(path).load(document);
    if (!loaded) {
        m_problems.append(loaded.error);
        return;
    }
    for (const QString& section : document.sections()) {
        const std::optional<QString> fullKey = fullKeyOfSection(section);
        if (!fullKey) {
            m_problems.append(
                QStringLiteral("%1: „[%2]“ nennt keinen Stammschlüssel wie HKEY_LOCAL_MACHINE.")
                    .arg(path, section));
            continue;
        }
        for (const ProfileDocument::Entry& entry : document.entries(section)) {
            std::optional<KeyValue> value = parseValue(entry.value);
            if (!value) {
                m_problems.append(QStringLiteral("%1: der Wert „%2=%3“ in „[%4]“ ist ungültig.")
                                      .arg(path, entry.key, entry.value, section));
                continue;
            }
            const QString name = entry.key == QLatin1String("@") ? QString() : entry.key;
            set(*fullKey, name, std::move(*value));
        }
    }
}

void KeyStore::set(const QString& fullKey, const QString& valueName, KeyValue value)
{
    m_keys[foldedPath(fullKey)].insert(valueName.toCaseFolded(), std::move(value));
}

std::optional<KeyValue> KeyStore::query(
    RootKey root, const QString& keyName, const QString& valueName) const
{
    const auto key = m_keys.constFind(foldedPath(rootName(root) + u'\\' + keyName));
    if (key == m_keys.cend())
        return std::nullopt;
    const auto value = key->constFind(valueName.toCaseFolded());
    if (value == key->cend())
        return std::nullopt;
    return *value;
}

bool KeyStore::GetKeyValue(
    RootKey root, const QString& keyName, const QString& valueName, QString& value) const
{
    const std::optional<KeyValue> found = query(root, keyName, valueName);
    if (!found || storedSize(*found) > queryBufferBytes) {
        value.clear();
        return false;
    }
    switch (found->type) {
    case KeyValue::Type::Text: {
        QString text = found->text;
        if (text.endsWith(QChar(u'\0')))
            text.chop(1);
        value = text;
        break;
    }
    case KeyValue::Type::Number:
        value = QString::number(found->number);
        break;
    case KeyValue::Type::Binary:
        break;
    }
    return true;
}

} // namespace suite
