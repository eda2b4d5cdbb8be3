#include "commands.h"
#include "console.h"

#include <zarn/zarn.h>

#include <QCommandLineParser>
#include <QHash>
#include <QSet>

namespace {

struct Binding
{
    QString where; // "core 0 (index 5), probe_in 2"
    bool output;
};

// Why a net name gives broken Verilog, or empty when it is fine.  Names are
// written as they stand when plain, or as escaped identifiers, which carry
// any printable ASCII character but no blank, control or non-ASCII one.
QString nameProblem(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("the name is empty");
    if (name.startsWith(QLatin1Char('\\'))) {
        // Such a name is written as it stands: it must already be a whole
        // escaped identifier, closing blank included.
        const QString body = name.mid(1, name.size() - 2);
        bool printable = !body.isEmpty() && name.endsWith(QLatin1Char(' '));
        for (const QChar c : body)
            printable = printable && c.unicode() > 0x20 && c.unicode() < 0x7f;
        return printable ? QString() : QStringLiteral("begins with a backslash but is no complete escaped identifier (ending in one blank)");
    }
    for (const QChar c : name) {
        const ushort u = c.unicode();
        if (u == ' ' || u == '\t' || u == '\n' || u == '\r')
            return QStringLiteral("holds white space, which no Verilog identifier can carry");
        if (u < 0x20 || u == 0x7f)
            return QStringLiteral("holds a control character, which no Verilog identifier can carry");
        if (u > 0x7f)
            return QStringLiteral("holds a non-ASCII character, which no Verilog identifier can carry");
    }
    return QString();
}

class Linter
{
public:
    explicit Linter(const QString &path)
        : m_path(path)
    {
    }

    void lint(const QList<ZARN::ZarnCore *> &cores)
    {
        for (int position = 0; position < cores.size(); ++position)
            lintCore(position, cores.at(position));
    }

    int findings() const { return m_findings; }

private:
    void report(const QString &where, const QString &what)
    {
        Console::out(QStringLiteral("%1: %2: %3").arg(m_path, where, what));
        ++m_findings;
    }

    template<typename Probe>
    void lintProbes(const QString &core, const QList<Probe *> &probes, bool output, int *boundNets)
    {
        const char *kind = output ? "probe_out" : "probe_in";
        QHash<int, int> seen;
        for (const Probe *probe : probes) {
            const QString where = QStringLiteral("%1, %2 %3").arg(core, QLatin1String(kind)).arg(probe->getIndex());
            if (seen[probe->getIndex()]++ == 1)
                report(where, QStringLiteral("another %1 has the same index; the nets of both go to the first of them").arg(QLatin1String(kind)));
            const QStringList nets = probe->singleSignals();
            *boundNets += nets.size();
            for (const QString &net : nets) {
                const QString problem = nameProblem(net);
                if (!problem.isEmpty())
                    report(QStringLiteral("%1, net \"%2\"").arg(where, net), problem);
                bind(net, where, output);
            }
        }
    }

    void bind(const QString &net, const QString &where, bool output)
    {
        if (net.isEmpty())
            return;
        auto existing = m_bindings.constFind(net);
        if (existing == m_bindings.constEnd()) {
            m_bindings.insert(net, {where, output});
        } else if (existing->output != output && !m_bothKinds.contains(net)) {
            m_bothKinds.insert(net);
            report(QStringLiteral("%1, net \"%2\"").arg(where, net),
                   QStringLiteral("is also bound by %1; a net is sampled by input probes or driven by output probes, not both")
                       .arg(existing->where));
        }
    }

    void lintCore(int position, ZARN::ZarnCore *core)
    {
        const QString where = QStringLiteral("core %1 (index %2)").arg(position).arg(core->getIndex());
        int boundNets = 0;
        lintProbes(where, core->getAllProbeIns(), false, &boundNets);
        lintProbes(where, core->getAllProbeOuts(), true, &boundNets);

        // The top module connects output probes by the indices 0 to n-1.
        const QList<ZARN::ProbeOut *> outputs = core->getAllProbeOuts();
        for (const ZARN::ProbeOut *probe : outputs) {
            if (probe->getIndex() < 0 || probe->getIndex() >= outputs.size())
                report(QStringLiteral("%1, probe_out %2").arg(where).arg(probe->getIndex()),
                       QStringLiteral("output probes must carry the indices 0 to %1; this one is never connected").arg(outputs.size() - 1));
        }

        if (core->isOutProbeSynwithUserClock()) {
            const QString clock = core->getUserClockName();
            const QString problem = nameProblem(clock);
            if (!problem.isEmpty())
                report(QStringLiteral("%1, user clock \"%2\"").arg(where, clock), problem);
            bind(clock, where + QLatin1String(", user clock"), false);
        }
        if (boundNets == 0)
            report(where, QStringLiteral("no net is bound to any of its probes"));
    }

    QString m_path;
    int m_findings = 0;
    QHash<QString, Binding> m_bindings;
    QSet<QString> m_bothKinds;
};

} // namespace

int runLint(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reports what FILE holds that would give broken or surprising Verilog: net names no Verilog identifier can carry, "
        "empty names, output-probe indices other than 0 to n-1, nets bound to both input and output probes, cores "
        "without nets and repeated probe indices. Exits with 1 when it finds anything."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The configuration file."));
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn lint FILE"), &exitCode))
        return exitCode;
    if (parser.positionalArguments().size() != 1)
        return Console::fail(QStringLiteral("lint takes one FILE; run 'zarn lint --help'"));
    const QString path = parser.positionalArguments().first();

    bool ok = false;
    QString error;
    const QList<ZARN::ZarnCore *> cores = ZARN::readZARNConfigFromXml(path, &ok, &error);
    if (!ok)
        return Console::fail(QStringLiteral("%1: %2").arg(path, error));
    Linter linter(path);
    linter.lint(cores);
    qDeleteAll(cores);
    return linter.findings() > 0 ? Console::Finding : Console::Success;
}
