#include "speech/SpeechLog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QMutex>
#include <QSet>

#include <cstdio>

namespace suite::SpeechLog {

namespace {

QMutex g_mutex;
QString g_engine; // guarded by g_mutex

// Strings as JSON literals, keeping non-ASCII characters as UTF-8.
QByteArray jsonString(const QString& s)
{
    const QByteArray array = QJsonDocument(QJsonArray { s }).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray line(Component component, const QString& character, const QString& op,
    const QJsonArray& args, const QString& error, const QString& engine)
{
    QByteArray out = "{\"time\":";
    out += jsonString(QDateTime::currentDateTime().toString(Qt::ISODateWithMs));
    out += ",\"program\":" + jsonString(QCoreApplication::applicationName());
    out += ",\"component\":";
    out += component == Component::Agent ? "\"agent\"" : "\"synth\"";
    if (!character.isEmpty())
        out += ",\"character\":" + jsonString(character);
    out += ",\"op\":" + jsonString(op);
    out += ",\"args\":" + QJsonDocument(args).toJson(QJsonDocument::Compact);
    if (!error.isEmpty())
        out += ",\"error\":" + jsonString(error);
    if (!engine.isEmpty())
        out += ",\"engine\":" + jsonString(engine);
    out += "}\n";
    return out;
}

} // namespace

void record(Component component, const QString& character, const QString& op,
    const QJsonArray& args, const QString& error)
{
    const QString path = qEnvironmentVariable("SPRACHAUSGABE_SPEECH_LOG");
    if (path.isEmpty())
        return;
    QMutexLocker lock(&g_mutex);
    const QByteArray bytes = line(component, character, op, args, error, g_engine);
    static QSet<QString> reported;
    QFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly | QIODevice::Append)
        && file.write(bytes) == bytes.size() && file.flush();
    if (!ok && !reported.contains(path)) {
        reported.insert(path);
        std::fprintf(stderr,
            "Sprachausgabe: das Sprachprotokoll %s lässt sich nicht schreiben: %s\n",
            qPrintable(path), qPrintable(file.errorString()));
    }
}

void setEngine(const QString& name)
{
    QMutexLocker lock(&g_mutex);
    g_engine = name;
}

} // namespace suite::SpeechLog
