#include "openip.h"

#include "filesystem.h"
#include "toollintcodes.h"
#include "writeall.h"

#include <zarn/probein.h>
#include <zarn/probemap.h>
#include <zarn/probeout.h>
#include <zarn/zarncore.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

ZARN::LintFinding error(Tool::LintCode code, int position, const ZARN::ZarnCore *core, const QString &kind, int probe, const QString &message)
{
    ZARN::LintFinding finding = Tool::lintFinding(code, message);
    ZARN::FindingPlace{position, core->getIndex(), kind, probe, QString()}.placeIn(&finding);
    return finding;
}

// A probe's limits, for @p kind "in" or "out".
void probeFindings(QList<ZARN::LintFinding> &findings, int position, const ZARN::ZarnCore *core, const QString &kind, const ZARN::ProbeIn *probe)
{
    if (probe->getIndex() < 0 || probe->getIndex() >= OpenIp::maxProbes)
        findings.append(error(Tool::LintCode::OpenIpProbeIndex, position, core, kind, probe->getIndex(),
                              QStringLiteral("the open cores take probe indices 0 to %1 only").arg(OpenIp::maxProbes - 1)));
    if (probe->singleSignals().size() > OpenIp::maxWidth)
        findings.append(error(Tool::LintCode::OpenIpProbeWidth, position, core, kind, probe->getIndex(),
                              QStringLiteral("%1 bits: the open cores take probes of up to %2 bits")
                                  .arg(probe->singleSignals().size())
                                  .arg(OpenIp::maxWidth)));
}

} // namespace

QString OpenIp::markerName()
{
    return QStringLiteral("zarn-ip.txt");
}

QByteArray OpenIp::markerText()
{
    // The marker that zarn ip writes, as its resources hold it.
    QFile marker(QStringLiteral(":/ip/") + markerName());
    return marker.open(QIODevice::ReadOnly) ? marker.readAll() : QByteArray();
}

bool OpenIp::isOpenIpRoot(const QString &ipRoot)
{
    return QFile::exists(QDir(ipRoot).filePath(markerName()));
}

QString OpenIp::staleness(const QString &ipRoot)
{
    QFile marker(QDir(ipRoot).filePath(markerName()));
    if (!marker.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: %2").arg(marker.fileName(), marker.errorString());
    if (marker.read(1024) != markerText())
        return QStringLiteral("%1: the open cores there are not this zarn's; write them again with 'zarn ip --out %2'")
            .arg(marker.fileName(), ipRoot);
    return QString();
}

QString OpenIp::check(const QString &ipRoot, const QString &configFile, const QList<ZARN::ZarnCore *> &cores, QList<ZARN::LintFinding> *placedFindings)
{
    placedFindings->clear();
    if (!isOpenIpRoot(ipRoot))
        return QString();
    const QString stale = staleness(ipRoot);
    if (!stale.isEmpty())
        return stale;
    *placedFindings = findings(cores);
    ZARN::placeLintFindings(configFile, placedFindings);
    return QString();
}

QList<ZARN::LintFinding> OpenIp::findings(const QList<ZARN::ZarnCore *> &cores)
{
    QList<ZARN::LintFinding> found;
    if (cores.size() > maxCores)
        found.append(error(Tool::LintCode::OpenIpCores, maxCores, cores.at(maxCores), QString(), -1,
                           QStringLiteral("%1 cores: the open cores serve up to %2").arg(cores.size()).arg(maxCores)));
    for (int position = 0; position < cores.size() && position < maxCores; ++position) {
        const ZARN::ZarnCore *core = cores.at(position);
        // The wrapper at a position tests the macros named by that number.
        if (core->getIndex() != position)
            found.append(error(Tool::LintCode::OpenIpIndexPosition, position, core, QString(), -1,
                               QStringLiteral("the index %1 differs from the position %2: the open cores need them equal")
                                   .arg(core->getIndex())
                                   .arg(position)));
        const QList<ZARN::ProbeIn *> ins = core->getAllProbeIns();
        const QList<ZARN::ProbeOut *> outs = core->getAllProbeOuts();
        if (ins.size() > maxProbes || outs.size() > maxProbes)
            found.append(error(Tool::LintCode::OpenIpProbes, position, core, QString(), -1,
                               QStringLiteral("%1 input and %2 output probes: the open cores take up to %3 of each")
                                   .arg(ins.size())
                                   .arg(outs.size())
                                   .arg(maxProbes)));
        for (const ZARN::ProbeIn *probe : ins)
            probeFindings(found, position, core, QStringLiteral("in"), probe);
        for (const ZARN::ProbeOut *probe : outs) {
            probeFindings(found, position, core, QStringLiteral("out"), probe);
            // The parameter file gives no initial value for a value of two
            // characters or fewer, and the wrapper needs one.
            if (!probe->singleSignals().isEmpty() && probe->getValue().size() < 3)
                found.append(error(Tool::LintCode::OpenIpNoInitialValue, position, core, QStringLiteral("out"), probe->getIndex(),
                                   QStringLiteral("the value '%1' gives no initial value, which the open cores need").arg(probe->getValue())));
        }
    }
    return found;
}

QString OpenIp::identityFile()
{
    return QStringLiteral("zarn_control/xq_zarn_identity.vh");
}

QString OpenIp::writeIdentity(const QString &outputDir, const ZARN::ProbeMap &map)
{
    const QByteArray identity = QByteArray::number(map.designIdentity(), 16).rightJustified(8, '0');
    const QByteArray text = "// The design's identity, which the open control core answers at position 63:\n"
                            "// the first 32 bits of the configuration's SHA-256 in zarn_probes.json.\n"
                            "`define ZARN_DESIGN_IDENTITY 32'h" + identity + "\n";
    QSaveFile file(QDir(outputDir).filePath(identityFile()));
    if (file.open(QIODevice::WriteOnly) && ZARN::writeAll(file, text) && file.commit())
        return QString();
    return file.fileName() + QLatin1String(": ") + file.errorString();
}
