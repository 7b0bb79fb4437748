#include "widgets/MessageBoxesDialog.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QRegularExpression>

namespace suite {

namespace {

QMessageBox::Icon boxIcon(MessageBoxes::Icon icon)
{
    switch (icon) {
    case MessageBoxes::Icon::Information:
        return QMessageBox::Information;
    case MessageBoxes::Icon::Warning:
        return QMessageBox::Warning;
    case MessageBoxes::Icon::Critical:
        return QMessageBox::Critical;
    case MessageBoxes::Icon::Question:
        return QMessageBox::Question;
    case MessageBoxes::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    // What closing the box without a button (Escape, the window's close) answers.
    QMessageBox::StandardButton escape;
};

ButtonSet buttonSet(MessageBoxes::Buttons buttons)
{
    switch (buttons) {
    case MessageBoxes::Buttons::OkCancel:
        return { QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel };
    case MessageBoxes::Buttons::YesNo:
        return { QMessageBox::Yes | QMessageBox::No, QMessageBox::No };
    case MessageBoxes::Buttons::YesNoCancel:
        return { QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel };
    case MessageBoxes::Buttons::Ok:
        break;
    }
    return { QMessageBox::Ok, QMessageBox::Ok };
}

MessageBoxes::Answer answerFor(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return MessageBoxes::Answer::Ok;
    case QMessageBox::Yes:
        return MessageBoxes::Answer::Yes;
    case QMessageBox::No:
        return MessageBoxes::Answer::No;
    default:
        return MessageBoxes::Answer::Cancel;
    }
}

} // namespace

QString MessageBoxesDialog::displayText(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n\r|\r|\n"));
    return QString(text).replace(lineBreak, QStringLiteral("\n"));
}

MessageBoxes::Answer MessageBoxesDialog::show(
    QWidget* parent, const QString& text, const QString& title, Icon icon, Buttons buttons)
{
    const ButtonSet set = buttonSet(buttons);
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? QGuiApplication::applicationDisplayName() : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    box.setIcon(boxIcon(icon));
    box.setStandardButtons(set.buttons);
    box.setEscapeButton(set.escape);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    return answerFor(clicked == QMessageBox::NoButton ? set.escape : clicked);
}

} // namespace suite
