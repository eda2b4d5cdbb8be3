// Proves the golden top modules of tests/data/top with real Verilog tools:
// Icarus Verilog, Verilator and Yosys elaborate each top with port-matched
// stubs of the modules it instantiates (<design>.stubs.v), and an Icarus
// simulation (<design>.tb.v) shows that each probe port of each stub core sees
// exactly its nets in order, first net at the MSB, and each analyzer stub its
// data, trigger and clock nets (<design>.sim).  The stubs, benches and
// expected lines were derived from the designs' cores, not from the writers;
// tests/data/top/README.md tells more.

#include "testdata.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

class TestVerilogTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void elaborates_data()
    {
        // %1: the top module.  Warnings pass; errors fail.
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("command");
        for (const char *command : {"iverilog -g2005 -s %1 -o top.vvp top.v stubs.v", "verilator --lint-only -Wno-fatal --top-module %1 top.v stubs.v",
                                    "yosys -q -p \"read_verilog top.v stubs.v; hierarchy -check -top %1\""}) {
            for (const QString &design : designs())
                QTest::newRow(qPrintable(design + QLatin1Char(' ') + QString::fromLatin1(command).section(QLatin1Char(' '), 0, 0))) << design << command;
        }
    }

    void elaborates()
    {
        QFETCH(QString, design);
        QFETCH(QString, command);
        QTemporaryDir dir;
        if (!prepare(dir, {command.section(QLatin1Char(' '), 0, 0)}))
            return;
        const QString module = design.startsWith(QLatin1String("standalone")) ? QStringLiteral("xq_zarn") : QStringLiteral("xq_qel_zarn");
        const QByteArray output = run(command.arg(module), dir.path());
        // With port-matched stubs Icarus finds nothing to warn about, not even a width.
        if (command.startsWith(QLatin1String("iverilog")))
            QCOMPARE(QString::fromUtf8(output), QString());
    }

    void simulationShowsBoundNets_data()
    {
        QTest::addColumn<QString>("design");
        for (const QString &design : designs())
            QTest::newRow(qPrintable(design)) << design;
    }

    void simulationShowsBoundNets()
    {
        QFETCH(QString, design);
        QTemporaryDir dir;
        if (!prepare(dir, {QStringLiteral("iverilog"), QStringLiteral("vvp")}))
            return;
        run(QStringLiteral("iverilog -g2005 -s tb -o sim.vvp top.v stubs.v tb.v"), dir.path());
        if (QTest::currentTestFailed())
            return;
        const QStringList lines = QString::fromUtf8(run(QStringLiteral("vvp -n sim.vvp"), dir.path())).split(QLatin1Char('\n'));
        const QString expected = QString::fromUtf8(fileBytes(testData(QLatin1String("top/") + design + QLatin1String(".sim"))));
        QVERIFY(!expected.isEmpty());
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^@ "))), expected.split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    }

private:
    static QStringList designs()
    {
        return QDir(testData(QStringLiteral("top"))).entryList({QStringLiteral("*.sim")}).replaceInStrings(QStringLiteral(".sim"), QString());
    }

    // Copies the current row's top, stubs and bench into @p dir; false when a
    // tool is missing (skipped, or failed under ZARN_REQUIRE_VERILOG_TOOLS=1).
    static bool prepare(QTemporaryDir &dir, const QStringList &tools)
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

    // Runs @p command in @p dir, for 30 s at most; anything but a clean exit fails the test.
    static QByteArray run(const QString &command, const QString &dir)
    {
        QStringList arguments = QProcess::splitCommand(command);
        QProcess process;
        process.setWorkingDirectory(dir);
        process.start(arguments.takeFirst(), arguments);
        const bool finished = process.waitForFinished(30000);
        if (!finished)
            process.kill();
        const QByteArray output = process.readAllStandardOutput() + process.readAllStandardError();
        if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
            return output;
        QTest::qFail(qPrintable(command + QLatin1String(" failed:\n") + QString::fromUtf8(output)), __FILE__, __LINE__);
        return QByteArray();
    }
};

QTEST_GUILESS_MAIN(TestVerilogTools)
#include "tst_verilogtools.moc"
