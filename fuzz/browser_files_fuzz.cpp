// Feeds arbitrary bytes to the readers of the browser's files (Browser.ini, verlauf.Dat,
// favoriten.Dat): lines never hold a break and survive a write and a reread; the settings come
// back as written; the history keeps at most its bound; a removed favourite takes exactly one
// entry with it.
#include "browser/BrowserIni.h"
#include "browser/FavouritesFile.h"
#include "browser/HistoryFile.h"
#include "browser/LineFile.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace suite::browser;

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "browser_files: %s\n", what);
        std::abort();
    }
}

QHash<QString, int> countsOf(const QStringList& entries)
{
    QHash<QString, int> counts;
    for (const QString& entry : entries) {
        const QString trimmed = LineFile::trimBlanks(entry);
        if (!trimmed.isEmpty())
            ++counts[trimmed];
    }
    return counts;
}

void checkLines(const QByteArray& bytes, const QStringList& lines)
{
    for (const QString& line : lines)
        check(!line.contains(u'\r') && !line.contains(u'\n'), "a line holds a break");
    check(LineFile::splitLines(LineFile::joinLines(lines)) == lines,
        "lines do not read back as written");
    check(lines.isEmpty() == bytes.isEmpty(), "bytes without lines, or lines without bytes");
}

void checkSettings(const QStringList& lines)
{
    std::optional<QString> startPage;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("SS")))
            startPage = line.mid(3);
    }
    const BrowserSettings settings = BrowserIni::parse(lines);
    check(settings.readable, "readable lines gave unreadable settings");
    check(settings.startPage == startPage, "the start page is not the last SS line's value");

    const QString start = lines.value(0);
    const QString search = lines.value(1);
    const BrowserSettings again
        = BrowserIni::parse(LineFile::splitLines(BrowserIni::serialize(start, search)));
    check(again.startPage == LineFile::trimBlanks(start)
            && again.searchEngine == LineFile::trimBlanks(search),
        "saved settings do not read back");
}

void checkHistory(const QStringList& lines)
{
    const QStringList saved = HistoryFile::linesToSave(lines);
    check(saved.size() <= HistoryFile::maxSavedEntries, "the history outgrew its bound");
    check(saved.size() == std::min(lines.size(), HistoryFile::maxSavedEntries),
        "the history lost entries below its bound");
    QStringList moved = lines;
    const QString top = lines.value(lines.size() / 2);
    HistoryFile::putOnTop(moved, top);
    check(moved.value(0) == top && moved.count(top) == std::max<qsizetype>(1, lines.count(top)),
        "a reached address is not on top exactly once more");
}

void checkFavourites(const QStringList& lines)
{
    const QString entry = lines.value(lines.size() / 3);
    const QStringList kept = FavouritesFile::afterRemoving(lines, entry);
    QHash<QString, int> expected = countsOf(lines);
    const QString removed = LineFile::trimBlanks(entry);
    if (expected.contains(removed) && --expected[removed] == 0)
        expected.remove(removed);
    check(countsOf(kept) == expected, "a removal lost or made up a favourite");
    QStringList sorted = kept;
    FavouritesFile::sortAlphabetically(sorted);
    check(sorted == kept, "the favourites are not written in order");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = LineFile::splitLines(bytes);
    checkLines(bytes, lines);
    checkSettings(lines);
    checkHistory(lines);
    checkFavourites(lines);
    return 0;
}
