#include "speech/SpeechThread.h"

#include "speech/EspeakLibrary.h"
#include "speech/UtteranceRenderer.h"

#include <cmath>

namespace suite {

namespace {

std::vector<float> levelsOf(const qint16* samples, int count)
{
    std::vector<float> levels;
    levels.reserve(size_t(count / StreamItem::levelBlock + 1));
    for (int start = 0; start < count; start += StreamItem::levelBlock) {
        const int n = std::min(StreamItem::levelBlock, count - start);
        double sum = 0;
        for (int i = 0; i < n; ++i) {
            const double s = samples[start + i] / 32768.0;
            sum += s * s;
        }
        levels.push_back(float(std::sqrt(sum / n)));
    }
    return levels;
}

} // namespace

SpeechThread::SpeechThread(std::function<void()> wake)
    : m_wake(std::move(wake))
{
    m_thread = std::thread([this] { run(); });
}

bool SpeechThread::isAvailable() const
{
    loadLibrary();
    m_loadedFuture.wait();
    return m_available;
}

QString SpeechThread::error() const
{
    loadLibrary();
    m_loadedFuture.wait();
    return m_error;
}

void SpeechThread::loadLibrary() const
{
    {
        std::lock_guard lock(m_mutex);
        if (m_loadWanted)
            return;
        m_loadWanted = true;
    }
    m_jobsChanged.notify_all();
}

SpeechThread::~SpeechThread()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        ++m_generation;
    }
    m_jobsChanged.notify_all();
    m_heardChanged.notify_all();
    m_thread.join();
}

void SpeechThread::enqueue(quint64 id, const Utterance& utterance)
{
    {
        std::lock_guard lock(m_mutex);
        m_jobs.push_back({ id, utterance, m_generation.load() });
        m_loadWanted = true;
    }
    m_jobsChanged.notify_all();
}

void SpeechThread::stopAll()
{
    {
        std::lock_guard lock(m_mutex);
        ++m_generation;
        m_jobs.clear();
        m_items.clear();
        m_untaken = 0;
        // Nothing synthesised so far will be heard: the new stream starts from here.
        m_heard = m_synthesized;
    }
    m_heardChanged.notify_all();
}

std::vector<StreamItem> SpeechThread::take()
{
    std::vector<StreamItem> items;
    std::lock_guard lock(m_mutex);
    items.swap(m_items);
    m_untaken = 0;
    m_wakePending = false;
    return items;
}

void SpeechThread::setHeard(qint64 sample)
{
    {
        std::lock_guard lock(m_mutex);
        if (sample <= m_heard)
            return;
        m_heard = sample;
    }
    m_heardChanged.notify_all();
}

bool SpeechThread::push(StreamItem item, quint64 generation, bool urgent)
{
    bool wake = false;
    {
        std::unique_lock lock(m_mutex);
        if (m_quit || generation != m_generation.load())
            return false;
        item.sample = m_synthesized;
        for (auto& word : item.words)
            word.sample += m_synthesized;
        const qint64 samples = item.pcm.size() / 2;
        m_synthesized += samples;
        m_untaken += samples;
        m_items.push_back(std::move(item));
        // Every wake is a trip through the event loop: wake for what must be heard at once
        // (a start, an end, the first sound) or once enough audio waits; the engine's timer
        // collects the rest.
        wake = !m_wakePending && (urgent || m_untaken >= wakeSamples);
        m_wakePending = m_wakePending || wake;
    }
    if (wake)
        m_wake();
    std::unique_lock lock(m_mutex);
    const auto mayGoOn = [&] {
        return m_quit || generation != m_generation.load()
            || m_synthesized - m_heard <= maxAheadSamples;
    };
    if (!mayGoOn() && !m_wakePending) {
        m_wakePending = true;
        lock.unlock();
        m_wake();
        lock.lock();
    }
    m_heardChanged.wait(lock, mayGoOn);
    return !m_quit && generation == m_generation.load();
}

void SpeechThread::run()
{
    {
        std::unique_lock lock(m_mutex);
        m_jobsChanged.wait(lock, [&] { return m_quit || m_loadWanted; });
        if (!m_loadWanted)
            return; // ended before anything needed the library
    }
    EspeakLibrary library;
    m_available = library.isAvailable();
    m_error = library.error();
    UtteranceRenderer renderer(library);
    m_loaded.set_value();

    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_jobsChanged.wait(lock, [&] { return m_quit || !m_jobs.empty(); });
            if (m_quit)
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        const quint64 generation = job.generation;
        if (!push(StreamItem::make(StreamItem::Kind::Begin, job.id), generation, true))
            continue;
        qint64 utteranceSamples = 0;
        const bool complete = renderer.render(job.utterance,
            [&](const qint16* samples, int count,
                const std::vector<UtteranceRenderer::Word>& words) {
                StreamItem item = StreamItem::make(StreamItem::Kind::Audio, job.id);
                item.pcm = QByteArray(reinterpret_cast<const char*>(samples), qsizetype(count) * 2);
                // Word samples become relative to this chunk; push() makes them absolute.
                item.words.reserve(words.size());
                for (const auto& w : words)
                    item.words.push_back({ w.sample - utteranceSamples, w.position, w.length });
                utteranceSamples += count;
                item.levels = levelsOf(samples, count);
                const bool first = utteranceSamples == count;
                return push(std::move(item), generation, first);
            });
        if (complete || m_generation.load() == generation)
            push(StreamItem::make(StreamItem::Kind::End, job.id), generation, true);
    }
}

} // namespace suite
