// The documentation against what it documents: each man page's options
// against the command's --help, both ways; every runnable example of the
// guides and reference pages run on the bundled example; every lint code in
// the messages page; every exit code a page documents got by a test; every
// relative link to a file that exists.

#include "testdata.h"
#include "lint/lintcodes.h"
#include "toollintcodes.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString sourceDir = QStringLiteral(ZARN_SOURCE_DIR);

// One option or argument as a help text or a man page lists it.
struct Entry
{
    QString term;        // "-h, --help <FILE>" in one spelling for both
    QString description; // lines joined by blanks: compare it simplified()
};

// The "Options:" and "Arguments:" entries of a QCommandLineParser help text.
QList<Entry> helpEntries(const QString &help)
{
    QList<Entry> entries;
    bool inList = false;
    static const QRegularExpression item(QStringLiteral("^  (\\S.*?)(?:  +(.*))?$"));
    for (const QString &line : help.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = item.match(line);
        if (line == QLatin1String("Options:") || line == QLatin1String("Arguments:"))
            inList = true;
        else if (inList && match.hasMatch() && !line.startsWith(QLatin1String("    ")))
            entries.append({match.captured(1), match.captured(2)});
        else if (inList && !entries.isEmpty()) // a blank line adds only blanks
            entries.last().description += QLatin1Char(' ') + line;
    }
    return entries;
}

// Roff as go-md2man writes it, as plain text.
QString plain(QString roff)
{
    static const QRegularExpression fonts(QStringLiteral("\\\\f[BIRP]"));
    roff.remove(fonts);
    roff.replace(QLatin1String("\\-"), QLatin1String("-")).replace(QLatin1String("\\&"), QString());
    roff.replace(QLatin1String("\\e"), QLatin1String("\\")).replace(QLatin1String("\\\\"), QLatin1String("\\"));
    return roff;
}

// The OPTIONS and ARGUMENTS entries of a man page, terms spelt as --help spells them.
QList<Entry> manEntries(const QString &man)
{
    QList<Entry> entries;
    bool inList = false;
    bool atTerm = false;
    for (const QString &line : man.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String(".SH "))) {
            inList = line == QLatin1String(".SH OPTIONS") || line == QLatin1String(".SH ARGUMENTS");
        } else if (inList && line == QLatin1String(".TP")) {
            atTerm = true;
        } else if (atTerm) {
            // "\fB--config\fP \fIFILE\fP" is "--config <FILE>"; an argument's "\fIFILE\fP" is "FILE".
            static const QRegularExpression value(QStringLiteral(" \\\\fI([^\\\\]+)\\\\fP$"));
            entries.append({plain(QString(line).replace(value, QStringLiteral(" <\\1>"))), QString()});
            atTerm = false;
        } else if (inList && !entries.isEmpty() && !line.startsWith(QLatin1Char('.'))) {
            entries.last().description += QLatin1Char(' ') + plain(line);
        }
    }
    return entries;
}

QString readText(const QString &path)
{
    return QString::fromUtf8(fileBytes(path));
}

// The fenced blocks marked "```sh runnable" by the line they start on, which
// keeps them in page order.
QMap<int, QString> runnableBlocks(const QString &page)
{
    QMap<int, QString> blocks;
    const QStringList lines = readText(page).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed() != QLatin1String("```sh runnable"))
            continue;
        QString &script = blocks[i + 1];
        while (++i < lines.size() && lines.at(i).trimmed() != QLatin1String("```"))
            script += lines.at(i) + QLatin1Char('\n');
    }
    return blocks;
}

