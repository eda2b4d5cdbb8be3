#ifndef ZARN_BENCH_LIVE_H
#define ZARN_BENCH_LIVE_H

#include <QList>
#include <QString>
#include <QStringList>

/** What one operation on one core gave; a figure of -1 where it was not measured. */
struct LiveRow
{
    int bits = 0;            ///< the core's input bits, and its output bits
    bool userClock = false;  ///< the core synchronises with the user clock (at one user-clock cycle per TCK cycle)
    QString operation;       ///< "read", "read outputs", "write" or "watch step"
    double perSecond = -1;   ///< operations a second, the median of the timed batches
    double rpcs = -1;        ///< Tcl requests an operation
    double tckCycles = -1;   ///< TCK cycles an operation
    int floorBits = 0;       ///< the header and data bits of the scans the operation needs at least
    int tckLimit = 0;        ///< the goal: the floor, each scan's TAP moves and the IR scan
    QString result;          ///< "ok", or what failed
};

/** The programs the live test runs. */
struct LiveTools
{
    QString zarn;
    QString openocd;
    QString verilator;
};

/**
 * For each of @p sizes: generates a design of two cores of that many input
 * and output bits (at position 0 one synchronised with the user clock clk,
 * at 1 one without) in a directory of its own under @p dir, builds its twin
 * with zarn sim (clk at one cycle per TCK cycle), and drives the cores'
 * probes through OpenOCD with ProbeSession: once through counting proxies
 * for the Tcl requests and TCK cycles of each operation, once directly for
 * operations a second, in @p runs timed batches.
 *
 * @param waitCycles the TCK cycles a session gives a core in Run-Test/Idle
 *        before each look where its user clock makes it wait
 *        (ProbeSession::setRetries(), 100 looks); -1 keeps the library's.
 * @param notes receives what the run says beside the table: the calibration
 *        of the scans, the twins' build times, the counts' check against the
 *        twin's own.
 * @return false only where the open cores cannot be written at all.
 */
bool measureLive(const LiveTools &tools, const QList<int> &sizes, const QString &dir, int runs, int waitCycles, QList<LiveRow> *rows,
                 QStringList *notes);

/** The table of @p rows, a header line first. */
QStringList liveTable(const QList<LiveRow> &rows);

/** The same as CSV, a header line first. */
QStringList liveCsv(const QList<LiveRow> &rows);

/** How @p rows compare with the goals: one RPC an operation, TCK cycles at most the floor and the IR scan. */
QStringList liveGoals(const QList<LiveRow> &rows);

/** Whether this zarn-bench measures the live host: false where it was built without ZarnUtilsHost. */
bool liveAvailable();

#endif
