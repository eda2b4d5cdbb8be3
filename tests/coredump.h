#ifndef ZARN_TESTS_COREDUMP_H
#define ZARN_TESTS_COREDUMP_H

// A compact text form of cores, so that tests compare whole cores in one
// readable QCOMPARE.  One line per core and per probe; a bus shows its bits
// (one level) in braces:
//
//   core 0 module="top" sync=false clock="clk"
//    in 0: cnt_en data{data[0] data[1]}
//    out 0 "0x0":
//
// A probe that does not point back to its core shows as "in?" or "out?", an
// item whose auxiliary fields are not the defaults as "name*".

#include <zarn/zarncore.h>

#include <QStringList>

inline QString dumpNet(const QList<ZARN::SignalItem> &net, bool bits = false)
{
    QStringList items;
    for (const ZARN::SignalItem &item : net) {
        const bool plain = item.auxText.isEmpty() && item.auxFlagA && item.auxFlagB && item.auxNumber == -1;
        items.append(item.name + QLatin1String(plain ? "" : "*"));
        if (!bits && !item.bits.isEmpty())
            items.last() += QLatin1Char('{') + dumpNet(item.bits, true) + QLatin1Char('}');
    }
    return items.join(QLatin1Char(' '));
}

inline QString dumpCores(const QList<ZARN::ZarnCore *> &cores)
{
    QStringList lines;
    for (ZARN::ZarnCore *core : cores) {
        lines.append(QStringLiteral("core %1 module=\"%2\" sync=%3 clock=\"%4\"")
                         .arg(QString::number(core->getIndex()), core->getModuleName(),
                              QLatin1String(core->isOutProbeSynwithUserClock() ? "true" : "false"), core->getUserClockName()));
        for (const ZARN::ProbeIn *probe : core->getAllProbeIns())
            lines.append(QStringLiteral(" in%1 %2: %3").arg(QLatin1String(probe->getZarnCore() == core ? "" : "?"), QString::number(probe->getIndex()), dumpNet(probe->getSignalNet())));
        for (const ZARN::ProbeOut *probe : core->getAllProbeOuts())
            lines.append(QStringLiteral(" out%1 %2 \"%3\": %4")
                             .arg(QLatin1String(probe->getZarnCore() == core ? "" : "?"), QString::number(probe->getIndex()), probe->getValue(), dumpNet(probe->getSignalNet())));
    }
    return lines.join(QLatin1Char('\n'));
}

#endif
