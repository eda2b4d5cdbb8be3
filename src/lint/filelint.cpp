#include "lintsubject.h"

#include "common/editdistance.h"
#include "config/configformat.h"
#include "config/configreading.h"
#include "config/configxml.h"
#include "external/qelutils.h"
#include "generate/analyzerfile.h"

#include <zarn/configreader.h>
#include <zarn/zarncore.h>

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>

namespace ZARN {

namespace {

using namespace ConfigFormat;

// The known name that @p name misspells, or empty.
QString nearMiss(const QString &name, const QStringList &known)
{
    for (const QString &candidate : known) {
        if (editDistance(name.toLower(), candidate.toLower(), 2) <= 2)
            return candidate;
    }
    return QString();
}

// "message at line:column", as the readers put a parse error.
void placeParseError(LintFinding &finding, const QString &error)
{
    static const QRegularExpression at(QStringLiteral(" at (\\d+):(\\d+)$"));
    const QRegularExpressionMatch match = at.match(error);
    if (match.hasMatch()) {
        finding.line = match.captured(1).toLongLong();
        finding.column = match.captured(2).toLongLong();
        finding.message.chop(match.capturedLength());
    }
}

// @p place without its net: the probe, or the core, it names.
FindingPlace withoutNet(FindingPlace place)
{
    place.net.clear();
    return place;
}

/** Where things stand in the file, for the findings about the model. */
struct Positions
{
    QHash<QString, QPair<qint64, qint64>> places; // by FindingPlace::key()
    QSet<QString> wanted; // the nets whose places are kept; cores and probes are always

    void note(const QString &key, const QXmlStreamReader &xml)
    {
        if (!places.contains(key))
            places.insert(key, {xml.lineNumber(), xml.columnNumber()});
    }
    // The most precise place known for @p finding: its net's, its probe's, its core's.
    void place(LintFinding &finding) const
    {
        const FindingPlace net = FindingPlace::of(finding);
        const FindingPlace probe = withoutNet(net);
        const FindingPlace core = LintPlace::ofCore(net.corePosition, net.coreIndex);
        for (const FindingPlace &candidate : {net, probe, core}) {
            const auto found = places.constFind(candidate.key());
            if (found != places.constEnd()) {
                finding.line = found->first;
                finding.column = found->second;
                return;
            }
        }
    }
};

/**
 * Walks the configuration as the reader does, reporting what the reader
 * passes over or reads otherwise than the text says, and noting where each
 * core, probe and net stands.
 */
class FileWalk
{
public:
    QList<LintFinding> findings;
    Positions positions;
    // Where the root element starts: the place of what it lacks.
    qint64 rootLine = 0;
    qint64 rootColumn = 0;

    void walk(QIODevice *device)
    {
        QXmlStreamReader xml(device);
        while (!xml.atEnd()) {
            switch (xml.readNext()) {
            case QXmlStreamReader::StartElement:
                open(xml);
                break;
            case QXmlStreamReader::EndElement:
                close();
                break;
            case QXmlStreamReader::Characters:
                noteNet(xml);
                break;
            default:
                break;
            }
        }
    }

private:
    // Where the walk stands.
    QStringList m_path;
    int m_core = -1; // the position of the core being read; -1 outside every core
    int m_cores = 0;
    int m_coreIndex = 0;
    QString m_probeKind;
    int m_probeIndex = -1;
    QVector<Children> m_children{Children(QString())}; // what the reader takes under each open element
    QHash<QString, int> m_probeIndices;      // "core/kind/index" -> seen

    LintPlace here() const { return LintPlace{{m_core, m_coreIndex, m_probeKind, m_probeIndex, QString()}}; }

    void enter(const QString &name)
    {
        m_path.append(name);
        m_children.append(Children(parentKey(m_path.size() + 1, name)));
    }

    void leave()
    {
        m_path.removeLast();
        m_children.removeLast();
    }

    // The parent the format names for an element at @p depth in @p parent:
    // the root's children are the root's whatever it is called.
    static QString parentKey(qsizetype depth, const QString &parent) { return depth == 2 ? rootElement : parent; }

