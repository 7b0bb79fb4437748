#include "reader/rtf/RtfColorTable.h"

#include <algorithm>

namespace suite::rtf {

void RtfColorTable::setComponent(Channel channel, int value)
{
    const int clamped = std::clamp(value, 0, 255);
    switch (channel) {
    case Channel::Red:
        m_red = clamped;
        break;
    case Channel::Green:
        m_green = clamped;
        break;
    case Channel::Blue:
        m_blue = clamped;
        break;
    }
    m_hasComponent = true;
}

void RtfColorTable::endEntry()
{
    if (m_colors.size() < kMaxEntries)
        m_colors.append(m_hasComponent ? QColor(m_red, m_green, m_blue) : QColor());
    else
        m_overflowed = true;
    m_red = m_green = m_blue = 0;
    m_hasComponent = false;
}

void RtfColorTable::finish()
{
    if (m_hasComponent)
        endEntry();
}

QColor RtfColorTable::color(int index) const
{
    if (index < 0 || index >= m_colors.size())
        return {};
    return m_colors.at(index);
}

} // namespace suite::rtf
