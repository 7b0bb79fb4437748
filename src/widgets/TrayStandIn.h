#pragma once

#include <QIcon>
#include <QWidget>

#include <functional>

namespace suite {

// The notification-area icon on a desktop without a tray host: a small frameless window in
// the bottom-right corner of the primary screen that turns its clicks (and their keyboard
// equivalents) and the pointer resting on it into the mouse messages a tray icon delivers.
class TrayStandIn final : public QWidget {
public:
    using Deliver = std::function<void(int message, QPoint globalPos)>;

    explicit TrayStandIn(Deliver deliver);

    void setIcon(const QIcon& icon);
    // Tool tip, accessible name and window title together: what the user can read of it.
    void setTip(const QString& tip);
    // Moves to the bottom-right corner of the primary screen's available area.
    void placeInCorner();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void deliverAtCentre(int message);

    Deliver m_deliver;
    QIcon m_icon;
};

} // namespace suite