    // The end of an element the walk entered: a probe or core it read ends.
    void close()
    {
        if (m_path.last() == probeInElement || m_path.last() == probeOutElement) {
            m_probeKind.clear();
            m_probeIndex = -1;
        } else if (m_path.last() == coreElement && m_path.size() == 2) {
            m_core = -1;
            m_coreIndex = 0;
        }
        leave();
    }

    // The place of a net's text, where a finding about the model wants it.
    void noteNet(const QXmlStreamReader &xml)
    {
        if (positions.wanted.isEmpty() || m_path.isEmpty() || m_path.last() != signalElement || xml.isWhitespace())
            return;
        const QString key = here().withNet(xml.text().toString()).key();
        if (positions.wanted.contains(key))
            positions.note(key, xml);
    }

    void open(QXmlStreamReader &xml)
    {
        const QString name = xml.name().toString();
        const QString parent = m_path.isEmpty() ? QString() : m_path.last();
        // Most elements are nets in their place: nothing to say of them
        // but of their attributes, which they have none of.
        if (name == signalElement && (parent == signalListElement || parent == busElement)) {
            enter(name);
            if (!xml.attributes().isEmpty())
                lintAttributes(here(), xml.attributes(), *element(name, parent), xml);
            return;
        }
        const Element *taken = m_children.last().take(name);
        enter(name);
        if (m_path.size() == 1) {
            openRoot(name, xml);
            return;
        }
        if (!taken) {
            passOver(name, parent, xml);
            return;
        }
        if (name == versionElement) {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            leave();
            if (text != version)
                add(here().finding(LintCode::Version, QStringLiteral("the Version element holds \"%1\"; it must hold exactly %2").arg(text, version)), xml);
            return;
        }
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == coreElement)
            openCore(*taken, attributes, xml);
        else if (name == probeInElement || name == probeOutElement)
            openProbe(*taken, attributes, xml);
        else
            lintAttributes(here(), attributes, *taken, xml);
    }

    void openRoot(const QString &name, const QXmlStreamReader &xml)
    {
        rootLine = xml.lineNumber();
        rootColumn = xml.columnNumber();
        if (name != rootElement)
            add(here().finding(LintCode::RootName, QStringLiteral("the root element is \"%1\"; the reader takes any name, the writer writes "
                                                          "ZARN_CONFIG")
                                                .arg(name)),
                xml);
    }

    // The element just entered, which the reader passes over with all it
    // holds (one finding is enough): skipped, and left.
    void passOver(const QString &name, const QString &parent, QXmlStreamReader &xml)
    {
        const QString key = parentKey(m_path.size(), parent);
        if (!element(name, key))
            unknownElement(here(), name, parent, childNames(key), xml);
        else
            add(here().finding(LintCode::ElementIgnored, QStringLiteral("a second %1 here is passed over by the reader, with all it holds; "
                                                               "merge it into the first")
                                                    .arg(name)),
                xml);
        xml.skipCurrentElement();
        leave();
    }

    void openCore(const Element &core, const QXmlStreamAttributes &attributes, const QXmlStreamReader &xml)
    {
        m_core = m_cores++;
        m_coreIndex = number(attributes, indexAttribute, LintPlace::ofCore(m_core, 0), xml);
        m_probeKind.clear();
        m_probeIndex = -1;
        positions.note(LintPlace::ofCore(m_core, 0).key(), xml);
        const LintPlace place = LintPlace::ofCore(m_core, m_coreIndex);
        lintAttributes(place, attributes, core, xml);
        const QString sync = attributes.value(synchronisedAttribute).toString();
        if (attributes.hasAttribute(synchronisedAttribute) && sync != QLatin1String("true")
            && sync != QLatin1String("false"))
            add(place.finding(LintCode::BooleanSpelling, QStringLiteral("output_probe_synchronizes_with_user_clock=\"%1\" reads as false; "
                                                               "write true or false")
                                                    .arg(sync)),
                xml);
    }

