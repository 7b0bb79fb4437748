#include "ocr/PictureReader.h"

#include <QMetaObject>

namespace suite::ocr {

PictureReader::PictureReader(QObject* parent)
    : QObject(parent)
    , m_recognizer(std::make_shared<TextRecognizer>())
{
    qRegisterMetaType<suite::ocr::Recognition>();
    m_thread.setObjectName(QStringLiteral("Texterkennung"));
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(QuietMs);
    connect(&m_quiet, &QTimer::timeout, this, [this] {
        if (m_current != 0)
            emit progress(m_percent);
    });
}

PictureReader::~PictureReader()
{
    if (m_cancelled)
        *m_cancelled = true;
    m_thread.quit();
    m_thread.wait();
}

void PictureReader::read(const QImage& picture)
{
    cancel();
    const quint64 id = ++m_lastId;
    m_current = id;
    m_percent = 0;
    m_cancelled = std::make_shared<std::atomic_bool>(false);
    m_quiet.start();
    // The answers are posted to this object, on its thread; the destructor waits for the
    // worker, so this object outlives every post, and Qt drops posts left at its end.
    QMetaObject::invokeMethod(
        m_worker, [this, id, picture, recognizer = m_recognizer, cancelled = m_cancelled] {
            const auto tell = [this, id](int percent) {
                QMetaObject::invokeMethod(
                    this, [this, id, percent] { report(id, percent); }, Qt::QueuedConnection);
            };
            const Recognition recognition = recognizer->recognize(picture, *cancelled, tell);
            QMetaObject::invokeMethod(
                this, [this, id, recognition] { done(id, recognition); }, Qt::QueuedConnection);
        });
}

void PictureReader::cancel()
{
    if (m_current == 0)
        return;
    *m_cancelled = true;
    done(m_current, Recognition { Recognition::Outcome::Cancelled, {}, {} });
}

void PictureReader::report(quint64 id, int percent)
{
    if (id != m_current)
        return;
    m_percent = percent;
    if (!m_quiet.isActive())
        emit progress(percent);
}

void PictureReader::done(quint64 id, const Recognition& recognition)
{
    if (id != m_current)
        return;
    m_current = 0;
    m_quiet.stop();
    emit finished(recognition);
}

} // namespace suite::ocr
