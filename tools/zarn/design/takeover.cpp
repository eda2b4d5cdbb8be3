#include "takeover.h"
#include "netlist.h"
#include "toollintcodes.h"

#include <zarn/probemap.h>

#include <QCommandLineParser>
#include <QHash>
#include <QRegularExpression>

namespace Design {

namespace {

const char takeOverOption[] = "take-over";

QString written(const TakeOver &takeOver)
{
    return QStringLiteral("--take-over %1=%2").arg(takeOver.net, takeOver.select);
}

// The output-probe bits of @p nets on the bits of @p target: all of them for
// a vector, the one for a bit.
QList<const ZARN::ConnectedNet *> probesOn(const NetBit &target, const QList<ZARN::ConnectedNet> &nets, const Netlist &netlist, QChar separator,
                                           QList<NetBit> *bits)
{
    QList<const ZARN::ConnectedNet *> probes;
    for (const ZARN::ConnectedNet &net : nets) {
        if (!net.driven || net.net.isEmpty())
            continue;
        const NetBit bit = netlist.find(net.net, separator);
        if (bit.result == NetBit::Found && bit.net == target.net && (target.result == NetBit::Vector || bit.bit == target.bit)) {
            probes.append(&net);
            bits->append(bit);
        }
    }
    return probes;
}

// What is wrong with @p takeOver's select; the probe bits taken are of @p core.
void checkSelect(const TakeOver &takeOver, int core, const QList<ZARN::ConnectedNet> &nets, const Netlist &netlist, QChar separator,
                 TakeOverPlan *plan)
{
    const ZARN::ConnectedNet *select = nullptr;
    for (const ZARN::ConnectedNet &net : nets) {
        if (net.net != takeOver.select)
            continue;
        if (!select && net.driven && net.corePosition == core) {
            select = &net;
            continue;
        }
        // A place the configuration repeats is one place.
        if (!select || ZARN::FindingPlace::of(net).key() != ZARN::FindingPlace::of(*select).key())
            plan->findings.append(Tool::lintFinding(&net, Tool::LintCode::TakeOverSelectShared,
                                                    QStringLiteral("%1 is the select of %2, a net the insertion makes for the output probe alone; connect another net here")
                                                        .arg(takeOver.select, written(takeOver))));
    }
    if (netlist.find(takeOver.select, separator).result != NetBit::Missing)
        plan->findings.append(Tool::lintFinding(select, Tool::LintCode::TakeOverSelectExists,
                                                QStringLiteral("the design %1 has a net %2 already; the select of %3 must be a name new to the design, which the "
                                                               "insertion makes")
                                                    .arg(netlist.top(), takeOver.select, written(takeOver))));
    else if (!select)
        plan->findings.append(Tool::lintFinding(Tool::LintCode::TakeOverSelectMissing,
                                      QStringLiteral("no output probe of core %1 drives %2, the select of %3; add a Signal %2 to an output probe of the core, "
                                                     "whose bit then turns the take-over on")
                                          .arg(core)
                                          .arg(takeOver.select, written(takeOver))));
}

} // namespace

void addTakeOverOption(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(
        QLatin1String(takeOverOption),
        QStringLiteral("Put the output probe on NET (a net, bit or bus the design drives) in front of the design's driver: a multiplexer, which "
                       "the output probe's bit on SELECT (a new one-bit name, which the insertion makes) turns from the design's value to the "
                       "probe's. May be given again."),
        QStringLiteral("NET=SELECT")));
}

QString readTakeOvers(const QCommandLineParser &parser, QList<TakeOver> *takeOvers)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_$]*$"));
    for (const QString &value : parser.values(QLatin1String(takeOverOption))) {
        const qsizetype equals = value.lastIndexOf(QLatin1Char('='));
        const TakeOver takeOver{value.left(equals), value.mid(equals + 1)};
        if (equals <= 0 || !plain.match(takeOver.select).hasMatch())
            return QStringLiteral("--take-over takes NET=SELECT, SELECT a plain Verilog name of one bit (as dbg_sel), not '%1'").arg(value);
        takeOvers->append(takeOver);
    }
    return QString();
}

