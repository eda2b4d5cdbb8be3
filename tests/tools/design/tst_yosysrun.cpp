// How the design commands take a Yosys that fails: broken or cut-short
// netlists from a stand-in yosys on PATH, a Yosys that hangs, crashes or is
// interrupted with zarn, and a TMPDIR that fills up under the real one.

#include "filesystemfaults.h"
#include "testdata.h"

#include <QProcess>
#include <QStandardPaths>

#include <csignal>
#include <utime.h>

namespace {

// Puts in @p dir a stand-in yosys (design/yosysrun/yosys.sh) that then runs @p body.
void writeFakeYosys(const QString &dir, const QByteArray &body)
{
    QFile::setPermissions(writeFile(dir + QLatin1String("/yosys"), fileBytes(testData(QStringLiteral("design/yosysrun/yosys.sh"))) + body + '\n'),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Starts @p zarn on @p arguments with the yosys in @p bin, if any, first on
// PATH, @p temporary as TMPDIR and, if given, its elaboration cache in @p cache.
void start(QProcess &zarn, const QStringList &arguments, const QString &bin, const QString &temporary, const QString &cache = QString())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!bin.isEmpty())
        environment.insert(QStringLiteral("PATH"), bin + QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
    environment.insert(QStringLiteral("TMPDIR"), temporary);
    if (!cache.isEmpty())
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    zarn.setProcessEnvironment(environment);
    zarn.start(QStringLiteral(ZARN_TOOL), arguments);
}

QStringList netsOf(const QString &design)
{
    return {QStringLiteral("nets"), QStringLiteral("--design"), design, QStringLiteral("--top"), QStringLiteral("top")};
}

QStringList workDirectories(const QString &temporary)
{
    return QDir(temporary).entryList({QStringLiteral("zarn-*")}, QDir::Dirs | QDir::Hidden);
}

// Makes @p path look as old as what a dead run left behind.
bool age(const QString &path)
{
    const struct utimbuf old = {946684800, 946684800}; // 2000-01-01
    return ::utime(QFile::encodeName(path).constData(), &old) == 0;
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
        writeFakeYosys(m_bin.path(), filled(field("body")).toUtf8());
        QStringList arguments = field("arguments").split(QLatin1Char(' '));
        for (QString &argument : arguments)
            argument = filled(argument);
        QProcess zarn;
        start(zarn, arguments, m_bin.path(), temporary);
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
        QTest::newRow("none while another run sweeps, then SIGTERM") << 0;
    }

    void interrupted()
    {
        // Yosys dies with zarn however zarn dies; SIGINT and SIGTERM also
        // remove the working directory, and the next run sweeps away what
        // SIGKILL left once its lock is free and old.  A run that sweeps
        // leaves a live run's directory, however old its lock, and a user's
        // directory that only looks like one of ours.
        QFETCH(int, signal);
        QTemporaryDir temporary;
        QProcess zarn;
        const qint64 yosys = startHanging(zarn, temporary.path());
        QVERIFY(yosys > 0);
        const QStringList running = workDirectories(temporary.path());
        QCOMPARE(running.size(), 1);
        if (signal != 0) {
            ::kill(pid_t(zarn.processId()), signal);
            QVERIFY(zarn.waitForFinished(20000));
            QCOMPARE(zarn.exitStatus(), QProcess::CrashExit);
            // Reparented to init, a killed child is reaped soon after.
            QVERIFY2(QTest::qWaitFor([yosys] { return ::kill(pid_t(yosys), 0) != 0; }, 5000), "Yosys outlived zarn");
        }
        const bool left = signal == SIGKILL || signal == 0;
        QCOMPARE(workDirectories(temporary.path()), left ? running : QStringList());
        QVERIFY(!left || age(temporary.filePath(running.first() + QLatin1String("/.zarn-lock"))));
        const QString mine = writeFile(temporary.filePath(QStringLiteral("zarn-abcdef/notes.txt")), "mine");
        QVERIFY(age(temporary.filePath(QStringLiteral("zarn-abcdef"))));
        QCOMPARE(sweepingRun(temporary.path()), 2);
        QCOMPARE(fileBytes(mine), QByteArray("mine"));
        QVERIFY(QDir(temporary.filePath(QStringLiteral("zarn-abcdef"))).removeRecursively());
        QCOMPARE(workDirectories(temporary.path()), signal == 0 ? running : QStringList());
        if (signal == 0) {
            zarn.terminate();
            QVERIFY(zarn.waitForFinished(20000));
            QCOMPARE(workDirectories(temporary.path()), QStringList());
        }
    }

    void refusedBeforeAnyRun_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QString>("temporary");
        QTest::addColumn<QString>("message");
        QTest::newRow("the Yosys of Debian 11") << QByteArray("Yosys 0.9 (git sha1 UNKNOWN, gcc 10.2.1-6 -fPIC -Os)") << m_dir.filePath(QStringLiteral("tmp"))
                                                << QStringLiteral("nets needs Yosys 0.23 or later; install the Debian package yosys");
        QTest::newRow("a TMPDIR where no directory can be made") << QByteArray("Yosys 0.23") << QStringLiteral("/proc")
                                                                 << QStringLiteral("cannot make a working directory for Yosys: No such file or directory");
    }

