#pragma once

#include <QElapsedTimer>
#include <QProcess>

#include <cmath>
#include <vector>

namespace suite::test {

// Listens to what the private PulseAudio null sink plays (its monitor source, through parec)
// and keeps when it was loud, in ms on one steady clock (SoundMonitor::now()). A block's time
// is counted back from when its read arrived, so a busy event loop can only make sound seem
// later, never earlier.
class SoundMonitor {
public:
    static constexpr int rate = 22050;
    static constexpr int block = 220; // 10 ms
    static constexpr double loudRms = 0.01; // -40 dBFS; the null sink's silence is exact zero

    SoundMonitor()
    {
        m_clock.start();
        QObject::connect(&m_parec, &QProcess::readyReadStandardOutput, [this] { read(); });
    }
    ~SoundMonitor()
    {
        m_parec.kill();
        m_parec.waitForFinished(2000);
    }

    // True once parec records from the null sink.
    bool start()
    {
        m_parec.start(QStringLiteral("parec"),
            { QStringLiteral("--device=nullsink.monitor"), QStringLiteral("--raw"),
                QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(rate),
                QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=5") });
        return m_parec.waitForStarted(5000) && m_parec.waitForReadyRead(5000);
    }

    double now() const { return m_clock.nsecsElapsed() / 1e6; }

    // The start times of the loud 10 ms blocks heard so far.
    std::vector<double> loud()
    {
        read();
        return m_loudTimes;
    }
    // The first loud block at or after ms, or -1.
    double firstLoudFrom(double ms)
    {
        for (double t : loud())
            if (t >= ms)
                return t;
        return -1;
    }
    double lastLoud()
    {
        const std::vector<double> times = loud();
        return times.empty() ? -1 : times.back();
    }

private:
    void read()
    {
        const QByteArray bytes = m_parec.readAllStandardOutput();
        if (bytes.isEmpty())
            return;
        const double arrived = now();
        m_pending += bytes;
        const qint64 blocks = m_pending.size() / (block * 2);
        // The newest sample was played when it arrived, the ones before it one by one earlier.
        const double pendingStart = arrived - (m_pending.size() / 2) * 1000.0 / rate;
        for (qint64 b = 0; b < blocks; ++b) {
            const auto* s = reinterpret_cast<const qint16*>(m_pending.constData()) + b * block;
            double sum = 0;
            for (int i = 0; i < block; ++i)
                sum += double(s[i]) * s[i];
            if (std::sqrt(sum / block) / 32768.0 > loudRms)
                m_loudTimes.push_back(pendingStart + b * 1000.0 * block / rate);
        }
        m_pending.remove(0, blocks * block * 2);
    }

    QProcess m_parec;
    QElapsedTimer m_clock;
    QByteArray m_pending;
    std::vector<double> m_loudTimes;
};

} // namespace suite::test
