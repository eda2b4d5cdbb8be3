// How the design commands take a Yosys that fails: broken or cut-short
// netlists from a stand-in yosys on PATH, a Yosys that hangs, crashes or is
// interrupted with zarn, and a TMPDIR that fills up under the real one.

#include "filesystemfaults.h"
#include "testdata.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <utime.h>

namespace {

// A yosys that answers -V as 0.23 does, then runs @p body with $json the
// netlist and $verilog the Verilog its script (the last argument) asks it to write.
QString writeFakeYosys(const QString &dir, const QByteArray &body)
{
    const QString path = writeFile(dir + QLatin1String("/yosys"),
                                   "#!/bin/sh\n"
                                   "if [ \"$1\" = -V ]; then echo 'Yosys 0.23 (stand-in)'; exit 0; fi\n"
                                   "for argument; do script=$argument; done\n"
                                   "json=$(sed -n 's/^write_json \"\\(.*\\)\"$/\\1/p' \"$script\")\n"
                                   "verilog=$(sed -n 's/^write_verilog \"\\(.*\\)\"$/\\1/p' \"$script\")\n"
                                   + body + "\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QProcessEnvironment environmentWith(const QString &path, const QString &temporary)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!path.isEmpty())
        environment.insert(QStringLiteral("PATH"), path + QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
    environment.insert(QStringLiteral("TMPDIR"), temporary);
    return environment;
}

QStringList netsOf(const QString &design)
{
    return {QStringLiteral("nets"), QStringLiteral("--design"), design, QStringLiteral("--top"), QStringLiteral("top")};
}

QStringList workDirectories(const QString &temporary)
{
    return QDir(temporary).entryList({QStringLiteral("zarn-*")}, QDir::Dirs | QDir::Hidden);
}

bool gone(qint64 pid)
{
    // Reparented to init, a killed child is reaped soon after.
    for (int i = 0; i < 50; ++i) {
        if (::kill(pid_t(pid), 0) != 0)
            return true;
        QTest::qWait(100);
    }
    return false;
}

} // namespace

class TestYosysRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_design = writeFile(m_dir.filePath(QStringLiteral("top.v")), "module top(input a, output y); assign y = a; endmodule\n");
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("tmp"))));
        // The elaboration cache is the test's own, not the user's.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("cache"))));
    }

    void brokenYosys_data() { addRowsFromTable(QStringLiteral("design/yosysrun/broken.txt"), {"case", "arguments", "body", "message"}); }

    void brokenYosys()
    {
        // Each a clear line and exit 2, never a crash; the working directory
        // goes, and an insertion writes nothing.
        const QString temporary = m_dir.filePath(QStringLiteral("tmp"));
        const QString out = m_dir.filePath(QStringLiteral("inserted"));
        const QString ip = writeIpRoot(m_dir.filePath(QStringLiteral("ip")), 1);
        const auto filled = [&](QString text) {
            return text.replace(QLatin1String("@design"), m_design).replace(QLatin1String("@data"), testData(QStringLiteral("design/yosysrun")))
                .replace(QLatin1String("@out"), out).replace(QLatin1String("@ip"), ip).replace(QLatin1String("@tmp"), temporary);
        };
        QTemporaryDir bin;
        writeFakeYosys(bin.path(), filled(field("body")).toUtf8());
        QStringList arguments = field("arguments").split(QLatin1Char(' '));
        for (QString &argument : arguments)
            argument = filled(argument);
        QProcess zarn;
        zarn.setProcessEnvironment(environmentWith(bin.path(), temporary));
        zarn.start(QStringLiteral(ZARN_TOOL), arguments);
        QVERIFY(zarn.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(zarn.readAllStandardError()), QStringLiteral("zarn: %1\n").arg(filled(field("message"))));
        QCOMPARE(zarn.exitStatus(), QProcess::NormalExit);
        QCOMPARE(zarn.exitCode(), 2);
        QCOMPARE(zarn.readAllStandardOutput(), QByteArray());
        QCOMPARE(workDirectories(temporary), QStringList());
        QVERIFY(!QFileInfo::exists(out));
    }

    void interrupted_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGKILL") << int(SIGKILL);
    }

    void interrupted()
    {
        // Yosys dies with zarn however zarn dies; SIGINT and SIGTERM also
        // remove the working directory, and the next run sweeps away what
        // SIGKILL left once its lock is free and old.
        QFETCH(int, signal);
        QTemporaryDir temporary;
        QProcess zarn;
        qint64 yosys = 0;
        QVERIFY(startHanging(&zarn, temporary.path(), &yosys));
        QCOMPARE(workDirectories(temporary.path()).size(), 1);
        ::kill(pid_t(zarn.processId()), signal);
        QVERIFY(zarn.waitForFinished(20000));
        QCOMPARE(zarn.exitStatus(), QProcess::CrashExit);
        QVERIFY2(gone(yosys), "Yosys outlived zarn");
        const QStringList left = workDirectories(temporary.path());
        QCOMPARE(left.size(), signal == SIGKILL ? 1 : 0);
        if (signal == SIGKILL) {
            QVERIFY(ageLock(temporary.filePath(left.first())));
            QCOMPARE(sweepingRun(temporary.path()), 2);
            QCOMPARE(workDirectories(temporary.path()), QStringList());
        }
    }

    void liveRunsKeepTheirDirectory()
    {
        // A run that sweeps leaves a live run's directory, however old its lock.
        QTemporaryDir temporary;
        QProcess live;
        qint64 yosys = 0;
        QVERIFY(startHanging(&live, temporary.path(), &yosys));
        const QStringList running = workDirectories(temporary.path());
        QCOMPARE(running.size(), 1);
        QVERIFY(ageLock(temporary.filePath(running.first())));
        // Nor does it take a user's directory that only looks like one of ours.
        const QString mine = writeFile(temporary.filePath(QStringLiteral("zarn-abcdef/notes.txt")), "mine");
        const struct utimbuf old = {946684800, 946684800};
        QCOMPARE(::utime(QFile::encodeName(temporary.filePath(QStringLiteral("zarn-abcdef"))).constData(), &old), 0);
        sweepingRun(temporary.path());
        QCOMPARE(fileBytes(mine), QByteArray("mine"));
        QDir(temporary.filePath(QStringLiteral("zarn-abcdef"))).removeRecursively();
        QCOMPARE(workDirectories(temporary.path()), running);
        live.terminate();
        QVERIFY(live.waitForFinished(20000));
        QCOMPARE(workDirectories(temporary.path()), QStringList());
    }

    void fullTemporaryDisk()
    {
        // Yosys's netlist does not fit: no answer and no output, and the previous output stays.
        FileSystemFaults::Tmpfs tmpfs(1024 * 1024);
        ZARN_REQUIRE_TMPFS(tmpfs);
        if (QStandardPaths::findExecutable(QStringLiteral("yosys")).isEmpty())
            QSKIP("Yosys is needed");
        QString design = QStringLiteral("module top(input clk, input [7:0] d, output [7:0] q);\n");
        for (int i = 0; i < 200; ++i)
            design += QStringLiteral("    reg [7:0] r%1; always @(posedge clk) r%1 <= %2;\n").arg(i).arg(i == 0 ? QStringLiteral("d") : QStringLiteral("r%1 ^ 8'd%1").arg(i - 1));
        design += QStringLiteral("    assign q = r199;\nendmodule\n");
        const QString source = writeFile(m_dir.filePath(QStringLiteral("big.v")), design.toUtf8());
        QVERIFY(tmpfs.leaveFree(16 * 1024));
        QProcess zarn;
        zarn.setProcessEnvironment(environmentWith(QString(), tmpfs.path()));
        zarn.start(QStringLiteral(ZARN_TOOL), netsOf(source));
        QVERIFY(zarn.waitForFinished(120000));
        const QString error = QString::fromUtf8(zarn.readAllStandardError());
        QVERIFY2(error.startsWith(QLatin1String("zarn: Yosys")), qPrintable(error));
        QCOMPARE(zarn.exitCode(), 2);
        QCOMPARE(zarn.readAllStandardOutput(), QByteArray());
        QCOMPARE(workDirectories(tmpfs.path()), QStringList());
    }

    void cachedAnswers()
    {
        // The second command on an unchanged design runs no Yosys; a change
        // to a source or to a file it includes, a header that would be read
        // in its place, or --no-cache, does; an entry cut short is no answer.
        if (QStandardPaths::findExecutable(QStringLiteral("yosys")).isEmpty())
            QSKIP("Yosys is needed");
        QTemporaryDir dir;
        const QString runs = dir.filePath(QStringLiteral("runs"));
        writeFakeYosys(dir.path(), "[ -n \"$json\" ] && echo run >> " + QFile::encodeName(runs) + "\nexec " + QFile::encodeName(QStandardPaths::findExecutable(QStringLiteral("yosys"))) + " \"$@\"");
        const QString header = writeFile(dir.filePath(QStringLiteral("width.vh")), "`define W 4\n");
        const QString source = writeFile(dir.filePath(QStringLiteral("top.v")), "`include \"width.vh\"\nmodule top(input [`W-1:0] a, output [`W-1:0] y); assign y = a; endmodule\n");
        QProcessEnvironment environment = environmentWith(dir.path(), dir.path());
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), dir.filePath(QStringLiteral("cache")));
        const QString work = dir.filePath(QStringLiteral("work"));
        QVERIFY(QDir().mkpath(work));
        // What a command answers, and how many times Yosys has run by then.
        const auto nets = [&](const QStringList &more = {}) {
            QProcess zarn;
            zarn.setProcessEnvironment(environment);
            zarn.setWorkingDirectory(work);
            zarn.start(QStringLiteral(ZARN_TOOL), netsOf(source) + more);
            zarn.waitForFinished(60000);
            const QString answer = QString::fromUtf8(zarn.readAllStandardOutput() + zarn.readAllStandardError());
            return std::make_pair(answer, int(fileBytes(runs).count('\n')));
        };
        const QString four = QStringLiteral("a[3:0]  4  driven\ny[3:0]  4  driven\n");
        QCOMPARE(nets(), std::make_pair(four, 1));
        QCOMPARE(nets(), std::make_pair(four, 1));
        QCOMPARE(nets({QStringLiteral("--no-cache")}), std::make_pair(four, 2));
        writeFile(header, "`define W 2\n");
        const QString two = QStringLiteral("a[1:0]  2  driven\ny[1:0]  2  driven\n");
        QCOMPARE(nets(), std::make_pair(two, 3));
        QCOMPARE(nets(), std::make_pair(two, 3));
        writeFile(header, "`define W 4\n");
        QCOMPARE(nets(), std::make_pair(four, 4));
        writeFile(source, fileBytes(source) + "// a comment\n");
        QCOMPARE(nets(), std::make_pair(four, 5));
        // Every entry's netlist cut short: each run answers anew.
        for (const QFileInfo &entry : QDir(dir.filePath(QStringLiteral("cache/zarn/elaborations"))).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile json(entry.filePath() + QLatin1String("/netlist.bin"));
            QVERIFY(json.open(QIODevice::ReadWrite) && json.resize(json.size() / 2));
        }
        QCOMPARE(nets(), std::make_pair(four, 6));
        QCOMPARE(nets(), std::make_pair(four, 6));
        // A header where Yosys looks before the one it read makes another design.
        writeFile(work + QLatin1String("/width.vh"), "`define W 2\n");
        QCOMPARE(nets(), std::make_pair(two, 7));
        QVERIFY(QFile::remove(work + QLatin1String("/width.vh")));
        QCOMPARE(nets(), std::make_pair(four, 8));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("cache/zarn/elaborations"))).entryList(QDir::Hidden | QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
    }

    void cachedConcurrently()
    {
        // Runs at once each give the whole answer and leave whole entries.
        if (QStandardPaths::findExecutable(QStringLiteral("yosys")).isEmpty())
            QSKIP("Yosys is needed");
        QTemporaryDir dir;
        QProcessEnvironment environment = environmentWith(QString(), dir.path());
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), dir.filePath(QStringLiteral("cache")));
        QList<QProcess *> runs;
        for (int i = 0; i < 4; ++i) {
            runs.append(new QProcess);
            runs.last()->setProcessEnvironment(environment);
            runs.last()->start(QStringLiteral(ZARN_TOOL), netsOf(m_design));
        }
        for (QProcess *run : std::as_const(runs)) {
            QVERIFY(run->waitForFinished(60000));
            QCOMPARE(run->readAllStandardOutput(), QByteArray("a  1  driven\ny  1  driven\n"));
            QCOMPARE(run->exitCode(), 0);
        }
        qDeleteAll(runs);
        const QDir cache(dir.filePath(QStringLiteral("cache/zarn/elaborations")));
        QCOMPARE(cache.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
        QCOMPARE(cache.entryList({QStringLiteral(".new-*")}, QDir::Dirs | QDir::Hidden).size(), 0);
    }

