#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

namespace suite {

// How the arguments after the program are meant.
enum class ArgumentMode {
    AsGiven,
    // The arguments are paths or addresses, never options: when one starts with "-", "--" goes
    // in front of them so that the started program cannot read it as an option.
    Operands,
};

// Starts another program, detached from ours. Programs get it through their constructor so
// tests can record the starts instead.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // program is a path or a name looked up on PATH; the arguments go to it one by one, never
    // through a shell.
    virtual Result start(const QString& program, const QStringList& arguments,
        ArgumentMode mode = ArgumentMode::AsGiven)
        = 0;
};

} // namespace suite
