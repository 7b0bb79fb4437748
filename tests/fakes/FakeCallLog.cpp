#include "fakes/FakeCallLog.h"

namespace suite::test {

Result FakeCallLog::record(const QString& target, const QString& op, const QJsonArray& args)
{
    m_calls.append({ target, op, args });
    const auto failure = m_failures.constFind(op);
    if (failure != m_failures.constEnd())
        return Result::failure(*failure);
    return Result::success();
}

QStringList FakeCallLog::ops() const
{
    QStringList out;
    for (const FakeCall& call : m_calls)
        out << (call.target.isEmpty() ? call.op : call.target + QLatin1Char(':') + call.op);
    return out;
}

QStringList FakeCallLog::spoken() const
{
    QStringList out;
    for (const FakeCall& call : m_calls) {
        if (call.op == QLatin1String("Speak"))
            out << call.args.at(0).toString();
    }
    return out;
}

} // namespace suite::test
