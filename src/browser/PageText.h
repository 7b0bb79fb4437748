#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

namespace suite::browser {

// What the page's document gives for reading aloud: the frames' texts (nothing for a frame
// that cannot be read, e.g. of another origin) and the text of the page's own body.
struct PageContent {
    QList<std::optional<QString>> frameTexts;
    std::optional<QString> bodyText;
};

// The text the window's text box holds for a page: with frames, each frame that has text
// behind its heading (numbered by the frame's position, so skipped frames leave gaps);
// without frames, or when no frame has text, the body's text. Nothing is trimmed.
class PageText {
public:
    // CR LF, "Ich spreche jetzt den Inhalt von Frame", the number, two blanks, CR LF.
    static QString frameHeading(int number);
    static QString compose(const PageContent& content);

    // A script for the page that returns { frames: [text or null...], body: text or null }.
    // Chromium has window.frames (document.frames does not exist); a frame of another origin
    // throws on access and is given as null.
    static QString collectScript();
    static PageContent fromScriptResult(const QVariant& result);
};

} // namespace suite::browser
