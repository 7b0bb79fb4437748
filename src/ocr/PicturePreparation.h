#pragma once

#include "core/Result.h"

#include <QImage>
#include <QString>

namespace suite::ocr {

// Pictures larger than this on either side are scaled down to fit before recognition.
constexpr int MaximumSide = 8000;
// Picture files larger than this are refused unread.
constexpr qint64 MaximumFileBytes = 64LL * 1024 * 1024;

// A picture ready for the recognizer: 8-bit grey, dark text on a light ground, and small
// screen text scaled up to a size the recognizer reads reliably.
struct PreparedPicture {
    QImage grey;
    int scale = 1; // how many times larger than the picture given (after any bound)
    bool inverted = false; // the picture had light text on a dark ground
};

// Bounds a picture and prepares it. A null picture stays null.
PreparedPicture preparePicture(const QImage& picture);

// Reads a PNG, BMP or JPEG file for recognition: a file over MaximumFileBytes is refused, a
// picture over MaximumSide on a side is scaled down while it is read. The error says why
// nothing was read.
Result loadPicture(const QString& fileName, QImage* picture);

} // namespace suite::ocr
