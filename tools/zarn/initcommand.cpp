#include "commands.h"
#include "console.h"
#include "filesystem.h"
#include "generation.h"
#include "outputfile.h"
#include "design/netlist.h"
#include "design/yosys.h"
#include "writeall.h"

#include <zarn/zarn.h>

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
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

// An attribute's value as Yosys's JSON gives it: a number as its binary
// digits (32 of them unless the RTL sized it; x and z among them), a
// string as it was written, with a blank after it where it would look like
// digits.
struct AttributeValue
{
    bool number = false;
    QString text; // the digits of a number, or the string

    // As the RTL would write it: 8'b00001010, or the string in quotes.
    QString written() const { return number ? QStringLiteral("%1'b%2").arg(text.size()).arg(text) : QLatin1Char('"') + text + QLatin1Char('"'); }
};

AttributeValue attributeValue(const QJsonObject &attributes, const char *name)
{
    const QString text = attributes.value(QLatin1String(name)).toString();
    static const QRegularExpression digits(QStringLiteral("^[01xz]+$"));
    if (text.endsWith(QLatin1Char(' ')) && digits.match(text.chopped(1)).hasMatch())
        return {false, text.chopped(1)};
    if (digits.match(text).hasMatch())
        return {true, text};
    return {false, text.trimmed()};
}

bool attributeNumber(const QJsonObject &attributes, const char *name, int *number)
{
    const AttributeValue value = attributeValue(attributes, name);
    bool ok = false;
    *number = value.number ? value.text.toInt(&ok, 2) : value.text.toInt(&ok, 10);
    return ok && *number >= 0;
}

// The files of the design as text, read once each, for what Yosys's JSON
// does not tell.
class SourceTexts
{
public:
    // Whether the attribute instance before the declaration at @p src gives
    // @p attribute a value ("zarn_out = 1") or none ("zarn_out"): Yosys
    // gives both as the number 1.
    bool givesValue(const QString &src, const QString &attribute)
    {
        static const QRegularExpression place(QStringLiteral("^(.*):(\\d+)\\.(\\d+)(?:-\\d+\\.\\d+)?$"));
        const QRegularExpressionMatch match = place.match(src.section(QLatin1Char('|'), -1));
        if (!match.hasMatch())
            return true;
        const QStringList &lines = linesOf(match.captured(1));
        QString before;
        const int line = match.captured(2).toInt();
        for (int i = 0; i < line && i < lines.size(); ++i)
            before += i + 1 == line ? lines.at(i).left(match.captured(3).toInt() - 1) : lines.at(i) + QLatin1Char('\n');
        // The last mention of the attribute inside the last "(* ... *)" before the name.
        const qsizetype open = before.lastIndexOf(QLatin1String("(*"));
        const qsizetype at = before.lastIndexOf(attribute);
        if (open < 0 || at < open)
            return true;
        const QString rest = before.mid(at + attribute.size()).trimmed();
        return rest.startsWith(QLatin1Char('='));
    }

private:
    const QStringList &linesOf(const QString &file)
    {
        auto found = m_lines.find(file);
        if (found == m_lines.end()) {
            QFile source(file);
            found = m_lines.insert(file, source.open(QIODevice::ReadOnly) ? QString::fromUtf8(source.readAll()).split(QLatin1Char('\n')) : QStringList());
        }
        return *found;
    }
    QHash<QString, QStringList> m_lines;
};

