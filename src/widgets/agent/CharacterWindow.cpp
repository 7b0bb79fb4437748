#include "widgets/agent/CharacterWindow.h"

#include "widgets/agent/TopWindowFlags.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace suite {

CharacterWindow::CharacterWindow(const CharacterData& data, QWidget* parent)
    : QWidget(parent, topWindowFlags())
    , m_data(data)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("Character_") + data.id);
    setWindowTitle(data.name);
    setAccessibleName(data.name);
    setFixedSize(data.size);
    setCursor(Qt::OpenHandCursor);
    refresh();
}

CharacterWindow::~CharacterWindow() = default;

void CharacterWindow::setFrame(const QString& frame)
{
    if (frame == m_frame)
        return;
    m_frame = frame;
    refresh();
}

void CharacterWindow::setMouthLevel(qreal loudness)
{
    int mouth = -1;
    if (loudness >= 0)
        mouth = loudness < 0.08 ? 0 : loudness < 0.3 ? 1 : 2;
    if (mouth == m_mouth)
        return;
    m_mouth = mouth;
    refresh();
}

QString CharacterWindow::mouth() const
{
    return m_mouth < 0 ? QString() : m_data.mouth.value(m_mouth);
}

QString CharacterWindow::pictureKey() const
{
    QStringList layers;
    if (!m_frame.isEmpty())
        layers << m_frame;
    if (m_mouth >= 0)
        layers << m_data.mouth.value(m_mouth);
    return layers.join(QLatin1Char('+'));
}

// One renderer per picture shown; a character has a few dozen at most, so they are kept.
QSvgRenderer* CharacterWindow::renderer()
{
    const QString key = pictureKey();
    auto& slot = m_renderers[key];
    if (!slot)
        slot = std::make_shared<QSvgRenderer>(
            m_data.compose(key.split(QLatin1Char('+'), Qt::SkipEmptyParts)));
    return slot.get();
}

// The window takes the outline of its picture. Where a compositor blends the translucent
// window this changes nothing; without one (a bare X server) the transparent parts would
// show black, and the shape keeps them off the screen.
void CharacterWindow::refresh()
{
    update();
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    const QString key = pictureKey();
    auto shape = m_shapes.constFind(key);
    if (shape == m_shapes.constEnd()) {
        QImage picture(size(), QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer()->render(&painter, QRectF(picture.rect()));
        painter.end();
        // Every pixel with any coverage belongs to the shape, so antialiased edges survive.
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                line[x] = qAlpha(line[x]) > 0 ? 0xff000000u : 0u;
        }
        shape = m_shapes.insert(key, QBitmap::fromImage(picture.createAlphaMask()));
    }
    setMask(*shape);
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
