#include "designlint.h"
#include "netlist.h"
#include "takeovermux.h"
#include "toollintcodes.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace Design {

namespace {

QString quoted(const QStringList &names)
{
    return QLatin1Char('"') + names.join(QLatin1String("\", \"")) + QLatin1Char('"');
}

// What reads a net: a probe, or a clock.
QString reader(const ZARN::ConnectedNet &net)
{
    if (net.probeKind == QLatin1String("clock"))
        return QStringLiteral("the core's user clock");
    return net.probeKind == QLatin1String("analyzer") ? QStringLiteral("the analyzer core") : QStringLiteral("the probe");
}

// Which nets share the name, and whether the other separator tells them apart.
QString ambiguity(const Netlist &netlist, const QString &name, QChar separator)
{
    const NetBit bit = netlist.find(name, separator);
    const QVector<const Net *> nets = netlist.all(bit.net->name(separator), separator);
    QStringList yosysNames;
    QStringList otherNames;
    const QChar other = separator == QLatin1Char('.') ? QLatin1Char('/') : QLatin1Char('.');
    for (const Net *net : nets) {
        yosysNames.append(net->yosysName());
        otherNames.append(net->configurationName(other));
    }
    QString text = QStringLiteral("the design has %1 nets of this name (%2 in Yosys's netlist), and the probe would take one of them only; "
                                  "rename one in the design")
                       .arg(nets.size())
                       .arg(quoted(yosysNames));
    if (QSet<QString>(otherNames.cbegin(), otherNames.cend()).size() == otherNames.size())
        text += QStringLiteral(", or name them with --hierarchy-separator %1: %2").arg(other).arg(quoted(otherNames));
    return text;
}

// A range written where a net or bit goes ("adr[7:0]"): the bits to write instead.
QString rangeAdvice(const Netlist &netlist, const QString &name, QChar separator)
{
    static const QRegularExpression range(QStringLiteral("^(.+)\\[(-?\\d+):(-?\\d+)\\]$"));
    const QRegularExpressionMatch match = range.match(name);
    const NetBit vector = match.hasMatch() ? netlist.find(match.captured(1), separator) : NetBit();
    if (vector.result != NetBit::Vector && vector.result != NetBit::Found)
        return QString();
    return QStringLiteral("; a Signal names one net or bit, not a range: write %1[%2] to %1[%3], one a Signal (in a Bus named %4, as zarn init writes them)")
        .arg(match.captured(1), match.captured(2), match.captured(3), name);
}

} // namespace

QList<ZARN::LintFinding> lintAgainstDesign(const QList<ZARN::ConnectedNet> &nets, const Netlist &netlist, QChar separator, const TakeOverPlan &plan)
{
    // The bits taken over are driven twice by design, through a multiplexer.
    QSet<QString> takenOver;
    for (const TakenBit &bit : plan.bits)
        takenOver.insert(ZARN::FindingPlace::of(bit.probe).key());
    // What the output probes drive is driven, whatever the design does.
    QSet<QPair<const Net *, int>> probeDriven;
    for (const ZARN::ConnectedNet &net : nets) {
        const NetBit bit = net.driven ? netlist.find(net.net, separator) : NetBit();
        if (bit.result == NetBit::Found)
            probeDriven.insert({bit.net, bit.bit});
    }
    QList<ZARN::LintFinding> findings;
    QSet<QString> seen;
    for (const ZARN::ConnectedNet &net : nets) {
        // Empty names are the configuration lint's; one finding per place.
        const QString key = ZARN::FindingPlace::of(net).key();
        if (net.net.isEmpty() || seen.contains(key))
            continue;
        seen.insert(key);
        const NetBit bit = netlist.find(net.net, separator);
        switch (bit.result) {
        case NetBit::Missing: {
            if (plan.selects.contains(net.net))
                break; // the insertion makes it
            const QString kept = netlist.keptModuleOn(net.net, separator);
            const QString range = rangeAdvice(netlist, net.net, separator);
            const QStringList near = kept.isEmpty() && range.isEmpty() ? netlist.nearest(net.net, separator, 3) : QStringList();
            const QString why = !range.isEmpty() ? range
                : !kept.isEmpty()
                ? QStringLiteral(": %1 is an instance of %2, which flattening keeps whole (a black box, or keep_hierarchy), so its nets are not "
                                 "the top's; probe a net of the top that it connects")
                      .arg(net.net.section(separator, 0, 0), kept)
                : near.isEmpty() ? QString()
                                 : QStringLiteral("; did you mean %1?").arg(quoted(near));
            findings.append(Tool::lintFinding(&net, Tool::LintCode::DesignNetMissing,
                                    QStringLiteral("the design %1 has no net of this name%2").arg(netlist.top(), why)));
            break;
        }
        case NetBit::OutOfRange:
            findings.append(Tool::lintFinding(&net, Tool::LintCode::DesignBitRange,
                                    QStringLiteral("the design declares %1, and this bit is outside it; give a bit from %2 to %3")
                                        .arg(bit.net->declaredName(separator))
                                        .arg(bit.net->msb())
                                        .arg(bit.net->lsb())));
            break;
        case NetBit::Vector:
            findings.append(Tool::lintFinding(&net, Tool::LintCode::DesignNetVector,
                                    QStringLiteral("the design declares %1, %2 bits wide, and %3 takes one bit here; name one bit, as %4[%5]")
                                        .arg(bit.net->declaredName(separator))
                                        .arg(bit.net->width)
                                        .arg(reader(net), bit.net->name(separator))
                                        .arg(bit.net->lsb())));
            break;
        case NetBit::Ambiguous:
            findings.append(Tool::lintFinding(&net, Tool::LintCode::DesignNetAmbiguous, ambiguity(netlist, net.net, separator)));
            break;
        case NetBit::Memory:
            findings.append(Tool::lintFinding(&net, Tool::LintCode::DesignNetMemory,
                                    QStringLiteral("the design declares this as a memory (an array of words), which has no net a probe can take; "
                                                   "assign the word to a wire in the design, and probe the wire")));
            break;
        case NetBit::Found:
            if (net.driven && bit.net->driven.at(bit.bit) && !takenOver.contains(key))
                findings.append(Tool::lintFinding(&net, Tool::LintCode::DesignTwoDrivers,
                                        QStringLiteral("the design drives this net already, and the output probe would drive it too; "
                                                       "probe a net that nothing in the design drives")));
            else if (!net.driven && !bit.net->driven.at(bit.bit) && !probeDriven.contains({bit.net, bit.bit}))
                findings.append(Tool::lintFinding(&net, Tool::LintCode::DesignUndriven,
                                        QStringLiteral("nothing in the design drives this net, so %1 reads no value from it").arg(reader(net))));
            break;
        }
    }
    return findings;
}

