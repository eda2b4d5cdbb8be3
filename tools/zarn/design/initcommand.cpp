#include "../commands.h"
#include "../console.h"
#include "../filesystem.h"
#include "../outputfile.h"
#include "netlist.h"
#include "yosys.h"

#include <zarn/zarn.h>

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QRegularExpression>
#include <QScopeGuard>

#include <algorithm>
#include <limits>
#include <map>

namespace {

// A net marked in the RTL: what it becomes, in which core and probe.
struct Marked
{
    const Design::Net *net = nullptr;
    enum Kind { In, Out, Clock } kind = In;
    int core = 0;
    int probe = -1; // -1: a probe of its own
    QString value;  // of an output probe's net: "0x..." or empty
    QVector<int> order;
};

// Integer attributes come as 32 binary digits, strings as they were written.
bool attributeNumber(const QJsonObject &attributes, const char *name, int *number)
{
    const QString text = attributes.value(QLatin1String(name)).toString().trimmed();
    bool ok = false;
    *number = text.size() == 32 ? text.toInt(&ok, 2) : text.toInt(&ok, 10);
    return ok && *number >= 0;
}

// The value of @p width bits that @p hex gives, as binary digits; empty where it does not fit.
QString valueBits(const QString &hex, int width)
{
    QString bits = ZARN::stringHextoBinfor0x(hex.toUpper());
    const qsizetype extra = bits.size() - width;
    if (extra > 0) {
        if (bits.left(extra).contains(QLatin1Char('1')))
            return QString();
        bits = bits.mid(extra);
    }
    return bits.rightJustified(width, QLatin1Char('0'));
}

// The bits of @p net as a probe lists them: a vector as a Bus, MSB first.
ZARN::SignalItem signalItem(const Design::Net &net, QChar separator)
{
    const QString name = net.name(separator);
    if (!net.isVector())
        return ZARN::SignalItem(name);
    QList<ZARN::SignalItem> bits;
    for (int position = net.width - 1; position >= 0; --position)
        bits.append(ZARN::SignalItem(QStringLiteral("%1[%2]").arg(name).arg(net.indexOf(position))));
    return ZARN::SignalItem(net.declaredName(separator), bits);
}

// One core as the marks describe it, before it becomes a ZarnCore.
struct CoreMarks
{
    std::map<int, QList<const Marked *>> in;
    std::map<int, QList<const Marked *>> out;
    QList<const Marked *> clocks;
};

// Gives each net without a probe number the lowest number no other probe of
// its kind takes.  The numbers handed out only grow, so each kind's search
// goes on from where it stopped: linear in the marks.
void numberProbes(QList<Marked> &marks)
{
    struct Numbers
    {
        QSet<int> taken;
        int next = 0;
    };
    QHash<QPair<int, int>, Numbers> kinds; // (core, kind)
    for (const Marked &mark : std::as_const(marks)) {
        if (mark.probe >= 0)
            kinds[{mark.core, mark.kind}].taken.insert(mark.probe);
    }
    for (Marked &mark : marks) {
        if (mark.probe >= 0 || mark.kind == Marked::Clock)
            continue;
        Numbers &numbers = kinds[{mark.core, mark.kind}];
        while (numbers.taken.contains(numbers.next))
            ++numbers.next;
        mark.probe = numbers.next;
        numbers.taken.insert(numbers.next);
    }
}

// Problems with the place in source order they sort by.
using Problems = QList<QPair<QVector<int>, QString>>;

// A core takes one user clock: each source place of a zarn_clock mark past
// the first is an error there, and so is a mark that flattening makes
// into a net per instance of its module.
Problems clockProblems(int core, const QList<const Marked *> &clocks, const Design::Sources &sources)
{
    Problems problems;
    if (clocks.size() < 2)
        return problems;
    // By the place of the declaration, the last of a flattened net's chain:
    // the nets of one mark in each instance of its module share it.
    const auto declaredAt = [&sources](const Marked *mark) { return Design::sourcePlace(sources, mark->net->attributes.value(QLatin1String("src")).toString()); };
    QList<QList<const Marked *>> byPlace; // in source order, as the marks are
    QHash<QString, qsizetype> placeIndex;
    for (const Marked *mark : clocks) {
        const QString place = declaredAt(mark);
        if (!placeIndex.contains(place)) {
            placeIndex.insert(place, byPlace.size());
            byPlace.append(QList<const Marked *>());
        }
        byPlace[placeIndex.value(place)].append(mark);
    }
    const Marked *first = byPlace.first().first();
    const QString firstPlace = declaredAt(first);
    for (const QList<const Marked *> &place : std::as_const(byPlace)) {
        const Marked *mark = place.first();
        const QString at = declaredAt(mark) + QLatin1String(": error: ");
        if (place.size() > 1)
            problems.append({mark->order, at + QStringLiteral("zarn_clock marks a net of each of %1 instances (%2 and more), and core %3 takes one user "
                                                              "clock; mark the clock once, where it is one net")
                                                   .arg(place.size())
                                                   .arg(mark->net->name(sources.separator))
                                                   .arg(core)});
        else if (mark != first)
            problems.append({mark->order, at + QStringLiteral("%1 is marked zarn_clock, and core %2 has its user clock already, %3 (marked at %4); "
                                                              "a core takes one user clock")
                                                   .arg(mark->net->name(sources.separator))
                                                   .arg(core)
                                                   .arg(first->net->name(sources.separator), firstPlace)});
    }
    return problems;
}

// The mark on @p net, checked: false where it is none; its problems into @p problems.
bool readMark(const Design::Net &net, const Design::Sources &sources, Marked *mark, Problems *problems)
{
    const QJsonObject &attributes = net.attributes;
    const bool in = attributes.contains(QLatin1String("zarn_in"));
    const bool outMark = attributes.contains(QLatin1String("zarn_out"));
    const bool clock = attributes.contains(QLatin1String("zarn_clock"));
    if (!in && !outMark && !clock)
        return false;
    const QString src = attributes.value(QLatin1String("src")).toString();
    const QString place = Design::sourcePlace(sources, src) + QLatin1String(": error: ");
    const QString name = net.name(sources.separator);
    const auto problem = [problems, &src, &sources](const QString &text) { problems->append({Design::sourceOrder(sources, src), text}); };
    if (int(in) + int(outMark) + int(clock) > 1) {
        problem(place + QStringLiteral("%1 carries more than one of zarn_in, zarn_out and zarn_clock; keep one").arg(name));
        return false;
    }
    mark->net = &net;
    mark->kind = in ? Marked::In : outMark ? Marked::Out : Marked::Clock;
    mark->order = Design::sourceOrder(sources, src);
    for (const char *attribute : {"zarn_core", "zarn_probe"}) {
        int number = 0;
        if (!attributes.contains(QLatin1String(attribute)))
            continue;
        if (!attributeNumber(attributes, attribute, &number))
            problem(place + QStringLiteral("%1 = \"%2\" on %3 is no number from 0 up")
                                .arg(QLatin1String(attribute), attributes.value(QLatin1String(attribute)).toString(), name));
        (qstrcmp(attribute, "zarn_core") == 0 ? mark->core : mark->probe) = number;
    }
    if (mark->kind == Marked::Out) {
        const QString value = attributes.value(QLatin1String("zarn_out")).toString().trimmed();
        // A bare (* zarn_out *) is the number 1, given as 32 binary digits: no value.
        mark->value = value.size() == 32 && !value.startsWith(QLatin1String("0x")) ? QStringLiteral("0x0") : value;
        if (!QRegularExpression(QStringLiteral("^0x[0-9A-Fa-f]+$")).match(mark->value).hasMatch())
            problem(place + QStringLiteral("zarn_out = \"%1\" on %2 is no value; write it as 0x and hexadecimal digits").arg(value, name));
        else if (valueBits(mark->value, net.width).isEmpty())
            problem(place + QStringLiteral("zarn_out = \"%1\" does not fit %3, which is %2 bit(s) wide").arg(value).arg(net.width).arg(name));
        if (net.drivenBits() > 0)
            problem(place + QStringLiteral("%1 is driven by the design, and an output probe would drive it too; mark a net nothing drives").arg(name));
    }
    if (mark->kind == Marked::Clock && net.width != 1)
        problem(place + QStringLiteral("zarn_clock marks %1, which is %2 bits wide; a clock is one bit").arg(net.declaredName(sources.separator)).arg(net.width));
    return true;
}

// Every net's mark, in the netlist's order.
QList<Marked> readMarks(const Design::Netlist &netlist, const Design::Sources &sources, Problems *problems)
{
    QList<Marked> marks;
    for (const Design::Net &net : netlist.nets()) {
        Marked mark;
        if (readMark(net, sources, &mark, problems))
            marks.append(mark);
    }
    return marks;
}

// The marks by core, and in each core by probe; they point into @p marks.
std::map<int, CoreMarks> groupMarks(const QList<Marked> &marks)
{
    std::map<int, CoreMarks> cores;
    for (const Marked &mark : marks) {
        CoreMarks &core = cores[mark.core];
        if (mark.kind == Marked::Clock)
            core.clocks.append(&mark);
        else
            (mark.kind == Marked::In ? core.in : core.out)[mark.probe].append(&mark);
    }
    return cores;
}

// The cores the marks describe, for the caller to delete; their probes counted into @p probes.
QList<ZARN::ZarnCore *> makeCores(const std::map<int, CoreMarks> &cores, const Design::Sources &sources, int *probes)
{
    QList<ZARN::ZarnCore *> zarnCores;
    for (const auto &marked : cores) {
        auto *core = new ZARN::ZarnCore(marked.first);
        zarnCores.append(core);
        core->setModuleName(sources.top);
        if (!marked.second.clocks.isEmpty()) {
            core->setUserClockName(marked.second.clocks.first()->net->name(sources.separator));
            core->setOutProbeSynwithUserClock(true);
        }
        for (const auto &probe : marked.second.in) {
            if (!core->getProbeIn(probe.first))
                core->addProbeIn(probe.first);
            QList<ZARN::SignalItem> items;
            for (const Marked *mark : probe.second)
                items.append(signalItem(*mark->net, sources.separator));
            core->getProbeIn(probe.first)->setSignalNet(items);
            ++*probes;
        }
        for (const auto &probe : marked.second.out) {
            if (!core->getProbeOut(probe.first))
                core->addProbeOut(probe.first);
            QList<ZARN::SignalItem> items;
            QString bits;
            for (const Marked *mark : probe.second) {
                items.append(signalItem(*mark->net, sources.separator));
                bits += valueBits(mark->value, mark->net->width);
            }
            ZARN::ProbeOut *probeOut = core->getProbeOut(probe.first);
            probeOut->setSignalNet(items);
            QString hex = ZARN::stringBintoHex(bits);
            while (hex.startsWith(QLatin1Char('0')))
                hex.remove(0, 1);
            probeOut->setValue(QLatin1String("0x") + (hex.isEmpty() ? QStringLiteral("0") : hex));
            ++*probes;
        }
    }
    return zarnCores;
}

// The files as the kernel finds them, for comparing paths however they are written.
QList<QByteArray> resolvedFiles(const QStringList &files)
{
    QList<QByteArray> resolved;
    for (const QString &file : files) {
        QString error;
        const QByteArray path = FileSystem::resolve(QFile::encodeName(file), &error);
        if (!path.isEmpty())
            resolved.append(path);
    }
    return resolved;
}

} // namespace

