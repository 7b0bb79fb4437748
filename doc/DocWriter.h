#pragma once

#include "core/ProgramHelp.h"

#include <QString>

// Turns the suite's help table into the documents a Debian system reads: manual pages (roff)
// and AppStream metainfo for the software centre.
namespace suite::doc {

enum class Language { German, English };

// The manual page of one command, section 1.
QString manualPage(const help::Program& program, Language language, const QString& version);

// The AppStream metainfo of one desktop program. screenshotUrl, when not empty, is where the
// picture of its main window that the test run makes is published.
QString metainfo(const help::Program& program, const QString& version, const QString& releaseDate,
    const QString& screenshotUrl);

// The AppStream component id of a desktop program.
QString componentId(const QString& programName);

} // namespace suite::doc