    void openProbe(const Element &element, const QXmlStreamAttributes &attributes, const QXmlStreamReader &xml)
    {
        const QString &name = element.name;
        const bool output = name == probeOutElement;
        const char *kind = output ? "out" : "in";
        m_probeKind = QLatin1String(kind);
        const LintPlace probe = LintPlace::ofCore(m_core, m_coreIndex).probe(kind, -1);
        m_probeIndex = number(attributes, indexAttribute, probe, xml);
        const LintPlace place = probe.probe(kind, m_probeIndex);
        const QString key = place.key();
        positions.note(key, xml);
        if (m_probeIndices[key]++ == 1)
            add(place.finding(LintCode::ProbeIndexRepeated, QStringLiteral("another %1 of this core has the index %2: the reader gives the nets "
                                                                   "of this one to the first, in place of those listed there%3; give every "
                                                                   "probe an index of its own")
                                                        .arg(name)
                                                        .arg(m_probeIndex)
                                                        .arg(QLatin1String(m_probeIndex == 0 ? "" : ", and leaves this one empty"))),
                xml);
        lintAttributes(place, attributes, element, xml);
    }

    void add(LintFinding finding, const QXmlStreamReader &xml)
    {
        finding.line = xml.lineNumber();
        finding.column = xml.columnNumber();
        findings.append(finding);
    }

    void unknownElement(const LintPlace &here, const QString &name, const QString &parent, const QStringList &known, const QXmlStreamReader &xml)
    {
        const QString meant = nearMiss(name, known);
        if (parent == signalElement)
            add(here.finding(LintCode::ElementUnknown, QStringLiteral("the reader takes the text inside %1 into the net's name, without its tags; "
                                                               "write the name as text alone")
                                                    .arg(name)),
                xml);
        else if (isElementName(name))
            add(here.finding(LintCode::ElementMisplaced, QStringLiteral("the reader passes over %1 in %2, with all it holds; move it to its place").arg(name, parent)), xml);
        else if (!meant.isEmpty())
            add(here.finding(LintCode::ElementMisspelled, QStringLiteral("the reader passes over %1, with all it holds; did you mean %2?").arg(name, meant)), xml);
        else if (!known.isEmpty())
            add(here.finding(LintCode::ElementUnknown, QStringLiteral("the reader passes over %1 in %2, with all it holds").arg(name, parent)), xml);
    }

    int number(const QXmlStreamAttributes &attributes, const QString &name, const LintPlace &place, const QXmlStreamReader &xml)
    {
        if (!attributes.hasAttribute(name))
            return 0;
        const QString text = attributes.value(name).toString();
        bool ok = false;
        const int value = text.toInt(&ok, 10);
        if (!ok)
            add(place.finding(LintCode::NumberNotDecimal, QStringLiteral("%1=\"%2\" is no decimal number of 32 bits, and the reader takes it as 0; "
                                                                 "write a decimal number")
                                                      .arg(name, text)),
                xml);
        return ok ? value : 0;
    }

    void lintAttributes(const LintPlace &place, const QXmlStreamAttributes &attributes, const Element &element, const QXmlStreamReader &xml)
    {
        QStringList known;
        for (const Attribute &attribute : element.attributes) {
            known.append(attribute.name);
            if (attribute.required && !attributes.hasAttribute(attribute.name))
                add(place.finding(LintCode::AttributeMissing, QStringLiteral("%1 has no %2 attribute: the reader takes a default, and zarn check "
                                                                    "calls the file broken; write it")
                                                         .arg(element.name, attribute.name)),
                    xml);
        }
        for (const QXmlStreamAttribute &attribute : attributes) {
            const QString name = attribute.name().toString();
            if (known.contains(name))
                continue;
            const QString meant = nearMiss(name, known);
            if (!meant.isEmpty() && !attributes.hasAttribute(meant))
                add(place.finding(LintCode::AttributeMisspelled, QStringLiteral("the reader passes over the attribute %1; did you mean %2?").arg(name, meant)), xml);
            else
                add(place.finding(LintCode::AttributeUnknown, QStringLiteral("the reader passes over the attribute %1 of %2").arg(name, element.name)), xml);
        }
    }
};

// The analyzer cores' trigger inputs are trig0_i to trig15_i.
const int triggerInputs = 16;

// The number attribute of each enabled trigger port, as the file writes it,
// of each full core in order: what the reader turns into a number (0 for
// text it cannot read) is no ground to judge it on.
QVector<QStringList> triggerNumberTexts(const QString &path)
{
    QVector<QStringList> cores;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cores;
    ConfigXml::Walker walker(&file);
    if (!walker.nextChild())
        return cores;
    while (walker.nextChild()) {
        if (walker.name() != QLatin1String("AoCore")) {
            walker.skip();
            continue;
        }
        cores.append(QStringList());
        while (walker.nextChild()) {
            const QXmlStreamAttributes attributes = walker.attributes();
            if (walker.name() == QLatin1String("TriggerPort") && attributes.value(QLatin1String("enabled")) != QLatin1String("false"))
                cores.last().append(attributes.value(QLatin1String("number")).toString());
            walker.skip();
        }
    }
    return cores;
}

// Why the trigger port number written @p text names no trigger input; empty where it names one.
QString triggerNumberProblem(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]+$"));
    if (!decimal.match(text).hasMatch())
        return QStringLiteral("the trigger port number \"%1\" is no decimal number; write one from 0 to %2").arg(text).arg(triggerInputs - 1);
    if (text.startsWith(QLatin1Char('-')))
        return QStringLiteral("the trigger port number %1 is negative; the analyzer's trigger inputs are trig0_i to trig%2_i").arg(text).arg(triggerInputs - 1);
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number >= triggerInputs)
        return QStringLiteral("the trigger port number %1 is past the analyzer's last trigger input, trig%2_i").arg(text).arg(triggerInputs - 1);
    return QString();
}

} // namespace

