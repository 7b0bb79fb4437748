#include "widgets/FocusMarkStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionComplex>

namespace suite {

void FocusMarkStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
    QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control != CC_ScrollBar || !option->state.testFlag(State_HasFocus))
        return;
    // A two-pixel frame in the highlight colour just inside the control: it shows on the
    // groove as on the handle, and needs no room outside the control.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(option->palette.highlight(), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

void installFocusMarks()
{
    if (!dynamic_cast<FocusMarkStyle*>(QApplication::style()))
        QApplication::setStyle(new FocusMarkStyle(QApplication::style()->name()));
}

} // namespace suite
