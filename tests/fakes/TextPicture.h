#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QStringList>

namespace suite::test {

// A sentence the recognizer must read back: umlauts, ß, a number with a decimal comma.
inline const QString GermanSentence
    = QStringLiteral("Größere Änderungen an der Straße kosten 1.234,56 Euro im Jahr.");

// The text as a screen shows it: 12 points of a sans face, dark on light (or light on dark).
inline QImage textPicture(const QString& text, bool dark = false, QSize size = { 700, 80 })
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(dark ? QColor(0x20, 0x24, 0x2a) : QColor(Qt::white));
    QPainter painter(&picture);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(12);
    painter.setFont(font);
    painter.setPen(dark ? QColor(0xe8, 0xe8, 0xe8) : QColor(Qt::black));
    painter.drawText(picture.rect().adjusted(16, 16, -16, -16), Qt::TextWordWrap, text);
    return picture;
}

// The words of a text, whatever blanks and line breaks lie between them.
inline QStringList wordsOf(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

} // namespace suite::test
