#pragma once

#include "widgets/agent/CharacterData.h"

#include <QObject>
#include <QTimer>

namespace suite {

// Steps through an animation's frames on a timer of the GUI thread; never blocks.
class AnimationPlayer : public QObject {
    Q_OBJECT
public:
    explicit AnimationPlayer(QObject* parent = nullptr);

    // Shows the first frame at once. A looping animation runs until stop() or the next play().
    void play(const QList<AnimationStep>& steps, bool loop = false);
    // Ends the animation without finished().
    void stop();
    bool isPlaying() const { return m_timer.isActive(); }

signals:
    void frameChanged(const QString& frame);
    // A non-looping animation has shown its last frame for its whole duration.
    void finished();

private:
    void advance();

    QTimer m_timer;
    QList<AnimationStep> m_steps;
    int m_index = 0;
    bool m_loop = false;
};

} // namespace suite
