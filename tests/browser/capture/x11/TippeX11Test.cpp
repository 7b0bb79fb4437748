#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

// tippe as a user runs it: another program's text field has the focus, and tippe types into
// it, umlauts (which Xvfb's keymap lacks) included; "~" is Enter.
TEST(TippeX11, TypesIntoTheFocusedFieldOfAnotherProgramExactly)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    QLineEdit field;
    field.setGeometry(100, 100, 400, 40);
    QSignalSpy entered(&field, &QLineEdit::returnPressed);
    field.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&field));
    field.activateWindow();
    field.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return field.hasFocus() && field.isActiveWindow(); }, 5000));

    QProcess tippe;
    tippe.start(QStringLiteral(TIPPE_BINARY), { QStringLiteral("Grüße ~") });
    // The event loop keeps running while tippe works, so the field gets the keys.
    ASSERT_TRUE(QTest::qWaitFor([&] { return tippe.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(tippe.exitCode(), 0) << tippe.readAllStandardError().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return entered.count() == 1; }, 10000));
    EXPECT_EQ(field.text(), QStringLiteral("Grüße "));

    // Shift, a named key with a count, a group and a character outside Latin-1.
    field.clear();
    tippe.start(QStringLiteral(TIPPE_BINARY),
        { QStringLiteral("--delay"), QStringLiteral("5"), QStringLiteral("+abc{LEFT 2}(x)€") });
    ASSERT_TRUE(QTest::qWaitFor([&] { return tippe.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(tippe.exitCode(), 0) << tippe.readAllStandardError().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return field.text() == QStringLiteral("Ax€bc"); }, 10000))
        << field.text().toStdString();
}

TEST(TippeX11, RefusesWhatItCannotSendAndSaysWhy)
{
    QProcess tippe;
    tippe.start(QStringLiteral(TIPPE_BINARY), { QStringLiteral("{a 99999999}") });
    ASSERT_TRUE(tippe.waitForFinished(30000));
    EXPECT_EQ(tippe.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(tippe.readAllStandardError()).contains("Wiederholungszahl"));

    tippe.start(QStringLiteral(TIPPE_BINARY), {});
    ASSERT_TRUE(tippe.waitForFinished(30000));
    EXPECT_EQ(tippe.exitCode(), 2);

    QProcess noDisplay;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    noDisplay.setProcessEnvironment(environment);
    noDisplay.start(QStringLiteral(TIPPE_BINARY), { QStringLiteral("abc") });
    ASSERT_TRUE(noDisplay.waitForFinished(30000));
    EXPECT_EQ(noDisplay.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(noDisplay.readAllStandardError()).contains("X11"));
}
