#pragma once

#include "core/ProgramStarter.h"

#include <QList>

namespace suite::test {

// Records every start instead of starting anything; answers with the result the test set.
class FakeProgramStarter final : public ProgramStarter {
public:
    struct Start {
        QString program;
        QStringList arguments;
        ArgumentMode mode;
    };

    Result start(const QString& program, const QStringList& arguments,
        ArgumentMode mode = ArgumentMode::AsGiven) override;

    // Every following start answers this (success unless set).
    void setNextResult(Result result) { m_result = std::move(result); }
    const QList<Start>& starts() const { return m_starts; }

private:
    QList<Start> m_starts;
    Result m_result;
};

} // namespace suite::test
