#pragma once

#include "core/Result.h"

#include <QImage>
#include <QString>

namespace suite::browser {

// Writes a picture as a Windows bitmap file (BMP), atomically: the whole file is made in
// memory, written beside the target and put in its place only when complete. A read-only
// file of that name is replaced (it is made writable first, and read-only again if the
// save fails); on any failure the old file stays as it was and the result says why.
class BitmapFile {
public:
    static Result save(const QString& path, const QImage& picture);
};

} // namespace suite::browser
