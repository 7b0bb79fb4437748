#include "widgets/SpeechSynthesizer.h"

#include "speech/SpeechEngine.h"
#include "speech/SpeechLog.h"

#include <QPainter>
#include <QPainterPath>

namespace suite {

SpeechSynthesizer::SpeechSynthesizer(SpeechEngine& engine, QWidget* parent)
    : QWidget(parent)
    , m_engine(engine)
{
    setObjectName(QStringLiteral("DirectSS1"));
    setAccessibleName(QStringLiteral("Mund"));
    setAttribute(Qt::WA_TranslucentBackground);
    resize(sizeHint());
    connect(&m_engine, &SpeechEngine::level, this, [this](qreal loudness) {
        if (m_pending.isEmpty())
            return;
        m_opening = std::clamp(loudness, 0.0, 1.0);
        update();
    });
    connect(&m_engine, &SpeechEngine::utteranceFinished, this, [this](quint64 id) {
        if (!m_pending.remove(id) || !m_pending.isEmpty())
            return;
        m_opening = 0;
        update();
    });
}

Result SpeechSynthesizer::Speak(const QString& text)
{
    // A text that cannot be heard fails, so that the caller can say so; an empty one asks
    // for nothing to be heard and needs no voice.
    const Result heard = text.trimmed().isEmpty() ? Result::success() : m_engine.availability();
    if (!heard) {
        SpeechLog::record(
            SpeechLog::Component::Synth, {}, QStringLiteral("Speak"), { text }, heard.error);
        return heard;
    }
    SpeechLog::record(SpeechLog::Component::Synth, {}, QStringLiteral("Speak"), { text });
    if (text.trimmed().isEmpty())
        return Result::success(); // nothing to be heard
    Utterance utterance;
    utterance.text = text;
    utterance.voice.language = QStringLiteral("de");
    m_pending.insert(m_engine.say(utterance));
    return Result::success();
}

void SpeechSynthesizer::Stop()
{
    SpeechLog::record(SpeechLog::Component::Synth, {}, QStringLiteral("Stop"), {});
    // Forget first: the engine may report the stopped utterance while it stops.
    m_pending.clear();
    m_engine.stopAll();
    m_opening = 0;
    update();
}

void SpeechSynthesizer::SetVisible(bool visible)
{
    SpeechLog::record(SpeechLog::Component::Synth, {}, QStringLiteral("SetVisible"), { visible });
    m_shown = visible;
    setVisible(visible);
}

void SpeechSynthesizer::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(3, 3, -3, -3);
    const qreal cx = r.center().x();
    const qreal cy = r.center().y();
    const qreal half = r.width() / 2;
    const qreal gap = 1.5 + m_opening * r.height() * 0.42; // opening between the lips
    const qreal lip = r.height() * 0.22;

    // The dark inside of the mouth, with a row of teeth once it opens.
    QPainterPath inside;
    inside.moveTo(cx - half * 0.92, cy);
    inside.cubicTo(
        cx - half * 0.5, cy - gap / 2, cx + half * 0.5, cy - gap / 2, cx + half * 0.92, cy);
    inside.cubicTo(
        cx + half * 0.5, cy + gap / 2, cx - half * 0.5, cy + gap / 2, cx - half * 0.92, cy);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 20, 30));
    p.drawPath(inside);
    if (gap > 5) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(cx - half * 0.45, cy - gap / 2, half * 0.9, std::min(gap * 0.3, 5.0)));
    }

    const QColor lipColor(200, 60, 75);
    const QPen outline(QColor(120, 30, 40), 1.2);
    QPainterPath upper;
    upper.moveTo(cx - half, cy);
    upper.cubicTo(cx - half * 0.6, cy - gap / 2 - lip * 1.2, cx - half * 0.2,
        cy - gap / 2 - lip * 1.3, cx, cy - gap / 2 - lip * 0.8); // the bow in the middle
    upper.cubicTo(cx + half * 0.2, cy - gap / 2 - lip * 1.3, cx + half * 0.6,
        cy - gap / 2 - lip * 1.2, cx + half, cy);
    upper.cubicTo(cx + half * 0.5, cy - gap / 2, cx - half * 0.5, cy - gap / 2, cx - half, cy);
    QPainterPath lower;
    lower.moveTo(cx - half, cy);
    lower.cubicTo(cx - half * 0.5, cy + gap / 2, cx + half * 0.5, cy + gap / 2, cx + half, cy);
    lower.cubicTo(cx + half * 0.6, cy + gap / 2 + lip * 1.6, cx - half * 0.6,
        cy + gap / 2 + lip * 1.6, cx - half, cy);
    p.setPen(outline);
    p.setBrush(lipColor);
    p.drawPath(upper);
    p.setBrush(lipColor.lighter(110));
    p.drawPath(lower);
    // A small highlight gives the lower lip some roundness.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QPointF(cx - half * 0.25, cy + gap / 2 + lip * 0.55), half * 0.18, lip * 0.25);
}

} // namespace suite
