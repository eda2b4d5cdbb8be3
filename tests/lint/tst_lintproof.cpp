// The lint judged by Verilog tools.  Each configuration of
// tests/data/lint/corpus names the findings it must give; then it is
// generated without the lint and its top module, with port-matched stubs and
// a check module that includes each core's define and parameter files, goes
// through Icarus Verilog, Verilator and Yosys (read, hierarchy, proc,
// check -assert).  The check prints the macros each core sees and the
// initial value of each output probe, and Yosys's netlist shows which net
// each probe bit and clock is wired to.  A configuration with an error must
// be refused, rejected by at least one tool, or show other than the file says
// (as the reader takes it, as its author meant it where the corpus file says
// so, or with a net it names left out); one without must be accepted by all
// three and show exactly what the file says.

#include "testdata.h"
#include "verilogharness.h"

#include <zarn/configlint.h>
#include <zarn/configreader.h>
#include <zarn/configwriter.h>
#include <zarn/zarncore.h>
#include <zarn/zarnprepare.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace ZARN;
using namespace VerilogHarness;

namespace {

// A generation of @p config, with @p analyzer, into @p out: nothing but the
// reader stops it, the lint is not asked.
bool generate(const QString &config, const QString &out, const QString &analyzer = QString())
{
    return ZarnPrepare().prepare(ZarnArg{config, QString(), QString(), QString(), out, QString(), analyzer});
}

} // namespace

