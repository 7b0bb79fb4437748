// "Text in Bildern vorlesen": in tray mode a copied picture is read like a copied text. Its
// text is recognised off the window's thread; "Stop" ends that as it ends the speech.
#include "reader/Agent.h"

#include "ocr/PictureReader.h"
#include "reader/Clipboard.h"
#include "reader/ReaderServices.h"

#include <QCheckBox>
#include <QTimer>

namespace suite::reader {

using namespace steps;

namespace {
const QString kReadingPicture = QStringLiteral("Einen Moment, ich lese das Bild.");
} // namespace

void Agent::watchPicture()
{
    if (!m_form.chkBildtext->isChecked()) {
        m_readPicture = QImage();
        return;
    }
    if (m_pictureReader && m_pictureReader->isReading())
        return;
    const QImage picture = m_services.clipboard.image();
    if (picture.isNull()) {
        m_readPicture = QImage();
        return;
    }
    // Read once, whatever comes of it: a picture without text is not announced every tick.
    if (picture == m_readPicture)
        return;
    m_readPicture = picture;
    if (!m_pictureReader) {
        m_pictureReader = std::make_unique<ocr::PictureReader>();
        // Only a read that takes a while is announced, once.
        connect(m_pictureReader.get(), &ocr::PictureReader::progress, this, [this] {
            if (m_pictureAnnounced)
                return;
            m_pictureAnnounced = true;
            untilFailure(m_character, { steps::show(), speak(withSpeedTag(kReadingPicture)) });
        });
        connect(
            m_pictureReader.get(), &ocr::PictureReader::finished, this, &Agent::pictureRecognized);
    }
    m_pictureAnnounced = false;
    m_pictureReader->read(picture);
}

void Agent::pictureRecognized(const ocr::Recognition& recognition)
{
    // The window may have left tray mode meanwhile: then nothing is read aloud.
    if (!m_form.Timer1->isActive())
        return;
    std::vector<Step> sequence;
    switch (recognition.outcome) {
    case ocr::Recognition::Outcome::Text: {
        bool cut = false;
        sequence = watchedReading(ocr::runningText(recognition.text), &cut);
        break;
    }
    case ocr::Recognition::Outcome::NoText:
        sequence = { steps::show(), speak(withSpeedTag(ocr::NoTextMessage)) };
        break;
    case ocr::Recognition::Outcome::Failed:
        sequence = { steps::show(), speak(withSpeedTag(recognition.error)) };
        break;
    case ocr::Recognition::Outcome::Cancelled:
        return;
    }
    untilFailure(m_character, sequence);
    untilFailure(m_character, { steps::hide() });
}

void Agent::stopPictureReading()
{
    if (m_pictureReader)
        m_pictureReader->cancel();
}

} // namespace suite::reader
