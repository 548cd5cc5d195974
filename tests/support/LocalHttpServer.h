#pragma once

#include <QHash>
#include <QTcpServer>
#include <QUrl>

// A tiny HTTP server on 127.0.0.1 for engine tests: serves fixed bodies by path and
// answers 404 for everything else. Each connection serves one request.
class LocalHttpServer : public QTcpServer {
    Q_OBJECT
public:
    struct Response {
        QByteArray body;
        QByteArray contentType = "text/html; charset=utf-8";
        QByteArray extraHeaders;
    };

    LocalHttpServer();

    void setPage(const QString& path, const QString& html) {
        m_routes[path] = {html.toUtf8(), "text/html; charset=utf-8", {}};
    }
    void setResponse(const QString& path, const Response& response) { m_routes[path] = response; }
    // The full address of a path on this server.
    QString url(const QString& path) const;
    // Paths requested so far, in order.
    QStringList requested;
    // Paths whose requests are never answered while the server lives: a resource that
    // takes for ever to load.
    QStringList held;

private:
    void serve(QTcpSocket* socket);

    QHash<QString, Response> m_routes;
};
