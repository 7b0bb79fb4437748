#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace suite {

// Where speech audio goes: 16-bit mono PCM at 22050 Hz, pushed as it is made.
class AudioOutput : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~AudioOutput() override = default;

    // Appends audio behind what is already waiting; it is heard in order.
    virtual void write(const QByteArray& pcm) = 0;
    // How much audio has been heard since the output was made, in µs. Never goes back and
    // never passes what was written; dropped audio never counts.
    virtual qint64 processedUs() const = 0;
    // Ends the sound at once and forgets everything not yet heard.
    virtual void drop() = 0;
    // A short name for messages: "pulseaudio" or "null".
    virtual QString kind() const = 0;

signals:
    // Everything written so far has been heard.
    void idle();
};

} // namespace suite
