#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>

namespace suite {

// Replaces the file at path by bytes, all or nothing: the bytes go to a temporary file in the
// same folder that takes the old one's place only when every byte was written and synced to
// the disk. On a full disk, a size limit or an unwritable folder the old file stays byte for
// byte, no temporary file is left, and the result says why. An existing file keeps its
// permissions; a symbolic link stays and the file it points to is replaced.
Result writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace suite
