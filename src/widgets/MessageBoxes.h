#pragma once

#include <QString>

class QWidget;

namespace suite {

// The programs' one way to show a message box and learn which button closed it.
class MessageBoxes {
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageBoxes() = default;
    // Shows the box modally and returns the button that closed it. An empty title stands for
    // the program's default title.
    virtual Answer show(
        QWidget* parent, const QString& text, const QString& title, Icon icon, Buttons buttons)
        = 0;
};

} // namespace suite
