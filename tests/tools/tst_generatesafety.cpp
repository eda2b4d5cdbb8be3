// zarn generate against real faults: a full disk, a file-size limit,
// permissions, links, pipes, SIGKILL, two runs at once, inputs and user files
// inside the output.  Whatever happens, the output is the whole previous
// generation or the whole new one, and nothing else is touched.

#include "filesystemfaults.h"
#include "testdata.h"
#include "zarnrun.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <limits>

#include <sys/stat.h>

using FileSystemFaults::digests;

namespace {

// Holds every source the designs' generations list: runs warn of nothing.
QString ipRoot;

QList<QByteArray> generate(const QString &config, const QString &out, const QList<QByteArray> &more = {})
{
    return QList<QByteArray>{"generate", "--config", QFile::encodeName(config), "--out", QFile::encodeName(out), "--ip-root", QFile::encodeName(ipRoot)} + more;
}

// The entries of @p directory: what a run leaves beside its output.
QStringList entries(const QString &directory)
{
    return QDir(directory).entryList(FileSystemFaults::everything, QDir::Name);
}

// Makes each of @p entries (blank-separated) below @p dir in place of what
// is there: "a->b" a link a to b, a name with a trailing "/" a directory,
// "-a" nothing (a removed), any other a file of @p bytes.
bool makeEntries(const QDir &dir, const QString &entries, const QByteArray &bytes)
{
    for (const QString &entry : entries.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList link = entry.split(QLatin1String("->"));
        const QString path = dir.filePath(entry.startsWith(QLatin1Char('-')) ? entry.mid(1) : link.first());
        QFile::remove(path);
        const bool made = entry.startsWith(QLatin1Char('-')) ? !QFile::exists(path)
            : link.size() == 2                               ? QFile::link(link.at(1), path)
            : entry.endsWith(QLatin1Char('/'))               ? dir.mkpath(entry)
                                                             : !writeFile(path, bytes).isEmpty();
        if (!made)
            return false;
    }
    return true;
}

} // namespace

class TestGenerateSafety : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_scratch;
    QString m_design[2];      // two small designs, a and b
    QStringList m_reference[2];
    QString m_large[2];       // two that take a while to generate
    QStringList m_largeReference[2];
    // Each case's own folder, and in it out/, a generation of design a.
    QScopedPointer<QTemporaryDir> m_dir;
    QString m_out;

    // A generation of @p config at @p out, checked.
    static QStringList generated(const QString &config, const QString &out)
    {
        const Result result = zarn(generate(config, out));
        if (result.exitCode != 0)
            qFatal("zarn generate failed: %s", qPrintable(result.err));
        return digests(out);
    }

