#include "worker.h"

#include <zarn/zarn.h>

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>

namespace {

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

double timeRuns(int runs, const std::function<void()> &operation)
{
    QVector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        operation();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    return median(times);
}

// The peak resident set of this process so far.
qint64 peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
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

Measurement measureRead(const QString &config, int runs)
{
    Measurement m;
    m.time = timeRuns(runs, [&] { qDeleteAll(ZARN::readZARNConfigFromXml(config)); });
    m.peakKiB = peakKiB();
    m.floor = timeRuns(runs, [&] {
        QDomDocument document;
        document.setContent(readAll(config));
    });
    m.bytes = QFileInfo(config).size();
    return m;
}

Measurement measureWrite(const QString &config, const QString &scratch, int runs)
{
    Measurement m;
    const QList<ZARN::ZarnCore *> cores = ZARN::readZARNConfigFromXml(config);
    const QString target = scratch + QLatin1String("/written.xml");
    m.time = timeRuns(runs, [&] { ZARN::writeZARNConfigToXml(cores, target); });
    m.peakKiB = peakKiB();
    m.floor = timeRuns(runs, [&] { bareWrite(cores, scratch + QLatin1String("/bare.xml")); });
    const QByteArray bytes = readAll(target);
    m.floor2 = timeRuns(runs, [&] { writeAll(scratch + QLatin1String("/plain.xml"), bytes); });
    m.bytes = bytes.size();
    qDeleteAll(cores);
    return m;
}

Measurement measureGenerate(const QString &config, const QString &analyzer, const QString &scratch, int runs)
{
    Measurement m;
    ZARN::ZarnArg arg;
    arg.configFile = config;
    arg.outputDir = scratch + QLatin1String("/generated");
    arg.ipRootDir = QStringLiteral("/opt/ip");
    arg.analyzerConfigFile = analyzer;
    arg.deviceKey = QStringLiteral("XQ2A-9");
    arg.deviceSubKey = QStringLiteral("QN48");
    m.time = timeRuns(runs, [&] { ZARN::ZarnPrepare().prepare(arg); });
    m.peakKiB = peakKiB();

    // The floor: the read, plus writing the very bytes the run wrote.
    QList<QPair<QString, QByteArray>> files;
    QDirIterator it(arg.outputDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.append({QDir(arg.outputDir).relativeFilePath(path), readAll(path)});
        m.bytes += files.constLast().second.size();
    }
    const double read = timeRuns(runs, [&] { qDeleteAll(ZARN::readZARNConfigFromXml(config)); });
    const QString floorDir = scratch + QLatin1String("/floor");
    const double write = timeRuns(runs, [&] {
        for (const auto &file : qAsConst(files)) {
            const QString path = floorDir + QLatin1Char('/') + file.first;
            QDir().mkpath(QFileInfo(path).absolutePath());
            writeAll(path, file.second);
        }
    });
    m.floor = read + write;
    return m;
}

} // namespace

int runWorker(const QString &test, const QString &config, const QString &analyzer, const QString &scratch, int runs)
{
    Measurement m;
    if (test == QLatin1String("read"))
        m = measureRead(config, runs);
    else if (test == QLatin1String("write"))
        m = measureWrite(config, scratch, runs);
    else if (test == QLatin1String("generate"))
        m = measureGenerate(config, analyzer, scratch, runs);
    else
        return 2;
    QTextStream(stdout) << "measurement " << m.time << ' ' << m.floor << ' ' << m.floor2 << ' ' << m.peakKiB << ' ' << m.bytes << '\n';
    return 0;
}

bool parseMeasurement(const QByteArray &line, Measurement *m)
{
    const QList<QByteArray> fields = line.trimmed().split(' ');
    if (fields.size() != 6 || fields.first() != "measurement")
        return false;
    m->time = fields.at(1).toDouble();
    m->floor = fields.at(2).toDouble();
    m->floor2 = fields.at(3).toDouble();
    m->peakKiB = fields.at(4).toLongLong();
    m->bytes = fields.at(5).toLongLong();
    return true;
}
