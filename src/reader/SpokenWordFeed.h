#pragma once

#include <QObject>
#include <QString>

namespace suite::reader {

// News of what the character is saying: the text of the utterance being heard and the word
// in it. The reader marks that word in its field when the text is one it asked to be read.
class SpokenWordFeed : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void reportWord(const QString& text, int position, int length)
    {
        emit wordHeard(text, position, length);
    }
    void reportEnd() { emit utteranceEnded(); }

signals:
    // position and length count characters (QChar units) of text.
    void wordHeard(const QString& text, int position, int length);
    void utteranceEnded();
};

} // namespace suite::reader
