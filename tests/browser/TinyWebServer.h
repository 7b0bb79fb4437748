#pragma once

#include <QHash>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>

namespace suite::test {

// An HTTP server on the loopback address for the browser's tests. Each path answers with its
// page; a page marked slow sends its start and keeps the connection open until finishSlow().
class TinyWebServer : public QObject {
public:
    TinyWebServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* client = m_server.nextPendingConnection())
                connect(client, &QTcpSocket::readyRead, client, [this, client] { answer(client); });
        });
    }

    void setPage(const QString& path, const QByteArray& html, bool slow = false)
    {
        m_pages.insert(path, { html, slow });
    }
    QString address(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    // Paths asked for so far, favicons left out.
    const QStringList& requests() const { return m_requests; }
    void finishSlow()
    {
        for (QTcpSocket* client : std::as_const(m_slow))
            client->disconnectFromHost();
        m_slow.clear();
    }

private:
    struct Page {
        QByteArray html;
        bool slow = false;
    };

    void answer(QTcpSocket* client)
    {
        const QByteArray request = client->readAll();
        const QList<QByteArray> words = request.split(' ');
        const QString path = QString::fromLatin1(words.value(1));
        if (!path.startsWith(QLatin1String("/favicon")))
            m_requests << path;
        const auto found = m_pages.constFind(path);
        if (found == m_pages.constEnd()) {
            client->write(
                "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            client->disconnectFromHost();
            return;
        }
        if (found->slow) {
            client->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n" + found->html);
            m_slow << client;
            return;
        }
        client->write(
            "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: "
            + QByteArray::number(found->html.size()) + "\r\nConnection: close\r\n\r\n"
            + found->html);
        client->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QString, Page> m_pages;
    QStringList m_requests;
    QList<QTcpSocket*> m_slow;
};

} // namespace suite::test