    void refusedBeforeAnyRun()
    {
        // A yosys that answers -V alone: none of these gets as far as running it on the design.
        QFETCH(QByteArray, version);
        QFETCH(QString, temporary);
        QFETCH(QString, message);
        QTemporaryDir bin;
        QFile::setPermissions(writeFile(bin.filePath(QStringLiteral("yosys")), "#!/bin/sh\necho '" + version + "'\n"), QFile::ReadOwner | QFile::ExeOwner);
        QProcess zarn;
        start(zarn, netsOf(m_design), bin.path(), temporary);
        QVERIFY(zarn.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(zarn.readAllStandardError()), QStringLiteral("zarn: %1\n").arg(message));
        QCOMPARE(zarn.exitCode(), 2);
        QCOMPARE(zarn.readAllStandardOutput(), QByteArray());
    }

    void fullTemporaryDisk()
    {
        // Yosys's netlist does not fit: no answer and no output, and the previous output stays.
        FileSystemFaults::Tmpfs tmpfs(1024 * 1024);
        ZARN_REQUIRE_TMPFS(tmpfs);
        if (QStandardPaths::findExecutable(QStringLiteral("yosys")).isEmpty())
            QSKIP("Yosys is needed");
        QVERIFY(tmpfs.leaveFree(16 * 1024));
        QProcess zarn;
        start(zarn, netsOf(testData(QStringLiteral("design/yosysrun/big.v"))), QString(), tmpfs.path());
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
        const QString yosys = QStandardPaths::findExecutable(QStringLiteral("yosys"));
        if (yosys.isEmpty())
            QSKIP("Yosys is needed");
        QTemporaryDir dir;
        const QString runs = dir.filePath(QStringLiteral("runs"));
        writeFakeYosys(dir.path(), "[ -n \"$json\" ] && echo run >> " + QFile::encodeName(runs) + "\nexec " + QFile::encodeName(yosys) + " \"$@\"");
        const QString header = writeFile(dir.filePath(QStringLiteral("width.vh")), "`define W 4\n");
        const QString source = writeFile(dir.filePath(QStringLiteral("top.v")), "`include \"width.vh\"\nmodule top(input [`W-1:0] a, output [`W-1:0] y); assign y = a; endmodule\n");
        const QString work = dir.filePath(QStringLiteral("work"));
        QVERIFY(QDir().mkpath(work));
        // What a command answers, and how many times Yosys has run by then.
        const auto nets = [&](const QStringList &more = {}) {
            QProcess zarn;
            zarn.setWorkingDirectory(work);
            start(zarn, netsOf(source) + more, dir.path(), dir.path(), dir.filePath(QStringLiteral("cache")));
            zarn.waitForFinished(60000);
            return std::make_pair(QString::fromUtf8(zarn.readAllStandardOutput() + zarn.readAllStandardError()), int(fileBytes(runs).count('\n')));
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
        // And every entry's list of inputs cut short at the end of a line,
        // before the "end" that says it is whole.
        for (const QFileInfo &entry : QDir(dir.filePath(QStringLiteral("cache/zarn/elaborations"))).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QByteArray inputs = fileBytes(entry.filePath() + QLatin1String("/inputs"));
            QVERIFY(inputs.endsWith("\nend\n"));
            writeFile(entry.filePath() + QLatin1String("/inputs"), inputs.left(inputs.size() - 4));
        }
        QCOMPARE(nets(), std::make_pair(four, 7));
        QCOMPARE(nets(), std::make_pair(four, 7));
        // A header where Yosys looks before the one it read makes another design.
        writeFile(work + QLatin1String("/width.vh"), "`define W 2\n");
        QCOMPARE(nets(), std::make_pair(two, 8));
        QVERIFY(QFile::remove(work + QLatin1String("/width.vh")));
        QCOMPARE(nets(), std::make_pair(four, 9));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("cache/zarn/elaborations"))).entryList(QDir::Hidden | QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
        // A memory file the design reads is an input as well, and so is
        // one where Yosys would look for it first.
        writeFile(dir.filePath(QStringLiteral("init.hex")), "5\n");
        writeFile(source, "module top(input [3:0] a, output [3:0] y); reg [3:0] m [0:0]; initial $readmemh(\"init.hex\", m); assign y = a ^ m[0]; endmodule\n");
        QCOMPARE(nets().second, 10);
        QCOMPARE(nets().second, 10);
        writeFile(dir.filePath(QStringLiteral("init.hex")), "6\n");
        QCOMPARE(nets().second, 11);
        writeFile(work + QLatin1String("/init.hex"), "7\n");
        QCOMPARE(nets().second, 12);
        // So is a header in an include directory that Yosys searches before the one it read from.
        writeFile(dir.filePath(QStringLiteral("second/width.vh")), "`define W 4\n");
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("first"))) && QFile::remove(header));
        writeFile(source, "`include \"width.vh\"\nmodule top(input [`W-1:0] a, output [`W-1:0] y); assign y = a; endmodule\n");
        const QStringList includeDirs{QStringLiteral("--include-dir"), dir.filePath(QStringLiteral("first")), QStringLiteral("--include-dir"), dir.filePath(QStringLiteral("second"))};
        QCOMPARE(nets(includeDirs), std::make_pair(four, 13));
        writeFile(dir.filePath(QStringLiteral("first/width.vh")), "`define W 2\n");
        QCOMPARE(nets(includeDirs), std::make_pair(two, 14));
    }

    void cachedConcurrently()
    {
        // Runs at once each give the whole answer and leave whole entries.
        if (QStandardPaths::findExecutable(QStringLiteral("yosys")).isEmpty())
            QSKIP("Yosys is needed");
        QTemporaryDir dir;
        QProcess runs[4];
        for (QProcess &run : runs)
            start(run, netsOf(m_design), QString(), dir.path(), dir.filePath(QStringLiteral("cache")));
        for (QProcess &run : runs) {
            QVERIFY(run.waitForFinished(60000));
            QCOMPARE(run.readAllStandardOutput(), QByteArray("a  1  driven\ny  1  driven\n"));
            QCOMPARE(run.exitCode(), 0);
        }
        const QDir cache(dir.filePath(QStringLiteral("cache/zarn/elaborations")));
        QCOMPARE(cache.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
        QCOMPARE(cache.entryList({QStringLiteral(".new-*")}, QDir::Dirs | QDir::Hidden).size(), 0);
    }

private:
    // Starts @p zarn on nets with a yosys that hangs once it runs, and waits for that: its pid, or 0.
    qint64 startHanging(QProcess &zarn, const QString &temporary)
    {
        const QString pid = m_bin.filePath(QStringLiteral("pid"));
        QFile::remove(pid);
        writeFakeYosys(m_bin.path(), "pid=" + QFile::encodeName(pid) + "; echo $$ > \"$pid.new\"; mv \"$pid.new\" \"$pid\"; exec sleep 60");
        start(zarn, netsOf(m_design), m_bin.path(), temporary);
        return QTest::qWaitFor([&] { return QFile::exists(pid); }, 20000) ? fileBytes(pid).trimmed().toLongLong() : 0;
    }

    // A run whose yosys fails at once, after its working directory has swept the others: its exit code.
    int sweepingRun(const QString &temporary)
    {
        QTemporaryDir bin;
        writeFakeYosys(bin.path(), "exit 1");
        QProcess next;
        start(next, netsOf(m_design), bin.path(), temporary);
        next.waitForFinished(60000);
        return next.exitCode();
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_bin;
    QString m_design;
};

QTEST_GUILESS_MAIN(TestYosysRun)
#include "tst_yosysrun.moc"
