#ifndef ZARN_TESTS_COREDUMP_H
#define ZARN_TESTS_COREDUMP_H

// A compact text form of cores, so that tests compare whole cores in one
// readable QCOMPARE.  One line per core and per probe:
//
//   core 0 module="top" sync=false clock="clk"
//    in 0: cnt_en data{data[0] data[1]}
//    out 0 "0x0":

#include <zarn/zarncore.h>

#include <QStringList>

inline QString dumpNet(const QList<ZARN::SignalItem> &net)
{
    QStringList items;
    for (const ZARN::SignalItem &item : net) {
        if (item.bits.isEmpty()) {
            items.append(item.name);
            continue;
        }
        QStringList bits;
        for (const ZARN::SignalItem &bit : item.bits)
            bits.append(bit.name);
        items.append(item.name + QLatin1Char('{') + bits.join(QLatin1Char(' ')) + QLatin1Char('}'));
    }
    return items.join(QLatin1Char(' '));
}

inline QString dumpCores(const QList<ZARN::ZarnCore *> &cores)
{
    QStringList lines;
    for (ZARN::ZarnCore *core : cores) {
        lines.append(QStringLiteral("core %1 module=\"%2\" sync=%3 clock=\"%4\"")
                         .arg(core->getIndex())
                         .arg(core->getModuleName(), core->isOutProbeSynwithUserClock() ? QStringLiteral("true") : QStringLiteral("false"),
                              core->getUserClockName()));
        for (const ZARN::ProbeIn *probe : core->getAllProbeIns())
            lines.append(QStringLiteral(" in %1: %2").arg(probe->getIndex()).arg(dumpNet(probe->getSignalNet())));
        for (const ZARN::ProbeOut *probe : core->getAllProbeOuts())
            lines.append(QStringLiteral(" out %1 \"%2\": %3").arg(probe->getIndex()).arg(probe->getValue(), dumpNet(probe->getSignalNet())));
    }
    return lines.join(QLatin1Char('\n'));
}

#endif
