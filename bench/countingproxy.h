#ifndef ZARN_BENCH_COUNTINGPROXY_H
#define ZARN_BENCH_COUNTINGPROXY_H

#include <QSemaphore>
#include <QThread>

#include <atomic>

/**
 * A TCP proxy on 127.0.0.1, in a thread of its own, between one client and
 * a server on another port of 127.0.0.1, that counts what the client sends:
 * the commands of OpenOCD's Tcl RPC, each ended by 0x1a, and the pin writes
 * of its remote_bitbang ('0' to '7', bit 2 TCK) with TCK's rising edges.
 * Neither end is changed or told: the counts are what went over the wire.
 *
 * It serves one connection; when either end closes, it closes the other.
 */
class CountingProxy : public QThread
{
public:
    explicit CountingProxy(quint16 serverPort);
    /** Stops the thread, closing both connections. */
    ~CountingProxy() override;

    /**
     * Starts the thread and listens.
     *
     * @return the port the client connects to; 0 where it cannot listen.
     */
    quint16 listen();

    /** @return the 0x1a bytes the client sent: its Tcl commands. */
    qint64 terminators() const { return m_terminators; }
    /** @return the remote_bitbang pin writes the client sent. */
    qint64 pinWrites() const { return m_pinWrites; }
    /** @return the pin writes that raised TCK: TCK cycles. */
    qint64 tckCycles() const { return m_tckCycles; }

    /**
     * Waits until no byte has passed either way for @p quietMs, so that the
     * counts hold what the client sent before the call; at most a hundred
     * times that.
     */
    void settle(int quietMs) const;

protected:
    void run() override;

private:
    void count(const QByteArray &bytes);

    quint16 m_serverPort;
    quint16 m_port = 0;
    QSemaphore m_listening;
    bool m_tck = false; // the proxy thread's alone
    std::atomic<qint64> m_terminators{0};
    std::atomic<qint64> m_pinWrites{0};
    std::atomic<qint64> m_tckCycles{0};
    std::atomic<qint64> m_bytes{0}; // either way: what settle() watches
};

#endif
