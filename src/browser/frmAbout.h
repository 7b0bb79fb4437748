#pragma once

#include "browser/CreditsScroll.h"

#include <QDialog>
#include <QTimer>

#include <optional>

class QLabel;

namespace suite {
class MessageBoxes;
}

namespace suite::browser {

// The about window: a dark borderless box in which a few lines about the program scroll
// upward like film credits until " EXIT " is clicked. The scrolling runs from a timer, one
// pixel about every 41 ms, so the window costs next to no processor time while it is open.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(MessageBoxes& messageBoxes, QWidget* parent = nullptr);

    static QString creditsText();
    // Ends the scrolling and closes the window (it is made anew next time).
    void unload();

    // The text rectangle's place in the scrolling box, in pixels (empty before activation).
    std::optional<CreditsScroll> scroll() const { return m_scroll; }
    QLabel* exitLabel() const { return m_lblExit; }

protected:
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Activate();
    void ScrollText();
    void nextFrame();
    void centreOnScreen();
    int px(int twips) const;

    MessageBoxes& m_messageBoxes;
    QWidget* m_picScroll = nullptr;
    QLabel* m_lblExit = nullptr;
    QString m_credits;
    std::optional<CreditsScroll> m_scroll;
    QTimer m_frames;
    bool m_stop = false;
};

} // namespace suite::browser
