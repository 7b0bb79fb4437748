#include "browser/IPModul.h"

#include "browser/HostLookup.h"
#include "widgets/MessageBoxes.h"

#include <QStringList>

namespace suite::browser {

IPModul::IPModul(HostLookup& lookup, MessageBoxes& messageBoxes)
    : m_lookup(lookup)
    , m_messageBoxes(messageBoxes)
{
}

QString IPModul::LocalHostAddress(QWidget* parent)
{
    QString name;
    int error = 0;
    if (!m_lookup.hostName(name, error)) {
        // A non-negative number is written with a leading blank, so two blanks precede it.
        const QString number
            = error >= 0 ? QStringLiteral(" %1").arg(error) : QString::number(error);
        tell(parent,
            QStringLiteral("Windows Sockets error ") + number
                + QStringLiteral(" has occurred. Unable to successfully get Host Name."));
        return {};
    }
    const QList<QByteArray> addresses = m_lookup.addressesOf(name.trimmed());
    if (addresses.isEmpty()) {
        tell(parent,
            QStringLiteral("Windows Sockets are not responding. Unable to successfully get Host "
                           "Name."));
        return {};
    }
    return dottedDecimal(addresses.first());
}

QString IPModul::dottedDecimal(const QByteArray& bytes)
{
    QStringList parts;
    for (const char byte : bytes)
        parts << QString::number(static_cast<uchar>(byte));
    return parts.join(u'.');
}

void IPModul::tell(QWidget* parent, const QString& text)
{
    if (m_telling)
        return;
    m_telling = true;
    m_messageBoxes.show(
        parent, text, QString(), MessageBoxes::Icon::None, MessageBoxes::Buttons::Ok);
    m_telling = false;
}

} // namespace suite::browser
