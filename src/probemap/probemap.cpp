#include "external/qelutils.h"
#include "generate/escapeidentifier.h"
#include "generate/topmodulebuilder.h"

#include <zarn/probemap.h>
#include <zarn/zarncore.h>

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>

namespace ZARN {

namespace {

// The digest of a file's bytes, read a piece at a time; empty when it cannot be read.
QString sha256(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}

ProbeMapProbe probeEntry(const char *kind, int index, const QList<SignalItem> &signalNet)
{
    ProbeMapProbe probe;
    probe.kind = QLatin1String(kind);
    probe.index = index;
    int width = 0;
    for (const SignalItem &item : signalNet)
        width += item.bits.isEmpty() ? 1 : item.bits.size();
    probe.width = width;
    if (width > 0)
        probe.port = QStringLiteral("probe_%1%2").arg(probe.kind).arg(index);
    // The first net is the most significant bit; a bus takes its bits in a row.
    static const QRegularExpression range(QStringLiteral("^(.*)\\[(-?\\d+):(-?\\d+)\\]$"));
    int bit = width;
    const auto addNet = [&probe, &bit](const QString &name) {
        probe.nets.append({--bit, name, name.isEmpty() ? QString() : escapeIdentifier(name)});
    };
    for (const SignalItem &item : signalNet) {
        if (item.bits.isEmpty()) {
            addNet(item.name);
            continue;
        }
        ProbeMapBus bus;
        const QRegularExpressionMatch match = range.match(item.name);
        const int msb = match.captured(2).toInt();
        const int lsb = match.captured(3).toInt();
        if (match.hasMatch() && std::abs(msb - lsb) + 1 == item.bits.size())
            bus = {match.captured(1), msb, lsb, {}};
        else
            bus = {item.name, int(item.bits.size()) - 1, 0, {}};
        for (const SignalItem &busBit : item.bits) {
            bus.bits.append(bit - 1);
            addNet(busBit.name);
        }
        probe.buses.append(bus);
    }
    return probe;
}

} // namespace

ProbeMapCore ProbeMap::coreEntry(const ZarnCore *core, int position)
{
    ProbeMapCore entry;
    entry.position = position;
    entry.index = core->getIndex();
    entry.moduleName = const_cast<ZarnCore *>(core)->getModuleName();
    entry.instance = QStringLiteral("u_zarn%1_top").arg(position);
    entry.module = QStringLiteral("xq_zarn_top_%1").arg(position);
    entry.synchronised = core->isOutProbeSynwithUserClock();
    entry.clock = core->getUserClockName();
    for (const ProbeIn *probe : core->getAllProbeIns())
        entry.probes.append(probeEntry("in", probe->getIndex(), probe->getSignalNet()));
    const QVector<const ProbeOut *> outputs = outputProbesByIndex(core->getAllProbeOuts());
    for (int index = 0; index < outputs.size(); ++index) {
        if (!outputs.at(index))
            continue;
        ProbeMapProbe probe = probeEntry("out", index, outputs.at(index)->getSignalNet());
        probe.initialValue = outputs.at(index)->getValue();
        entry.probes.append(probe);
    }
    return entry;
}

ProbeMap ProbeMap::fromCores(const QList<ZarnCore *> &cores, const QString &configurationFile, const QString &analyzerFile)
{
    ProbeMap map;
    map.generator = QStringLiteral("ZarnUtils " ZARN_LIBRARY_VERSION);
    map.configurationSha256 = sha256(configurationFile);
    map.analyzerSha256 = sha256(analyzerFile);
    map.topModule = QLatin1String(analyzerFile.isEmpty() ? "xq_zarn" : "xq_qel_zarn");
    map.topFile = map.topModule + QLatin1String("_top.v");
    for (int position = 0; position < cores.size(); ++position)
        map.cores.append(coreEntry(cores.at(position), position));
    if (analyzerFile.isEmpty())
        return map;

    // As the generation takes them: the full cores, or else the lite ones.
    const QList<QEL::AoCore *> full = QEL::readQELConfigFromXml(analyzerFile);
    const QList<QEL::AOCore_Lite *> lite = full.isEmpty() ? QEL::readQELConfigFromXml_Lite(analyzerFile) : QList<QEL::AOCore_Lite *>();
    const auto release = qScopeGuard([&] {
        qDeleteAll(full);
        qDeleteAll(lite);
    });
    for (int j = 0; j < full.size(); ++j) {
        ProbeMapAnalyzer analyzer{j, QStringLiteral("full"), full.at(j)->sampleClock(), full.at(j)->dataSignals(), {}};
        for (const QEL::TriggerPort *trigger : full.at(j)->availableTriggers())
            analyzer.triggers.append({trigger->triggerNumber, trigger->singleSignals()});
        map.analyzers.append(analyzer);
    }
    for (int j = 0; j < lite.size(); ++j)
        map.analyzers.append({j, QStringLiteral("lite"), lite.at(j)->sampleClock(), lite.at(j)->dataSignals(), {}});
    return map;
}

const ProbeMapProbe *ProbeMap::probe(int position, const QString &kind, int index) const
{
    for (const ProbeMapCore &core : cores) {
        if (core.position != position)
            continue;
        for (const ProbeMapProbe &probe : core.probes) {
            if (probe.kind == kind && probe.index == index)
                return &probe;
        }
    }
    return nullptr;
}

} // namespace ZARN
