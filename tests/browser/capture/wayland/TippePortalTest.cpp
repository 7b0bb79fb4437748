// tippe on a Wayland desktop that takes keys only through the RemoteDesktop portal (GNOME,
// KDE Plasma): a stand-in portal on the run's private session bus records what arrives.
// No compositor listens at WAYLAND_DISPLAY, so there is no virtual keyboard, and no X
// server, so the portal is the only way.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace {

struct TippeRun {
    int exitCode = -1;
    QString err;
};

// The stand-in portal, running until the end of the test; its record is one line per call.
class Portal {
public:
    explicit Portal(const QStringList& arguments = {})
    {
        m_process.start(QStringLiteral(FAKE_PORTAL), arguments);
        m_ready = m_process.waitForReadyRead(10000) && m_process.readLine() == "ready\n";
    }
    ~Portal()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    bool ready() const { return m_ready; }
    // The lines recorded since the last call, one text (close included, which comes as
    // tippe ends).
    std::string record()
    {
        m_process.waitForReadyRead(500);
        return m_process.readAll().toStdString();
    }

private:
    QProcess m_process;
    bool m_ready = false;
};

class TippePortalTest : public ::testing::Test {
protected:
    TippeRun tippe(const QString& sequence)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(
            QStringLiteral("WAYLAND_DISPLAY"), m_home.filePath(QStringLiteral("wayland-9")));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TIPPE_BINARY), { sequence });
        if (!process.waitForFinished(30000))
            process.kill();
        return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError()) };
    }

    QTemporaryDir m_home;
};

// The lines of a key pressed and released, and of one typed with Shift held around it.
QStringList tap(int keysym)
{
    return { QStringLiteral("key %1 1").arg(keysym, 0, 16),
        QStringLiteral("key %1 0").arg(keysym, 0, 16) };
}
QStringList shifted(int keysym)
{
    return QStringList { QStringLiteral("key ffe1 1") } + tap(keysym)
        + QStringList { QStringLiteral("key ffe1 0") };
}

std::string lines(const QStringList& expected)
{
    return (expected.join(u'\n') + u'\n').toStdString();
}

} // namespace

TEST_F(TippePortalTest, SendsEachCharacterAsItsKeysymAndIsAllowedOnce)
{
    Portal portal;
    ASSERT_TRUE(portal.ready());
    const TippeRun first = tippe(QStringLiteral("Grüße an Jürgen~"));
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    QStringList expected { QStringLiteral("select types=1 persist=2 token="),
        QStringLiteral("start") };
    expected += shifted('g') + tap('r') + tap(0xfc) + tap(0xdf) + tap('e') + tap(' ') + tap('a')
        + tap('n') + tap(' ') + shifted('j') + tap(0xfc) + tap('r') + tap('g') + tap('e') + tap('n')
        + tap(0xff0d) + QStringList { QStringLiteral("close") };
    EXPECT_EQ(portal.record(), lines(expected));

    // The permission of the first run is kept: the portal gets its token back.
    const TippeRun second = tippe(QStringLiteral("{~} 5 € +(ab)"));
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    expected = QStringList { QStringLiteral("select types=1 persist=2 token=erlaubt-1"),
        QStringLiteral("start") };
    expected += tap('~') + tap(' ') + tap('5') + tap(' ') + tap(0x20ac) + tap(' ')
        + QStringList { QStringLiteral("key ffe1 1") } + tap('a') + tap('b')
        + QStringList { QStringLiteral("key ffe1 0"), QStringLiteral("close") };
    EXPECT_EQ(portal.record(), lines(expected));
}

TEST_F(TippePortalTest, SaysSoWhenTheUserRefuses)
{
    Portal portal({ QStringLiteral("--refuse") });
    ASSERT_TRUE(portal.ready());
    const TippeRun run = tippe(QStringLiteral("Hallo"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("nicht erlaubt"))) << run.err.toStdString();
    // No key goes, and the refused session is closed.
    EXPECT_EQ(portal.record(),
        lines({ QStringLiteral("select types=1 persist=2 token="), QStringLiteral("start"),
            QStringLiteral("close") }));
}

TEST_F(TippePortalTest, FallsThroughWhenThePortalHasNoRemoteKeyboard)
{
    Portal portal({ QStringLiteral("--without-remote-desktop") });
    ASSERT_TRUE(portal.ready());
    const TippeRun run = tippe(QStringLiteral("Hallo"));
    EXPECT_EQ(run.exitCode, 1);
    // No X server either: the X11 way is tried and says why it cannot send.
    EXPECT_TRUE(run.err.contains(QStringLiteral("Tastenfolgen können nicht gesendet werden")))
        << run.err.toStdString();
    EXPECT_EQ(portal.record(), "");
}
