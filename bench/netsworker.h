#ifndef ZARN_BENCH_NETSWORKER_H
#define ZARN_BENCH_NETSWORKER_H

#include "worker.h"

#include <QString>
#include <QStringList>

/**
 * The commands of the nets test: Yosys's own elaboration of a design, as
 * the floor, and zarn's nets and lint --design, which run that elaboration
 * and read its netlist.
 */
struct NetsCommands
{
    QString yosys;
    QString zarn;
    QString dir;    ///< the working directory, holding the design and the configuration
    QString design; ///< file names in dir: Yosys's scripts split at blanks, so no paths
    QString config;
    QString top;

    /** Yosys's elaboration as zarn runs it, then @p more commands (none, or "write_json FILE", ...). */
    QStringList elaborate(const QString &more = QString()) const;
    /** zarn nets and lint --design; with @p cached, as they run by default (their answer from the cache). */
    QStringList nets(bool cached = false) const;
    QStringList lint(bool cached = false) const;
    /** zarn insert of the configuration into the directory "inserted", which each run replaces. */
    QStringList insert(bool cached = false) const;
};

/**
 * Runs zarn nets, lint and insert with --no-cache and from the cache, and
 * the floors, Yosys's elaboration alone and with write_json, in turn,
 * @p runs times, and prints the measurements of nets, lint, insert, and
 * of the three from the cache, one line each.  The runs are timed
 * by elapsed time or by the CPU time the children took; the peaks are
 * left to runPeakWorker().
 */
int runNetsWorker(const NetsCommands &commands, int runs, Clock clock);

/**
 * Runs @p command once in @p dir, its output into @p name.out and
 * @p name.err there, and prints "peak KIB EXIT": the peak resident set of
 * the command's processes, its own and those it waited for, and its exit
 * code.  A fresh process per command, since the kernel keeps only the
 * largest peak of all the children a process ever had.
 */
int runPeakWorker(const QString &dir, const QString &name, const QStringList &command);

#endif
