#include "browser/capture/KeyNames.h"

#include <QHash>
#include <QString>

namespace suite::browser {

namespace {

struct Entry {
    const char* name;
    quint16 virtualKey;
    bool extended;
};

const Entry entries[] = {
    { "BACKSPACE", 8, false },
    { "BS", 8, false },
    { "BKSP", 8, false },
    { "BREAK", 19, true },
    { "CAPSLOCK", 20, false },
    { "DELETE", 46, true },
    { "DEL", 46, true },
    { "DOWN", 40, true },
    { "END", 35, true },
    { "ENTER", 13, false },
    { "ESC", 27, false },
    { "HELP", 47, false },
    { "HOME", 36, true },
    { "INS", 45, true },
    { "INSERT", 45, true },
    { "LEFT", 37, true },
    { "NUMLOCK", 144, true },
    { "PGDN", 34, true },
    { "PGUP", 33, true },
    { "PAUSE", 19, false },
    { "PRINT", 42, true },
    { "PRTSC", 44, true },
    { "PRTSCN", 44, true },
    { "PRINTSCRN", 44, true },
    { "PRINTSCREEN", 44, true },
    { "RIGHT", 39, true },
    { "SCROLLLOCK", 145, false },
    { "SELECT", 41, false },
    { "TAB", 9, false },
    { "UP", 38, true },
};

QHash<QString, NamedKey> buildTable()
{
    QHash<QString, NamedKey> table;
    for (const Entry& entry : entries)
        table.insert(QString::fromLatin1(entry.name), { entry.virtualKey, entry.extended });
    for (int number = 1; number <= 16; ++number)
        table.insert(QStringLiteral("F%1").arg(number), { quint16(111 + number), false });
    return table;
}

} // namespace

std::optional<NamedKey> keyNamed(QStringView name)
{
    static const QHash<QString, NamedKey> table = buildTable();
    // The names are ASCII; folding only ASCII letters keeps "ı" or "ß" from matching one.
    QString upper;
    upper.reserve(name.size());
    for (const QChar c : name) {
        if (c.unicode() > 0x7f)
            return std::nullopt;
        upper.append(c.toUpper());
    }
    const auto found = table.constFind(upper);
    if (found == table.cend())
        return std::nullopt;
    return *found;
}

} // namespace suite::browser