class TestLintProof : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toolsAgree_data() { addRowsForFiles("name", QStringLiteral("lint/corpus"), QStringLiteral("*.xml")); }

    void toolsAgree()
    {
        QFETCH(QString, name);
        const QString file = testData(QLatin1String("lint/corpus/") + name + QLatin1String(".xml"));
        const QString text = QString::fromUtf8(fileBytes(file));
        const QRegularExpressionMatch expect = QRegularExpression(QStringLiteral("<!-- expect:([^>]*)-->")).match(text);
        QVERIFY(expect.hasMatch());
        QStringList codes;
        bool errors = false;
        for (const LintFinding &finding : lintConfigFile(file)) {
            codes.append(finding.code);
            errors = errors || finding.severity == LintFinding::Error;
        }
        codes.removeDuplicates();
        codes.sort();
        QCOMPARE(codes, expect.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts));

        QTemporaryDir dir;
        if (!generate(file, dir.path())) {
            QVERIFY2(errors, "the generation refuses a file the lint calls clean");
            return;
        }
        const QList<ZarnCore *> cores = readZARNConfigFromXml(file);
        const Harness h = harness(cores);
        const QStringList wiringRead = expectedWiring(cores);
        qDeleteAll(cores);
        writeFile(dir.filePath(QStringLiteral("stubs.v")), h.stubs.toUtf8());
        writeFile(dir.filePath(QStringLiteral("check.v")), h.check.toUtf8());

        const QList<Tool> tools{
            run(dir.path(), {"iverilog", "-g2005", "-I.", "-s", "xq_zarn", "-s", "check", "-o", "t.vvp", "xq_zarn_top.v", "stubs.v", "check.v"}),
            run(dir.path(), {"verilator", "--lint-only", "-Wno-fatal", "-I.", "--top-module", "xq_zarn", "xq_zarn_top.v", "stubs.v"}),
            run(dir.path(), {"yosys", "-q", "-p", "read_verilog xq_zarn_top.v; read_verilog -lib stubs.v; hierarchy -check -top xq_zarn; proc; check -assert"}),
        };
        for (const Tool &tool : tools) {
            if (!tool.ran && qEnvironmentVariableIntValue("ZARN_REQUIRE_VERILOG_TOOLS") != 1)
                QSKIP("Icarus Verilog, Verilator or Yosys is not installed");
            QVERIFY(tool.ran);
        }
        QStringList shown;
        if (tools.first().accepted) {
            shown = run(dir.path(), {"vvp", "-n", "t.vvp"}).output.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^@ ")));
            shown.sort();
        }
        const bool allAccept = std::all_of(tools.cbegin(), tools.cend(), [](const Tool &tool) { return tool.accepted; });
        const QStringList wired = allAccept ? wiring(dir.path()) : QStringList();
        QStringList lost = signalsWritten(fileBytes(file));
        for (const QString &line : wired)
            for (const QString &net : line.split(QLatin1Char(' ')).mid(4))
                lost.removeAll(net);

        // What the author meant, where the file says it other than the reader
        // takes it: the file with one text replaced, which must be clean.
        const QRegularExpressionMatch meaning = QRegularExpression(QStringLiteral("<!-- means: \"([^\"]*)\" -> \"([^\"]*)\" -->")).match(text);
        bool meantOtherwise = false;
        if (meaning.hasMatch()) {
            const QString meant = dir.filePath(QStringLiteral("meant.xml"));
            writeFile(meant, QString(text).replace(meaning.captured(1), meaning.captured(2)).toUtf8());
            QVERIFY(lintConfigFile(meant).isEmpty());
            const QList<ZarnCore *> meantCores = readZARNConfigFromXml(meant);
            meantOtherwise = shown != harness(meantCores).expected || wired != expectedWiring(meantCores);
            qDeleteAll(meantCores);
        }

        const QString report = tools.at(0).output + tools.at(1).output + tools.at(2).output + shown.join(QLatin1Char('\n')) + QLatin1Char('\n')
            + wired.join(QLatin1Char('\n')) + QLatin1String("\nlost: ") + lost.join(QLatin1Char(','));
        if (errors)
            QVERIFY2(!allAccept || shown != h.expected || wired != wiringRead || !lost.isEmpty() || meantOtherwise,
                     qPrintable(QLatin1String("every tool accepts what the lint calls an error, and it wires what the file says:\n") + report));
        else {
            QVERIFY2(allAccept, qPrintable(report));
            QCOMPARE(shown, h.expected);
            QCOMPARE(wired, wiringRead);
            QVERIFY2(lost.isEmpty(), qPrintable(report));
        }
    }

    void analyzerDropsNothing_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *name : {"misspelled", "mixed", "triggers", "triggers-repeated"})
            QTest::newRow(name) << testData(QStringLiteral("lint/analyzer/%1.xml").arg(QLatin1String(name)));
    }

    void analyzerDropsNothing()
    {
        // An analyzer file the lint refuses makes a top module that a tool
        // rejects or that leaves out a net the file names.  (Files that cannot
        // be read name no net: the reader's own refusal is the proof there.)
        QFETCH(QString, file);
        const QString design = testData(QStringLiteral("../../examples/design.xml"));
        const QList<LintFinding> findings = lintConfigFile(design, file);
        QVERIFY(std::any_of(findings.cbegin(), findings.cend(), [](const LintFinding &f) { return f.severity == LintFinding::Error; }));
        if (QStandardPaths::findExecutable(QStringLiteral("yosys")).isEmpty() && qEnvironmentVariableIntValue("ZARN_REQUIRE_VERILOG_TOOLS") != 1)
            QSKIP("Yosys is not installed");

        QTemporaryDir dir;
        QVERIFY(generate(design, dir.path(), file));
        const QStringList wired = netsOfCells(dir.path(), QStringLiteral("xq_qel_zarn_top.v"), QStringLiteral("xq_qel_zarn"), QStringLiteral("^ao_top_"));
        QStringList lost = signalsWritten(fileBytes(file));
        for (const QString &net : wired)
            lost.removeAll(net);
        QVERIFY2(wired == QStringList{QStringLiteral("(Yosys failed)")} || !lost.isEmpty(), qPrintable(wired.join(QLatin1Char(' '))));
    }

    void connectedNetsPlaced()
    {
        // Each net a generation connects, with its place (core position and
        // index, probe kind and index, net, "!" where the top module drives
        // it): the analyzer's first, of no core; then the cores' by probe.
        const QString design = testData(QStringLiteral("../../examples/design.xml"));
        const QList<ZarnCore *> cores = readZARNConfigFromXml(design);
        QStringList places;
        for (const ConnectedNet &net : connectedNets(cores, testData(QStringLiteral("../../examples/analyzer.xml"))))
            places.append(QStringLiteral("%1/%2/%3/%4/%5%6").arg(net.corePosition).arg(net.coreIndex).arg(net.probeKind).arg(net.probeIndex).arg(net.net, QLatin1String(net.driven ? "!" : "")));
        qDeleteAll(cores);
        QCOMPARE(places.join(QLatin1Char('\n')) + QLatin1Char('\n'), QString::fromUtf8(fileBytes(testData(QStringLiteral("lint/connected.txt")))));
    }

    void oneEdit_data() { addRowsFromTable(QStringLiteral("lint/edits.txt"), {"case", "text", "replacement", "codes"}); }

    void oneEdit()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("edited.xml"));
        const QByteArray text = fileBytes(testData("config/example.xml"));
        QVERIFY(text.contains(field("text").toUtf8()));
        writeFile(file, QByteArray(text).replace(field("text").toUtf8(), field("replacement").toUtf8()));
        const QList<LintFinding> findings = lintConfigFile(file);
        // Findings that have their place keep it when placed again.
        QList<LintFinding> placed = findings;
        placeLintFindings(file, &placed);
        QStringList codes;
        for (int i = 0; i < findings.size(); ++i) {
            codes.append(findings.at(i).code);
            QCOMPARE(placed.at(i).line, findings.at(i).line);
            QCOMPARE(placed.at(i).column, findings.at(i).column);
        }
        codes.removeDuplicates();
        codes.sort();
        QCOMPARE(codes.join(QLatin1Char(' ')), field("codes"));
    }

    void inMemory_data() { addRowsFromTable(QStringLiteral("lint/memory.txt"), {"case", "probes", "codes", "message"}); }

    void inMemory()
    {
        // What only cores built in memory can hold: PROBES as "in0=a,b out2=q",
        // \xHH a character by its code.
        ZarnCore core(0);
        for (const QString &probe : field("probes").split(QLatin1Char(' '))) {
            const bool in = probe.startsWith(QLatin1String("in"));
            const int index = probe.mid(in ? 2 : 3).section(QLatin1Char('='), 0, 0).toInt();
            QList<SignalItem> items;
            for (QString net : probe.section(QLatin1Char('='), 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                static const QRegularExpression code(QStringLiteral("\\\\x([0-9a-f]{2})"));
                for (QRegularExpressionMatch match; (match = code.match(net)).hasMatch();)
                    net.replace(match.capturedStart(), match.capturedLength(), QChar(match.captured(1).toInt(nullptr, 16)));
                items.append(SignalItem(net));
            }
            if (in && !core.getProbeIn(index))
                core.addProbeIn(index);
            if (!in && !core.getProbeOut(index))
                core.addProbeOut(index);
            in ? core.getProbeIn(index)->setSignalNet(items) : core.getProbeOut(index)->setSignalNet(items);
        }
        QStringList codes;
        const QList<LintFinding> findings = lintCores({&core});
        for (const LintFinding &finding : findings)
            codes.append(finding.code);
        codes.removeDuplicates();
        codes.sort();
        QCOMPARE(codes.join(QLatin1Char(' ')), field("codes"));
        if (!field("message").isEmpty())
            QCOMPARE(findings.value(0).message, field("message"));
    }

    void everyKeyword()
    {
        // Each reserved word of the standards is refused unescaped and taken
        // escaped, by the lint and by Icarus, which knows them all with -g2012.
        static const QRegularExpression comment(QStringLiteral("#[^\n]*"));
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        const QStringList words = QString::fromUtf8(fileBytes(testData(QStringLiteral("lint/keywords.txt")))).remove(comment).split(blanks, Qt::SkipEmptyParts);
        QCOMPARE(words.size(), 247);
        // Apart, since a name and its escape are the same identifier.
        ZarnCore plain(0);
        ZarnCore escapedCore(0);
        QList<SignalItem> plainNets;
        QList<SignalItem> escapedNets;
        QStringList expected;
        QString escaped = QStringLiteral("module escaped;\n");
        for (const QString &word : words) {
            plainNets << SignalItem(word);
            escapedNets << SignalItem(QLatin1Char('\\') + word + QLatin1Char(' '));
            expected << word + QLatin1String(" net-keyword");
            escaped += QStringLiteral("wire \\%1 ;\n").arg(word);
        }
        plain.getProbeIn(0)->setSignalNet(plainNets);
        escapedCore.getProbeIn(0)->setSignalNet(escapedNets);
        for (ZarnCore *core : {&plain, &escapedCore})
            core->getProbeOut(0)->setSignalNet({SignalItem(QStringLiteral("q"))});
        QStringList refused;
        for (const LintFinding &finding : lintCores({&plain}))
            refused.append(finding.net + QLatin1Char(' ') + finding.code);
        QCOMPARE(refused, expected);
        QCOMPARE(lintCores({&escapedCore}).size(), 0);

        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("escaped.v")), (escaped + QLatin1String("endmodule\n")).toUtf8());
        const Tool tool = run(dir.path(), {"iverilog", "-g2012", "-o", "k.vvp", "escaped.v"});
        if (!tool.ran && qEnvironmentVariableIntValue("ZARN_REQUIRE_VERILOG_TOOLS") != 1)
            QSKIP("Icarus Verilog is not installed");
        QVERIFY2(tool.accepted, qPrintable(tool.output));
        for (const QString &word : words) {
            writeFile(dir.filePath(QStringLiteral("k.v")), QStringLiteral("module k;\nwire %1;\nendmodule\n").arg(word).toUtf8());
            QVERIFY2(!run(dir.path(), {"iverilog", "-g2012", "-o", "k.vvp", "k.v"}).accepted, qPrintable(word));
        }
    }

    void wideProbe_data() { addRowsFromTable(QStringLiteral("lint/wide.txt"), {"case", "nets", "pattern"}); }

    void wideProbe()
    {
        // The lint warns of a probe exactly where Verilator stops reading its line.
        ZarnCore core(0);
        QList<SignalItem> items;
        for (int i = 0; i < field("nets").toInt(); ++i)
            items.append(SignalItem(field("pattern").arg(i)));
        core.getProbeIn(0)->setSignalNet(items);
        core.getProbeOut(0)->setSignalNet({SignalItem(QStringLiteral("q"))});
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out"));
        QVERIFY(writeZARNConfigToXml({&core}, dir.filePath(QStringLiteral("design.xml"))));
        QVERIFY(generate(dir.filePath(QStringLiteral("design.xml")), out));
        writeFile(out + QLatin1String("/stubs.v"), harness({&core}).stubs.toUtf8());
        const Tool verilator = run(out, {"verilator", "--lint-only", "-Wno-fatal", "--top-module", "xq_zarn", "xq_zarn_top.v", "stubs.v"});
        if (!verilator.ran && qEnvironmentVariableIntValue("ZARN_REQUIRE_VERILOG_TOOLS") != 1)
            QSKIP("Verilator is not installed");
        const QList<LintFinding> findings = lintCores({&core});
        const bool warned = std::any_of(findings.cbegin(), findings.cend(), [](const LintFinding &f) { return f.code == QLatin1String("probe-too-wide"); });
        QCOMPARE(warned, !verilator.accepted);
    }
};

QTEST_GUILESS_MAIN(TestLintProof)
#include "tst_lintproof.moc"