int runInit(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a configuration from the nets marked in the design's RTL: (* zarn_in *) makes a net part of an input probe, "
        "(* zarn_out = \"0x5\" *) part of an output probe with that initial value, (* zarn_clock *) the core's user clock. "
        "(* zarn_core = N *) and (* zarn_probe = N *) group nets into cores and probes; by default there is one core, and each "
        "marked net is a probe of its own, numbered in source order."));
    Design::addSourceOptions(parser);
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("The configuration file to write."), QStringLiteral("CONFIG"));
    const QCommandLineOption forceOption(QStringLiteral("force"), QStringLiteral("Replace CONFIG when it exists."));
    parser.addOptions({outOption, forceOption});
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn init --design FILE... --top MODULE --out CONFIG [--force]"), &exitCode))
        return exitCode;
    Design::Sources sources;
    QString error = Design::readSourceOptions(parser, parser.positionalArguments(), &sources);
    if (!error.isEmpty())
        return Console::fail(error);
    const QString out = parser.value(outOption);
    if (out.isEmpty())
        return Console::fail(QStringLiteral("init needs --out CONFIG, the configuration file to write"));
    // The sources first, before Yosys runs; then every file Yosys read for
    // them, headers and memory files among them, once it has.
    error = OutputFile::refusal(out, resolvedFiles(sources.files), parser.isSet(forceOption), OutputFile::Existing::NeedsForce);
    if (!error.isEmpty())
        return Console::fail(error);
    Design::Netlist netlist;
    if (!Design::elaborate(sources, QStringLiteral("init"), QString(), &netlist, &error))
        return Console::fail(error);
    error = OutputFile::refusal(out, resolvedFiles(netlist.filesRead()), parser.isSet(forceOption), OutputFile::Existing::NeedsForce);
    if (!error.isEmpty())
        return Console::fail(error);

    // The marks, each checked; every problem is said before giving up.
    Problems problems;
    QList<Marked> marks = readMarks(netlist, sources, &problems);
    std::stable_sort(marks.begin(), marks.end(), [](const Marked &a, const Marked &b) { return a.order < b.order; });
    numberProbes(marks);
    const std::map<int, CoreMarks> cores = groupMarks(marks);
    for (const auto &core : cores)
        problems += clockProblems(core.first, core.second.clocks, sources);
    if (marks.isEmpty())
        problems.append({{std::numeric_limits<int>::max()}, QStringLiteral("%1: error: no net carries zarn_in, zarn_out or zarn_clock; mark the nets to probe in the RTL").arg(sources.top)});
    if (!problems.isEmpty()) {
        std::stable_sort(problems.begin(), problems.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &problem : std::as_const(problems))
            Console::error(problem.second);
        return Console::Finding;
    }

    int probes = 0;
    const QList<ZARN::ZarnCore *> zarnCores = makeCores(cores, sources, &probes);
    const auto release = qScopeGuard([&zarnCores] { qDeleteAll(zarnCores); });
    if (!ZARN::writeZARNConfigToXml(zarnCores, out))
        return Console::fail(QStringLiteral("%1: the configuration could not be written").arg(out));
    Console::out(QStringLiteral("%1: %2 core(s), %3 probe(s), %4 marked net(s)").arg(out).arg(zarnCores.size()).arg(probes).arg(marks.size()));
    return Console::Success;
}
