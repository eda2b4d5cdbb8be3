#ifndef ZARN_BENCH_SYNTHETICVERILOG_H
#define ZARN_BENCH_SYNTHETICVERILOG_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace ZARN {
class ZarnCore;
}

/** The shape of a synthetic Verilog design and of the configuration that probes it. */
struct VerilogSize
{
    int nets = 100000;   ///< public wires after Yosys's hierarchy, proc and flatten, about
    int probedNets = 200; ///< bits of existing driven nets in input probes
    int drivenNets = 8;   ///< undriven bits in output probes, which the probes then drive
    quint32 seed = 1;

    QString label() const;
};

/**
 * A design of top module bench_top: a chain of blocks, each with registers,
 * an adder stage in a generate loop of two to six lanes and a multiplexer,
 * four levels of hierarchy in all, and in each block a few wires that
 * nothing drives.
 */
struct VerilogDesign
{
    QByteArray verilog;
    /** The public wires Yosys keeps once it flattened the design: the count its stat reports. */
    int wires = 0;
    /** Single bits of driven nets, as a configuration names them, instance names separated by "/". */
    QStringList probed;
    /** Single bits that nothing in the design drives. */
    QStringList undriven;
};

VerilogDesign makeVerilogDesign(const VerilogSize &size);

/**
 * One core synchronised with the design's clk: the probed bits in input
 * probes of 25 nets, the undriven ones in output probes of 4.  The caller
 * owns the cores.
 */
QList<ZARN::ZarnCore *> makeVerilogCores(const VerilogDesign &design);

#endif
