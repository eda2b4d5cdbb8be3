#ifndef ZARN_TOOL_OPENIP_H
#define ZARN_TOOL_OPENIP_H

#include <zarn/configlint.h>

#include <QList>
#include <QString>

namespace ZARN {
class ProbeMap;
class ZarnCore;
}

/**
 * What the open cores that zarn ip writes can serve, and how a generation
 * knows it uses them: their IP root holds a marker naming the protocol.
 */
namespace OpenIp {

/** Positions 0 to 62; 63 answers the design's identity. */
constexpr int maxCores = 63;
/** Input probes, and output probes, per core: the wrappers' ports. */
constexpr int maxProbes = 256;
/** Bits of one probe. */
constexpr int maxWidth = 4096;

/** The marker's name in the IP root, and the text this zarn writes there. */
QString markerName();
QByteArray markerText();

/** Whether @p ipRoot holds a marker of open cores (this zarn's or another's). */
bool isOpenIpRoot(const QString &ipRoot);
/** Why the open cores in @p ipRoot are not this zarn's, as a sentence; empty when they are. */
QString staleness(const QString &ipRoot);
/** The errors of @p cores that the open cores cannot serve, without places in a file. */
QList<ZARN::LintFinding> findings(const QList<ZARN::ZarnCore *> &cores);
/**
 * What a run against @p ipRoot must say of @p cores, read from @p configFile:
 * nothing where the IP root holds no open cores; else their staleness (the
 * result, which ends the run) or the findings, placed in the file.
 */
QString check(const QString &ipRoot, const QString &configFile, const QList<ZARN::ZarnCore *> &cores, QList<ZARN::LintFinding> *placedFindings);

/** Where a generation writes the design's identity, in its output directory. */
QString identityFile();
/**
 * Writes the identity of the design that @p map describes to the
 * identityFile() of @p outputDir, as the macro the open control core
 * answers it from: empty, or why the file could not be written.
 */
QString writeIdentity(const QString &outputDir, const ZARN::ProbeMap &map);

} // namespace OpenIp

#endif
