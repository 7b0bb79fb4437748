#pragma once

#include <QString>

// Where the suite's files lie. Folders are written with "/" where the original programs
// used "\".
namespace suite::paths {

// The suite's system directory: $SPRACHAUSGABE_SYSTEM_DIR, else ../share/sprachausgabe next
// to the binary (in the build tree as after installing). No trailing "/".
QString systemDir();
// The "Windows directory" of the programs: the system directory, without a trailing "/".
QString WinDir();
// Character files (*.acs): WinDir() + "/msagent/chars".
QString characterDir();
// The folder the running binary lies in (no trailing "/").
QString binaryDir();
// Where a program keeps its own files, always with a trailing "/":
// $SPRACHAUSGABE_PROGRAM_DIR, else the binary's folder when writable and not below a usr
// folder (an installed program), else $XDG_CONFIG_HOME/sprachausgabe (created on demand).
QString programDir();
// programDir() for a binary in the given folder; lets the choice be checked for any folder.
QString programDirFor(const QString& binaryFolder);
// The suite's folder in the user's configuration ($XDG_CONFIG_HOME/sprachausgabe), not created.
QString userConfigDir();
// dir with "/" appended unless it already ends in one.
QString withTrailingSlash(QString dir);
// The full path of the file in dir whose name equals name without regard to case (an exact
// match first), or "" when there is none.
QString findFileNoCase(const QString& dir, const QString& name);

} // namespace suite::paths