/** The analyzer file: what the stand-in reads of it, and what it would drop. */
QList<LintFinding> lintAnalyzerFile(const QString &path, LintSubject *subject)
{
    QList<LintFinding> findings;
    const LintPlace file = LintPlace().probe("analyzer", -1);
    // Every lite core, to say how many a generation would drop.
    const AnalyzerFile analyzer(path, AnalyzerFile::Every);
    const QList<QEL::AoCore *> &full = analyzer.full();
    const QList<QEL::AOCore_Lite *> &lite = analyzer.lite();
    const bool ok = analyzer.ok();
    const QString &error = analyzer.error();
    if (!ok && QFileInfo(path).isFile() && QFileInfo(path).size() == 0)
        return {file.finding(LintCode::AnalyzerEmpty, QStringLiteral("the analyzer file is empty, so generation would go on without analyzer cores"))};
    if (!ok) {
        LintFinding finding = file.finding(LintCode::AnalyzerUnreadable, QStringLiteral("the analyzer file cannot be read: %1").arg(error));
        placeParseError(finding, error);
        return {finding};
    }
    if (full.isEmpty() && lite.isEmpty()) {
        QFile device(path);
        QXmlStreamReader xml(device.open(QIODevice::ReadOnly) ? &device : nullptr);
        while (!xml.atEnd() && !xml.isStartElement())
            xml.readNext();
        const bool ours = xml.name() == rootElement;
        return {file.finding(LintCode::AnalyzerNoCores, ours ? QStringLiteral("this is a virtual I/O configuration, not an analyzer file; give "
                                                                      "--analyzer the analyzer's file")
                                                     : QStringLiteral("the analyzer file holds no AoCore or AoCoreLite element under its "
                                                                      "root, so generation would go on without analyzer cores; check their "
                                                                      "spelling"))};
    }
    if (!full.isEmpty() && !lite.isEmpty())
        findings.append(file.finding(LintCode::AnalyzerMixed, QStringLiteral("the analyzer file holds full (AoCore) and lite (AoCoreLite) cores; "
                                                                   "generation takes the full ones and drops the %1 lite; keep one kind")
                                                         .arg(lite.size())));
    subject->kind = full.isEmpty() ? TopModuleKind::LiteAnalyzer : TopModuleKind::FullAnalyzer;
    const QVector<QStringList> numberTexts = triggerNumberTexts(path);
    for (int j = 0; j < full.size(); ++j) {
        QStringList nets = full.at(j)->dataSignals();
        QSet<int> numbers;
        const QList<QEL::TriggerPort *> triggers = full.at(j)->availableTriggers();
        for (int i = 0; i < triggers.size(); ++i) {
            const QEL::TriggerPort *trigger = triggers.at(i);
            const QString problem = triggerNumberProblem(numberTexts.value(j).value(i, QString::number(trigger->triggerNumber)));
            if (!problem.isEmpty()) {
                findings.append(file.probe("analyzer", j).finding(LintCode::AnalyzerTriggerNumber, problem));
                nets += trigger->singleSignals();
                continue;
            }
            if (numbers.contains(trigger->triggerNumber))
                findings.append(file.probe("analyzer", j).finding(LintCode::AnalyzerTriggerRepeated,
                                                                QStringLiteral("two trigger ports carry the number %1, and the top module "
                                                                               "would connect trig%1_i twice; number them apart")
                                                                    .arg(trigger->triggerNumber)));
            numbers.insert(trigger->triggerNumber);
            nets += trigger->singleSignals();
        }
        subject->analyzerNets.append(nets << full.at(j)->sampleClock());
    }
    for (int j = 0; full.isEmpty() && j < lite.size(); ++j)
        subject->analyzerNets.append(lite.at(j)->dataSignals() << lite.at(j)->sampleClock());
    return findings;
}