TakeOverPlan planTakeOvers(const QList<TakeOver> &takeOvers, const QList<ZARN::ConnectedNet> &nets, const Netlist &netlist, QChar separator)
{
    TakeOverPlan plan;
    if (takeOvers.isEmpty())
        return plan;
    QHash<QString, QString> takenBy; // probe place: the take-over
    QSet<QString> checked;           // select and core
    for (const TakeOver &takeOver : takeOvers) {
        plan.selects.insert(takeOver.select);
        const NetBit target = netlist.find(takeOver.net, separator);
        QList<NetBit> bits;
        const QList<const ZARN::ConnectedNet *> probes = target.result == NetBit::Found || target.result == NetBit::Vector
            ? probesOn(target, nets, netlist, separator, &bits)
            : QList<const ZARN::ConnectedNet *>();
        if (probes.isEmpty()) {
            const bool named = target.result == NetBit::Found || target.result == NetBit::Vector;
            plan.findings.append(Tool::lintFinding(Tool::LintCode::TakeOverNet,
                                         named ? QStringLiteral("%1: no output probe drives %2 or a bit of it").arg(written(takeOver), takeOver.net)
                                               : QStringLiteral("%1: the design %2 has no one net or bit %3").arg(written(takeOver), netlist.top(), takeOver.net)));
            continue;
        }
        for (qsizetype i = 0; i < probes.size(); ++i) {
            const ZARN::ConnectedNet &probe = *probes.at(i);
            const QString key = ZARN::FindingPlace::of(probe).key();
            if (takenBy.contains(key)) {
                plan.findings.append(Tool::lintFinding(&probe, Tool::LintCode::TakeOverNet,
                                                       QStringLiteral("%1 takes over this bit, and %2 does already; give one").arg(written(takeOver), takenBy.value(key))));
            } else if (!bits.at(i).net->driven.at(bits.at(i).bit)) {
                plan.findings.append(Tool::lintFinding(&probe, Tool::LintCode::TakeOverUndriven,
                                                       QStringLiteral("nothing in the design drives this net, so %1 has nothing to take over; leave it "
                                                                      "out, and the output probe drives the net alone")
                                                           .arg(written(takeOver))));
            } else {
                takenBy.insert(key, written(takeOver));
                plan.bits.append({probe, bits.at(i).net, bits.at(i).bit, takeOver.select});
            }
        }
        const int core = probes.first()->corePosition;
        if (!checked.contains(takeOver.select + QLatin1Char('\n') + QString::number(core))) {
            checked.insert(takeOver.select + QLatin1Char('\n') + QString::number(core));
            checkSelect(takeOver, core, nets, netlist, separator, &plan);
        }
    }
    for (const ZARN::ConnectedNet &net : nets) {
        const NetBit bit = net.driven && !net.net.isEmpty() ? netlist.find(net.net, separator) : NetBit();
        if (bit.result == NetBit::Found && !takenBy.contains(ZARN::FindingPlace::of(net).key()))
            plan.driven.append({net, bit.net, bit.bit, QString()});
    }
    return plan;
}

QString recordTakeOvers(const TakeOverPlan &plan, const QString &mapPath)
{
    ZARN::ProbeMap map;
    QString error;
    if (!ZARN::ProbeMap::read(mapPath, &map, &error))
        return error;
    for (const TakenBit &bit : plan.bits) {
        for (ZARN::ProbeMapProbe &probe : map.cores[bit.probe.corePosition].probes) {
            if (probe.kind != QLatin1String("out") || probe.index != bit.probe.probeIndex)
                continue;
            for (ZARN::ProbeMapNet &net : probe.nets) {
                if (net.net == bit.probe.net)
                    net.takenOverBy = bit.select;
            }
        }
    }
    return ZARN::writeProbeMap(map, mapPath);
}

} // namespace Design
