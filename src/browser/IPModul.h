#pragma once

#include <QString>

class QWidget;

namespace suite {
class MessageBoxes;
}

namespace suite::browser {

class HostLookup;

// The machine's own address for the label "IP: ..." of the browser's tool bar.
class IPModul {
public:
    IPModul(HostLookup& lookup, MessageBoxes& messageBoxes);

    // The first address of the host name's lookup in dotted decimal, or "" after a message
    // box that says why. While one of its boxes is open, a further failing lookup (the
    // minute timer runs on) answers "" without stacking a second box.
    QString LocalHostAddress(QWidget* parent);

    // The bytes in order, each in decimal digits, joined by ".".
    static QString dottedDecimal(const QByteArray& bytes);
    // "IP: " followed by the address.
    static QString labelText(const QString& address) { return QStringLiteral("IP: ") + address; }

private:
    void tell(QWidget* parent, const QString& text);

    HostLookup& m_lookup;
    MessageBoxes& m_messageBoxes;
    bool m_telling = false;
};

} // namespace suite::browser
