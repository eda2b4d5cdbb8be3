#include "external/qelutils.h"
#include "generate/analyzerfile.h"
#include "generate/escapeidentifier.h"
#include "generate/generatednames.h"
#include "probewalk.h"

#include <zarn/probemap.h>
#include <zarn/zarncore.h>
#include <zarn/zarnutils_version.h>

#include <QCryptographicHash>
#include <QFile>

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

} // namespace

namespace {

// Builds the entry that walkCoreEntry() gives.
struct EntryBuilder
{
    ProbeMapCore entry;

    void beginCore(const ProbeMapCore &core) { entry = core; }
    void beginProbe(const ProbeMapProbe &probe)
    {
        entry.probes.append(probe);
        entry.probes.last().nets.reserve(probe.width);
    }
    void net(int bit, const QString &name) { entry.probes.last().nets.append({bit, name, name.isEmpty() ? QString() : escapeIdentifier(name), QString()}); }
    void endNets() {}
    void bus(const ProbeMapBus &bus) { entry.probes.last().buses.append(bus); }
    void endProbe() {}
    void endCore() {}
};

} // namespace

ProbeMapCore ProbeMap::coreEntry(const ZarnCore *core, int position)
{
    EntryBuilder builder;
    walkCoreEntry(core, position, builder);
    return builder.entry;
}

quint32 ProbeMap::designIdentity(bool *ok) const
{
    bool parsed = false;
    const quint32 identity = configurationSha256.size() == 64 ? configurationSha256.left(8).toUInt(&parsed, 16) : 0;
    if (ok)
        *ok = parsed;
    return parsed ? identity : 0;
}

ProbeMap ProbeMap::fromCores(const QList<ZarnCore *> &cores, const QString &configurationFile, const QString &analyzerFile)
{
    ProbeMap map;
    map.generator = QStringLiteral("ZarnUtils " ZARNUTILS_VERSION_STRING);
    map.configurationSha256 = sha256(configurationFile);
    map.analyzerSha256 = sha256(analyzerFile);
    map.topModule = GeneratedNames::topModule(!analyzerFile.isEmpty());
    map.topFile = GeneratedNames::topFile(!analyzerFile.isEmpty());
    for (int position = 0; position < cores.size(); ++position)
        map.cores.append(coreEntry(cores.at(position), position));
    if (analyzerFile.isEmpty())
        return map;

    // As the generation takes them: the full cores, or else the lite ones.
    const AnalyzerFile analyzer(analyzerFile);
    const QList<QEL::AoCore *> &full = analyzer.full();
    const QList<QEL::AOCore_Lite *> &lite = analyzer.lite();
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
