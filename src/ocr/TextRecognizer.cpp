#include "ocr/TextRecognizer.h"

#include "ocr/PicturePreparation.h"

#include <QFileInfo>
#include <QStringList>

#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>

namespace suite::ocr {

namespace {

constexpr const char* Languages = "deu+eng";
// Screen pictures come at the desktop's usual 96 dpi; without a resolution the recognizer
// guesses one and complains on the terminal.
constexpr int ScreenDpi = 96;

// Where Debian's language packages put their data, unless TESSDATA_PREFIX says otherwise.
QString languageDataDir()
{
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    return prefix.isEmpty() ? QStringLiteral("/usr/share/tesseract-ocr/5/tessdata") : prefix;
}

// The recognizer's monitor, carrying what its two callbacks need.
struct Monitor : tesseract::ETEXT_DESC {
    const std::atomic_bool* cancelled = nullptr;
    const std::function<void(int)>* progressTo = nullptr;
    int lastReported = -1;
};

bool isCancelled(void* monitor, int)
{
    return static_cast<Monitor*>(monitor)->cancelled->load();
}

bool progressed(tesseract::ETEXT_DESC* desc, int, int, int, int)
{
    auto* monitor = static_cast<Monitor*>(desc);
    if (*monitor->progressTo && monitor->progress > monitor->lastReported) {
        monitor->lastReported = monitor->progress;
        (*monitor->progressTo)(monitor->progress);
    }
    return false;
}

} // namespace

QString runningText(const QString& recognized)
{
    QStringList paragraphs;
    QStringList lines;
    const auto endParagraph = [&] {
        if (!lines.isEmpty())
            paragraphs << lines.join(QLatin1Char(' '));
        lines.clear();
    };
    for (const QString& line : recognized.split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty())
            endParagraph();
        else
            lines << line.trimmed();
    }
    endParagraph();
    return paragraphs.join(QStringLiteral("\n\n"));
}

TextRecognizer::TextRecognizer() = default;

TextRecognizer::~TextRecognizer()
{
    if (m_api)
        m_api->End();
}

bool TextRecognizer::ready()
{
    if (m_loaded)
        return true;
    if (!m_error.isEmpty())
        return false;
    const QString dir = languageDataDir();
    for (const char* language : { "deu", "eng" }) {
        if (!QFileInfo::exists(dir + QStringLiteral("/%1.traineddata").arg(language))) {
            m_error = QStringLiteral("Die Texterkennung findet ihre Sprachdaten nicht (%1 in %2; "
                                     "Pakete tesseract-ocr-deu und tesseract-ocr-eng).")
                          .arg(QLatin1String(language), dir);
            return false;
        }
    }
    m_api = std::make_unique<tesseract::TessBaseAPI>();
    // Its notes go nowhere: the user is told what matters by the caller. Pictures come
    // prepared dark on light, so it need not try each line inverted as well.
    std::vector<std::string> names { "debug_file", "tessedit_do_invert" };
    std::vector<std::string> values { "/dev/null", "0" };
    if (m_api->Init(dir.toLocal8Bit().constData(), Languages, tesseract::OEM_DEFAULT, nullptr, 0,
            &names, &values, false)
        != 0) {
        m_api.reset();
        m_error = QStringLiteral("Die Texterkennung lässt sich nicht starten (Sprachdaten in %1).")
                      .arg(dir);
        return false;
    }
    m_api->SetPageSegMode(tesseract::PSM_AUTO);
    m_loaded = true;
    return true;
}

Recognition TextRecognizer::recognize(const QImage& picture, const std::atomic_bool& cancelled,
    const std::function<void(int percent)>& progress)
{
    Recognition result;
    if (picture.isNull()) {
        result.error = QStringLiteral("Es gibt kein Bild, dessen Text gelesen werden könnte.");
        return result;
    }
    const PreparedPicture prepared = preparePicture(picture);
    if (cancelled) {
        result.outcome = Recognition::Outcome::Cancelled;
        return result;
    }
    if (!ready()) {
        result.error = m_error;
        return result;
    }
    if (cancelled) {
        result.outcome = Recognition::Outcome::Cancelled;
        return result;
    }
    const QImage& grey = prepared.grey;
    m_api->SetImage(grey.constBits(), grey.width(), grey.height(), 1, int(grey.bytesPerLine()));
    m_api->SetSourceResolution(ScreenDpi * prepared.scale);

    Monitor monitor;
    monitor.cancelled = &cancelled;
    monitor.progressTo = &progress;
    monitor.cancel = &isCancelled;
    monitor.cancel_this = &monitor;
    monitor.progress_callback2 = &progressed;
    const int failed = m_api->Recognize(&monitor);
    if (cancelled) {
        m_api->Clear();
        result.outcome = Recognition::Outcome::Cancelled;
        return result;
    }
    if (failed != 0) {
        m_api->Clear();
        result.error = QStringLiteral("Die Texterkennung ist an diesem Bild gescheitert.");
        return result;
    }
    const std::unique_ptr<char[]> text(m_api->GetUTF8Text());
    m_api->Clear();
    result.text = text ? QString::fromUtf8(text.get()).trimmed() : QString();
    result.outcome
        = result.text.isEmpty() ? Recognition::Outcome::NoText : Recognition::Outcome::Text;
    return result;
}

} // namespace suite::ocr