namespace {

// The file lint, on what the reader made of @p path: @p failure and
// @p error as it gave them, the cores in @p subject.
QList<LintFinding> lintReadFile(const QString &path, const QString &analyzerPath, LintSubject &subject, ReadFailure failure, const QString &error)
{
    const LintPlace file;
    const bool ok = failure == ReadFailure::None;
    if (failure == ReadFailure::CannotOpen || failure == ReadFailure::NotWellFormed) {
        LintFinding finding = file.finding(LintCode::Xml, error);
        placeParseError(finding, error);
        return {finding};
    }

    // The model first: the walk then keeps the places of the nets that
    // findings name, not of every net of the file.
    QList<LintFinding> modelFindings;
    if (ok && !analyzerPath.isEmpty())
        modelFindings = lintAnalyzerFile(analyzerPath, &subject);
    const QList<LintFinding> coreFindings = ok ? lintSubject(subject) : QList<LintFinding>();
    FileWalk walk;
    for (const LintFinding &finding : coreFindings) {
        if (!finding.net.isEmpty())
            walk.positions.wanted.insert(FindingPlace::of(finding).key());
    }
    QFile device(path);
    if (device.open(QIODevice::ReadOnly))
        walk.walk(&device);
    QList<LintFinding> findings = walk.findings;
    if (failure == ReadFailure::NoVersion) {
        LintFinding finding = file.finding(LintCode::Version, QStringLiteral("the root holds no Version element; write <Version>1.0</Version> into it"));
        finding.line = walk.rootLine;
        finding.column = walk.rootColumn;
        findings.prepend(finding);
    }
    if (!ok)
        return findings;
    if (subject.cores.isEmpty())
        findings.append(file.finding(device.size() == 0 ? LintCode::FileEmpty : LintCode::NoCores,
                                   QStringLiteral("the file holds no core, and a generation needs one")));
    findings += modelFindings;

    // What the walk found of a repeated index, it said better.
    QSet<QString> said;
    for (const LintFinding &finding : std::as_const(walk.findings))
        said.insert(finding.code + withoutNet(FindingPlace::of(finding)).key());
    for (LintFinding finding : coreFindings) {
        if (said.contains(finding.code + withoutNet(FindingPlace::of(finding)).key()))
            continue;
        walk.positions.place(finding);
        findings.append(finding);
    }
    return findings;
}

} // namespace

QList<LintFinding> lintConfigFile(const QString &path, const QString &analyzerPath)
{
    ReadFailure failure = ReadFailure::None;
    QString error;
    LintSubject subject;
    subject.cores = readConfigFile(path, &failure, &error);
    const auto release = qScopeGuard([&subject] { qDeleteAll(subject.cores); });
    return lintReadFile(path, analyzerPath, subject, failure, error);
}

QList<LintFinding> lintConfigFile(const QString &path, const QList<ZarnCore *> &cores, const QString &analyzerPath)
{
    LintSubject subject;
    subject.cores = cores;
    return lintReadFile(path, analyzerPath, subject, ReadFailure::None, QString());
}

void placeLintFindings(const QString &path, QList<LintFinding> *findings)
{
    FileWalk walk;
    for (const LintFinding &finding : std::as_const(*findings)) {
        if (finding.line == 0 && !finding.net.isEmpty())
            walk.positions.wanted.insert(FindingPlace::of(finding).key());
    }
    QFile device(path);
    if (!device.open(QIODevice::ReadOnly))
        return;
    walk.walk(&device);
    for (LintFinding &finding : *findings) {
        if (finding.line == 0 && finding.corePosition >= 0)
            walk.positions.place(finding);
    }
}

} // namespace ZARN
