#include <zarn/host/openocdclient.h>

#include <QDeadlineTimer>
#include <QNetworkProxy>
#include <QTcpSocket>

namespace {

// OpenOCD ends each command with this byte, and each reply.
const char Terminator = '\x1a';

// Reading stops here until the reply has been looked at: whatever the limit,
// the socket holds no more than this beyond it.
const qint64 ReadChunk = 64 * 1024;

// OpenOCD's return code of shutdown, its ERROR_COMMAND_CLOSE_CONNECTION:
// done, and the connection is going.
const int ShutdownCode = -600;

bool isListSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')
        || c == QLatin1Char('\v') || c == QLatin1Char('\f');
}

// The value of up to @p most digits of base @p base at @p text[*at], moving
// *at past them; -1, and *at unmoved, where there is none.
int digits(const QString &text, qsizetype *at, int base, int most)
{
    int value = 0;
    int count = 0;
    for (; count < most && *at < text.size(); ++count, ++*at) {
        bool ok = false;
        const int digit = QString(text.at(*at)).toInt(&ok, base);
        if (!ok)
            break;
        value = value * base + digit;
    }
    return count ? value : -1;
}

// Appends what the backslash sequence at @p text[*at] stands for, as Tcl
// replaces it in a bare or quoted word, and moves *at past it.
void appendBackslash(const QString &text, qsizetype *at, QString *out)
{
    ++*at;
    if (*at == text.size()) {
        out->append(QLatin1Char('\\'));
        return;
    }
    const QChar c = text.at((*at)++);
    static const char simple[] = "a\ab\bf\fn\nr\rt\tv\v";
    for (const char *s = simple; *s; s += 2) {
        if (c == QLatin1Char(s[0])) {
            out->append(QLatin1Char(s[1]));
            return;
        }
    }
    int code = -1;
    if (c == QLatin1Char('x'))
        code = digits(text, at, 16, 2);
    else if (c == QLatin1Char('u'))
        code = digits(text, at, 16, 4);
    else if (c == QLatin1Char('U'))
        code = digits(text, at, 16, 8);
    else if (c >= QLatin1Char('0') && c <= QLatin1Char('7')) {
        --*at;
        code = digits(text, at, 8, 3);
    }
    if (code >= 0) {
        const char32_t point = char32_t(code);
        out->append(QString::fromUcs4(&point, 1));
    } else if (c == QLatin1Char('\n')) {
        // A backslash, the line break and the blanks after it are one space.
        while (*at < text.size() && (text.at(*at) == QLatin1Char(' ') || text.at(*at) == QLatin1Char('\t')))
            ++*at;
        out->append(QLatin1Char(' '));
    } else {
        // \x, \u or \U without digits is the letter alone, as is any other.
        out->append(c);
    }
}

// Whether @p script can go between the braces of catch {...}: no brace
// closes early, none stays open, and no backslash escapes the closing one.
// A backslash hides the character after it, as Tcl reads braces.
bool bracesBalance(const QByteArray &script)
{
    int depth = 0;
    for (qsizetype i = 0; i < script.size(); ++i) {
        if (script.at(i) == '\\') {
            if (++i == script.size())
                return false;
        } else if (script.at(i) == '{') {
            ++depth;
        } else if (script.at(i) == '}' && --depth < 0) {
            return false;
        }
    }
    return depth == 0;
}

} // namespace

