#pragma once

namespace suite::browser {

// Where the about window's credits stand: a rectangle as high as the text that starts just
// below the visible box, moves up one pixel a frame and starts again from below as soon as
// the text has left the box at the top.
class CreditsScroll {
public:
    // Pixels between two frames' moves: one pixel about every 41 ms.
    static constexpr int frameMs = 41;

    CreditsScroll(int boxHeight, int textHeight);

    int top() const { return m_top; }
    int bottom() const { return m_top + m_textHeight; }
    // Moves the text one pixel up; restarts from below once its top is above -textHeight.
    void step();

private:
    int m_boxHeight;
    int m_textHeight;
    int m_top;
};

} // namespace suite::browser
