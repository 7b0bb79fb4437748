#include "fakes/FakeMessageBoxes.h"

namespace suite::test {

MessageBoxes::Answer FakeMessageBoxes::show(
    QWidget* parent, const QString& text, const QString& title, Icon icon, Buttons buttons)
{
    m_boxes << Box { parent, text, title, icon, buttons };
    return m_answers.isEmpty() ? Answer::Ok : m_answers.takeFirst();
}

} // namespace suite::test