// One row for each Markdown file of the project a user reads, or for each
// that has a runnable block.
void addPageRows(bool runnableOnly)
{
    QTest::addColumn<QString>("page");
    QStringList pages{sourceDir + QLatin1String("/README.md")};
    QDirIterator it(sourceDir + QLatin1String("/docs"), {QStringLiteral("*.md")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        pages.append(it.next());
    pages.sort();
    for (const QString &page : std::as_const(pages)) {
        if (!runnableOnly || !runnableBlocks(page).isEmpty())
            QTest::newRow(qPrintable(QDir(sourceDir).relativeFilePath(page))) << page;
    }
}

} // namespace

class TestDocs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manPageAgreesWithHelp_data() { addRowsFromTable(QStringLiteral("docs/manpages.txt"), {"page", "command"}); }

    void manPageAgreesWithHelp()
    {
        const QString page = field("page");
        const QString command = field("command");
        const QString manPath = QStringLiteral(ZARN_MAN_DIR "/") + page + QLatin1String(".1");
        if (!QFileInfo::exists(manPath)) {
            if (qEnvironmentVariableIsSet("ZARN_REQUIRE_DOC_TOOLS"))
                QFAIL(qPrintable(manPath + QLatin1String(" was not built")));
            QSKIP("no man pages: go-md2man was not found");
        }

        // What zarn prints for OPTION, or nothing when it fails.
        const auto output = [&command](const char *option) {
            QProcess zarn;
            // "probe read" is a command and its subcommand.
            const QStringList arguments = command.split(QLatin1Char(' '), Qt::SkipEmptyParts) + QStringList{QLatin1String(option)};
            zarn.start(QStringLiteral(ZARN_TOOL), arguments);
            return zarn.waitForFinished() && zarn.exitCode() == 0 ? QString::fromUtf8(zarn.readAllStandardOutput()) : QString();
        };
        const QList<Entry> help = helpEntries(output("--help"));
        QVERIFY(!help.isEmpty());
        // --help lists --help-all: it must work too, and say at least as much.
        const QString helpAll = output("--help-all");
        QStringList helpTerms, manTerms;
        for (const Entry &entry : help) {
            QVERIFY2(helpAll.contains(entry.term), qPrintable(entry.term));
            helpTerms.append(entry.term);
        }

        // Both ways: each option of --help in the page, in its order, and nothing else.
        const QList<Entry> man = manEntries(readText(manPath));
        for (const Entry &entry : man)
            manTerms.append(entry.term);
        QCOMPARE(manTerms, helpTerms);
        // The page says at least what --help says of each.
        for (int i = 0; i < help.size(); ++i) {
            const QString said = man.at(i).description.simplified();
            const QString helpSays = help.at(i).description.simplified();
            QVERIFY2(said.startsWith(helpSays),
                     qPrintable(QStringLiteral("%1 %2: the page says \"%3\", --help \"%4\"").arg(page, help.at(i).term, said, helpSays)));
        }
    }

    void runnableExamples_data() { addPageRows(true); }

    // The blocks of a page run in order in one scratch directory that holds a
    // copy of examples/, so that a later block may use what an earlier wrote.
    void runnableExamples()
    {
        QFETCH(QString, page);
        for (const char *program : {"yosys", "iverilog"}) {
            const bool found = !QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty();
            if (!found && !qEnvironmentVariableIsSet("ZARN_REQUIRE_VERILOG_TOOLS"))
                QSKIP("Yosys or Icarus Verilog not found");
            QVERIFY2(found, qPrintable(QLatin1String(program) + QLatin1String(" is required (ZARN_REQUIRE_VERILOG_TOOLS) but not found")));
        }
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        QVERIFY(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-R"), sourceDir + QLatin1String("/examples"), scratch.path()}) == 0);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"), QFileInfo(QStringLiteral(ZARN_TOOL)).path() + QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
        const QMap<int, QString> blocks = runnableBlocks(page);
        for (auto block = blocks.cbegin(); block != blocks.cend(); ++block) {
            QProcess shell;
            shell.setWorkingDirectory(scratch.path());
            shell.setProcessEnvironment(environment);
            shell.setProcessChannelMode(QProcess::MergedChannels);
            shell.start(QStringLiteral("bash"), {QStringLiteral("-e"), QStringLiteral("-o"), QStringLiteral("pipefail"), QStringLiteral("-c"), block.value()});
            const bool finished = shell.waitForFinished(120000);
            QVERIFY2(finished && shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0,
                     qPrintable(QStringLiteral("the block at line %1 fails (exit %2):\n%3\n%4")
                                    .arg(block.key())
                                    .arg(finished ? shell.exitCode() : -1)
                                    .arg(block.value(), QString::fromUtf8(shell.readAll()))));
        }
    }

    // A finding's code is what a user looks up: each code of the library's
    // table and of the tool's must be on the messages page, of the severity
    // the table gives it, and a test must give it.
    void everyLintCodeExplained()
    {
        QMap<QString, ZARN::LintFinding::Severity> severities;
        for (const ZARN::LintCodeEntry &entry : ZARN::lintCodeEntries())
            severities.insert(QLatin1String(entry.code), entry.severity);
        for (const Tool::LintCodeEntry &entry : Tool::lintCodeEntries)
            severities.insert(QLatin1String(entry.code), entry.severity);
        const QStringList codes = severities.keys();
        const QString messages = readText(sourceDir + QLatin1String("/docs/messages.md"));
        QStringList missing;
        for (const QString &name : codes) {
            // "#### `code`", a blank line, then "**Error.**" or "**Warning.**".
            const QString heading = QStringLiteral("#### `%1`\n\n").arg(name);
            const QString severity = QLatin1String(severities.value(name) == ZARN::LintFinding::Error ? "**Error.**" : "**Warning.**");
            const qsizetype at = messages.indexOf(heading);
            if (at < 0 || messages.mid(at + heading.size(), severity.size()) != severity)
                missing.append(name);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QLatin1String("not in docs/messages.md with its severity: ") + missing.join(QLatin1String(", "))));

        // And each has a case that gives it: a corpus file that expects it,
        // or a row of one of the tables of codes.
        QSet<QString> given;
        QDirIterator corpus(sourceDir + QLatin1String("/tests/data/lint/corpus"), {QStringLiteral("*.xml")}, QDir::Files);
        static const QRegularExpression expect(QStringLiteral("<!-- expect:([^>]*)-->"));
        while (corpus.hasNext()) {
            for (const QString &name : expect.match(readText(corpus.next())).captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                given.insert(name);
        }
        for (const auto &table : {qMakePair(QStringLiteral("tools/lintcodes.txt"), 2), qMakePair(QStringLiteral("tools/openiplimits.txt"), 6),
                                  qMakePair(QStringLiteral("lint/memory.txt"), 2)}) {
            for (const QString &line : readText(sourceDir + QLatin1String("/tests/data/") + table.first).split(QLatin1Char('\n'))) {
                if (!line.startsWith(QLatin1Char('#')))
                    for (const QString &name : line.section(QLatin1Char('\t'), table.second, table.second).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                        given.insert(name);
            }
        }
        QStringList untested;
        for (const QString &name : std::as_const(codes)) {
            if (!given.contains(name))
                untested.append(name);
        }
        QVERIFY2(untested.isEmpty(), qPrintable(QLatin1String("no case gives: ") + untested.join(QLatin1String(", "))));
    }

    // Each exit code a command's page documents is one a test gets: a row
    // of the command tables, or a line of a test script that a row of
    // docs/exitcodes.txt points at.
    void everyExitCodeHasACase()
    {
        QSet<QString> given; // "probe read 6"
        auto rowsOf = [&given](const QString &table, int arguments, int exitCode) {
            for (const QString &line : readText(sourceDir + QLatin1String("/tests/data/") + table).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
                if (line.startsWith(QLatin1Char('#')))
                    continue;
                const QStringList words = line.section(QLatin1Char('\t'), arguments, arguments).split(QLatin1Char(' '));
                const QString code = line.section(QLatin1Char('\t'), exitCode, exitCode);
                for (int count = 1; count <= qMin(2, int(words.size())); ++count)
                    given.insert(QStringList(words.mid(0, count)).join(QLatin1Char(' ')) + QLatin1Char(' ') + code);
                given.insert(code); // zarn itself
            }
        };
        rowsOf(QStringLiteral("tools/commands.txt"), 1, 2);
        rowsOf(QStringLiteral("tools/probecommands.txt"), 1, 3);
        for (const QString &line : readText(sourceDir + QLatin1String("/tests/data/docs/exitcodes.txt")).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            if (line.startsWith(QLatin1Char('#')))
                continue;
            QVERIFY2(fields.size() == 4 && readText(sourceDir + QLatin1Char('/') + fields.at(2)).contains(fields.at(3)), qPrintable(line));
            given.insert(fields.at(0) + QLatin1Char(' ') + fields.at(1));
        }
        QStringList missing;
        static const QRegularExpression code(QStringLiteral("^\\*\\*(\\d+)\\*\\*$"), QRegularExpression::MultilineOption);
        for (const QString &line : readText(testData("docs/manpages.txt")).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (line.startsWith(QLatin1Char('#')))
                continue;
            const QString page = readText(sourceDir + QLatin1String("/docs/commands/") + line.section(QLatin1Char('\t'), 0, 0) + QLatin1String(".md"));
            const QString command = line.section(QLatin1Char('\t'), 1, 1);
            QRegularExpressionMatchIterator codes = code.globalMatch(page.section(QLatin1String("# EXIT STATUS"), 1).section(QLatin1String("\n# "), 0, 0));
            QVERIFY2(codes.hasNext(), qPrintable(line + QLatin1String(": no exit status")));
            while (codes.hasNext()) {
                const QString key = (command.isEmpty() ? QString() : command + QLatin1Char(' ')) + codes.next().captured(1);
                if (!given.contains(key))
                    missing.append(QLatin1String("zarn ") + key);
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QLatin1String("no case exits so: ") + missing.join(QLatin1String(", "))));
    }

    void relativeLinksLead_data() { addPageRows(false); }

    void relativeLinksLead()
    {
        QFETCH(QString, page);
        static const QRegularExpression link(QStringLiteral("\\]\\(([^)#\\s]+)(?:#[^)]*)?\\)"));
        QRegularExpressionMatchIterator links = link.globalMatch(readText(page));
        while (links.hasNext()) {
            const QString target = links.next().captured(1);
            if (target.contains(QLatin1String("://")) || target.startsWith(QLatin1String("mailto:")))
                continue;
            const QString path = QFileInfo(page).dir().filePath(target);
            QVERIFY2(QFileInfo::exists(path), qPrintable(QStringLiteral("%1 links to %2, which does not exist").arg(page, target)));
        }
    }
};

QTEST_GUILESS_MAIN(TestDocs)
#include "tst_docs.moc"
