#include "countingproxy.h"

#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>

CountingProxy::CountingProxy(quint16 serverPort)
    : m_serverPort(serverPort)
{
}

CountingProxy::~CountingProxy()
{
    quit();
    wait();
}

quint16 CountingProxy::listen()
{
    start();
    m_listening.acquire();
    return m_port;
}

void CountingProxy::settle(int quietMs) const
{
    qint64 seen = m_bytes;
    QElapsedTimer quiet, all;
    quiet.start();
    all.start();
    // Bounded, should OpenOCD never fall silent.
    while (quiet.elapsed() < quietMs && all.elapsed() < 100 * qint64(quietMs)) {
        QThread::msleep(2);
        if (m_bytes != seen) {
            seen = m_bytes;
            quiet.restart();
        }
    }
}

void CountingProxy::count(const QByteArray &bytes)
{
    qint64 terminators = 0, pinWrites = 0, tckCycles = 0;
    for (const char byte : bytes) {
        if (byte == '\x1a') {
            ++terminators;
        } else if (byte >= '0' && byte <= '7') {
            ++pinWrites;
            const bool tck = ((byte - '0') & 4) != 0;
            tckCycles += tck && !m_tck;
            m_tck = tck;
        }
    }
    m_terminators += terminators;
    m_pinWrites += pinWrites;
    m_tckCycles += tckCycles;
}

void CountingProxy::run()
{
    QTcpServer server;
    server.setProxy(QNetworkProxy::NoProxy);
    server.setMaxPendingConnections(1);
    m_port = server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
    m_listening.release();
    if (m_port == 0)
        return;

    QTcpSocket upstream;
    upstream.setProxy(QNetworkProxy::NoProxy);
    QTcpSocket *client = nullptr;
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
        if (client)
            return;
        client = server.nextPendingConnection();
        server.close();
        upstream.connectToHost(QHostAddress::LocalHost, m_serverPort);
        if (!upstream.waitForConnected(5000)) {
            client->close();
            quit();
            return;
        }
        // Each side waits for the other's few bytes: Nagle would hold them back.
        client->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        upstream.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        const auto fromClient = [&] {
            const QByteArray bytes = client->readAll();
            count(bytes);
            m_bytes += bytes.size();
            upstream.write(bytes);
        };
        QObject::connect(client, &QTcpSocket::readyRead, client, fromClient);
        QObject::connect(&upstream, &QTcpSocket::readyRead, client, [&] {
            const QByteArray bytes = upstream.readAll();
            m_bytes += bytes.size();
            client->write(bytes);
        });
        // What either end sent before it closed has come as readyRead
        // already; what is still to be written goes before the close.
        QObject::connect(client, &QTcpSocket::disconnected, &upstream, [&] {
            upstream.disconnectFromHost();
            quit();
        });
        QObject::connect(&upstream, &QTcpSocket::disconnected, client, [&] {
            client->disconnectFromHost();
            quit();
        });
        fromClient();
    });
    exec();
    for (QTcpSocket *socket : {client, &upstream}) {
        if (!socket || socket->state() == QAbstractSocket::UnconnectedState)
            continue;
        socket->disconnectFromHost();
        if (socket->state() != QAbstractSocket::UnconnectedState)
            socket->waitForDisconnected(1000);
    }
}
