#ifndef ZARN_TOOL_DESIGN_YOSYSPROCESS_H
#define ZARN_TOOL_DESIGN_YOSYSPROCESS_H

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Design {

class WorkDirectory;

/** How a run of Yosys ended. */
struct YosysRun
{
    enum Outcome {
        Finished, ///< exited by itself: see exitCode
        Crashed,  ///< killed by a signal of its own (a crash, or someone else's kill)
        TimedOut, ///< ran past its time limit and was stopped
        NotStarted,
    };
    Outcome outcome = NotStarted;
    int exitCode = -1;
    QByteArray output; ///< standard output and error, merged
};

/**
 * Runs @p program with @p arguments in the current directory for at most
 * @p seconds.  Yosys dies with zarn, however zarn dies.  SIGINT and SIGTERM
 * that arrive meanwhile stop Yosys, remove @p work and end zarn by the same
 * signal, as if it had been delivered at once.
 */
YosysRun runYosys(const QString &program, const QStringList &arguments, int seconds, WorkDirectory *work);

} // namespace Design

#endif
