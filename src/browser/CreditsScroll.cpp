#include "browser/CreditsScroll.h"

namespace suite::browser {

CreditsScroll::CreditsScroll(int boxHeight, int textHeight)
    : m_boxHeight(boxHeight)
    , m_textHeight(textHeight)
    , m_top(boxHeight)
{
}

void CreditsScroll::step()
{
    --m_top;
    if (m_top < -m_textHeight)
        m_top = m_boxHeight;
}

} // namespace suite::browser
