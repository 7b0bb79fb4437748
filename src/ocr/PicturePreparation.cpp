#include "ocr/PicturePreparation.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace suite::ocr {

namespace {

// Text whose lines stand lower than this many pixels (screen text up to about 12 points at
// 96 dpi, 13 to 15 pixels; 16 points stand 20) is read more surely at twice the size; larger
// text is read as it is, which keeps its time down. Measured with bench/ocr.
constexpr int SmallLineHeight = 18;
// Bands lower than this are the dots and strokes over letters, not lines.
constexpr int LowestLine = 4;
// A pixel this much darker than the ground is ink.
constexpr int InkContrast = 80;

QImage bounded(const QImage& picture)
{
    if (picture.width() <= MaximumSide && picture.height() <= MaximumSide)
        return picture;
    return picture.scaled(MaximumSide, MaximumSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// The mean grey of a sparse grid of pixels: a dark ground makes it dark, whatever the text.
bool mostlyDark(const QImage& grey)
{
    const int stepX = std::max(1, grey.width() / 64);
    const int stepY = std::max(1, grey.height() / 64);
    qint64 sum = 0;
    qint64 count = 0;
    for (int y = 0; y < grey.height(); y += stepY) {
        const uchar* line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); x += stepX) {
            sum += line[x];
            ++count;
        }
    }
    return count > 0 && sum / count < 128;
}

// The median height of the bands of rows that hold ink (dark text on a light ground), or 0
// where there are none: the height of the picture's lines of text.
int lineHeight(const QImage& grey)
{
    std::vector<int> bands;
    int band = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* line = grey.constScanLine(y);
        bool ink = false;
        for (int x = 0; x < grey.width() && !ink; ++x)
            ink = line[x] < 255 - InkContrast;
        if (ink) {
            ++band;
        } else if (band > 0) {
            if (band >= LowestLine)
                bands.push_back(band);
            band = 0;
        }
    }
    if (band >= LowestLine)
        bands.push_back(band);
    if (bands.empty())
        return 0;
    std::nth_element(bands.begin(), bands.begin() + long(bands.size() / 2), bands.end());
    return bands[bands.size() / 2];
}

} // namespace

PreparedPicture preparePicture(const QImage& picture)
{
    PreparedPicture prepared;
    if (picture.isNull())
        return prepared;
    // Transparent parts count as white paper, not as black.
    QImage opaque = picture;
    if (picture.hasAlphaChannel()) {
        opaque = QImage(picture.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QImage source = picture;
        source.setDevicePixelRatio(1);
        QPainter painter(&opaque);
        painter.drawImage(0, 0, source);
    }
    prepared.grey = bounded(opaque).convertToFormat(QImage::Format_Grayscale8);
    if (mostlyDark(prepared.grey)) {
        prepared.grey.invertPixels();
        prepared.inverted = true;
    }
    const int height = lineHeight(prepared.grey);
    if (height > 0 && height < SmallLineHeight && prepared.grey.width() <= MaximumSide / 2
        && prepared.grey.height() <= MaximumSide / 2) {
        prepared.scale = 2;
        prepared.grey = prepared.grey.scaled(
            prepared.grey.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return prepared;
}

Result loadPicture(const QString& fileName, QImage* picture)
{
    const QFileInfo info(fileName);
    if (!info.isFile())
        return Result::failure(QStringLiteral("Die Bilddatei %1 gibt es nicht.").arg(fileName));
    if (info.size() > MaximumFileBytes)
        return Result::failure(
            QStringLiteral("Die Bilddatei %1 ist größer als %2 MB und wird nicht gelesen.")
                .arg(fileName)
                .arg(MaximumFileBytes / (1024 * 1024)));
    QImageReader reader(fileName);
    const QByteArray format = reader.format();
    if (format != "png" && format != "bmp" && format != "jpeg")
        return Result::failure(
            QStringLiteral("%1 ist kein Bild im Format PNG, BMP oder JPEG.").arg(fileName));
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.width() > MaximumSide || size.height() > MaximumSide)
        reader.setScaledSize(size.scaled(MaximumSide, MaximumSide, Qt::KeepAspectRatio));
    QImage read;
    if (!reader.read(&read))
        return Result::failure(QStringLiteral("Die Bilddatei %1 lässt sich nicht lesen: %2")
                                   .arg(fileName, reader.errorString()));
    *picture = read;
    return Result::success();
}

} // namespace suite::ocr
