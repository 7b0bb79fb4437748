#pragma once

#include <QImage>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

namespace tesseract {
class TessBaseAPI;
}

namespace suite::ocr {

// What reading a picture gave.
struct Recognition {
    enum class Outcome { Text, NoText, Cancelled, Failed };
    Outcome outcome = Outcome::Failed;
    QString text; // the text, its lines as they stand in the picture (Outcome::Text)
    QString error; // why nothing was read (Outcome::Failed)
};

// What the user hears or reads where a picture holds no text.
inline const QString NoTextMessage = QStringLiteral("Kein Text im Bild gefunden");

// The recognized text for speaking: the lines of a paragraph joined into one, paragraphs
// kept apart by an empty line, so the voice pauses where the picture's text does.
QString runningText(const QString& recognized);

// Recognises the text of pictures, German with English as second language. The language
// data is loaded at the first picture and kept for the next ones. One recognizer serves one
// thread at a time; it may be made on one thread and used on another.
class TextRecognizer {
public:
    TextRecognizer();
    ~TextRecognizer();
    TextRecognizer(const TextRecognizer&) = delete;
    TextRecognizer& operator=(const TextRecognizer&) = delete;

    // Reads picture (any format; it is bounded and prepared here). cancelled is looked at
    // while the recognizer works and ends it soon after it turns true; progress, if set, is
    // told the percentage done whenever it grows.
    Recognition recognize(const QImage& picture, const std::atomic_bool& cancelled,
        const std::function<void(int percent)>& progress = {});

private:
    // Loads the language data once; false (with m_error) when it cannot be found or loaded.
    bool ready();

    std::unique_ptr<tesseract::TessBaseAPI> m_api;
    bool m_loaded = false;
    QString m_error;
};

} // namespace suite::ocr
