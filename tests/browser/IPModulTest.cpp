#include "browser/IPModul.h"
#include "browser/HostLookup.h"
#include "fakes/FakeHostLookup.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

using suite::browser::IPModul;
using suite::test::FakeHostLookup;
using suite::test::FakeMessageBoxes;

TEST(IPModul, GivesTheFirstAddressInDottedDecimal)
{
    FakeHostLookup lookup;
    FakeMessageBoxes boxes;
    lookup.setName(QStringLiteral("  rechner "));
    lookup.setAddresses({ QByteArray("\xc0\xa8\x00\x05", 4), QByteArray("\x0a\x00\x00\x01", 4) });
    IPModul module(lookup, boxes);
    EXPECT_EQ(module.LocalHostAddress(nullptr), "192.168.0.5");
    EXPECT_EQ(lookup.lookedUp(), QStringList({ "rechner" }));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(IPModul::labelText("127.0.0.1"), "IP: 127.0.0.1");
    EXPECT_EQ(IPModul::labelText(""), "IP: ");
}

TEST(IPModul, FailuresSayWhyAndGiveAnEmptyAddress)
{
    FakeHostLookup lookup;
    FakeMessageBoxes boxes;
    IPModul module(lookup, boxes);
    lookup.failName(11);
    EXPECT_EQ(module.LocalHostAddress(nullptr), "");
    lookup.setName("rechner");
    lookup.setAddresses({});
    EXPECT_EQ(module.LocalHostAddress(nullptr), "");
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(boxes.boxes().at(0).text,
        "Windows Sockets error  11 has occurred. Unable to successfully get Host Name.");
    EXPECT_EQ(boxes.boxes().at(1).text,
        "Windows Sockets are not responding. Unable to successfully get Host Name.");
    EXPECT_EQ(boxes.boxes().at(1).title, "");
    EXPECT_EQ(boxes.boxes().at(1).icon, suite::MessageBoxes::Icon::None);
}

TEST(IPModul, ThisMachineResolvesToADottedAddressOrSaysWhy)
{
    suite::browser::SystemHostLookup lookup;
    FakeMessageBoxes boxes;
    const QString address = IPModul(lookup, boxes).LocalHostAddress(nullptr);
    if (address.isEmpty()) {
        EXPECT_EQ(boxes.boxes().size(), 1);
        return;
    }
    EXPECT_TRUE(QRegularExpression("^(\\d{1,3}\\.){3}\\d{1,3}$").match(address).hasMatch())
        << address.toStdString();
}
