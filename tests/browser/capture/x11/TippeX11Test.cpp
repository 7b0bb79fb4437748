#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace {

struct TippeRun {
    int exitCode = -1;
    QString err;
};

// Runs tippe while the event loop keeps running, so a field of this program gets its keys.
TippeRun tippe(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TIPPE_BINARY), arguments);
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 30000)) {
        process.kill();
        process.waitForFinished();
    }
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardError()) };
}

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

// The keyboard of the private X server: its layout and its Caps Lock.
class ServerKeyboard {
public:
    ServerKeyboard()
        : m_display(XOpenDisplay(nullptr))
    {
    }
    ~ServerKeyboard()
    {
        if (!m_display)
            return;
        setCapsLock(false);
        setLayout(QStringLiteral("us"));
        XCloseDisplay(m_display);
    }
    bool open() const { return m_display != nullptr; }
    bool setLayout(const QString& layout)
    {
        return run(QStringLiteral("setxkbmap"), { QStringLiteral("-layout"), layout });
    }
    void setCapsLock(bool on)
    {
        XkbLockModifiers(m_display, XkbUseCoreKbd, LockMask, on ? LockMask : 0);
        XSync(m_display, False);
    }

private:
    Display* m_display;
};

class TippeX11 : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        m_field.setGeometry(100, 100, 600, 40);
        m_field.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_field));
        m_field.activateWindow();
        m_field.setFocus();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return m_field.hasFocus() && m_field.isActiveWindow(); }, 5000));
    }

    QLineEdit m_field;
};

} // namespace

// tippe as a user runs it: another program's text field has the focus, and tippe types into
// it exactly what was written, on the German and the US layout, with Caps Lock on and off:
// umlauts and ß (which the US layout lacks), letters in braces, Shift, a named key with a
// count, a group, a character outside Latin-1, and "~" for Enter.
TEST_F(TippeX11, TypesExactlyWhatIsWrittenOnGermanAndUSLayoutsWithCapsLockOnAndOff)
{
    ServerKeyboard keyboard;
    ASSERT_TRUE(keyboard.open());
    QSignalSpy entered(&m_field, &QLineEdit::returnPressed);
    const QString written = QStringLiteral("Grüße {a 3}ÄÖÜ äöü ß Xy1!? +1abc{LEFT 2}(x)€~");
    const QString arrives = QStringLiteral("Grüße aaaÄÖÜ äöü ß Xy1!? !ax€bc");
    for (const QString& layout : { QStringLiteral("de"), QStringLiteral("us") }) {
        ASSERT_TRUE(keyboard.setLayout(layout)) << "setxkbmap -layout " << layout.toStdString();
        for (const bool capsLock : { false, true }) {
            keyboard.setCapsLock(capsLock);
            m_field.clear();
            const int enters = entered.count();
            const TippeRun typed = tippe({ written });
            EXPECT_EQ(typed.exitCode, 0) << typed.err.toStdString();
            const bool done = QTest::qWaitFor(
                [&] { return entered.count() == enters + 1 && m_field.text() == arrives; }, 10000);
            EXPECT_TRUE(done) << layout.toStdString() << (capsLock ? " with" : " without")
                              << " Caps Lock: " << m_field.text().toStdString();
        }
    }
}

TEST_F(TippeX11, OptionsAreReadAsOptionsAndASequenceWithADashFollowsTwoDashes)
{
    // Words of the sequence are joined with blanks, as the shell split them.
    for (const auto& [arguments, arrives] :
        { std::pair { QStringList { "--delay", "5", "ab" }, "ab" },
            { QStringList { "--delay=5", "ab" }, "ab" },
            { QStringList { "a", "-d", "5", "b" }, "a b" },
            { QStringList { "--", "-x", "--verbose" }, "-x --verbose" } }) {
        m_field.clear();
        const TippeRun typed = tippe(arguments);
        EXPECT_EQ(typed.exitCode, 0) << typed.err.toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_field.text() == arrives; }, 10000))
            << arguments.join(' ').toStdString() << ": " << m_field.text().toStdString();
    }

    // Unknown options and bad values: a message, exit 2, and nothing typed anywhere.
    m_field.clear();
    for (const QStringList& arguments : { QStringList { "--verbose", "x" },
             QStringList { "x", "-v" }, QStringList { "--delay", "x" }, QStringList { "-d" },
             QStringList { "--delay=-1", "x" }, QStringList { "-" } }) {
        const TippeRun refused = tippe(arguments);
        EXPECT_EQ(refused.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(refused.err.startsWith("tippe: ")) << refused.err.toStdString();
    }
    QTest::qWait(300);
    EXPECT_EQ(m_field.text(), QString());
}

TEST(TippeX11Refusals, RefusesWhatItCannotSendAndSaysWhy)
{
    QProcess tippe;
    for (const char* sequence : { "{a 99999999}", "{a 1e400}" }) {
        tippe.start(QStringLiteral(TIPPE_BINARY), { QString::fromLatin1(sequence) });
        ASSERT_TRUE(tippe.waitForFinished(30000));
        EXPECT_EQ(tippe.exitCode(), 1) << sequence;
        EXPECT_TRUE(QString::fromUtf8(tippe.readAllStandardError()).contains("Wiederholungszahl"));
    }

    tippe.start(QStringLiteral(TIPPE_BINARY), {});
    ASSERT_TRUE(tippe.waitForFinished(30000));
    EXPECT_EQ(tippe.exitCode(), 2);

    QProcess noDisplay;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR")); // a terminal opened with su
    noDisplay.setProcessEnvironment(environment);
    noDisplay.start(QStringLiteral(TIPPE_BINARY), { QStringLiteral("abc") });
    ASSERT_TRUE(noDisplay.waitForFinished(30000));
    EXPECT_EQ(noDisplay.exitCode(), 1);
    const QString why = QString::fromUtf8(noDisplay.readAllStandardError());
    EXPECT_TRUE(why.startsWith("tippe: ") && why.contains("X11")) << why.toStdString();
    EXPECT_EQ(why.count(u'\n'), 1) << "the reason alone: " << why.toStdString();
}