private Q_SLOTS:
    void initTestCase()
    {
        ipRoot = writeIpRoot(m_scratch.filePath(QStringLiteral("ip")), 100);
        for (int i = 0; i < 2; ++i) {
            const char *tag = i == 0 ? "a" : "b";
            m_design[i] = writeDesign(m_scratch.filePath(QStringLiteral("design_%1.xml").arg(i)), 40, 40, tag);
            m_reference[i] = generated(m_design[i], m_scratch.filePath(QStringLiteral("reference_%1").arg(i)));
            m_large[i] = writeDesign(m_scratch.filePath(QStringLiteral("large_%1.xml").arg(i)), 100, 400, tag);
            m_largeReference[i] = generated(m_large[i], m_scratch.filePath(QStringLiteral("large_reference_%1").arg(i)));
        }
    }

    void init()
    {
        m_dir.reset(new QTemporaryDir);
        m_out = m_dir->filePath(QStringLiteral("out"));
        generated(m_design[0], m_out);
    }

    // Design b over a generation of design a, with room on the disk for a
    // part of what b needs, or under a file-size limit.  Where the limit
    // cuts a write, the system's reason is said: a write cut short says
    // nothing of why by itself.
    void cutShort_data()
    {
        addRowsFromTable(QStringLiteral("tools/filesize.txt"), {"case", "limit", "error", "room"});
        for (int percent : {0, 5, 30, 60, 90, 98}) {
            const QString name = QStringLiteral("%1% of the room it needs").arg(percent);
            QTest::newRow(qPrintable(name)) << name << QString() << QStringLiteral("^(zarn: /\\S+: .*No space left on device\n)+$") << QString::number(percent);
        }
    }

    void cutShort()
    {
        QScopedPointer<FileSystemFaults::Tmpfs> disk;
        if (!field("room").isEmpty()) {
            disk.reset(new FileSystemFaults::Tmpfs(4 * 1024 * 1024));
            ZARN_REQUIRE_TMPFS(*disk);
            generated(m_design[0], disk->filePath(QStringLiteral("out")));
            qint64 needed = QFileInfo(m_design[1]).size();
            for (const QString &file : filesBelow(m_scratch.filePath(QStringLiteral("reference_1"))))
                needed += (QFileInfo(m_scratch.filePath(QStringLiteral("reference_1/") + file)).size() / 4096 + 1) * 4096;
            QVERIFY(disk->leaveFree(needed * field("room").toInt() / 100));
        }
        const QString base = disk ? disk->path() : m_dir->path();
        const QString out = base + QLatin1String("/out");
        Setup setup;
        setup.fileSizeLimit = field("limit").isEmpty() ? RLIM_INFINITY : rlim_t(field("limit").toInt());
        const Result result = zarn(generate(m_design[1], out), setup);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(QRegularExpression(field("error").replace(QLatin1String("@out"), out).replace(QLatin1String("@design"), m_design[1])).match(result.err).hasMatch(), qPrintable(result.err));
        QCOMPARE(digests(out), m_reference[0]);
        QCOMPARE(entries(base), disk ? (QStringList{"filler", "out"}) : QStringList{"out"});
    }

    void asNobody_data() { addRowsFromTable(QStringLiteral("tools/nobody.txt"), {"case", "out", "force", "error"}); }

    void asNobody()
    {
        // Everything but work/ is root's: were a wrong directory judged, or
        // emptied, the permission bits would stop it, and the error names
        // what was attempted.
        if (geteuid() != 0)
            QSKIP("only root can run zarn as the user nobody");
        if (field("out").startsWith(QLatin1String("/lib64")) && !QFileInfo(QStringLiteral("/lib64")).isSymLink())
            QSKIP("/lib64 is no link here");
        QTemporaryDir dir;
        const QString base = dir.path();
        QVERIFY(makeEntries(base, QStringLiteral("elsewhere/sub/keep.txt home/sub/.profile work/sub/ ro/ link->elsewhere/sub homelink->home/sub work/cwdlink->sub"), "precious"));
        generated(m_design[0], dir.filePath(QStringLiteral("gen")));
        generated(m_design[0], dir.filePath(QStringLiteral("ro/out")));
        FileSystemFaults::giveToNobody(dir.filePath(QStringLiteral("work")));
        FileSystemFaults::giveToNobody(dir.filePath(QStringLiteral("ro/out")));
        QVERIFY(lchown(QFile::encodeName(dir.filePath(QStringLiteral("ro/out"))).constData(), FileSystemFaults::nobody, FileSystemFaults::nobody) == 0);
        QFile::setPermissions(base, QFile::permissions(base) | QFileDevice::ExeOther | QFileDevice::ReadOther);
        const QStringList before = digests(base);

        Setup setup{dir.filePath(QStringLiteral("work")), dir.filePath(QStringLiteral("home"))};
        setup.asNobody = true;
        const QString out = QString(field("out")).replace(QLatin1String("@base"), base);
        const Result result = zarn(generate(m_design[1], out, field("force").isEmpty() ? QList<QByteArray>() : QList<QByteArray>{"--force"}), setup);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(QString(field("error")).replace(QLatin1String("@base"), base)), qPrintable(result.err));
        QCOMPARE(digests(base), before);
    }

    void asNobodyOverItsOwn_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("error");
        QTest::newRow("a read-only directory of the output") << QStringLiteral("out/zarn_0") << 0555 << QString();
        QTest::newRow("a read-only file of the output") << QStringLiteral("out/zarn_0/xq_zarn_parameter.v") << 0444 << QString();
        // Its owner's own word that it stays.
        QTest::newRow("the output read-only") << QStringLiteral("out") << 0555 << QStringLiteral("zarn: @out: Permission denied");
    }

    void asNobodyOverItsOwn()
    {
        // A user's own earlier generation gives way to the next whatever
        // the modes inside it, which bind only a user other than root; the
        // output keeps its owner and mode.
        if (geteuid() != 0)
            QSKIP("only root can run zarn as the user nobody");
        QFETCH(QString, entry);
        QFETCH(int, mode);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out"));
        generated(m_design[0], out);
        FileSystemFaults::giveToNobody(dir.path());
        QVERIFY(lchown(QFile::encodeName(dir.path()).constData(), FileSystemFaults::nobody, FileSystemFaults::nobody) == 0);
        QVERIFY(::chmod(QFile::encodeName(dir.filePath(entry)).constData(), mode_t(mode)) == 0);
        // The designs and the IP root are read by nobody too.
        QFile::setPermissions(m_scratch.path(), QFile::permissions(m_scratch.path()) | QFileDevice::ExeOther | QFileDevice::ReadOther);
        struct stat before;
        QVERIFY(::stat(QFile::encodeName(out).constData(), &before) == 0);

        Setup setup{dir.path(), dir.path()};
        setup.asNobody = true;
        const Result result = zarn(generate(m_design[1], out), setup);
        if (!error.isEmpty())
            QCOMPARE(result.err.trimmed(), error.replace(QLatin1String("@out"), out));
        QCOMPARE(result.exitCode, error.isEmpty() ? 0 : 2);
        QCOMPARE(digests(out), m_reference[error.isEmpty() ? 1 : 0]);
        struct stat after;
        QVERIFY(::stat(QFile::encodeName(out).constData(), &after) == 0);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_uid, FileSystemFaults::nobody);
        QCOMPARE(entries(dir.path()), QStringList{"out"});
    }

    void configurationFromPipe()
    {
        generated(m_design[1], m_out);
        const QByteArray script = "exec \"$0\" generate --config <(cat \"$1\") --out \"$2\" --ip-root \"$3\"";
        const Result result = Run({"-c", script, ZARN_TOOL, QFile::encodeName(m_design[0]), QFile::encodeName(m_out), QFile::encodeName(ipRoot)}, {}, "/bin/bash").finish();
        QCOMPARE(result.err, QString());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(digests(m_out), m_reference[0]);
    }

    void killedRuns()
    {
        // Killed at any moment, a run leaves the output as it was or as the
        // next generation; the next run clears what the killed one left.
        // The shortest of three runs: a first, cold run is slower than the rest.
        QStringList current;
        qint64 runTime = std::numeric_limits<qint64>::max();
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer timer;
            timer.start();
            current = generated(m_large[0], m_out);
            runTime = qMin(runTime, timer.elapsed());
        }
        int killedMidway = 0;
        for (int i = 0; i < 20; ++i) {
            const int next = (i + 1) % 2;
            Run run(generate(m_large[next], m_out));
            QThread::usleep(QRandomGenerator::global()->bounded(quint32(runTime * 1000)));
            run.kill();
            const bool midway = run.finish().exitCode == -1;
            killedMidway += midway;
            // A machine that got faster since the runs were timed (another
            // test ended) lets runs end before the kill: aim earlier.
            if (!midway)
                runTime = qMax<qint64>(1, runTime * 2 / 3);
            const QStringList after = digests(m_out);
            QVERIFY2(after == current || after == m_largeReference[next], qPrintable(QStringLiteral("after kill %1").arg(i)));
            current = after;
        }
        QVERIFY2(killedMidway >= 10, qPrintable(QStringLiteral("only %1 of 20 runs were killed midway").arg(killedMidway)));
        generated(m_large[1], m_out);
        QCOMPARE(entries(m_dir->path()), QStringList{"out"});
    }

    void concurrentRuns()
    {
        for (int round = 0; round < 3; ++round) {
            Run first(generate(m_large[0], m_out));
            Run second(generate(m_large[1], m_out));
            QCOMPARE(first.finish().exitCode, 0);
            QCOMPARE(second.finish().exitCode, 0);
            const QStringList after = digests(m_out);
            QVERIFY(after == m_largeReference[0] || after == m_largeReference[1]);
            QCOMPARE(entries(m_dir->path()), QStringList{"out"});
        }
    }

    void withoutRenameExchange()
    {
        // Where the file system cannot exchange, two renames do; a run killed
        // between them leaves the previous generation aside, and the next
        // run, even one that fails, puts it back.
        Setup setup;
        setup.withoutRenameExchange = true;
        const Result result = zarn(generate(m_design[1], m_out), setup);
        QCOMPARE(result.err, QString());
        QCOMPARE(digests(m_out), m_reference[1]);
        QCOMPARE(entries(m_dir->path()), QStringList{"out"});

        QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral(".out.zarn-staging-Ab12Cd/output"))));
        QVERIFY(QDir().rename(m_out, m_dir->filePath(QStringLiteral(".out.zarn-staging-Ab12Cd/previous"))));
        QCOMPARE(zarn(generate(testData(QStringLiteral("tools/broken.xml")), m_out), setup).exitCode, 2);
        QCOMPARE(digests(m_out), m_reference[1]);
        QCOMPARE(entries(m_dir->path()), QStringList{"out"});
    }

    void inputsAndUserFiles_data() { addRowsFromTable(QStringLiteral("tools/inputs.txt"), {"case", "files", "arguments", "exitCode", "error"}); }

    void inputsAndUserFiles()
    {
        // Over a generation of design a, with the row's files added; the
        // run's current directory is work/, its home home/.
        QVERIFY(makeEntries(m_dir->path(), QStringLiteral("home/.profile work/"), "precious"));
        QVERIFY(makeEntries(m_dir->path(), field("files"), fileBytes(m_design[0])));
        const auto placed = [&](QString text) {
            return text.replace(QLatin1String("@s"), m_dir->path()).replace(QLatin1String("@a"), m_design[0]).replace(QLatin1String("@data"), QStringLiteral(ZARN_TEST_DATA_DIR));
        };
        QStringList arguments{QStringLiteral("generate")};
        for (const QString &argument : placed(field("arguments")).split(QLatin1Char(' ')))
            arguments.append(QString(argument).replace(QLatin1String("%20"), QLatin1String(" ")));
        // The next generation keeps the owner and mode of the output.
        QVERIFY(lchown(QFile::encodeName(m_out).constData(), FileSystemFaults::nobody, getegid()) == 0 || geteuid() != 0);
        const QFileDevice::Permissions mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup;
        QVERIFY(QFile::setPermissions(m_out, mode));
        const uint owner = QFileInfo(m_out).ownerId();
        const QStringList before = digests(m_dir->path());
        const Setup setup{m_dir->filePath(QStringLiteral("work")), m_dir->filePath(QStringLiteral("home"))};

        const Result result = zarn(arguments, setup);
        QVERIFY2(result.err.contains(placed(field("error"))), qPrintable(result.err));
        QCOMPARE(QString::number(result.exitCode), field("exitCode"));
        if (result.exitCode != 0) {
            QCOMPARE(digests(m_dir->path()), before);
        } else {
            QCOMPARE(digests(m_out), m_reference[0]);
            QCOMPARE(entries(m_dir->path()), (QStringList{"home", "out", "work"}));
            QCOMPARE(QFileInfo(m_out).permissions() & QFileDevice::Permissions(0x7077), mode);
            QCOMPARE(QFileInfo(m_out).ownerId(), owner);
        }
    }

    void argumentNotText()
    {
        const Result result = zarn(QList<QByteArray>{"generate", "--config", QFile::encodeName(m_design[0]), "--out", "out\xff"});
        QCOMPARE(result.err, QStringLiteral("zarn: the argument 'out%FF' is not valid UTF-8 text; zarn takes only names that are (rename the file or directory)\n"));
        QCOMPARE(result.exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestGenerateSafety)

#include "tst_generatesafety.moc"
