// tippe on a Wayland session (headless sway with XWayland): the compositor's virtual
// keyboard types into native Wayland windows and XWayland ones alike.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

namespace {

struct TippeRun {
    int exitCode = -1;
    QString err;
};

TippeRun tippe(const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TIPPE_BINARY), arguments);
    if (!process.waitForFinished(30000))
        process.kill();
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardError()) };
}

// A text field in a program of its own on the given Qt platform, with the focus; it
// reports each change of its text.
class FieldWindow {
public:
    explicit FieldWindow(const QString& platform)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        m_process.setProcessEnvironment(environment);
        m_process.start(QStringLiteral(WAYLAND_TEST_WINDOW), { QStringLiteral("text") });
    }
    ~FieldWindow()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    bool shown() { return nextLine() == QLatin1String("shown"); }
    // The texts the field had, in order, until it has the expected one (or 10 s passed).
    QStringList textsUntil(const QString& expected)
    {
        QStringList texts;
        while (texts.isEmpty() || texts.last() != expected) {
            const QString line = nextLine();
            if (line.isNull())
                break;
            texts.append(line);
        }
        return texts;
    }

private:
    QString nextLine()
    {
        QDeadlineTimer deadline(10000);
        while (!m_process.canReadLine()) {
            if (deadline.hasExpired() || !m_process.waitForReadyRead(int(deadline.remainingTime())))
                return {};
        }
        return QString::fromUtf8(m_process.readLine()).chopped(1);
    }

    QProcess m_process;
};

void typesExactly(const QString& platform)
{
    FieldWindow window(platform);
    ASSERT_TRUE(window.shown());
    const TippeRun first = tippe({ QStringLiteral("Grüße an Jürgen~") });
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const QStringList texts = window.textsUntil(QStringLiteral("Grüße an Jürgen"));
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.first(), QStringLiteral("G")) << "the first key arrives";
    EXPECT_EQ(texts.last(), QStringLiteral("Grüße an Jürgen"));

    // A literal tilde, the euro sign and a capital with Shift held in the sequence.
    const TippeRun second = tippe({ QStringLiteral("{~} 5 € +(ab)") });
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_EQ(window.textsUntil(QStringLiteral("Grüße an Jürgen~ 5 € AB")).last(),
        QStringLiteral("Grüße an Jürgen~ 5 € AB"));
}

} // namespace

TEST(TippeWaylandTest, TypesExactlyIntoANativeWaylandWindow)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    typesExactly(QStringLiteral("wayland"));
}

TEST(TippeWaylandTest, TypesExactlyIntoAnXWaylandWindow)
{
    typesExactly(QStringLiteral("xcb"));
}

TEST(TippeWaylandTest, SaysSoAndFailsWhenNoWayCanDeliverTheKeys)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("/nonexistent/wayland-9"));
    environment.remove(QStringLiteral("DISPLAY"));
    const TippeRun run = tippe({ QStringLiteral("Hallo") }, environment);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Tastenfolgen können nicht gesendet werden")))
        << run.err.toStdString();
}
