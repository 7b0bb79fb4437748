#include "widgets/agent/CharacterWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace suite {

CharacterWindow::CharacterWindow(const CharacterData& data, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_data(data)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("Character_") + data.id);
    setWindowTitle(data.name);
    setAccessibleName(data.name);
    setFixedSize(data.size);
    setCursor(Qt::OpenHandCursor);
}

CharacterWindow::~CharacterWindow() = default;

void CharacterWindow::setFrame(const QString& frame)
{
    if (frame == m_frame)
        return;
    m_frame = frame;
    update();
}

void CharacterWindow::setMouthLevel(qreal loudness)
{
    int mouth = -1;
    if (loudness >= 0)
        mouth = loudness < 0.08 ? 0 : loudness < 0.3 ? 1 : 2;
    if (mouth == m_mouth)
        return;
    m_mouth = mouth;
    update();
}

QString CharacterWindow::mouth() const
{
    return m_mouth < 0 ? QString() : m_data.mouth.value(m_mouth);
}

// One renderer per picture shown; a character has a few dozen at most, so they are kept.
QSvgRenderer* CharacterWindow::renderer()
{
    QStringList layers;
    if (!m_frame.isEmpty())
        layers << m_frame;
    if (m_mouth >= 0)
        layers << m_data.mouth.value(m_mouth);
    const QString key = layers.join(QLatin1Char('+'));
    auto& slot = m_renderers[key];
    if (!slot)
        slot = std::make_shared<QSvgRenderer>(m_data.compose(layers));
    return slot.get();
}

void CharacterWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    renderer()->render(&painter, QRectF(rect()));
}

void CharacterWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragOffset = event->globalPosition().toPoint() - pos();
}

void CharacterWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - m_dragOffset);
}

} // namespace suite