private:
    // Starts @p zarn on nets with a yosys that hangs once it runs, and waits for it: its pid in @p yosys.
    bool startHanging(QProcess *zarn, const QString &temporary, qint64 *yosys)
    {
        const QString pidFile = m_bin.filePath(QStringLiteral("pid"));
        QFile::remove(pidFile);
        writeFakeYosys(m_bin.path(), "echo $$ > " + QFile::encodeName(pidFile) + ".part; mv " + QFile::encodeName(pidFile) + ".part "
                                         + QFile::encodeName(pidFile) + "; exec sleep 60");
        zarn->setProcessEnvironment(environmentWith(m_bin.path(), temporary));
        zarn->start(QStringLiteral(ZARN_TOOL), netsOf(m_design));
        QElapsedTimer waited;
        waited.start();
        while (!QFile::exists(pidFile) && waited.elapsed() < 20000)
            QTest::qWait(50);
        *yosys = fileBytes(pidFile).trimmed().toLongLong();
        return *yosys > 0;
    }

    // Makes the lock of the working directory @p dir look as old as a dead run's.
    static bool ageLock(const QString &dir)
    {
        const struct utimbuf old = {946684800, 946684800}; // 2000-01-01
        return ::utime(QFile::encodeName(dir + QLatin1String("/.zarn-lock")).constData(), &old) == 0;
    }

    // A run whose yosys fails at once, after its working directory has swept the others: its exit code.
    int sweepingRun(const QString &temporary)
    {
        QTemporaryDir bin;
        writeFakeYosys(bin.path(), "exit 1");
        QProcess next;
        next.setProcessEnvironment(environmentWith(bin.path(), temporary));
        next.start(QStringLiteral(ZARN_TOOL), netsOf(m_design));
        next.waitForFinished(60000);
        return next.exitCode();
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_bin;
    QString m_design;
};

QTEST_GUILESS_MAIN(TestYosysRun)
#include "tst_yosysrun.moc"
