#pragma once

#include "browser/capture/MSendInput.h"

#include <QImage>
#include <QString>

#include <functional>

namespace suite {
class KeyStore;
class ProgramStarter;
} // namespace suite

namespace suite::browser {

// Hands a capture to the image editor the key store names (the default value of the key
// PaintKey: KolourPaint, Pinta, GIMP or another editor found on the machine). The editor is
// started with the capture as a PNG file of its own, so it opens with the picture however
// long it takes to start. When the key store names a key sequence for that editor (key
// PaintKeysKey, the value named after the editor's program file without its suffix, such as
// "kolourpaint"), the sequence is typed after a pause of PauseMs. The Paint program of the
// original desktop ("mspaint") has its sequence built in.
class PaintHandOff {
public:
    enum class Outcome {
        Started,
        EditorNotFound, // no editor named, or it cannot be started
        PictureNotWritten, // the PNG file could not be written; nothing was started
        KeysNotSent, // the editor started, its key sequence could not be typed
    };
    struct Report {
        Outcome outcome = Outcome::Started;
        QString detail; // why, in words for the user
        QString pictureFile; // the PNG the editor was given
    };
    using Pause = std::function<void(int milliseconds)>;

    static const QString PaintKey;
    static const QString PaintKeysKey;
    static const QString PaintSequence; // the original Paint's: image size 1 x 1, then paste
    static constexpr int PauseMs = 1000;

    // The PNG files go to folder (the system's temporary folder when empty).
    PaintHandOff(const KeyStore& keyStore, ProgramStarter& starter, MSendInput& keys, Pause pause,
        QString folder = QString());

    Report handOver(const QImage& picture);

    // Reads a value below HKEY_LOCAL_MACHINE (an empty name reads the key's default value)
    // into PaintPath, which is empty when nothing was read.
    void ReadRegistryPath(const QString& keyPath, const QString& valueName);
    const QString& PaintPath() const { return m_paintPath; }

    // The key sequence for an editor ("" for none).
    QString keySequenceFor(const QString& editorPath) const;

private:
    QString writePicture(const QImage& picture, QString* why) const;

    const KeyStore& m_keyStore;
    ProgramStarter& m_starter;
    MSendInput& m_keys;
    Pause m_pause;
    QString m_folder;
    QString m_paintPath;
};

} // namespace suite::browser
