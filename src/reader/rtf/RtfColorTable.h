#pragma once

#include <QColor>
#include <QList>

namespace suite::rtf {

// \colortbl: entries end with ";", an entry without components is the default colour.
// Bounded: entries beyond kMaxEntries are ignored.
class RtfColorTable {
public:
    static constexpr int kMaxEntries = 10000;
    enum class Channel { Red, Green, Blue };

    void setComponent(Channel channel, int value);
    void endEntry();
    // Completes a last entry that the writer did not end with ";".
    void finish();

    // Invalid for the default colour and for an index the table does not have.
    QColor color(int index) const;
    int size() const { return static_cast<int>(m_colors.size()); }
    bool overflowed() const { return m_overflowed; }

private:
    QList<QColor> m_colors;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_hasComponent = false;
    bool m_overflowed = false;
};

} // namespace suite::rtf
