#pragma once

#include "core/ProgramStarter.h"

namespace suite {

// Starts programs for real with QProcess::startDetached and an argument list.
class ProcessLauncher final : public ProgramStarter {
public:
    Result start(const QString& program, const QStringList& arguments,
        ArgumentMode mode = ArgumentMode::AsGiven) override;

    // The argument list as the program receives it.
    static QStringList argumentsFor(const QStringList& arguments, ArgumentMode mode);
};

} // namespace suite
