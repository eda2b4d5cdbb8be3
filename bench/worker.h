#ifndef ZARN_BENCH_WORKER_H
#define ZARN_BENCH_WORKER_H

#include <QString>

/** How a run is timed. */
enum class Clock {
    Wall, ///< elapsed time
    Cpu,  ///< user and system time of the process: steadier on a machine that other jobs load
};

/** What one measurement gives: times in milliseconds, medians unless named otherwise; peak RSS in KiB. */
struct Measurement
{
    double time = 0;
    double floor = 0;
    double floor2 = 0;  ///< the physical floor of the write: one QFile::write
    qint64 peakKiB = 0; ///< the peak of the process during the first run of the operation
    qint64 heldKiB = 0; ///< the resident set right before that run: what the worker holds already (the cores, for write and map)
    qint64 bytes = 0;   ///< the bytes the operation reads (read) or writes (write, generate, map)
    double fastestTime = 0;  ///< the operation's fastest run: the least disturbed by other work
    double fastestFloor = 0; ///< the floor's fastest run
};

/**
 * Runs one test ("read", "write", "generate", "map" or "map-probes") and its floors @p runs
 * times, alternating operation and floors so that a change in the machine's
 * load hits both alike, and prints the measurement as one line for the
 * coordinating process.  A fresh process per test keeps peak memory honest.
 */
int runWorker(const QString &test, const QString &config, const QString &analyzer, const QString &scratch, int runs, Clock clock);

/** Prints @p measurement as the one line the coordinating process parses. */
void printMeasurement(const Measurement &measurement);

/** Parses the line that printMeasurement() prints. */
bool parseMeasurement(const QByteArray &line, Measurement *measurement);

#endif
