#ifndef ZARN_BENCH_SYNTHETICDESIGN_H
#define ZARN_BENCH_SYNTHETICDESIGN_H

#include <QList>
#include <QString>

namespace ZARN {
class ZarnCore;
}

/** The shape of a synthetic design. */
struct DesignSize
{
    int cores = 500;
    int probesPerCore = 16;
    int netsPerProbe = 64;
    double busShare = 0.25;     ///< share of a probe's nets that sit in buses of 8 bits
    double escapedShare = 0.25; ///< share of net names that need escaping (bit selects)
    int analyzerCores = 0;
    quint32 seed = 1;

    QString label() const;
};

/**
 * Builds the cores of a synthetic design: half of each core's probes are
 * inputs, half outputs (numbered 0 to n-1), every other core synchronised
 * with one of four user clocks.  The caller owns the cores.
 */
QList<ZARN::ZarnCore *> makeCores(const DesignSize &size);

/**
 * One core with @p outputs output probes of one net each, numbered 0 to
 * outputs-1 in list order, a quarter of the names bit selects that need
 * escaping, and an input probe 0 without nets.  The caller owns the core.
 */
ZARN::ZarnCore *makeManyOutputsCore(int outputs);

/** An analyzer file in the stand-in's format whose cores sample nets of the design. */
QByteArray makeAnalyzerConfig(const DesignSize &size);

#endif
