#ifndef ZARN_TOPMODULE_H
#define ZARN_TOPMODULE_H

#include <zarn/zarnutils_export.h>

#include <QList>
#include <QString>
#include <QStringList>

/**
 * @file
 * The generated top module as a design that instantiates it sees it.
 */

namespace ZARN {

class ZarnCore;

/** The name, file and ports of the top module a generation writes. */
struct TopModuleInterface
{
    /** "xq_zarn", or "xq_qel_zarn" with an analyzer file. */
    QString module;
    /** Its file in the output directory: "xq_zarn_top.v" or "xq_qel_zarn_top.v". */
    QString file;
    /**
     * Its ports in the order it declares them, each as it writes it
     * (escaped where Verilog needs it, "\name " with its blank): the user
     * nets the analyzer cores and input probes read, those the output
     * probes drive, then the JTAG pins.
     */
    QStringList ports;
    /** The JTAG pins among them: the inputs "tms_pad_i", "tck_pad_i", "tdi_pad_i", and the output "tdo_pad_o". */
    QStringList jtagPins;
};

/**
 * The top module that ZarnPrepare::prepare() writes for @p cores and
 * @p analyzerFile, without writing it: what a design needs to instantiate
 * it.
 *
 * @param cores the cores, as readZARNConfigFromXml() gives them; they stay
 *        the caller's.
 * @param analyzerFile the logic-analyzer configuration file; empty for
 *        none.  It is read for its cores' nets, as the generation reads it.
 * @return the module's name, file and ports.
 */
ZARNUTILS_EXPORT TopModuleInterface topModuleInterface(const QList<ZarnCore *> &cores, const QString &analyzerFile = QString());

} // namespace ZARN

#endif