// The initial value that a zarn_out mark gives, as 0x and hexadecimal
// digits, read as Verilog reads the attribute: a number (5, 'h1F,
// 8'b1010), or a string of one ("0x1F", "0b101", "31"); a bare mark is 0.
// Empty, with @p problem set, for anything else.
QString markValue(const AttributeValue &value, bool bare, QString *problem)
{
    if (bare)
        return QStringLiteral("0x0");
    QString bits;
    if (value.number) {
        if (value.text.contains(QLatin1Char('x')) || value.text.contains(QLatin1Char('z'))) {
            *problem = QStringLiteral("has x or z bits; give a number");
            return QString();
        }
        bits = value.text;
    } else {
        QString error;
        bits = ZARN::probeValueBits(value.text, ZARN::ProbeMap::largestWidth, &error);
        if (bits.isEmpty()) {
            *problem = QStringLiteral("is no value; write a number (5, 'h1F, 8'b1010) or a string of one (\"0x1F\")");
            return QString();
        }
    }
    const qsizetype first = bits.indexOf(QLatin1Char('1'));
    return QLatin1String("0x") + (first < 0 ? QStringLiteral("0") : ZARN::stringBintoHex(bits.mid(first)));
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
bool readMark(const Design::Net &net, const Design::Sources &sources, SourceTexts *texts, Marked *mark, Problems *problems)
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
            problem(place + QStringLiteral("%1 = %2 on %3 is no number from 0 up")
                                .arg(QLatin1String(attribute), attributeValue(attributes, attribute).written(), name));
        (qstrcmp(attribute, "zarn_core") == 0 ? mark->core : mark->probe) = number;
    }
    if (mark->kind == Marked::Out) {
        const AttributeValue value = attributeValue(attributes, "zarn_out");
        const bool bare = value.number && value.text == QString(31, QLatin1Char('0')) + QLatin1Char('1') && !texts->givesValue(src, QStringLiteral("zarn_out"));
        QString wrong;
        mark->value = markValue(value, bare, &wrong);
        if (mark->value.isEmpty())
            problem(place + QStringLiteral("zarn_out = %1 on %2 %3").arg(value.written(), name, wrong));
        else if (valueBits(mark->value, net.width).isEmpty())
            problem(place + QStringLiteral("zarn_out = %1 does not fit %3, which is %2 bit(s) wide").arg(value.written()).arg(net.width).arg(name));
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
    SourceTexts texts;
    for (const Design::Net &net : netlist.nets()) {
        Marked mark;
        if (readMark(net, sources, &texts, &mark, problems))
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

// The errors lint finds in the configuration made of @p marks, each at the
// declaration of the net it concerns, in source order.
Problems lintProblems(const QList<ZARN::ZarnCore *> &cores, const QList<Marked> &marks, const Design::Sources &sources)
{
    QHash<QString, const Marked *> byName;
    for (const Marked &mark : marks) {
        byName.insert(mark.net->configurationName(sources.separator), &mark);
        for (int position = 0; position < mark.net->width; ++position)
            byName.insert(QStringLiteral("%1[%2]").arg(mark.net->name(sources.separator)).arg(mark.net->indexOf(position)), &mark);
    }
    Problems problems;
    for (const ZARN::LintFinding &finding : ZARN::lintCores(cores)) {
        if (finding.severity != ZARN::LintFinding::Error)
            continue;
        const Marked *mark = byName.value(finding.net);
        const QString src = mark ? mark->net->attributes.value(QLatin1String("src")).toString() : QString();
        problems.append({mark ? mark->order : QVector<int>{std::numeric_limits<int>::max()},
                         QStringLiteral("%1: error: %2%3").arg(Design::sourcePlace(sources, src), finding.net.isEmpty() ? QString() : finding.net + QLatin1String(": "), finding.message)});
    }
    std::stable_sort(problems.begin(), problems.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    return problems;
}

// Writes the configuration of @p cores to @p out, whole or not at all; the
// reason where it could not be.  The library's writer makes the bytes
// beside the temporary directory's other files, and they are put in place
// here, where the system's reason for a failure can be had.
QString writeConfiguration(const QList<ZARN::ZarnCore *> &cores, const QString &out)
{
    QTemporaryDir scratch;
    QFile made(scratch.filePath(QStringLiteral("config.xml")));
    if (!scratch.isValid() || !ZARN::writeZARNConfigToXml(cores, made.fileName()) || !made.open(QIODevice::ReadOnly))
        return QStringLiteral("the configuration could not be made in TMPDIR %1; is its disk full?").arg(QDir::tempPath());
    const QByteArray bytes = made.readAll();
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || !ZARN::writeAll(file, bytes) || !file.commit())
        return QStringLiteral("%1: %2").arg(out, file.errorString());
    return QString();
}

// The files as the kernel finds them, for comparing paths however they are written.
QList<QByteArray> resolvedFiles(const QStringList &files)
{
    QList<QByteArray> resolved;
    for (const QString &file : files) {
        const QByteArray path = resolvedInput(file);
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
    // What lint would refuse in the configuration (a keyword for a name, a
    // name the generated files take), said at the net's declaration.
    problems = lintProblems(zarnCores, marks, sources);
    if (!problems.isEmpty()) {
        for (const auto &problem : std::as_const(problems))
            Console::error(problem.second);
        return Console::Finding;
    }
    error = writeConfiguration(zarnCores, out);
    if (!error.isEmpty())
        return Console::fail(error);
    Console::out(QStringLiteral("%1: %2 core(s), %3 probe(s), %4 marked net(s)").arg(out).arg(zarnCores.size()).arg(probes).arg(marks.size()));
    return Console::Success;
}