QList<ZARN::LintFinding> lintAgainstSynthesis(const QList<ZARN::ConnectedNet> &nets, const Netlist &elaborated, const Netlist &synthesized,
                                              QChar separator)
{
    // One finding per net of the design and probe, at its first bit the probe takes.
    struct Removed
    {
        ZARN::ConnectedNet first;
        const Net *net;
        QVector<int> indices;
    };
    QList<Removed> removed;
    QHash<QString, qsizetype> byProbeAndNet;
    QSet<QString> seen;
    for (const ZARN::ConnectedNet &net : nets) {
        ZARN::FindingPlace place = ZARN::FindingPlace::of(net);
        const QString seenKey = place.key();
        const NetBit bit = elaborated.find(net.net, separator);
        if (net.net.isEmpty() || seen.contains(seenKey) || bit.result != NetBit::Found)
            continue;
        seen.insert(seenKey);
        if (synthesized.find(net.net, separator).result == NetBit::Found)
            continue;
        // The design's net, which several of the configuration's names may take bits of.
        place.net = bit.net->name(separator);
        const QString key = place.key();
        if (!byProbeAndNet.contains(key)) {
            byProbeAndNet.insert(key, removed.size());
            removed.append({net, bit.net, {}});
        }
        removed[byProbeAndNet.value(key)].indices.append(bit.net->indexOf(bit.bit));
    }
    QList<ZARN::LintFinding> findings;
    for (const Removed &net : std::as_const(removed)) {
        const QString what = net.indices.size() == 1
            ? QStringLiteral("this net")
            : QStringLiteral("%1, whose %2 bits the probe takes,").arg(net.net->configurationName(separator)).arg(net.indices.size());
        findings.append(Tool::lintFinding(&net.first, Tool::LintCode::DesignSynthRemoved,
                                QStringLiteral("synthesis removes or renames %1 and the probe would find %2 no longer; "
                                               "mark its declaration (* keep *) in the design")
                                    .arg(net.indices.size() == 1 ? what + QLatin1Char(',') : what, net.indices.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"))));
    }
    return findings;
}

QList<ZARN::LintFinding> lintConfigurationAgainstDesign(const QString &config, const QList<ZARN::ZarnCore *> &cores, const QString &analyzer,
                                                        const Netlist &netlist, QChar separator, const Netlist *synthesized,
                                                        const QList<TakeOver> &takeOvers, QByteArray *json, TakeOverPlan *plan)
{
    const QList<ZARN::ConnectedNet> nets = ZARN::connectedNets(cores, analyzer);
    TakeOverPlan planned = planTakeOvers(takeOvers, nets, netlist, separator);
    if (json && planned.findings.isEmpty())
        muxTakenBits(json, netlist.top(), &planned);
    QList<ZARN::LintFinding> findings = planned.findings + lintAgainstDesign(nets, netlist, separator, planned);
    if (synthesized)
        findings += lintAgainstSynthesis(nets, netlist, *synthesized, separator);
    ZARN::placeLintFindings(config, &findings);
    if (plan)
        *plan = std::move(planned);
    return findings;
}

} // namespace Design
