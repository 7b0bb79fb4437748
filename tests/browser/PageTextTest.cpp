#include "browser/PageText.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QVariantMap>

using suite::browser::PageContent;
using suite::browser::PageText;

TEST(PageText, APageWithoutFramesIsItsBodyTextExactly)
{
    EXPECT_EQ(PageText::compose({ {}, QStringLiteral(" Hallo\nWelt ") }), " Hallo\nWelt ");
    EXPECT_EQ(PageText::compose({ {}, std::nullopt }), "");
}

TEST(PageText, FramesWithTextGetHeadingsNumberedByPosition)
{
    const PageContent content { { QStringLiteral("eins"), QString(), std::nullopt,
                                    QStringLiteral("vier") },
        QStringLiteral("body") };
    EXPECT_EQ(PageText::compose(content),
        "\r\nIch spreche jetzt den Inhalt von Frame1  \r\neins"
        "\r\nIch spreche jetzt den Inhalt von Frame4  \r\nvier");
}

TEST(PageText, FramesWithoutAnyTextFallBackToTheBody)
{
    EXPECT_EQ(PageText::compose({ { QString(), std::nullopt }, QStringLiteral("body") }), "body");
}

TEST(PageText, TheScriptResultMapsUnreadableFramesToNothing)
{
    QVariantMap map;
    map.insert("frames",
        QVariantList { QVariant(QStringLiteral("a")), QVariant(), QVariant(QStringLiteral("")) });
    map.insert("body", QVariant());
    const PageContent content = PageText::fromScriptResult(map);
    ASSERT_EQ(content.frameTexts.size(), 3);
    EXPECT_EQ(content.frameTexts.at(0).value_or("-"), "a");
    EXPECT_FALSE(content.frameTexts.at(1).has_value());
    EXPECT_EQ(content.frameTexts.at(2).value_or("-"), "");
    EXPECT_FALSE(content.bodyText.has_value());
    // A failed script gives an invalid result: an empty page.
    EXPECT_EQ(PageText::compose(PageText::fromScriptResult(QVariant())), "");
}
