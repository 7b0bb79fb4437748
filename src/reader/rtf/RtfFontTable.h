#pragma once

#include <QHash>

namespace suite::rtf {

// The part of \fonttbl the reader needs: which code page each font's \'hh bytes are in.
// Bounded: fonts beyond kMaxEntries are ignored and their text falls back to the
// document's code page.
class RtfFontTable {
public:
    static constexpr int kMaxEntries = 10000;

    // \fN inside the table: the entry that the next \fcharset or \cpg describes.
    void select(int number);
    void setCharset(int charset);
    void setCodePage(int codePage);

    // The code page the font names, or 0 when it names none.
    int codePage(int number) const;
    bool overflowed() const { return m_overflowed; }

private:
    struct Entry {
        int charsetCodePage = 0;
        int explicitCodePage = 0;
    };

    QHash<int, Entry> m_entries;
    int m_current = 0;
    bool m_hasCurrent = false;
    bool m_overflowed = false;
};

} // namespace suite::rtf
