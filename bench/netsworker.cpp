#include "netsworker.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>
#include <QVector>

#include <algorithm>

#include <sys/resource.h>
#include <unistd.h>

QStringList NetsCommands::elaborate(const QString &more) const
{
    QString script = QStringLiteral("read_verilog -sv -defer %1; hierarchy -check -top %2; proc; flatten").arg(design, top);
    if (!more.isEmpty())
        script += QStringLiteral("; ") + more;
    return {yosys, QStringLiteral("-q"), QStringLiteral("-p"), script};
}

QStringList NetsCommands::nets(bool cached) const
{
    QStringList command{zarn, QStringLiteral("nets"), QStringLiteral("--design"), design, QStringLiteral("--top"), top};
    return cached ? command : command << QStringLiteral("--no-cache");
}

QStringList NetsCommands::lint(bool cached) const
{
    QStringList command{zarn, QStringLiteral("lint"), config, QStringLiteral("--design"), design, QStringLiteral("--top"), top};
    return cached ? command : command << QStringLiteral("--no-cache");
}

QStringList NetsCommands::insert(bool cached) const
{
    QStringList command{zarn,   QStringLiteral("insert"), QStringLiteral("--config"), config, QStringLiteral("--out"), QStringLiteral("inserted"),
                        QStringLiteral("--design"), design, QStringLiteral("--top"), top};
    return cached ? command : command << QStringLiteral("--no-cache");
}

namespace {

// User and system time of the children waited for so far, in milliseconds.
double childrenCpu()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Starts @p command in @p dir, its standard output into @p output (or
// discarded, where empty), its standard error into @p errors.
void start(QProcess &process, const QString &dir, const QStringList &command, const QString &output, const QString &errors)
{
    process.setWorkingDirectory(dir);
    process.setStandardOutputFile(output.isEmpty() ? QProcess::nullDevice() : output);
    process.setStandardErrorFile(errors);
    process.start(command.first(), command.mid(1));
}

bool succeeded(const QProcess &process)
{
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// One run of @p command, timed; a negative time where it failed, after
// saying so.
double timedRun(const QString &dir, const QStringList &command, Clock clock)
{
    // As in the other tests: no writeback of an earlier run's files
    // (Yosys's netlists) may take the CPU from this one.
    sync();
    const QString errors = dir + QLatin1String("/stderr.txt");
    QProcess process;
    const double cpu = childrenCpu();
    QElapsedTimer timer;
    timer.start();
    start(process, dir, command, QString(), errors);
    const bool finished = process.waitForFinished(-1);
    const double elapsed = timer.nsecsElapsed() / 1e6;
    if (!finished || !succeeded(process)) {
        QTextStream(stderr) << "zarn-bench: " << command.join(QLatin1Char(' ')) << " failed: " << process.errorString() << '\n' << fileText(errors);
        return -1;
    }
    return clock == Clock::Cpu ? childrenCpu() - cpu : elapsed;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

double fastest(const QVector<double> &values)
{
    return *std::min_element(values.begin(), values.end());
}

} // namespace

int runNetsWorker(const NetsCommands &commands, int runs, Clock clock)
{
    const QString json = QStringLiteral("design.json");
    const QList<QStringList> sequence{commands.nets(),     commands.lint(),     commands.insert(),    commands.elaborate(), commands.elaborate(QStringLiteral("write_json ") + json),
                                      commands.nets(true), commands.lint(true), commands.insert(true)};
    const int elaboration = 3;
    const int withJson = 4;
    QVector<QVector<double>> times(sequence.size());
    for (int run = 0; run < runs; ++run) {
        for (int i = 0; i < sequence.size(); ++i) {
            const double time = timedRun(commands.dir, sequence.at(i), clock);
            if (time < 0)
                return 1;
            times[i].append(time);
        }
    }
    // Each operation against the same floors: elaboration, and
    // elaboration with the netlist written out, which zarn reads.
    for (const int operation : {0, 1, 2, 5, 6, 7}) {
        Measurement m;
        m.time = median(times.at(operation));
        m.floor = median(times.at(elaboration));
        m.floor2 = median(times.at(withJson));
        m.fastestTime = fastest(times.at(operation));
        m.fastestFloor = fastest(times.at(elaboration));
        m.bytes = QFileInfo(commands.dir + QLatin1Char('/') + json).size();
        printMeasurement(m);
    }
    return 0;
}

int runPeakWorker(const QString &dir, const QString &name, const QStringList &command)
{
    if (command.isEmpty() || name.isEmpty())
        return 2;
    const QString errors = dir + QLatin1Char('/') + name + QLatin1String(".err");
    QProcess process;
    start(process, dir, command, dir + QLatin1Char('/') + name + QLatin1String(".out"), errors);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit) {
        QTextStream(stderr) << "zarn-bench: " << command.join(QLatin1Char(' ')) << " failed: " << process.errorString() << '\n' << fileText(errors);
        return 1;
    }
    // Linux gives the peak in KiB.
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    QTextStream(stdout) << "peak " << usage.ru_maxrss << ' ' << process.exitCode() << '\n';
    return 0;
}
