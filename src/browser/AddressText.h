#pragma once

#include <QString>
#include <QStringList>

namespace suite::browser {

// Texts for the address box that come from somewhere else than the user's typing.
class AddressText {
public:
    // A file:// address for a local file that names exactly that file, whatever characters its
    // name holds ("#", "?" and "%" are encoded rather than read as parts of an address).
    static QString forFile(const QString& path);

    // The address given on the command line: the first argument that is not an option ("--"
    // ends the options). An existing file, also a relative path, becomes its file:// address;
    // anything else (a web address, a "file://" address from a file manager) stays as typed.
    // Empty when there is none.
    static QString fromCommandLine(const QStringList& arguments, const QString& workingFolder);
};

} // namespace suite::browser
