#pragma once

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace suite::test {

struct SprichRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs sprich as a user would: its own process, the test's environment plus extras, with
// stdin closed unless text is given for it.
inline SprichRun sprich(
    const QStringList& args, const QProcessEnvironment& extra = {}, const QByteArray& input = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SPRACHAUSGABE_AUDIO", "null");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    for (const QString& key : extra.keys()) {
        if (extra.value(key) == "<unset>")
            env.remove(key);
        else
            env.insert(key, extra.value(key));
    }
    process.setProcessEnvironment(env);
    process.start(SPRICH_BINARY, args);
    if (!process.waitForStarted(30000))
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError()) };
}

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace suite::test
