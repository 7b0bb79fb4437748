#pragma once

#include "speech/SpeechEngine.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace suite {

// What the speech thread hands on, in the order it is to be heard. Positions count samples
// of the speech thread's stream, which runs on across utterances and stops.
struct StreamItem {
    enum class Kind { Begin, Audio, End };
    Kind kind = Kind::Audio;
    quint64 id = 0;
    qint64 sample = 0;
    QByteArray pcm;
    struct Word {
        qint64 sample;
        int position;
        int length;
    };
    std::vector<Word> words;
    std::vector<float> levels; // RMS 0..1 of each levelBlock samples of pcm
    static constexpr int levelBlock = 441; // 20 ms

    static StreamItem make(Kind kind, quint64 id)
    {
        StreamItem item;
        item.kind = kind;
        item.id = id;
        return item;
    }
};

// The one thread that owns libespeak-ng for an engine. It synthesises the queued utterances
// in order and stays at most maxAheadSamples ahead of what has been heard, so memory does
// not grow with the text. wake() is called on the speech thread whenever items become
// ready after the queue of items was empty.
class SpeechThread {
public:
    static constexpr qint64 maxAheadSamples = 33075; // 1.5 s
    static constexpr qint64 wakeSamples = 11025; // 0.5 s

    explicit SpeechThread(std::function<void()> wake);
    ~SpeechThread();

    // False when espeak-ng could not be had; utterances then end at once without sound.
    // Loading the library and its voice takes a moment on the thread itself; these two wait
    // for it, nothing else does, so a program's window need not.
    bool isAvailable() const;
    QString error() const;
    // The thread loads the library only when asked: by this, by the two above or by the first
    // utterance. Loaded beside a program's first window, it delayed the window.
    void loadLibrary() const;

    void enqueue(quint64 id, const Utterance& utterance);
    // Drops every queued utterance and every item not yet taken, and ends the synthesis
    // under way within one chunk.
    void stopAll();
    std::vector<StreamItem> take();
    // How far the listener has heard, in stream samples.
    void setHeard(qint64 sample);

private:
    struct Job {
        quint64 id;
        Utterance utterance;
        quint64 generation;
    };
    void run();
    bool push(StreamItem item, quint64 generation, bool urgent);

    std::function<void()> m_wake;
    std::promise<void> m_loaded;
    std::shared_future<void> m_loadedFuture = m_loaded.get_future().share();
    bool m_available = false; // set before m_loaded
    QString m_error; // set before m_loaded

    std::atomic<quint64> m_generation { 0 };
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_jobsChanged;
    std::condition_variable m_heardChanged;
    std::deque<Job> m_jobs;
    std::vector<StreamItem> m_items;
    qint64 m_synthesized = 0;
    qint64 m_heard = 0;
    qint64 m_untaken = 0; // samples in m_items
    bool m_wakePending = false;
    bool m_quit = false;
    mutable bool m_loadWanted = false;
    std::thread m_thread;
};

} // namespace suite
