#ifndef ZARN_HOST_OPENOCDCLIENT_H
#define ZARN_HOST_OPENOCDCLIENT_H

#include <zarn/host/zarnutilshost_export.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QTcpSocket;

/**
 * @file
 * A client of OpenOCD's Tcl RPC port, which runs Tcl commands and answers
 * their values.
 */

namespace ZARN {

/**
 * A connection to OpenOCD's Tcl RPC server that runs one command at a time
 * and waits for its reply.
 *
 * OpenOCD ends a command, and so its reply, with the byte 0x1a, and answers
 * only the command's value: an error comes back as its bare text. So each
 * command goes wrapped as
 * @code
 * set _r [catch {COMMAND} _v]; list $_r $_v
 * @endcode
 * and the reply, a Tcl list of Tcl's return code and the value, tells a
 * value from an error.
 *
 * Every call blocks until it is done or its time limit is up, and none
 * needs an event loop: the command-line tool runs none. A client belongs
 * to the thread that made it. Failures are results: nothing throws, and
 * nothing is logged.
 */
class ZARNUTILSHOST_EXPORT OpenOcdClient
{
public:
    /** What came of run(). */
    enum class Status {
        /** The command ran; Reply::value holds its value. */
        Ok,
        /** There was no connection: none was made, or close() or a failure ended it. */
        NotConnected,
        /**
         * The command cannot go wrapped: it holds the byte 0x1a, its braces
         * do not balance, or the wrapped line is longer than OpenOCD takes
         * (CommandLimit). Nothing was sent; the connection stays.
         */
        InvalidCommand,
        /** OpenOCD closed the connection before its reply ended. */
        Closed,
        /** The reply did not end within replyTimeout(); the connection is closed. */
        TimedOut,
        /** The reply grew beyond replyLimit(); reading stopped there and the connection is closed. */
        TooLarge,
        /** The reply was no list of a return code and a value; the connection stays. */
        Malformed,
        /** The command failed in OpenOCD; Reply::value holds the text OpenOCD gave. */
        TclError,
    };

    /** The outcome of run(): a value, or what went wrong. */
    struct Reply
    {
        /** What came of the command. */
        Status status = Status::NotConnected;
        /**
         * With Status::Ok, the command's value; with Status::TclError, the
         * error text OpenOCD gave, verbatim (empty where a command logs its
         * failure instead of answering it, as irscan before init does);
         * otherwise empty.
         */
        QString value;
        /** Unless Status::Ok, a sentence for the user that names OpenOCD's host:port; otherwise empty. */
        QString error;

        /** @return whether the command ran: status is Status::Ok. */
        bool ok() const { return status == Status::Ok; }
    };

    /** The port OpenOCD serves Tcl RPC on unless told otherwise. */
    static constexpr quint16 DefaultPort = 6666;
    /** The longest wrapped command, without its 0x1a, that OpenOCD takes: it drops longer lines unanswered. */
    static constexpr int CommandLimit = 4 * 1024 * 1024 - 2;
    /** The default replyLimit(): a reply to a command as long as OpenOCD takes, and room to spare. */
    static constexpr qint64 DefaultReplyLimit = 4 * 1024 * 1024 + 64 * 1024;
    /** The default replyTimeout(), in milliseconds. */
    static constexpr int DefaultReplyTimeout = 10000;

    /** A client that is not connected. */
    OpenOcdClient();
    /** Closes the connection, if any. */
    ~OpenOcdClient();

    OpenOcdClient(const OpenOcdClient &) = delete;
    OpenOcdClient &operator=(const OpenOcdClient &) = delete;

    /**
     * Connects to OpenOCD's Tcl RPC port, closing any connection first.
     * OpenOCD binds its services to loopback unless told otherwise, so the
     * host is usually "127.0.0.1" or "localhost".
     *
     * @param host a host name or address.
     * @param port the Tcl RPC port.
     * @param timeout the most milliseconds to wait for the connection, not
     *        counting a host name lookup, which the system bounds.
     * @param error receives, on failure, a sentence that names @p host and
     *        @p port and says whether the connection was refused, the host
     *        not found or the time up; may be null.
     * @return whether the client is connected.
     */
    bool connectToHost(const QString &host, quint16 port, int timeout, QString *error);
    /** @return whether the client is connected. */
    bool isConnected() const;
    /**
     * OpenOCD's address, as the messages name it.
     *
     * @return "host:port" of the last connectToHost(), "[host]:port" for an
     *         IPv6 address; empty before the first.
     */
    QString peerName() const;

    /** @return the most milliseconds run() waits for the whole of a reply. */
    int replyTimeout() const { return m_replyTimeout; }
    /**
     * Sets replyTimeout().
     *
     * @param milliseconds the time limit of each reply; a negative number sets none.
     */
    void setReplyTimeout(int milliseconds) { m_replyTimeout = milliseconds; }
    /** @return the most bytes a reply, its 0x1a included, may take; a longer one is refused unread. */
    qint64 replyLimit() const { return m_replyLimit; }
    /**
     * Sets replyLimit().
     *
     * @param bytes the most bytes a reply may take, its 0x1a included.
     */
    void setReplyLimit(qint64 bytes) { m_replyLimit = bytes; }

    /**
     * Runs one Tcl command, or several in one script ("list [drscan ...]
     * [drscan ...]" answers every scan in one round trip; splitList() takes
     * the answers apart), and waits at most replyTimeout() for its reply.
     *
     * @param command the Tcl script, without 0x1a.
     * @return its value, or what went wrong.
     */
    Reply run(const QString &command);
    /**
     * Tells OpenOCD to shut down and closes the connection. OpenOCD answers
     * shutdown with a code of its own and closes its end, or may go before
     * it answers: each counts as done.
     *
     * @param error receives, on failure, a sentence that names host:port;
     *        may be null.
     * @return whether OpenOCD took the command.
     */
    bool shutdownServer(QString *error);
    /** Closes the connection, if any; OpenOCD keeps running. */
    void close();

    /**
     * Splits a Tcl list into its elements, as Tcl reads one: elements are
     * parted by white space; a braced element keeps its text as it is,
     * nested braces and all; a quoted or bare one has its backslash
     * sequences replaced.
     *
     * @param list the list, such as the value of "list [drscan ...] [drscan ...]".
     * @param elements receives the elements; must not be null.
     * @return false, and @p elements unchanged, where braces or quotes do
     *         not close, or a closing one is followed by something other
     *         than white space.
     */
    static bool splitList(const QString &list, QStringList *elements);
    /**
     * The fields a drscan answered. OpenOCD 0.12.0 answers them as a Tcl
     * list, later versions one line each; this takes either, splitting on
     * any white space and dropping list braces.
     *
     * @param value the value of one drscan, or one element of a batch's.
     * @return each field's hexadecimal digits, without a prefix, as
     *         DrField::fromHex() takes them; empty for an empty value.
     */
    static QStringList drscanFields(const QString &value);

private:
    Reply exchange(const QString &command, int *code);
    Reply failure(Status status, const QString &error);
    Reply failAndClose(Status status, const QString &error);

    std::unique_ptr<QTcpSocket> m_socket;
    // What was read past the end of the last reply.
    QByteArray m_pending;
    QString m_peerName;
    int m_replyTimeout = DefaultReplyTimeout;
    qint64 m_replyLimit = DefaultReplyLimit;
};

} // namespace ZARN

#endif
