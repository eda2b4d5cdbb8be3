#include "lintsubject.h"
#include "convert/hexbits.h"

#include "generate/escapeidentifier.h"
#include "generate/topmodulebuilder.h"
#include "generate/topmodulenames.h"
#include "namerules.h"

#include <zarn/zarncore.h>

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace ZARN {

namespace {

// Verilator reads at most this many tokens on one line, and a probe's
// connection is one line: a plain name and its comma are two tokens, an
// escaped one three (its closing blank too).  Measured with Verilator 5.006:
// 19,996 plain names (39,998 tokens) or 13,331 escaped ones (39,999) pass,
// 19,997 (40,000) and 13,332 (40,002) do not.
constexpr int verilatorLineTokens = 39999;

int connectionTokens(const QStringList &nets)
{
    int tokens = 6; // ".probe_in0({" and "})"
    for (const QString &name : nets)
        tokens += writtenEscaped(name) ? 3 : 2;
    return tokens;
}

class CoreLint
{
public:
    explicit CoreLint(const LintSubject &subject)
        : m_subject(subject)
        , m_ownNames(ownNames(subject))
    {
    }

    QList<LintFinding> run()
    {
        for (int j = 0; j < m_subject.analyzerNets.size(); ++j) {
            const LintPlace place = LintPlace().probe("analyzer", j);
            for (const QString &name : m_subject.analyzerNets.at(j))
                useNet(place, name, false);
        }
        QHash<int, int> positionOfIndex;
        for (int position = 0; position < m_subject.cores.size(); ++position) {
            const ZarnCore *core = m_subject.cores.at(position);
            const LintPlace place = LintPlace::ofCore(position, core->getIndex());
            lintCoreIndex(place, positionOfIndex);
            const int nets = lintInputs(place, core) + lintOutputs(place, core);
            if (nets == 0)
                m_findings.append(place.finding(LintCode::CoreNoNets, QStringLiteral("no net is bound to any probe of this core; bind nets, "
                                                                               "or remove the core")));
            if (core->isOutProbeSynwithUserClock()) {
                const LintPlace clock = place.probe("clock", -1);
                if (core->getUserClockName().isEmpty())
                    m_findings.append(clock.finding(LintCode::ClockEmpty, QStringLiteral("the core's output probes are synchronised with its user clock, "
                                                                                "but the clock has no name; name it, or turn the synchronisation off")));
                else
                    useNet(clock, core->getUserClockName(), false);
            }
        }
        return m_findings;
    }

private:
    struct Use
    {
        LintPlace place;
        QString spelling;
        bool driven;
    };

    void lintCoreIndex(const LintPlace &place, QHash<int, int> &positionOfIndex)
    {
        const int index = place.coreIndex;
        if (index < 0)
            m_findings.append(place.finding(LintCode::CoreIndexNegative, QStringLiteral("the core index %1 is negative, which the define file's macros "
                                                                                "(ZARN%1_...) cannot carry; give the core an index of 0 or more")
                                                                     .arg(index)));
        else if (positionOfIndex.contains(index))
            m_findings.append(place.finding(LintCode::CoreIndexRepeated, QStringLiteral("core %1 has the index %2 too, and both would define the same "
                                                                                "macros (ZARN%2_...); give every core an index of its own")
                                                                     .arg(positionOfIndex.value(index))
                                                                     .arg(index)));
        else
            positionOfIndex.insert(index, place.corePosition);
        if (index != place.corePosition)
            m_findings.append(place.finding(LintCode::CoreIndexPosition, QStringLiteral("the index %1 differs from the position %2: the directories and "
                                                                                  "module names follow the position, the define macros the index")
                                                                       .arg(index)
                                                                       .arg(place.corePosition)));
    }

    template<typename Probe>
    bool lintProbeIndex(const LintPlace &place, const Probe *probe, QSet<int> &seen)
    {
        const int index = probe->getIndex();
        if (index < 0) {
            m_findings.append(place.finding(LintCode::ProbeIndexNegative, QStringLiteral("the probe index %1 is negative, which no port name "
                                                                                 "(probe_%2%1) can carry; number the probes from 0")
                                                                      .arg(index)
                                                                      .arg(place.probeKind)));
            return false;
        }
        if (seen.contains(index)) {
            m_findings.append(place.finding(LintCode::ProbeIndexRepeated, QStringLiteral("another probe_%1 of this core has the index %2 too; "
                                                                                 "the generated files would use only one of them")
                                                                      .arg(place.probeKind)
                                                                      .arg(index)));
            return false;
        }
        seen.insert(index);
        return true;
    }

    // Each returns the number of nets its probes bind.
    int lintInputs(const LintPlace &core, const ZarnCore *zarnCore)
    {
        QSet<int> seen;
        int count = 0;
        for (const ProbeIn *probe : zarnCore->getAllProbeIns()) {
            const LintPlace place = core.probe("in", probe->getIndex());
            lintProbeIndex(place, probe, seen);
            const QStringList nets = probe->singleSignals();
            count += nets.size();
            lintWidth(place, nets);
            for (const QString &name : nets)
                useNet(place, name, false);
        }
        return count;
    }

    int lintOutputs(const LintPlace &core, const ZarnCore *zarnCore)
    {
        const QList<ProbeOut *> probes = zarnCore->getAllProbeOuts();
        QSet<int> seen;
        int count = 0;
        for (const ProbeOut *probe : probes) {
            const LintPlace place = core.probe("out", probe->getIndex());
            const bool distinct = lintProbeIndex(place, probe, seen);
            const QStringList nets = probe->singleSignals();
            // The top module connects output probes by the indices 0 to n-1.
            const bool connected = probe->getIndex() >= 0 && probe->getIndex() < probes.size();
            if (!connected && !nets.isEmpty())
                m_findings.append(place.finding(LintCode::ProbeOutUnconnected, QStringLiteral("output probes are connected by the indices 0 to %1, "
                                                                                        "so this one is never; number the output probes without gaps")
                                                                             .arg(probes.size() - 1)));
            if (!nets.isEmpty())
                lintValue(place, probe->getValue(), nets.size());
            lintWidth(place, nets);
            count += nets.size();
            for (const QString &name : nets)
                useNet(place, name, connected && distinct);
        }
        return count;
    }

    void lintWidth(const LintPlace &place, const QStringList &nets)
    {
        const int tokens = connectionTokens(nets);
        if (tokens > verilatorLineTokens)
            m_findings.append(place.finding(LintCode::ProbeTooWide, QStringLiteral("the probe's %1 nets make its connection one line of %2 tokens, "
                                                                             "and Verilator reads at most %3 on a line (Icarus and Yosys take "
                                                                             "it); spread the nets over more probes")
                                                                  .arg(nets.size())
                                                                  .arg(tokens)
                                                                  .arg(verilatorLineTokens)));
    }

    void lintValue(const LintPlace &place, const QString &value, qsizetype width)
    {
        static const QRegularExpression hexadecimal(QStringLiteral("^0x([0-9A-Fa-f]+)$"));
        const QRegularExpressionMatch match = hexadecimal.match(value);
        if (!match.hasMatch()) {
            m_findings.append(place.finding(LintCode::ValueNotHex, QStringLiteral("the initial value \"%1\" is not 0x followed by hexadecimal digits, "
                                                                          "so the parameter file would drop or garble it; write it as, "
                                                                          "for example, 0x0")
                                                               .arg(value)));
            return;
        }
        const qint64 bits = hexBitsNeeded(match.captured(1));
        if (bits > width)
            m_findings.append(place.finding(LintCode::ValueTooWide, QStringLiteral("the initial value %1 needs %2 bits, but the probe has %3; "
                                                                           "give a value that fits, or more nets")
                                                                .arg(value)
                                                                .arg(bits)
                                                                .arg(width)));
    }

    void useNet(const LintPlace &probe, const QString &name, bool drives)
    {
        const LintPlace place = probe.withNet(name);
        const NameProblem problem = netNameProblem(name);
        if (problem.found)
            m_findings.append(place.finding(problem.code, problem.message));
        if (name.isEmpty())
            return;
        const QString identifier = unescapedName(name).toString();
        if (m_ownNames.contains(identifier))
            m_findings.append(place.finding(LintCode::NetReserved, QStringLiteral("the generated top module declares \"%1\" itself; rename the net")
                                                              .arg(identifier)));
        auto use = m_uses.find(identifier);
        if (use == m_uses.end()) {
            m_uses.insert(identifier, {place, name, drives});
            return;
        }
        if (escapeIdentifier(use->spelling) != escapeIdentifier(name))
            m_findings.append(place.finding(LintCode::NetSameIdentifier, QStringLiteral("\"%1\" and \"%2\" (%3) are one Verilog identifier, which the "
                                                                                "top module would declare twice; spell the net one way")
                                                                     .arg(name, use->spelling, use->place.description(false))));
        if (drives && use->driven)
            m_findings.append(place.finding(LintCode::NetTwoDrivers, QStringLiteral("%1 drives this net too, and a net takes one driver; "
                                                                            "let one output probe drive it")
                                                                 .arg(use->place.description(false))));
        else if (drives != use->driven && !m_inAndOut.contains(identifier)) {
            m_inAndOut.insert(identifier);
            m_findings.append(place.finding(LintCode::NetInAndOut, QStringLiteral("%1 %2 this net too: an output probe then drives what is sampled")
                                                                  .arg(use->place.description(false), QLatin1String(use->driven ? "drives" : "samples"))));
        }
        if (drives && !use->driven)
            *use = {place, name, true};
    }

    const LintSubject &m_subject;
    const QSet<QString> m_ownNames;

    // The top module's fixed names, and the wires it gives unbound output bits.
    static QSet<QString> ownNames(const LintSubject &subject)
    {
        QSet<QString> names = topModuleOwnNames(subject.kind, subject.cores.size(), subject.analyzerNets.size());
        TopModuleNets nets;
        nets.addCores(subject.cores);
        for (const QString &name : nets.unboundWireNames())
            names.insert(name);
        return names;
    }
    QHash<QString, Use> m_uses;
    QSet<QString> m_inAndOut;
    QList<LintFinding> m_findings;
};

} // namespace

QList<LintFinding> lintSubject(const LintSubject &subject)
{
    return CoreLint(subject).run();
}

QList<LintFinding> lintCores(const QList<ZarnCore *> &cores)
{
    LintSubject subject;
    subject.cores = cores;
    return lintSubject(subject);
}

} // namespace ZARN
