#pragma once

#include "speech/SpeechEngine.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace suite {

// One picture of a character: an SVG fragment drawn over the base picture, or, when
// `alone`, instead of it (such a frame may still draw the base through <use href="#base">,
// e.g. scaled while the character appears).
struct CharacterFrame {
    QByteArray svg;
    bool alone = false;
};

struct AnimationStep {
    QString frame;
    int durationMs = 100;
};

// A character as read from its file. Every frame named by an animation or the mouth exists,
// and every picture composes to a valid SVG document.
struct CharacterData {
    QString id;
    QString name;
    Voice voice;
    int wordsPerMinute = 150;
    QSize size;
    QByteArray base;
    QMap<QString, CharacterFrame> frames;
    QMap<QString, QList<AnimationStep>> animations;
    // Mouth pictures while speaking, from quiet to loud: closed, half open, open.
    QStringList mouth;

    // The SVG document of the base picture with the named frames layered over it in order.
    // When any of them is `alone` the base is not drawn; unknown names are skipped.
    QByteArray compose(const QStringList& layers) const;
};

} // namespace suite
