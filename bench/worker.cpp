#include "worker.h"

#include <zarn/zarn.h>

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>

#include <time.h>
#include <unistd.h>

namespace {

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

double fastest(const QVector<double> &values)
{
    return values.isEmpty() ? 0 : *std::min_element(values.begin(), values.end());
}

// The times of the runs of an operation and of each of its floors.
struct RunTimes
{
    QVector<QVector<double>> series;

    double median(int i) const { return ::median(series.at(i)); }
    double fastest(int i) const { return ::fastest(series.at(i)); }
};

double now(Clock clock)
{
    timespec time{};
    clock_gettime(clock == Clock::Cpu ? CLOCK_PROCESS_CPUTIME_ID : CLOCK_MONOTONIC, &time);
    return time.tv_sec * 1e3 + time.tv_nsec / 1e6;
}

// Starts each run with no data waiting to be written back: the writeback
// of what an earlier run or the setup wrote would otherwise take the CPU
// from the run measured, the more so the larger the design.
double timed(Clock clock, const std::function<void()> &operation)
{
    sync();
    const double start = now(clock);
    operation();
    return now(clock) - start;
}

// A figure in KiB of /proc/self/status, such as the peak resident set
// ("VmHWM:", since the process started or since the last resetPeak()) or
// the present one ("VmRSS:").
qint64 statusKiB(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

qint64 peakKiB()
{
    return statusKiB("VmHWM:");
}

// Lets the next peakKiB() report the peak of what follows only (Linux 4.0
// and later); where that is refused, the peak keeps counting from the start.
void resetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

/**
 * Runs @p operation and @p floors in turn, @p runs times, and returns the
 * times: the operation's first, then each floor's.  The peak memory
 * is taken during the operation's first run, before any floor ran, and
 * @p held right before it.  What a run writes stays in the page cache; its
 * writeback is not timed.  @p setup, when given, runs before each run of
 * the operation, untimed.
 */
RunTimes timeRuns(int runs, Clock clock, const std::function<void()> &operation, const QVector<std::function<void()>> &floors, qint64 *peak,
                  qint64 *held = nullptr, const std::function<void()> &setup = {})
{
    QVector<QVector<double>> times(floors.size() + 1);
    for (int run = 0; run < runs; ++run) {
        if (setup)
            setup();
        if (run == 0) {
            resetPeak();
            if (held)
                *held = statusKiB("VmRSS:");
        }
        times[0].append(timed(clock, operation));
        if (run == 0)
            *peak = peakKiB();
        for (int f = 0; f < floors.size(); ++f)
            times[f + 1].append(timed(clock, floors.at(f)));
    }
    return {times};
}

void takeTimes(const RunTimes &times, Measurement *m)
{
    m->time = times.median(0);
    m->floor = times.median(1);
    m->floor2 = times.series.size() > 2 ? times.median(2) : 0;
    m->fastestTime = times.fastest(0);
    m->fastestFloor = times.fastest(1);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// The configuration document as the writer lays it out, from a bare
// streaming writer: the floor of any streaming writer of this format.
void bareWrite(const QList<ZARN::ZarnCore *> &cores, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("ZARN_CONFIG"));
    xml.writeTextElement(QStringLiteral("Version"), QStringLiteral("1.0"));
    const auto writeNet = [&xml](const ZARN::ProbeIn *probe) {
        const QList<ZARN::SignalItem> net = probe->getSignalNet();
        if (net.isEmpty())
            return;
        xml.writeStartElement(QStringLiteral("SignalList"));
        for (const ZARN::SignalItem &item : net) {
            if (item.bits.isEmpty()) {
                xml.writeTextElement(QStringLiteral("Signal"), item.name);
                continue;
            }
            xml.writeStartElement(QStringLiteral("Bus"));
            xml.writeAttribute(QStringLiteral("name"), item.name);
            for (const ZARN::SignalItem &bit : item.bits)
                xml.writeTextElement(QStringLiteral("Signal"), bit.name);
            xml.writeEndElement();
        }
        xml.writeEndElement();
    };
    for (ZARN::ZarnCore *core : cores) {
        xml.writeStartElement(QStringLiteral("ZarnCore"));
        xml.writeAttribute(QStringLiteral("index"), QString::number(core->getIndex()));
        xml.writeAttribute(QStringLiteral("module_name"), core->getModuleName());
        xml.writeAttribute(QStringLiteral("output_probe_synchronizes_with_user_clock"),
                           core->isOutProbeSynwithUserClock() ? QStringLiteral("true") : QStringLiteral("false"));
        xml.writeAttribute(QStringLiteral("user_clock_name"), core->getUserClockName());
        xml.writeStartElement(QStringLiteral("ProbeIns"));
        for (const ZARN::ProbeIn *probe : core->getAllProbeIns()) {
            xml.writeStartElement(QStringLiteral("ProbeIn"));
            xml.writeAttribute(QStringLiteral("index"), QString::number(probe->getIndex()));
            writeNet(probe);
            xml.writeEndElement();
        }
        xml.writeEndElement();
        xml.writeStartElement(QStringLiteral("ProbeOuts"));
        for (const ZARN::ProbeOut *probe : core->getAllProbeOuts()) {
            xml.writeStartElement(QStringLiteral("ProbeOut"));
            xml.writeAttribute(QStringLiteral("index"), QString::number(probe->getIndex()));
            xml.writeAttribute(QStringLiteral("value"), probe->getValue());
            writeNet(probe);
            xml.writeEndElement();
        }
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndDocument();
}

Measurement measureRead(const QString &config, int runs, Clock clock)
{
    Measurement m;
    const RunTimes times = timeRuns(
        runs, clock, [&] { qDeleteAll(ZARN::readZARNConfigFromXml(config)); },
        {[&] {
            QDomDocument document;
            document.setContent(readAll(config));
        }},
        &m.peakKiB);
    takeTimes(times, &m);
    m.bytes = QFileInfo(config).size();
    return m;
}

Measurement measureWrite(const QString &config, const QString &scratch, int runs, Clock clock)
{
    Measurement m;
    const QList<ZARN::ZarnCore *> cores = ZARN::readZARNConfigFromXml(config);
    const QString target = scratch + QLatin1String("/written.xml");
    const QString bare = scratch + QLatin1String("/bare.xml");
    // The physical floor writes the bytes of the writer's own first run.
    QByteArray bytes;
    const RunTimes times = timeRuns(
        runs, clock, [&] { ZARN::writeZARNConfigToXml(cores, target); },
        {[&] { bareWrite(cores, bare); },
         [&] {
             if (bytes.isEmpty())
                 bytes = readAll(target);
             writeAll(scratch + QLatin1String("/plain.xml"), bytes);
         }},
        &m.peakKiB);
    takeTimes(times, &m);
    m.bytes = bytes.size();
    // A floor that wrote another document would measure something else.
    if (readAll(bare) != bytes)
        QTextStream(stderr) << "zarn-bench: the bare stream writer's document differs from the writer's\n";
    qDeleteAll(cores);
    return m;
}

// The generation the generate and map tests run, into scratch/generated.
ZARN::ZarnArg generationArg(const QString &config, const QString &analyzer, const QString &scratch)
{
    ZARN::ZarnArg arg;
    arg.configFile = config;
    arg.outputDir = scratch + QLatin1String("/generated");
    arg.ipRootDir = QStringLiteral("/opt/ip");
    arg.analyzerConfigFile = analyzer;
    arg.deviceKey = QStringLiteral("XQ2A-9");
    arg.deviceSubKey = QStringLiteral("QN48");
    return arg;
}

Measurement measureGenerate(const QString &config, const QString &analyzer, const QString &scratch, int runs, Clock clock)
{
    Measurement m;
    const ZARN::ZarnArg arg = generationArg(config, analyzer, scratch);

    // The floor: everything the run must read (the configuration with the
    // library's reader, the analyzer file as a DOM), then replacing the
    // previous output with the very bytes the run wrote, directories and all.
    QList<QPair<QString, QByteArray>> files;
    const auto collectOutput = [&] {
        QDirIterator it(arg.outputDir, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files.append({QDir(arg.outputDir).relativeFilePath(path), readAll(path)});
            m.bytes += files.constLast().second.size();
        }
    };
    const QString floorDir = scratch + QLatin1String("/floor");
    const RunTimes times = timeRuns(
        runs, clock, [&] { ZARN::ZarnPrepare().prepare(arg); },
        {[&] {
            if (files.isEmpty())
                collectOutput();
            qDeleteAll(ZARN::readZARNConfigFromXml(config));
            if (!analyzer.isEmpty()) {
                // The analyzer library's own reader is not exported; its parse is.
                QDomDocument document;
                document.setContent(readAll(analyzer));
            }
            QDir(floorDir).removeRecursively();
            for (const auto &file : std::as_const(files)) {
                const QString path = floorDir + QLatin1Char('/') + file.first;
                QDir().mkpath(QFileInfo(path).absolutePath());
                writeAll(path, file.second);
            }
        }},
        &m.peakKiB);
    takeTimes(times, &m);
    return m;
}

/**
 * The probe map of the cores read from @p config, as zarn generate writes it
 * after the generation, which has read the cores already and taken the
 * inputs' digests beside it.  Each run writes
 * a new file, as zarn generate does into its fresh output: the previous
 * map, and the copy a floor writes, are removed first, untimed.  @p floors
 * are timed in turn with it.
 */
Measurement measureMapOf(const QString &config, const QString &analyzer, const QString &scratch, int runs, Clock clock,
                         const std::function<QVector<std::function<void()>>(const QString &map)> &floors)
{
    Measurement m;
    const QList<ZARN::ZarnCore *> cores = ZARN::readZARNConfigFromXml(config);
    const QString map = scratch + QLatin1String("/zarn_probes.json");
    // zarn generate takes the digests of the inputs on a thread of their own
    // while the generation runs: they are not the map's cost.
    const ZARN::ProbeMap header = ZARN::ProbeMap::fromCores({}, config, analyzer);
    QString error;
    const RunTimes times = timeRuns(
        runs, clock, [&] { error = ZARN::writeProbeMap(header, cores, map); }, floors(map), &m.peakKiB, &m.heldKiB,
        [&] {
            QFile::remove(map);
            QFile::remove(scratch + QLatin1String("/plain.json"));
        });
    takeTimes(times, &m);
    m.bytes = QFileInfo(map).size();
    if (!error.isEmpty())
        QTextStream(stderr) << "zarn-bench: " << map << ": " << error << '\n';
    qDeleteAll(cores);
    return m;
}

// The map against the generation it completes: what the map adds to zarn generate.
Measurement measureMap(const QString &config, const QString &analyzer, const QString &scratch, int runs, Clock clock)
{
    const ZARN::ZarnArg arg = generationArg(config, analyzer, scratch);
    return measureMapOf(config, analyzer, scratch, runs, clock, [&arg](const QString &) {
        return QVector<std::function<void()>>{[&arg] { ZARN::ZarnPrepare().prepare(arg); }};
    });
}

// The map of one core with very many output probes, against one QFile::write
// of its bytes: the physical floor, whose own growth from one size to the
// next shows what the machine adds to the map's.
Measurement measureMapProbes(const QString &config, const QString &scratch, int runs, Clock clock)
{
    QByteArray bytes;
    const QString plain = scratch + QLatin1String("/plain.json");
    return measureMapOf(config, QString(), scratch, runs, clock, [&bytes, plain](const QString &map) {
        return QVector<std::function<void()>>{[&bytes, plain, map] {
            if (bytes.isEmpty())
                bytes = readAll(map);
            writeAll(plain, bytes);
        }};
    });
}

} // namespace

int runWorker(const QString &test, const QString &config, const QString &analyzer, const QString &scratch, int runs, Clock clock)
{
    Measurement m;
    if (test == QLatin1String("read"))
        m = measureRead(config, runs, clock);
    else if (test == QLatin1String("write"))
        m = measureWrite(config, scratch, runs, clock);
    else if (test == QLatin1String("generate"))
        m = measureGenerate(config, analyzer, scratch, runs, clock);
    else if (test == QLatin1String("map"))
        m = measureMap(config, analyzer, scratch, runs, clock);
    else if (test == QLatin1String("map-probes"))
        m = measureMapProbes(config, scratch, runs, clock);
    else
        return 2;
    printMeasurement(m);
    return 0;
}

void printMeasurement(const Measurement &m)
{
    QTextStream(stdout) << "measurement " << m.time << ' ' << m.floor << ' ' << m.floor2 << ' ' << m.peakKiB << ' ' << m.bytes << ' ' << m.fastestTime << ' '
                        << m.fastestFloor << ' ' << m.heldKiB << '\n';
}

bool parseMeasurement(const QByteArray &line, Measurement *m)
{
    const QList<QByteArray> fields = line.trimmed().split(' ');
    if (fields.size() != 9 || fields.first() != "measurement")
        return false;
    m->time = fields.at(1).toDouble();
    m->floor = fields.at(2).toDouble();
    m->floor2 = fields.at(3).toDouble();
    m->peakKiB = fields.at(4).toLongLong();
    m->bytes = fields.at(5).toLongLong();
    m->fastestTime = fields.at(6).toDouble();
    m->fastestFloor = fields.at(7).toDouble();
    m->heldKiB = fields.at(8).toLongLong();
    return true;
}
