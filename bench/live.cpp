#include "live.h"

#include "countingproxy.h"
#include "probedesign.h"
#include "toolrun.h"

#include <zarn/host/coreprotocol.h>
#include <zarn/host/openocdclient.h>
#include <zarn/host/probesession.h>
#include <zarn/probemap.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <functional>
#include <memory>

using ZARN::DrField;
using ZARN::ProbeSession;
namespace CoreProtocol = ZARN::CoreProtocol;

namespace {

const QString tap = QStringLiteral("zarn.tap");

// Operations counted through the proxies, after one that fills OpenOCD's
// and the cores' state as it stays: an operation leaves the TAP in
// Run-Test/Idle with ER1, so each costs the same as the one before.
constexpr int countedOperations = 4;
// A timed batch lasts at least this long.
constexpr double batchSeconds = 0.2;

void say(const QString &text)
{
    QTextStream(stderr) << "zarn-bench: " << text << '\n';
}

// Waits until @p pattern matches the text of @p log, which @p process
// writes, and gives its first capture; empty where the process ends or
// @p seconds pass first.
QString waitForLine(const QProcess &process, const QString &log, const QRegularExpression &pattern, int seconds)
{
    const QDeadlineTimer deadline(seconds * 1000);
    for (;;) {
        const QRegularExpressionMatch match = pattern.match(QString::fromUtf8(fileBytes(log)));
        if (match.hasMatch())
            return match.captured(1);
        if (process.state() == QProcess::NotRunning || deadline.hasExpired())
            return QString();
        QThread::msleep(20);
    }
}

// One twin and an OpenOCD on it, through a counting proxy or not; both
// end with it, OpenOCD told to shut down and the twin at the end of its
// connection.
class LiveRun
{
public:
    LiveRun(const QString &dir, const QString &name)
        : m_dir(dir)
        , m_name(name)
    {
    }
    ~LiveRun()
    {
        finish();
    }

