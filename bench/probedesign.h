#ifndef ZARN_BENCH_PROBEDESIGN_H
#define ZARN_BENCH_PROBEDESIGN_H

#include <QList>
#include <QString>
#include <QStringList>

/**
 * One virtual I/O core of a bench design: so many input and output bits,
 * the nets plain names (in_0, out_0, ...; in1_0, out1_0, ... for the core
 * at position 1) in probes of 64, as wide cores are made of many probes.
 */
struct ProbeCore
{
    int inputs = 0;
    int outputs = 0;
    bool userClock = true; ///< its outputs synchronise with the wrapper's clock clk
};

/** What the generation of a bench design gives, for Yosys or Verilator. */
struct GeneratedDesign
{
    QStringList includeDirectories; ///< the file list's +incdir+ directories
    QStringList sources;            ///< the file list's Verilog files, then the wrapper bench_top.v, all absolute
    QString probeMap;               ///< the zarn_probes.json of the generation
};

/**
 * Has zarn ip write the open cores into @p dir/ip, its output in
 * @p dir/ip.log.
 *
 * @return the IP root; empty, having said why on stderr, where zarn ip fails.
 */
QString writeOpenIp(const QString &zarn, const QString &dir);

/**
 * Writes into @p dir a configuration of @p cores at positions 0, 1, ...
 * (config.xml) and the design's top module bench_top.v around the generated
 * one, then runs zarn generate against @p ipRoot into @p dir/generated.
 *
 * The probes stay inside the design, so that cores of any width need the
 * same six pins (clk, the four JTAG pads, probe_xor): an LFSR on clk drives
 * the input probes' nets, each a different XOR of its bits, and the output
 * probes' nets are XORed into probe_xor, so that Yosys keeps every probe's
 * logic.
 *
 * @param label the design, as the messages name it.
 * @return empty, and @p design filled; else what failed ("cannot write",
 *         "zarn generate failed"), having said why on stderr.
 */
QString generateProbeDesign(const QString &zarn, const QList<ProbeCore> &cores, const QString &ipRoot, const QString &dir, const QString &label,
                            GeneratedDesign *design);

/** The flip-flops of the wrapper that generateProbeDesign() writes for @p cores: its LFSR's. */
int wrapperFlipFlops(const QList<ProbeCore> &cores);

#endif
