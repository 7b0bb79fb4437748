#pragma once

#include "ocr/TextRecognizer.h"

#include <QObject>
#include <QThread>
#include <QTimer>

#include <memory>

namespace suite::ocr {

// Reads the text of pictures on a thread of its own, so the window that asks never waits.
// One picture at a time: a new read cancels the one under way, and cancel() ends it at once
// for the caller (the recognizer stops soon after, its result is dropped). Progress is told
// only where a picture takes longer than half a second, so a quick read shows nothing.
//
//   connect(&reader, &PictureReader::finished, this, [](const Recognition& r) { ... });
//   reader.read(picture);
class PictureReader : public QObject {
    Q_OBJECT
public:
    static constexpr int QuietMs = 500;

    explicit PictureReader(QObject* parent = nullptr);
    // Cancels a read under way and waits for the recognizer to let go of the thread.
    ~PictureReader() override;

    void read(const QImage& picture);
    // Ends the read under way, if any: finished() tells Outcome::Cancelled.
    void cancel();
    bool isReading() const { return m_current != 0; }

signals:
    // The read under way is this far (0..100); first sent once it took QuietMs.
    void progress(int percent);
    // The end of every read, whatever its outcome.
    void finished(const suite::ocr::Recognition& recognition);

private:
    void report(quint64 id, int percent);
    void done(quint64 id, const Recognition& recognition);

    QThread m_thread;
    QObject* m_worker = nullptr; // lives on m_thread; the recognizer hangs on it
    std::shared_ptr<TextRecognizer> m_recognizer;
    std::shared_ptr<std::atomic_bool> m_cancelled;
    quint64 m_current = 0;
    quint64 m_lastId = 0;
    int m_percent = 0;
    QTimer m_quiet;
};

} // namespace suite::ocr
