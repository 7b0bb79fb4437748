#include "widgets/ToggleAsClick.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace suite {
namespace {

void toggleThroughAccessibility(QAbstractButton* button)
{
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(view, nullptr);
    ASSERT_NE(view->actionInterface(), nullptr);
    ASSERT_TRUE(view->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::toggleAction()));
    view->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

// A handler on `clicked` hears the screen reader's toggle once, the user's click once, and
// never the program's own setChecked.
TEST(ToggleAsClickTest, TheToggleActionIsAClickAndOnlyClicksReachTheClickHandler)
{
    installToggleAsClick();
    QCheckBox box(QStringLiteral("&Begrüßung && Abschied"));
    box.resize(200, 30);
    box.show();
    QSignalSpy clicks(&box, &QCheckBox::clicked);

    toggleThroughAccessibility(&box);
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(clicks.size(), 1);

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, box.height() / 2));
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(clicks.size(), 2);
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_EQ(clicks.size(), 3);

    box.setChecked(false);
    EXPECT_EQ(clicks.size(), 3);

    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&box);
    EXPECT_EQ(view->role(), QAccessible::CheckBox);
    EXPECT_EQ(view->text(QAccessible::Name), QStringLiteral("Begrüßung & Abschied"));
    EXPECT_TRUE(view->state().checkable);
    EXPECT_FALSE(view->state().checked);
    toggleThroughAccessibility(&box);
    EXPECT_TRUE(view->state().checked);

    box.setEnabled(false);
    view->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(clicks.size(), 4);
}

// An option already chosen stays chosen and still runs its handler, as the user's click on it
// does; the other option of the group is chosen by its toggle.
TEST(ToggleAsClickTest, OptionsInAGroupAreChosenByTheirToggle)
{
    installToggleAsClick();
    QWidget frame;
    auto* german = new QRadioButton(QStringLiteral("Deutsch"), &frame);
    auto* english = new QRadioButton(QStringLiteral("Englisch"), &frame);
    german->setAccessibleName(QStringLiteral("Sprache Deutsch"));
    german->setChecked(true);
    QSignalSpy germanClicks(german, &QRadioButton::clicked);
    QSignalSpy englishClicks(english, &QRadioButton::clicked);

    toggleThroughAccessibility(german);
    EXPECT_TRUE(german->isChecked());
    EXPECT_EQ(germanClicks.size(), 1);
    toggleThroughAccessibility(english);
    EXPECT_TRUE(english->isChecked());
    EXPECT_FALSE(german->isChecked());
    EXPECT_EQ(englishClicks.size(), 1);

    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(german);
    EXPECT_EQ(view->role(), QAccessible::RadioButton);
    EXPECT_EQ(view->text(QAccessible::Name), QStringLiteral("Sprache Deutsch"));
}

} // namespace
} // namespace suite
