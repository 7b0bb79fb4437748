#pragma once

#include "browser/capture/ScreenGrabber.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

class QLabel;

namespace suite::browser {

// The overlay of the region capture: a borderless, topmost window over the whole screen
// that shows a still image of the screen taken before it appeared. The user drags a
// rectangle on it; a red outline and the label "X=… Y=…; B=… H=…" follow the pointer. On
// release the marked part of the still image (without the outline) is handed over and the
// overlay closes itself. A drag of 50 twips or less on either axis hands over no picture.
// Without a mouse: an arrow key puts a region in the middle of the screen, arrows move it,
// Shift+arrows move its far corner (its size), Enter takes it as a release would, Escape
// leaves.
class frmDummy : public QWidget {
    Q_OBJECT
public:
    explicit frmDummy(ScreenGrabber& grabber, QWidget* parent = nullptr);

    // Takes the still image and covers the primary screen with it, topmost. Call before the
    // overlay is shown.
    void Form_Load();

    const QImage& frozenImage() const { return m_frozen; }
    bool dragging() const { return m_dragging; }

    static constexpr double MinimumDragTwips = 50;
    static constexpr double LabelOffsetTwips = 75;

signals:
    // The button went down: the viewer shows itself minimized, the overlay stays on top.
    void dragStarted();
    // The marked part of the screen, or a null picture after a too small drag, Escape or
    // any other close. Comes exactly once, before the overlay closes.
    void regionChosen(const QPixmap& picture);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_MouseDown(QPointF position);
    void Form_MouseMove(QPointF position);
    void Form_MouseUp(QPointF position);
    QPixmap markedPicture() const;
    void finish(const QPixmap& picture);
    void announce(const QPixmap& picture);

    ScreenGrabber& m_grabber;
    QImage m_frozen;
    QLabel* Label1;
    bool m_dragging = false;
    bool m_announced = false; // regionChosen has been emitted
    QPointF m_start; // pixels from the screen's corner (device-independent)
    QPointF m_pointer;
    double m_twipsPerPixelX = 15;
    double m_twipsPerPixelY = 15;
};

} // namespace suite::browser
