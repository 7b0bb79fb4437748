#pragma once

#include <QString>

namespace suite {

// The speed tag in front of a text for the character: "\Spd=150\Hallo" speaks "Hallo" at
// 150 words per minute. Only a tag at the very start counts. A broken tag is never read
// aloud: it is taken out of the text and the problem is named.
struct SpeedTag {
    enum class Issue {
        None,
        Clamped, // a number outside 50..450, brought into that range
        Unparsable, // "\Spd=\", "\Spd=abc\": the default rate is used
        Unterminated, // "\Spd=150" without the closing backslash: its digits are used
    };

    bool present = false; // the text began with "\Spd="
    int wordsPerMinute = 150; // the rate to speak at
    QString text; // what is to be spoken
    Issue issue = Issue::None;

    static constexpr int minimumRate = 50;
    static constexpr int maximumRate = 450;
    // The longest value between "\Spd=" and "\" taken as a tag; beyond it the backslash
    // belongs to the text (a path, say) and nothing of it is swallowed.
    static constexpr int maxValueLength = 16;

    static SpeedTag split(const QString& speakText, int defaultWordsPerMinute = 150);
    static QString compose(int wordsPerMinute, const QString& text);

    // A German sentence saying what was wrong, empty when nothing was.
    QString problem() const;
};

} // namespace suite
