#pragma once

#include "browser/capture/ScreenGrabber.h"

#include <QHash>

#include <functional>

namespace suite::test {

// A screen made of a picture the test paints, with windows placed on it by hand.
class FakeScreenGrabber final : public browser::ScreenGrabber {
public:
    struct Window {
        QRect inside;
        QRect frame;
    };

    explicit FakeScreenGrabber(QImage screen);

    QString unavailableReason() const override { return m_unavailable; }
    QRect screenArea() const override { return m_screen.rect(); }
    QImage grabArea(const QRect& area) override;
    std::optional<quint64> foregroundWindow() override;
    std::optional<QRect> windowArea(quint64 window, bool withFrame) override;

    void setUnavailable(const QString& reason) { m_unavailable = reason; }
    void addWindow(quint64 id, Window window) { m_windows.insert(id, window); }
    void setForeground(quint64 id) { m_foreground = id; }
    // Runs at every grab, before the pixels are read (a test can change the screen there).
    void setOnGrab(std::function<void()> onGrab) { m_onGrab = std::move(onGrab); }
    QImage& screen() { return m_screen; }
    const QList<QRect>& grabs() const { return m_grabs; }

private:
    QImage m_screen;
    QString m_unavailable;
    QHash<quint64, Window> m_windows;
    std::optional<quint64> m_foreground;
    std::function<void()> m_onGrab;
    QList<QRect> m_grabs;
};

} // namespace suite::test
