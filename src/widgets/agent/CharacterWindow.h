#pragma once

#include "widgets/agent/CharacterData.h"

#include <QBitmap>
#include <QHash>
#include <QPoint>
#include <QWidget>

#include <memory>

class QSvgRenderer;

namespace suite {

// The character on the desktop: a frameless, translucent, always-on-top tool window (not in
// the task list) that draws one picture of the character, with the mouth over it while it
// speaks. The user can drag it with the mouse.
class CharacterWindow : public QWidget {
    Q_OBJECT
public:
    explicit CharacterWindow(const CharacterData& data, QWidget* parent = nullptr);
    ~CharacterWindow() override;

    // The frame drawn now; an empty name draws the base picture.
    void setFrame(const QString& frame);
    const QString& frame() const { return m_frame; }
    // Loudness of the speech being heard (0..1) picks the mouth; a negative value removes
    // the mouth layer.
    void setMouthLevel(qreal loudness);
    // The mouth picture drawn now (one of the character's mouth frames), or empty.
    QString mouth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QSvgRenderer* renderer();
    QString pictureKey() const;
    void refresh();

    CharacterData m_data;
    QString m_frame;
    int m_mouth = -1;
    QHash<QString, std::shared_ptr<QSvgRenderer>> m_renderers;
    QHash<QString, QBitmap> m_shapes;
    QPoint m_dragOffset;
};

} // namespace suite