namespace ZARN {

OpenOcdClient::OpenOcdClient()
    : m_socket(new QTcpSocket)
{
    // The services listen on loopback: no proxy an application sets for the
    // web may carry scans.
    m_socket->setProxy(QNetworkProxy::NoProxy);
    // Bounds what the socket takes in while a reply is being read; run()
    // bounds the rest.
    m_socket->setReadBufferSize(ReadChunk);
}

OpenOcdClient::~OpenOcdClient() = default;

bool OpenOcdClient::connectToHost(const QString &host, quint16 port, int timeout, QString *error)
{
    close();
    m_peerName = (host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host) + QLatin1Char(':')
        + QString::number(port);
    m_socket->connectToHost(host, port);
    if (m_socket->waitForConnected(timeout)) {
        // A command is one small write and waits for its reply: Nagle's
        // algorithm would only hold each back.
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        return true;
    }
    QString why;
    switch (m_socket->error()) {
    case QAbstractSocket::ConnectionRefusedError:
        why = QStringLiteral("connection refused (is OpenOCD running, with its Tcl port there?)");
        break;
    case QAbstractSocket::HostNotFoundError:
        why = QStringLiteral("host not found");
        break;
    case QAbstractSocket::SocketTimeoutError:
        why = QStringLiteral("no answer within %1 ms").arg(timeout);
        break;
    default:
        why = m_socket->errorString();
        break;
    }
    m_socket->abort();
    if (error)
        *error = QStringLiteral("cannot connect to OpenOCD at %1: %2").arg(m_peerName, why);
    return false;
}

bool OpenOcdClient::isConnected() const
{
    return m_socket->state() == QAbstractSocket::ConnectedState;
}

QString OpenOcdClient::peerName() const
{
    return m_peerName;
}

OpenOcdClient::Reply OpenOcdClient::run(const QString &command)
{
    int code = 0;
    return exchange(command, &code);
}

OpenOcdClient::Reply OpenOcdClient::exchange(const QString &command, int *code)
{
    const QString at = m_peerName.isEmpty() ? QStringLiteral("OpenOCD") : QLatin1String("OpenOCD at ") + m_peerName;
    const QByteArray script = command.toUtf8();
    if (script.contains(Terminator))
        return failure(Status::InvalidCommand, QStringLiteral("cannot send %1 a command that holds the byte 0x1a, which ends a command there").arg(at));
    if (!bracesBalance(script))
        return failure(Status::InvalidCommand, QStringLiteral("cannot send %1 a command whose braces do not balance").arg(at));
    const QByteArray line = "set _r [catch {" + script + "} _v]; list $_r $_v";
    if (line.size() > CommandLimit) {
        return failure(Status::InvalidCommand,
            QStringLiteral("cannot send %1 a command of %2 bytes: it takes lines of %3 bytes at most").arg(at, QString::number(line.size()), QString::number(CommandLimit)));
    }
    if (!isConnected())
        return failure(Status::NotConnected, QStringLiteral("not connected to %1").arg(at));

    const QDeadlineTimer deadline(m_replyTimeout);
    const QString late = QStringLiteral("%1 did not answer within %2 ms").arg(at, QString::number(m_replyTimeout));
    m_socket->write(line + Terminator);
    while (m_socket->bytesToWrite() > 0) {
        if (m_socket->waitForBytesWritten(int(deadline.remainingTime())))
            continue;
        if (m_socket->state() != QAbstractSocket::ConnectedState)
            return failAndClose(Status::Closed, QStringLiteral("%1 closed the connection before it answered").arg(at));
        return failAndClose(Status::TimedOut, late);
    }

    QByteArray reply;
    reply.swap(m_pending);
    for (;;) {
        const qsizetype end = reply.indexOf(Terminator);
        if (end >= 0 ? end + 1 > m_replyLimit : reply.size() >= m_replyLimit)
            return failAndClose(Status::TooLarge, QStringLiteral("%1 answered more than %2 bytes, the most this client takes").arg(at, QString::number(m_replyLimit)));
        if (end >= 0) {
            m_pending = reply.mid(end + 1);
            reply.truncate(end);
            break;
        }
        // Never more than the limit: a reply that does not end cannot grow
        // the buffer beyond it.
        if (m_socket->bytesAvailable() > 0) {
            reply += m_socket->read(m_replyLimit - reply.size());
            continue;
        }
        if (m_socket->state() != QAbstractSocket::ConnectedState) {
            return failAndClose(Status::Closed, reply.isEmpty() ? QStringLiteral("%1 closed the connection before it answered").arg(at)
                                                               : QStringLiteral("%1 closed the connection in the middle of its reply").arg(at));
        }
        if (deadline.hasExpired())
            return failAndClose(Status::TimedOut, reply.isEmpty() ? late : QStringLiteral("%1 did not end its reply within %2 ms").arg(at, QString::number(m_replyTimeout)));
        // Whatever stopped the wait, the checks above tell it on the next round.
        m_socket->waitForReadyRead(int(deadline.remainingTime()));
    }

    const QString text = QString::fromUtf8(reply);
    QStringList parts;
    bool numeric = false;
    if (splitList(text, &parts) && parts.size() == 2)
        *code = parts.first().toInt(&numeric);
    if (!numeric)
        return failure(Status::Malformed, QStringLiteral("%1 answered what is no Tcl RPC reply: \"%2\"").arg(at, text.left(80)));
    Reply result;
    result.value = parts.at(1);
    if (*code == 0) {
        result.status = Status::Ok;
        return result;
    }
    result.status = Status::TclError;
    if (*code != 1)
        result.error = QStringLiteral("%1 ended the command with Tcl return code %2").arg(at, QString::number(*code)) + (result.value.isEmpty() ? QString() : QLatin1String(": ") + result.value);
    else if (result.value.isEmpty())
        result.error = QStringLiteral("%1 failed the command without saying why (its log may)").arg(at);
    else
        result.error = at + QLatin1String(": ") + result.value;
    return result;
}

bool OpenOcdClient::shutdownServer(QString *error)
{
    int code = 0;
    const Reply reply = exchange(QStringLiteral("shutdown"), &code);
    close();
    if (reply.ok() || reply.status == Status::Closed || (reply.status == Status::TclError && code == ShutdownCode))
        return true;
    if (error)
        *error = reply.error;
    return false;
}

void OpenOcdClient::close()
{
    m_socket->abort();
    m_pending.clear();
}

OpenOcdClient::Reply OpenOcdClient::failure(Status status, const QString &error)
{
    Reply reply;
    reply.status = status;
    reply.error = error;
    return reply;
}

OpenOcdClient::Reply OpenOcdClient::failAndClose(Status status, const QString &error)
{
    // What is left of the reply would be taken for the next command's.
    close();
    return failure(status, error);
}

bool OpenOcdClient::splitList(const QString &list, QStringList *elements)
{
    QStringList read;
    qsizetype at = 0;
    for (;;) {
        while (at < list.size() && isListSpace(list.at(at)))
            ++at;
        if (at == list.size())
            break;
        QString element;
        const QChar first = list.at(at);
        if (first == QLatin1Char('{')) {
            int depth = 1;
            const qsizetype from = ++at;
            for (; at < list.size() && depth > 0; ++at) {
                if (list.at(at) == QLatin1Char('\\'))
                    ++at;
                else if (list.at(at) == QLatin1Char('{'))
                    ++depth;
                else if (list.at(at) == QLatin1Char('}'))
                    --depth;
            }
            if (depth > 0)
                return false;
            element = list.mid(from, at - 1 - from);
        } else if (first == QLatin1Char('"')) {
            ++at;
            while (at < list.size() && list.at(at) != QLatin1Char('"')) {
                if (list.at(at) == QLatin1Char('\\'))
                    appendBackslash(list, &at, &element);
                else
                    element.append(list.at(at++));
            }
            if (at++ == list.size())
                return false;
        } else {
            while (at < list.size() && !isListSpace(list.at(at))) {
                if (list.at(at) == QLatin1Char('\\'))
                    appendBackslash(list, &at, &element);
                else
                    element.append(list.at(at++));
            }
        }
        if (at < list.size() && !isListSpace(list.at(at)))
            return false;
        read.append(element);
    }
    *elements = read;
    return true;
}

QStringList OpenOcdClient::drscanFields(const QString &value)
{
    return QString(value).replace(QLatin1Char('{'), QLatin1Char(' ')).replace(QLatin1Char('}'), QLatin1Char(' ')).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace ZARN
