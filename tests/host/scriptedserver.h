// A stand-in for OpenOCD's Tcl RPC port in a thread of the test, answering
// as a script says: what the host library's tests connect to.

#ifndef ZARN_TESTS_HOST_SCRIPTEDSERVER_H
#define ZARN_TESTS_HOST_SCRIPTEDSERVER_H

#include <QRegularExpression>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <memory>

namespace {

// Long enough for anything on a loaded machine; only rows that test a time
// limit set a short one.
const int Patience = 30000;

// ^Z as 0x1a, <fill N> as N x's, <fill N C> as N C's.
QString expand(QString text)
{
    static const QRegularExpression fill(QStringLiteral("<fill (\\d+)(?: (.))?>"));
    for (QRegularExpressionMatch match; (match = fill.match(text)).hasMatch();)
        text.replace(match.capturedStart(), match.capturedLength(),
                     QString(match.captured(1).toInt(), match.captured(2).isEmpty() ? QLatin1Char('x') : match.captured(2).at(0)));
    return text.replace(QLatin1String("^Z"), QLatin1String("\x1a"));
}

// A server of one connection in a thread of its own: it reads a command, up
// to its 0x1a, then plays its script (see tests/data/host/openocdreplies.txt)
// and, unless the script closes it, keeps the connection until the client
// closes it.
class ScriptedServer : public QThread
{
public:
    explicit ScriptedServer(const QString &script)
        : m_script(expand(script))
    {
        start();
        m_listening.acquire();
    }
    ~ScriptedServer() override { wait(); }

    quint16 port() const { return m_port; }
    // What the client sent, once it has closed.
    QByteArray received()
    {
        wait();
        return m_received;
    }

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost);
        m_port = server.serverPort();
        m_listening.release();
        if (!server.waitForNewConnection(Patience))
            return;
        const std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
        while (!m_received.contains('\x1a') && socket->waitForReadyRead(Patience))
            m_received += socket->readAll();
        if (m_received.contains('\x1a') && play(socket.get()))
            socket->waitForDisconnected(Patience);
    }

private:
    // Whether the connection is left open.
    bool play(QTcpSocket *socket)
    {
        static const QRegularExpression step(QStringLiteral("<(\\d+|close|flood)>"));
        qsizetype from = 0;
        for (QRegularExpressionMatchIterator steps = step.globalMatch(m_script);;) {
            const QRegularExpressionMatch match = steps.hasNext() ? steps.next() : QRegularExpressionMatch();
            socket->write(m_script.mid(from, (match.hasMatch() ? match.capturedStart() : m_script.size()) - from).toUtf8());
            while (socket->bytesToWrite() > 0 && socket->waitForBytesWritten(Patience)) {
            }
            if (!match.hasMatch())
                return true;
            from = match.capturedEnd();
            if (match.captured(1) == QLatin1String("close")) {
                socket->close();
                return false;
            }
            if (match.captured(1) == QLatin1String("flood")) {
                // Until the client stops reading and gives up: one that read
                // on would time out instead.
                const QByteArray block(64 * 1024, 'x');
                while (socket->write(block) > 0 && socket->waitForBytesWritten(Patience)) {
                }
                return false;
            }
            QThread::msleep(match.captured(1).toULong());
        }
    }

    const QString m_script;
    QSemaphore m_listening;
    quint16 m_port = 0;
    QByteArray m_received;
};

} // namespace

#endif
