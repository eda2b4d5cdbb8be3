#include "yosysprocess.h"
#include "workdirectory.h"

#include <QElapsedTimer>
#include <QProcess>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace Design {

namespace {

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void noteStop(int signal)
{
    stopSignal = signal;
}

// SIGINT and SIGTERM noted rather than obeyed while the object lives.
class StopSignals
{
public:
    StopSignals()
    {
        struct sigaction action = {};
        action.sa_handler = noteStop;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_int);
        sigaction(SIGTERM, &action, &m_term);
    }
    ~StopSignals()
    {
        sigaction(SIGINT, &m_int, nullptr);
        sigaction(SIGTERM, &m_term, nullptr);
    }
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

private:
    struct sigaction m_int = {};
    struct sigaction m_term = {};
};

// Linux only: the child gets SIGKILL when its parent dies, so that a
// killed zarn leaves no Yosys running as an orphan.
void dieWithParent(pid_t parent)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(127);
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
class ChildProcess : public QProcess
{
public:
    explicit ChildProcess(pid_t parent)
        : m_parent(parent)
    {
    }

protected:
    void setupChildProcess() override { dieWithParent(m_parent); }

private:
    pid_t m_parent;
};
#else
class ChildProcess : public QProcess
{
public:
    explicit ChildProcess(pid_t parent)
    {
        setChildProcessModifier([parent] { dieWithParent(parent); });
    }
};
#endif

} // namespace

YosysRun runYosys(const QString &program, const QStringList &arguments, int seconds, WorkDirectory *work)
{
    YosysRun run;
    const StopSignals noted;
    stopSignal = 0;
    ChildProcess yosys(::getpid());
    yosys.setProcessChannelMode(QProcess::MergedChannels);
    yosys.start(program, arguments);
    if (!yosys.waitForStarted(-1))
        return run;
    QElapsedTimer clock;
    clock.start();
    // Short waits, so that a signal or the time limit is seen within a tenth of a second.
    while (!yosys.waitForFinished(100)) {
        if (yosys.state() == QProcess::NotRunning)
            break;
        if (stopSignal != 0) {
            const int signal = stopSignal;
            yosys.kill();
            yosys.waitForFinished(-1);
            work->remove();
            std::signal(signal, SIG_DFL);
            std::raise(signal);
            ::_exit(128 + signal);
        }
        if (seconds > 0 && clock.elapsed() > qint64(seconds) * 1000) {
            yosys.kill();
            yosys.waitForFinished(-1);
            run.outcome = YosysRun::TimedOut;
            run.output = yosys.readAll();
            return run;
        }
    }
    run.output = yosys.readAll();
    run.outcome = yosys.exitStatus() == QProcess::NormalExit ? YosysRun::Finished : YosysRun::Crashed;
    run.exitCode = yosys.exitCode();
    return run;
}

} // namespace Design
