#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace suite {

// Root keys of the registry the programs read. Only HKEY_LOCAL_MACHINE holds entries unless
// a registry.ini adds some to another root.
enum class RootKey {
    HKEY_CLASSES_ROOT,
    HKEY_CURRENT_USER,
    HKEY_LOCAL_MACHINE,
    HKEY_USERS,
    HKEY_CURRENT_CONFIG,
};

struct KeyValue {
    enum class Type { Text = 1, Binary = 3, Number = 4 };
    Type type = Type::Text;
    QString text; // Text
    quint32 number = 0; // Number
    QByteArray bytes; // Binary
};

// A small read-only registry. Its default entries point at programs found on this machine:
//   HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO, value PATH: a system
//     information tool;
//   HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\App Paths\mspaint.exe,
//     default value: an image editor.
// registry.ini files add or override entries, the later file winning:
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO]
//   PATH=/usr/bin/hardinfo
//   Number=dword:0000002a
//   Data=hex:01,02,ff
//   @=the key's default value
class KeyStore {
public:
    struct Sources {
        // Full path of an executable found on PATH, or "".
        std::function<QString(const QString& program)> findProgram;
        // registry.ini files, weakest first; missing ones are skipped.
        QStringList files;
    };

    // This machine: PATH, then <system dir>/registry.ini, then the user's registry.ini.
    KeyStore();
    explicit KeyStore(const Sources& sources);

    static Sources machineSources();

    std::optional<KeyValue> query(
        RootKey root, const QString& keyName, const QString& valueName) const;

    // false and value "" when the key or the value is missing (or larger than 1024 bytes);
    // true with value = the text (type 1) or the decimal digits (type 4); any other type
    // gives true and leaves value as it was.
    bool GetKeyValue(
        RootKey root, const QString& keyName, const QString& valueName, QString& value) const;

    // Entries of the registry.ini files that could not be used, one clear text each.
    const QStringList& problems() const { return m_problems; }

private:
    void addDefaults(const Sources& sources);
    void addFile(const QString& path);
    void set(const QString& fullKey, const QString& valueName, KeyValue value);

    // Folded full key path ("hkey_local_machine\software\...") -> folded value name -> value.
    QHash<QString, QHash<QString, KeyValue>> m_keys;
    QStringList m_problems;
};

} // namespace suite
