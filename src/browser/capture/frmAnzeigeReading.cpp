// "Vorlesen": the text in the picture shown, recognised off the window's thread and spoken
// through the browser's synthesizer; the same button, then captioned "Stop", ends it.
#include "browser/capture/frmAnzeige.h"
#include "ocr/PictureReader.h"
#include "speech/Synthesizer.h"
#include "widgets/MessageBoxes.h"

#include <QProgressBar>
#include <QTimer>
#include <QToolButton>

namespace suite::browser {

namespace {

const QString ReadTitle = QStringLiteral("ScreenCapturing - Vorlesen");
const QString ReadCaption = QStringLiteral("Vorlesen");
const QString ReadTip = QStringLiteral("Liest den Text im Bild vor");
const QString StopCaption = QStringLiteral("Stop");
const QString StopTip = QStringLiteral("Beendet das Vorlesen");

} // namespace

void frmAnzeige::cmdVorlesen_Click()
{
    if (m_readingAloud) {
        stopReadingAloud();
        return;
    }
    if (!m_speech) {
        m_messageBoxes.show(this, QStringLiteral("Zum Vorlesen fehlt die Sprachausgabe."),
            ReadTitle, MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
        return;
    }
    const QImage picture = currentPicture();
    if (!picture.isNull())
        startReadingAloud(picture);
}

void frmAnzeige::startReadingAloud(const QImage& picture)
{
    if (!m_reader) {
        m_reader = std::make_unique<ocr::PictureReader>();
        connect(m_reader.get(), &ocr::PictureReader::progress, this, [this](int percent) {
            Fortschritt->setValue(percent);
            Fortschritt->show();
            Fortschritt->raise();
        });
        connect(m_reader.get(), &ocr::PictureReader::finished, this, &frmAnzeige::textRecognized);
    }
    m_speech->Stop();
    showReadingState(true);
    m_reader->read(picture);
}

void frmAnzeige::stopReadingAloud()
{
    if (!m_readingAloud)
        return;
    showReadingState(false);
    if (m_reader)
        m_reader->cancel();
    if (m_speech)
        m_speech->Stop();
}

void frmAnzeige::textRecognized(const ocr::Recognition& recognition)
{
    Fortschritt->hide();
    if (!m_readingAloud || !m_speech)
        return; // stopped meanwhile
    QString text;
    switch (recognition.outcome) {
    case ocr::Recognition::Outcome::Text:
        text = ocr::runningText(recognition.text);
        break;
    case ocr::Recognition::Outcome::NoText:
        text = ocr::NoTextMessage;
        break;
    case ocr::Recognition::Outcome::Cancelled:
        showReadingState(false);
        return;
    case ocr::Recognition::Outcome::Failed:
        showReadingState(false);
        m_messageBoxes.show(this, recognition.error, ReadTitle, MessageBoxes::Icon::Warning,
            MessageBoxes::Buttons::Ok);
        return;
    }
    if (const Result spoken = m_speech->Speak(text); !spoken) {
        showReadingState(false);
        m_messageBoxes.show(
            this, spoken.error, ReadTitle, MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
        return;
    }
    m_speechWatch->start();
}

void frmAnzeige::showReadingState(bool reading)
{
    m_readingAloud = reading;
    if (!reading) {
        m_speechWatch->stop();
        Fortschritt->hide();
    }
    cmdVorlesen->setText(reading ? StopCaption : ReadCaption);
    cmdVorlesen->setToolTip(reading ? StopTip : ReadTip);
    cmdVorlesen->setAccessibleName(cmdVorlesen->text());
    cmdVorlesen->setAccessibleDescription(cmdVorlesen->toolTip());
}

} // namespace suite::browser
