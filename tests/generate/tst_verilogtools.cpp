// Proves the golden top modules of tests/data/top with real Verilog tools:
// Icarus Verilog, Verilator and Yosys elaborate each top with port-matched
// stubs of the modules it instantiates (<design>.stubs.v), and an Icarus
// simulation (<design>.tb.v) shows that each stub port sees exactly the user
// nets bound to it, in order, first net at the MSB (<design>.sim).  The
// stubs, benches and expected lines were derived from the designs' cores, not
// from the writers.

#include "testdata.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

class TestVerilogTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void elaborates_data();
    void elaborates();
    void simulationShowsBoundNets_data();
    void simulationShowsBoundNets();

private:
    bool prepare(QTemporaryDir &dir, const QStringList &tools);
    QByteArray run(const QString &command, const QString &dir);
};

namespace {

QStringList designs()
{
    QStringList names = QDir(testData(QStringLiteral("top"))).entryList({QStringLiteral("*.sim")});
    for (QString &name : names)
        name.chop(4);
    return names;
}

QString topModule(const QString &design)
{
    return design.startsWith(QLatin1String("standalone")) ? QStringLiteral("xq_zarn") : QStringLiteral("xq_qel_zarn");
}

} // namespace

void TestVerilogTools::elaborates_data()
{
    // %1: the top module.  Warnings pass; errors fail.
    QTest::addColumn<QString>("design");
    QTest::addColumn<QString>("command");
    const QStringList commands = {
        QStringLiteral("iverilog -g2005 -s %1 -o top.vvp top.v stubs.v"),
        QStringLiteral("verilator --lint-only -Wno-fatal --top-module %1 top.v stubs.v"),
        QStringLiteral("yosys -q -p \"read_verilog top.v stubs.v; hierarchy -check -top %1\""),
    };
    for (const QString &command : commands) {
        for (const QString &design : designs())
            QTest::newRow(qPrintable(design + QLatin1Char(' ') + command.section(QLatin1Char(' '), 0, 0))) << design << command;
    }
}

void TestVerilogTools::elaborates()
{
    QFETCH(QString, design);
    QFETCH(QString, command);
    QTemporaryDir dir;
    if (!prepare(dir, {command.section(QLatin1Char(' '), 0, 0)}))
        return;
    const QByteArray output = run(command.arg(topModule(design)), dir.path());
    // With port-matched stubs Icarus finds nothing to warn about, not even a width.
    if (command.startsWith(QLatin1String("iverilog")))
        QCOMPARE(QString::fromUtf8(output), QString());
}

void TestVerilogTools::simulationShowsBoundNets_data()
{
    QTest::addColumn<QString>("design");
    for (const QString &design : designs())
        QTest::newRow(qPrintable(design)) << design;
}

void TestVerilogTools::simulationShowsBoundNets()
{
    QFETCH(QString, design);
    QTemporaryDir dir;
    if (!prepare(dir, {QStringLiteral("iverilog"), QStringLiteral("vvp")}))
        return;
    run(QStringLiteral("iverilog -g2005 -s tb -o sim.vvp top.v stubs.v tb.v"), dir.path());
    if (QTest::currentTestFailed())
        return;
    QStringList shown;
    for (const QString &line : QString::fromUtf8(run(QStringLiteral("vvp -n sim.vvp"), dir.path())).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("@ ")))
            shown.append(line);
    }
    const QStringList expected = QString::fromUtf8(fileBytes(testData(QLatin1String("top/") + design + QLatin1String(".sim")))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(shown, expected);
}

/**
 * Copies the current row's top, stubs and bench into @p dir; false when a
 * tool is missing (skipped, or failed under ZARN_REQUIRE_VERILOG_TOOLS=1).
 */
bool TestVerilogTools::prepare(QTemporaryDir &dir, const QStringList &tools)
{
    for (const QString &tool : tools) {
        if (!QStandardPaths::findExecutable(tool).isEmpty())
            continue;
        if (qEnvironmentVariableIntValue("ZARN_REQUIRE_VERILOG_TOOLS") == 1)
            QTest::qFail(qPrintable(tool + QLatin1String(" is missing")), __FILE__, __LINE__);
        else
            QTest::qSkip(qPrintable(tool + QLatin1String(" is not installed")), __FILE__, __LINE__);
        return false;
    }
    QFETCH(QString, design);
    const QString source = testData(QLatin1String("top/") + design);
    writeFile(dir.filePath(QStringLiteral("top.v")), fileBytes(source + QLatin1String(".v")));
    writeFile(dir.filePath(QStringLiteral("stubs.v")), fileBytes(source + QLatin1String(".stubs.v")));
    writeFile(dir.filePath(QStringLiteral("tb.v")), fileBytes(source + QLatin1String(".tb.v")));
    return true;
}

/** Runs @p command in @p dir, for 30 s at most; anything but a clean exit fails the test. */
QByteArray TestVerilogTools::run(const QString &command, const QString &dir)
{
    QStringList arguments = QProcess::splitCommand(command);
    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(arguments.takeFirst(), arguments);
    const bool finished = process.waitForFinished(30000);
    if (!finished)
        process.kill();
    const QByteArray output = process.readAllStandardOutput() + process.readAllStandardError();
    const bool ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!ok)
        QTest::qFail(qPrintable(command + QLatin1String(" failed:\n") + QString::fromUtf8(output)), __FILE__, __LINE__);
    return ok ? output : QByteArray();
}

QTEST_GUILESS_MAIN(TestVerilogTools)
#include "tst_verilogtools.moc"
