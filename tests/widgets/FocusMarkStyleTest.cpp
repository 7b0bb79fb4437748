#include "widgets/FocusMarkStyle.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace suite {
namespace {

// Each focusable kind of control looks different with the keyboard's focus than without it,
// under the style every program of the suite installs.
TEST(FocusMarkStyleTest, EveryFocusableControlShowsTheFocus)
{
    installFocusMarks();
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* scrollBar = new QScrollBar(Qt::Horizontal);
    scrollBar->setRange(50, 250);
    scrollBar->setValue(150);
    auto* slider = new QSlider(Qt::Horizontal);
    auto* picture = new QToolButton;
    QPixmap icon(16, 16);
    icon.fill(Qt::darkGreen);
    picture->setIcon(QIcon(icon));
    picture->setAutoRaise(true);
    auto* button = new QPushButton(QStringLiteral("Test"));
    const QList<QWidget*> controls { scrollBar, slider, picture, button };
    for (QWidget* control : controls) {
        control->setFocusPolicy(Qt::StrongFocus);
        layout->addWidget(control);
    }
    auto* elsewhere = new QPushButton(QStringLiteral("Anderswo"));
    layout->addWidget(elsewhere);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // The focus comes by Tab, as a keyboard user moves it: styles mark only that focus.
    elsewhere->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return elsewhere->hasFocus(); }));
    QList<QImage> without;
    for (QWidget* control : controls)
        without << control->grab().toImage();
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(QTest::qWaitFor([&] { return controls[i]->hasFocus(); }));
        EXPECT_NE(controls[i]->grab().toImage(), without[i])
            << controls[i]->metaObject()->className() << " shows no focus";
    }
}

} // namespace
} // namespace suite
