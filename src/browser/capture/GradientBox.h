#pragma once

#include <QFrame>
#include <QImage>

namespace suite::browser {

// The framed box that fills the viewer's display until the first capture: 256 bands from
// black at the top to pure red at the bottom. What it draws is kept as an image of its own,
// which "ClipBoard" and "Speichern..." take while no capture exists; the title labels lying
// on the box are not part of it.
class GradientBox : public QFrame {
    Q_OBJECT
public:
    explicit GradientBox(QWidget* parent = nullptr);

    // Draws the bands anew for the box's present size.
    void farbverlauf();
    const QImage& drawnImage() const { return m_drawn; }

    static constexpr int Bands = 256;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_drawn;
};

} // namespace suite::browser
