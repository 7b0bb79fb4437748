#include "browser/capture/PaintHandOff.h"

#include "core/KeyStore.h"
#include "core/ProgramStarter.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace suite::browser {

const QString PaintHandOff::PaintKey
    = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\mspaint.exe");
const QString PaintHandOff::PaintKeysKey
    = QStringLiteral("Software\\Sprachausgabe\\netzleser\\PaintKeys");
const QString PaintHandOff::PaintSequence = QStringLiteral("%iA") + QStringLiteral("1")
    + QStringLiteral("{TAB}") + QStringLiteral("1") + QStringLiteral("{ENTER}")
    + QStringLiteral("%BE");

PaintHandOff::PaintHandOff(const KeyStore& keyStore, ProgramStarter& starter, MSendInput& keys,
    Pause pause, QString folder)
    : m_keyStore(keyStore)
    , m_starter(starter)
    , m_keys(keys)
    , m_pause(std::move(pause))
    , m_folder(folder.isEmpty() ? QDir::tempPath() : std::move(folder))
{
}

void PaintHandOff::ReadRegistryPath(const QString& keyPath, const QString& valueName)
{
    QString value;
    if (!m_keyStore.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, keyPath, valueName, value))
        value.clear();
    m_paintPath = value;
}

QString PaintHandOff::keySequenceFor(const QString& editorPath) const
{
    // "C:\Windows\system32\mspaint.exe" and "/usr/bin/kolourpaint" alike.
    QString program = editorPath.section(u'/', -1).section(u'\\', -1);
    const qsizetype dot = program.lastIndexOf(u'.');
    if (dot > 0)
        program.truncate(dot);
    program = program.toLower();
    if (program.isEmpty())
        return {};
    QString sequence;
    if (m_keyStore.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, PaintKeysKey, program, sequence))
        return sequence;
    return program == QLatin1String("mspaint") ? PaintSequence : QString();
}

QString PaintHandOff::writePicture(const QImage& picture, QString* why) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) {
        *why = QStringLiteral("Das Foto lässt sich nicht als PNG schreiben.");
        return {};
    }
    // The editor may start long after us and the user may keep the file: it stays.
    QDir().mkpath(m_folder);
    QTemporaryFile file(QDir(m_folder).filePath(QStringLiteral("netzleser-foto-XXXXXX.png")));
    file.setAutoRemove(false);
    if (!file.open()) {
        *why = QStringLiteral("Die Datei für das Foto lässt sich in „%1“ nicht anlegen: %2")
                   .arg(m_folder, file.errorString());
        return {};
    }
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    if (!written) {
        *why
            = QStringLiteral("Das Foto ließ sich nicht ganz schreiben: %1").arg(file.errorString());
        file.remove();
        return {};
    }
    file.close();
    return file.fileName();
}

PaintHandOff::Report PaintHandOff::handOver(const QImage& picture)
{
    Report report;
    ReadRegistryPath(PaintKey, QString());
    if (m_paintPath.trimmed().isEmpty()) {
        report.outcome = Outcome::EditorNotFound;
        report.detail = QStringLiteral("Es ist kein Bildbearbeitungsprogramm eingetragen.");
        return report;
    }
    report.pictureFile = writePicture(picture, &report.detail);
    if (report.pictureFile.isEmpty()) {
        report.outcome = Outcome::PictureNotWritten;
        return report;
    }
    const Result started
        = m_starter.start(m_paintPath, { report.pictureFile }, ArgumentMode::Operands);
    if (!started) {
        QFile::remove(report.pictureFile);
        report.pictureFile.clear();
        report.outcome = Outcome::EditorNotFound;
        report.detail = started.error;
        return report;
    }
    const QString sequence = keySequenceFor(m_paintPath);
    if (sequence.isEmpty())
        return report;
    m_pause(PauseMs);
    const Result typed = m_keys.SendKeysInput(sequence, false);
    if (!typed) {
        report.outcome = Outcome::KeysNotSent;
        report.detail = typed.error;
    }
    return report;
}

} // namespace suite::browser