    // Starts the twin and OpenOCD, with @p counting a proxy between the
    // two and another in front of OpenOCD's Tcl port, and opens a session
    // with the design of @p map, its waits of @p waitCycles (-1: the
    // library's). Empty, or why not.
    QString start(const LiveTools &tools, const QString &twin, bool counting, const ZARN::ProbeMap &map, int waitCycles)
    {
        m_twin.setStandardOutputFile(path(QStringLiteral("twin.out")));
        m_twin.setStandardErrorFile(path(QStringLiteral("twin.err")));
        m_twin.start(twin, {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--time-limit"), QStringLiteral("900")});
        const QString twinPort = waitForLine(m_twin, path(QStringLiteral("twin.out")),
                                             QRegularExpression(QStringLiteral("^listening on 127\\.0\\.0\\.1:(\\d+)$"), QRegularExpression::MultilineOption), 20);
        if (twinPort.isEmpty())
            return QStringLiteral("the twin %1 does not listen: %2").arg(twin, QString::fromUtf8(fileBytes(path(QStringLiteral("twin.err")))).trimmed());
        const quint16 bitbangPort = counting ? listenBefore(twinPort, &m_bitbangProxy) : quint16(twinPort.toUInt());
        if (bitbangPort == 0)
            return QStringLiteral("the proxy before the twin cannot listen");

        QProcess config;
        config.start(tools.zarn, {QStringLiteral("openocd-config"), QStringLiteral("--remote-bitbang"), QString::number(bitbangPort),
                                  QStringLiteral("--tcl-port"), QStringLiteral("0")});
        if (!config.waitForFinished(30000) || config.exitStatus() != QProcess::NormalExit || config.exitCode() != 0
            || !writeFile(path(QStringLiteral("openocd.cfg")), config.readAllStandardOutput()))
            return QStringLiteral("zarn openocd-config failed: %1").arg(QString::fromUtf8(config.readAllStandardError()).trimmed());
        m_openocd.setProcessChannelMode(QProcess::MergedChannels);
        m_openocd.setStandardOutputFile(path(QStringLiteral("openocd.log")));
        m_openocd.start(tools.openocd, {QStringLiteral("-f"), path(QStringLiteral("openocd.cfg"))});
        const QString tclPort =
            waitForLine(m_openocd, path(QStringLiteral("openocd.log")), QRegularExpression(QStringLiteral("Listening on port (\\d+) for tcl connections")), 30);
        if (tclPort.isEmpty()) {
            reportFailure(QStringLiteral("OpenOCD does not serve Tcl"), path(QStringLiteral("openocd.log")));
            return QStringLiteral("OpenOCD does not serve Tcl");
        }
        const quint16 clientPort = counting ? listenBefore(tclPort, &m_tclProxy) : quint16(tclPort.toUInt());
        if (clientPort == 0)
            return QStringLiteral("the proxy before OpenOCD cannot listen");
        QString error;
        if (!m_client.connectToHost(QStringLiteral("127.0.0.1"), clientPort, 5000, &error))
            return error;
        m_session.reset(new ProbeSession(&m_client, map, tap));
        if (waitCycles >= 0)
            m_session->setRetries(100, waitCycles);
        const ProbeSession::Result checked = m_session->checkDesign();
        return checked.ok() ? QString() : checked.error;
    }

    ZARN::OpenOcdClient &client() { return m_client; }
    ProbeSession &session() { return *m_session; }
    const CountingProxy *bitbang() const { return m_bitbangProxy.get(); }
    const CountingProxy *tcl() const { return m_tclProxy.get(); }
    // Until both proxies' counts hold all that went before.
    void settle() const
    {
        m_tclProxy->settle(30);
        m_bitbangProxy->settle(30);
    }

    // Ends OpenOCD, and with it the twin; the twin's last words: "ended: ...;
    // N pin writes, M reads in S s".
    QString finish()
    {
        if (m_twin.state() == QProcess::NotRunning && m_openocd.state() == QProcess::NotRunning)
            return m_twinEnd;
        if (m_client.isConnected())
            m_client.shutdownServer(nullptr);
        for (QProcess *process : {&m_openocd, &m_twin}) {
            if (process->state() != QProcess::NotRunning && !process->waitForFinished(10000)) {
                process->terminate();
                if (!process->waitForFinished(5000))
                    process->kill();
                process->waitForFinished(5000);
            }
        }
        // The proxies end with their connections.
        m_tclProxy.reset();
        m_bitbangProxy.reset();
        const QStringList lines = QString::fromUtf8(fileBytes(path(QStringLiteral("twin.err")))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        m_twinEnd = lines.isEmpty() ? QString() : lines.last();
        return m_twinEnd;
    }

private:
    // A proxy in front of @p port, in @p proxy: the port it listens on, 0 where it cannot.
    static quint16 listenBefore(const QString &port, std::unique_ptr<CountingProxy> *proxy)
    {
        proxy->reset(new CountingProxy(quint16(port.toUInt())));
        return (*proxy)->listen();
    }

    QString path(const QString &file) const { return QDir(m_dir).filePath(m_name + QLatin1Char('.') + file); }

    QString m_dir;
    QString m_name;
    QProcess m_twin;
    QProcess m_openocd;
    std::unique_ptr<CountingProxy> m_bitbangProxy;
    std::unique_ptr<CountingProxy> m_tclProxy;
    ZARN::OpenOcdClient m_client;
    std::unique_ptr<ProbeSession> m_session;
    QString m_twinEnd;
};

// One operation of a core through a session, and the data bits of the
// scans it needs at least.
struct Operation
{
    int position = 0;
    QString name;
    std::function<ProbeSession::Result(ProbeSession &)> run;
    QVector<int> scans;
};

int widthOf(const ZARN::ProbeMapCore &core, const QString &kind)
{
    int width = 0;
    for (const ZARN::ProbeMapProbe *probe : ProbeSession::probesOf(core, kind))
        width += probe->width;
    return width;
}

// A value of every output probe of @p core, another for each @p step.
QVector<DrField> pattern(const ZARN::ProbeMapCore &core, int step)
{
    QVector<DrField> values;
    for (const ZARN::ProbeMapProbe *probe : ProbeSession::probesOf(core, QStringLiteral("out"))) {
        DrField value(probe->width);
        for (int bit = 0; bit < probe->width; ++bit)
            value.setBit(bit, (bit + step) % 3 == 0);
        values.append(value);
    }
    return values;
}

// The operations of @p core: a coherent read of the inputs, a read of the
// outputs, a write of every output, and what zarn probe watch does for a
// core at each interval: a read of both, each probe's value taken apart
// into its nets and buses and kept for the next comparison.
QList<Operation> operationsOf(const ZARN::ProbeMapCore &core)
{
    const int position = core.position;
    const int inputs = widthOf(core, QStringLiteral("in"));
    const int outputs = widthOf(core, QStringLiteral("out"));
    // The scans the protocol needs: on a user clock a snapshot is asked for
    // before it is answered, and a write is seen to land in a later status.
    const QVector<int> ask = core.synchronised ? QVector<int>{CoreProtocol::statusBits} : QVector<int>();
    const QVector<int> landed = ask;
    const auto steps = std::make_shared<int>(0);
    const auto last = std::make_shared<QHash<QString, QString>>();
    return {
        {position, QStringLiteral("read"),
         [=](ProbeSession &session) {
             QVector<DrField> values;
             return session.read(position, &values, nullptr);
         },
         ask + QVector<int>{CoreProtocol::dataBits(CoreProtocol::Operation::ReadInputs, inputs, outputs)}},
        {position, QStringLiteral("read outputs"),
         [=](ProbeSession &session) {
             QVector<DrField> values;
             return session.readOutputs(position, &values);
         },
         {CoreProtocol::dataBits(CoreProtocol::Operation::ReadOutputs, inputs, outputs)}},
        {position, QStringLiteral("write"), [=, &core](ProbeSession &session) { return session.write(position, pattern(core, ++*steps)); },
         QVector<int>{CoreProtocol::dataBits(CoreProtocol::Operation::Write, inputs, outputs)} + landed},
        {position, QStringLiteral("watch step"),
         [=, &core](ProbeSession &session) {
             QVector<DrField> in, out;
             const ProbeSession::Result result = session.read(position, &in, &out);
             if (!result.ok())
                 return result;
             for (const QString &kind : {QStringLiteral("in"), QStringLiteral("out")}) {
                 const QVector<const ZARN::ProbeMapProbe *> probes = ProbeSession::probesOf(core, kind);
                 const QVector<DrField> &values = kind == QLatin1String("in") ? in : out;
                 for (int i = 0; i < probes.size(); ++i) {
                     for (const ZARN::ProbeField &field : ZARN::decodeProbe(*probes.at(i), values.at(i).toHex(), nullptr))
                         last->insert(kind + QString::number(probes.at(i)->index) + QLatin1Char('/') + field.name, field.binary);
                 }
             }
             return result;
         },
         ask + QVector<int>{CoreProtocol::dataBits(CoreProtocol::Operation::ReadInputs, inputs, outputs),
                            CoreProtocol::dataBits(CoreProtocol::Operation::ReadOutputs, inputs, outputs)}},
    };
}

QString failureOf(const ProbeSession::Result &result)
{
    return result.ok() ? QString() : result.error;
}

// The Tcl requests and TCK cycles of one call of @p call in the counting
// pass: the mean of countedOperations calls after a first, left out.
// Empty, or what failed.
QString countCalls(LiveRun &run, const std::function<QString()> &call, double *requests, double *cycles)
{
    qint64 requestsBefore = 0;
    qint64 cyclesBefore = 0;
    for (int i = 0; i <= countedOperations; ++i) {
        if (i == 1) {
            run.settle();
            requestsBefore = run.tcl()->terminators();
            cyclesBefore = run.bitbang()->tckCycles();
        }
        const QString failed = call();
        if (!failed.isEmpty())
            return failed;
    }
    run.settle();
    *requests = double(run.tcl()->terminators() - requestsBefore) / countedOperations;
    *cycles = double(run.bitbang()->tckCycles() - cyclesBefore) / countedOperations;
    return QString();
}

// The scans' own costs, from the counting pass: the IR scan's TCK cycles,
// TAP moves included, and a DR scan's beyond the bits it shifts.
struct ScanCosts
{
    double irScan = -1;
    double drMoves = -1;
};

QString calibrate(LiveRun &run, ScanCosts *costs)
{
    const auto command = [&run](const QString &tcl) {
        return [&run, tcl] {
            const ZARN::OpenOcdClient::Reply reply = run.client().run(tcl);
            return reply.ok() ? QString() : QStringLiteral("%1: %2").arg(tcl, reply.error.isEmpty() ? reply.value : reply.error);
        };
    };
    double requests = 0;
    double status = 0;
    QString error = countCalls(run, command(QStringLiteral("irscan %1 %2").arg(tap).arg(CoreProtocol::er1)), &requests, &costs->irScan);
    if (error.isEmpty())
        error = countCalls(run, command(CoreProtocol::drscan(tap, CoreProtocol::header(CoreProtocol::Operation::Status, 0), DrField(CoreProtocol::statusBits))),
                           &requests, &status);
    costs->drMoves = status - CoreProtocol::headerBits - CoreProtocol::statusBits;
    return error;
}

// The timed pass: each operation's batch sized from two runs of it, then
// @p runs rounds of a batch of each in turn, so that a change in the
// machine's load hits all alike; the median rate of each into @p rows.
// Empty, or what failed.
QString timeOperations(ProbeSession &session, const QList<Operation> &operations, int runs, QList<LiveRow> *rows)
{
    QVector<int> batches;
    QElapsedTimer clock;
    for (const Operation &operation : operations) {
        clock.start();
        for (int i = 0; i < 2; ++i) {
            const QString failed = failureOf(operation.run(session));
            if (!failed.isEmpty())
                return QStringLiteral("core %1, %2: %3").arg(operation.position).arg(operation.name, failed);
        }
        batches.append(qMax(1, int(batchSeconds / qMax(clock.nsecsElapsed() / 1e9 / 2, 1e-6))));
    }
    QVector<QVector<double>> rates(operations.size());
    for (int r = 0; r < runs; ++r) {
        for (int o = 0; o < operations.size(); ++o) {
            clock.start();
            for (int i = 0; i < batches.at(o); ++i) {
                const QString failed = failureOf(operations.at(o).run(session));
                if (!failed.isEmpty())
                    return QStringLiteral("core %1, %2: %3").arg(operations.at(o).position).arg(operations.at(o).name, failed);
            }
            rates[o].append(batches.at(o) / (clock.nsecsElapsed() / 1e9));
        }
    }
    for (int o = 0; o < operations.size(); ++o) {
        std::sort(rates[o].begin(), rates[o].end());
        (*rows)[o].perSecond = rates.at(o).at(rates.at(o).size() / 2);
    }
    return QString();
}

// The design of two cores of @p bits each way generated and its twin built,
// into @p map and @p twin; false where a step failed, having said why.
bool buildTwin(const LiveTools &tools, int bits, const QString &ipRoot, const QString &dir, ZARN::ProbeMap *map, QString *twin, QStringList *notes)
{
    const QString label = QStringLiteral("%1 in + %1 out").arg(bits);
    GeneratedDesign design;
    if (!generateProbeDesign(tools.zarn, {{bits, bits, true}, {bits, bits, false}}, ipRoot, dir, label, &design).isEmpty())
        return false;
    QStringList fileList;
    for (const QString &include : std::as_const(design.includeDirectories))
        fileList.append(QLatin1String("+incdir+") + include);
    fileList.append(design.sources);
    const QDir at(dir);
    if (!writeFile(at.filePath(QStringLiteral("twin.f")), fileList.join(QLatin1Char('\n')).toUtf8() + '\n')) {
        say(QStringLiteral("cannot write %1").arg(at.filePath(QStringLiteral("twin.f"))));
        return false;
    }
    double seconds = 0;
    if (runTool(dir, tools.zarn,
                {QStringLiteral("sim"), QStringLiteral("--filelist"), QStringLiteral("twin.f"), QStringLiteral("--top"), QStringLiteral("bench_top"),
                 QStringLiteral("--clock"), QStringLiteral("clk:1"), QStringLiteral("--out"), QStringLiteral("twin")},
                QStringLiteral("sim.log"), &seconds)
        != 0) {
        reportFailure(QStringLiteral("zarn sim failed for %1").arg(label), at.filePath(QStringLiteral("sim.log")));
        return false;
    }
    notes->append(QStringLiteral("live %1: zarn sim built the twin in %2 s").arg(label).arg(seconds, 0, 'f', 1));
    *twin = at.absoluteFilePath(QStringLiteral("twin/bench_top_twin"));
    QString error;
    if (!ZARN::ProbeMap::read(design.probeMap, map, &error)) {
        say(QStringLiteral("%1: %2").arg(design.probeMap, error));
        return false;
    }
    return true;
}

// Every operation of both cores of one design, counted and then timed.
void measureDesign(const LiveTools &tools, int bits, const QString &twin, const ZARN::ProbeMap &map, const QString &dir, int runs, int waitCycles,
                   QList<LiveRow> *rows, QStringList *notes)
{
    const QString label = QStringLiteral("%1 in + %1 out").arg(bits);
    QList<Operation> operations;
    QList<LiveRow> mine;
    for (const ZARN::ProbeMapCore &core : map.cores) {
        for (const Operation &operation : operationsOf(core)) {
            LiveRow row;
            row.bits = bits;
            row.userClock = core.synchronised;
            row.operation = operation.name;
            for (const int data : operation.scans)
                row.floorBits += CoreProtocol::headerBits + data;
            operations.append(operation);
            mine.append(row);
        }
    }
    const auto fail = [&](const QString &error) {
        say(QStringLiteral("live %1: %2").arg(label, error));
        for (LiveRow &row : mine) {
            if (row.result.isEmpty())
                row.result = QStringLiteral("failed");
        }
        rows->append(mine);
    };

    // The counts first, through the proxies, and a check that the
    // operations do what they say: what a write wrote is read back.
    {
        LiveRun counting(dir, QStringLiteral("counting"));
        QString error = counting.start(tools, twin, true, map, waitCycles);
        if (!error.isEmpty())
            return fail(error);
        ProbeSession &session = counting.session();
        ScanCosts costs;
        error = calibrate(counting, &costs);
        if (!error.isEmpty())
            return fail(error);
        notes->append(QStringLiteral("live %1: OpenOCD's irscan takes %2 TCK cycles, a drscan %3 beyond its bits")
                          .arg(label)
                          .arg(costs.irScan, 0, 'f', 1)
                          .arg(costs.drMoves, 0, 'f', 1));
        for (int o = 0; o < operations.size(); ++o) {
            LiveRow &row = mine[o];
            row.tckLimit = row.floorBits + int(operations.at(o).scans.size()) * int(costs.drMoves) + int(costs.irScan);
            const QString failed = countCalls(
                counting, [&] { return failureOf(operations.at(o).run(session)); }, &row.rpcs, &row.tckCycles);
            if (!failed.isEmpty())
                return fail(QStringLiteral("core %1, %2: %3").arg(operations.at(o).position).arg(operations.at(o).name, failed));
        }
        for (const ZARN::ProbeMapCore &core : map.cores) {
            const QVector<DrField> written = pattern(core, 7);
            QVector<DrField> read;
            if (!session.write(core.position, written).ok() || !session.readOutputs(core.position, &read).ok() || read != written)
                return fail(QStringLiteral("core %1 reads back other outputs than those written").arg(core.position));
        }
        // The proxy must have seen every pin write the twin did.
        const qint64 proxied = counting.bitbang()->pinWrites();
        const QString end = counting.finish();
        const QRegularExpressionMatch twinWrites = QRegularExpression(QStringLiteral("; (\\d+) pin writes")).match(end);
        notes->append(QStringLiteral("live %1: the proxy counted %2 pin writes, the twin %3: %4")
                          .arg(label)
                          .arg(proxied)
                          .arg(twinWrites.hasMatch() ? twinWrites.captured(1) : QStringLiteral("?"),
                               twinWrites.hasMatch() && twinWrites.captured(1).toLongLong() == proxied
                                   ? QStringLiteral("the same")
                                   : QStringLiteral("they differ, the TCK counts are not to be trusted (the twin said: %1)").arg(end)));
    }

    // The rates, OpenOCD straight on the twin and the client on OpenOCD.
    LiveRun direct(dir, QStringLiteral("direct"));
    QString error = direct.start(tools, twin, false, map, waitCycles);
    if (error.isEmpty())
        error = timeOperations(direct.session(), operations, runs, &mine);
    if (!error.isEmpty())
        return fail(error);
    for (LiveRow &row : mine)
        row.result = QStringLiteral("ok");
    rows->append(mine);
}

} // namespace

bool liveAvailable()
{
    return true;
}

bool measureLive(const LiveTools &tools, const QList<int> &sizes, const QString &dir, int runs, int waitCycles, QList<LiveRow> *rows, QStringList *notes)
{
    const QString ipRoot = writeOpenIp(tools.zarn, dir);
    if (ipRoot.isEmpty())
        return false;
    for (const int bits : sizes) {
        const QString designDir = QDir(dir).filePath(QString::number(bits));
        ZARN::ProbeMap map;
        QString twin;
        if (!buildTwin(tools, bits, ipRoot, designDir, &map, &twin, notes)) {
            notes->append(QStringLiteral("live %1 in + %1 out: no twin, not measured").arg(bits));
            continue;
        }
        measureDesign(tools, bits, twin, map, designDir, runs, waitCycles, rows, notes);
    }
    return true;
}
