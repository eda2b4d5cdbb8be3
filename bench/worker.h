#ifndef ZARN_BENCH_WORKER_H
#define ZARN_BENCH_WORKER_H

#include <QString>

/** What one measurement gives: medians in milliseconds, peak RSS in KiB. */
struct Measurement
{
    double time = 0;
    double floor = 0;
    double floor2 = 0; ///< the physical floor of the write: one QFile::write
    qint64 peakKiB = 0;
    qint64 bytes = 0; ///< the bytes the operation reads or writes
};

/**
 * Runs one test ("read", "write" or "generate") @p runs times in this
 * process, then its floor, and prints the measurement as one line for the
 * coordinating process.  A fresh process per test keeps peak memory honest.
 */
int runWorker(const QString &test, const QString &config, const QString &analyzer, const QString &scratch, int runs);

/** Parses the line that runWorker prints. */
bool parseMeasurement(const QByteArray &line, Measurement *measurement);

#endif
