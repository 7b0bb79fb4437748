#include "browser/capture/MSendInput.h"
#include "KeyRecordPrinter.h"
#include "browser/capture/KeyboardDevice.h"
#include "fakes/FakeKeyDelivery.h"
#include "fakes/FakeKeyboardLayout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace suite;
using namespace suite::browser;
using suite::test::FakeKeyboardLayout;
using suite::test::FakeKeyDelivery;

TEST(MSendInput, ReadsTheLayoutAnewAndSendsTheWholeSequenceInOneBatch)
{
    FakeKeyboardLayout layout(FakeKeyboardLayout::Kind::German);
    FakeKeyDelivery delivery;
    MSendInput sender(layout, delivery);

    EXPECT_TRUE(sender.SendKeysInput(QStringLiteral("%iA1{TAB}1{ENTER}%BE"), false));
    ASSERT_EQ(delivery.batches().size(), 1);
    EXPECT_EQ(delivery.batches().at(0).size(), 26u);
    EXPECT_EQ(layout.refreshes(), 1);

    // The layout changes between two calls: the second call types with the new state.
    layout.setCapsLock(true);
    EXPECT_TRUE(sender.SendKeysInput(QStringLiteral("a")));
    ASSERT_EQ(delivery.batches().size(), 2);
    EXPECT_EQ(delivery.batches().at(1).size(), 4u) << "Shift around the letter";
    EXPECT_EQ(layout.refreshes(), 2);
}

TEST(MSendInput, SendsNothingForAnEmptyOrRefusedSequenceAndPassesFailuresOn)
{
    FakeKeyboardLayout layout(FakeKeyboardLayout::Kind::US);
    FakeKeyDelivery delivery;
    MSendInput sender(layout, delivery);

    EXPECT_TRUE(sender.SendKeysInput(QString()));
    EXPECT_TRUE(sender.SendKeysInput(QStringLiteral("+")));
    EXPECT_TRUE(delivery.batches().isEmpty());

    const Result refused = sender.SendKeysInput(QStringLiteral("a{b 100000}"));
    EXPECT_FALSE(refused);
    EXPECT_FALSE(refused.error.isEmpty());
    EXPECT_TRUE(delivery.batches().isEmpty()) << "not even the \"a\" went out";

    delivery.setNextResult(Result::failure(QStringLiteral("kein X-Server")));
    const Result failed = sender.SendKeysInput(QStringLiteral("a"));
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.error.toStdString(), "kein X-Server");
}

TEST(MSendInput, AKeyboardThatCannotTypeSaysWhy)
{
    const std::unique_ptr<KeyboardDevice> keyboard
        = unavailableKeyboardDevice(QStringLiteral("Es gibt keine X11-Anzeige."));
    MSendInput sender(*keyboard, *keyboard);
    const Result result = sender.SendKeysInput(QStringLiteral("Grüße ~"));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error.toStdString(), "Es gibt keine X11-Anzeige.");
}

TEST(MSendInput, WithoutADisplayTheRealKeyboardIsUnavailable)
{
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("DISPLAY");
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    const std::unique_ptr<KeyboardDevice> keyboard = openKeyboardDevice();
    MSendInput sender(*keyboard, *keyboard);
    const Result result = sender.SendKeysInput(QStringLiteral("abc"));
    if (!display.isNull())
        qputenv("DISPLAY", display);
    if (wayland.isNull())
        qunsetenv("WAYLAND_DISPLAY");
    else
        qputenv("WAYLAND_DISPLAY", wayland);
    EXPECT_FALSE(result);
    EXPECT_THAT(result.error.toStdString(), ::testing::HasSubstr("XWayland"));
}
