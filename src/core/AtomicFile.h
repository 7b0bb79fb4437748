#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>

namespace suite {

// Replaces the file at path by bytes, all or nothing: the bytes go to a temporary file that
// takes the old one's place only when every byte was written. On a full disk, a size limit
// or an unwritable folder the old file stays byte for byte and the result says why.
Result writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace suite
