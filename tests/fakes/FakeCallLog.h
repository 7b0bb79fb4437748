#pragma once

#include "core/Result.h"

#include <QJsonArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace suite::test {

// One recorded request: who got it (a character id, or empty), the operation and its
// arguments as passed.
struct FakeCall {
    QString target;
    QString op;
    QJsonArray args;
};

// The ordered record the speech doubles share, and the failures a test asked for.
class FakeCallLog {
public:
    // Appends the call; fails with the reason given to failOn() for this op, if any.
    Result record(const QString& target, const QString& op, const QJsonArray& args = {});
    void failOn(const QString& op, const QString& reason) { m_failures.insert(op, reason); }
    void clearFailures() { m_failures.clear(); }

    const QList<FakeCall>& calls() const { return m_calls; }
    // "op" or "target:op" for each call, in order: compact to compare in a test.
    QStringList ops() const;
    // The texts handed to Speak, in order.
    QStringList spoken() const;
    void clear() { m_calls.clear(); }

private:
    QList<FakeCall> m_calls;
    QMap<QString, QString> m_failures;
};

} // namespace suite::test
