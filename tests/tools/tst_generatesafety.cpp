// zarn generate against real faults: a full disk, a file-size limit,
// permissions, links, pipes, SIGKILL, two runs at once, inputs and user files
// inside the output.  Whatever happens, the output is the whole previous
// generation or the whole new one, and nothing else is touched.

#include "filesystemfaults.h"
#include "testdata.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <cstddef>
#include <vector>

#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>

using FileSystemFaults::digests;

namespace {

// How the child that runs zarn is set up before it starts.
struct Setup
{
    QString workingDirectory;
    QString home;
    rlim_t fileSizeLimit = RLIM_INFINITY;
    bool asNobody = false;
    bool withoutRenameExchange = false;
};

struct Result
{
    int exitCode = -1; ///< -1: killed
    QString out;
    QString err;
};

// Makes renameat2(RENAME_EXCHANGE) fail with EINVAL, as it does on file
// systems that cannot exchange.
bool refuseRenameExchange()
{
#if defined(__x86_64__)
    const __u32 arch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    const __u32 arch = AUDIT_ARCH_AARCH64;
#else
    return false;
#endif
    const __u32 renameExchange = 1 << 1;
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, arch, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_renameat2, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[4])),
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, renameExchange, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EINVAL),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program{sizeof(filter) / sizeof(filter[0]), filter};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

/** One run of a program, zarn by default, started at once; its output is kept in memory files. */
class Run
{
public:
    explicit Run(const QList<QByteArray> &arguments, const Setup &setup = {}, const QByteArray &program = ZARN_TOOL)
        : m_out(memfd_create("out", 0))
        , m_err(memfd_create("err", 0))
    {
        // Everything the child needs is made before the fork: after it, only system calls.
        QList<QByteArray> strings{program};
        strings += arguments;
        std::vector<char *> argv;
        for (QByteArray &string : strings)
            argv.push_back(string.data());
        argv.push_back(nullptr);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!setup.home.isEmpty())
            environment.insert(QStringLiteral("HOME"), setup.home);
        QList<QByteArray> variables;
        for (const QString &variable : environment.toStringList())
            variables.append(variable.toLocal8Bit());
        std::vector<char *> envp;
        for (QByteArray &variable : variables)
            envp.push_back(variable.data());
        envp.push_back(nullptr);
        const QByteArray cwd = QFile::encodeName(setup.workingDirectory);
        const rlimit limit{setup.fileSizeLimit, setup.fileSizeLimit};

        m_pid = fork();
        if (m_pid != 0)
            return;
        const int input = open("/dev/null", O_RDONLY);
        if (dup2(input, 0) < 0 || dup2(m_out, 1) < 0 || dup2(m_err, 2) < 0 || (!cwd.isEmpty() && chdir(cwd.constData()) != 0)
            || setrlimit(RLIMIT_FSIZE, &limit) != 0 || (setup.withoutRenameExchange && !refuseRenameExchange())
            || (setup.asNobody && (setgroups(0, nullptr) != 0 || setgid(FileSystemFaults::nobody) != 0 || setuid(FileSystemFaults::nobody) != 0)))
            _exit(126);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    ~Run()
    {
        if (m_pid > 0 && !m_finished)
            finish();
        close(m_out);
        close(m_err);
    }

    void kill() { ::kill(m_pid, SIGKILL); }

    Result finish()
    {
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_finished = true;
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text(m_out), text(m_err)};
    }

private:
    static QString text(int fd)
    {
        QFile file;
        if (lseek(fd, 0, SEEK_SET) != 0 || !file.open(fd, QIODevice::ReadOnly))
            return QStringLiteral("<unreadable>");
        return QString::fromUtf8(file.readAll());
    }

    int m_out;
    int m_err;
    pid_t m_pid = -1;
    bool m_finished = false;
};

Result zarn(const QList<QByteArray> &arguments, const Setup &setup = {})
{
    return Run(arguments, setup).finish();
}

QList<QByteArray> generate(const QString &config, const QString &out, const QList<QByteArray> &more = {})
{
    return QList<QByteArray>{"generate", "--config", QFile::encodeName(config), "--out", QFile::encodeName(out)} + more;
}

// The entries of @p directory: what a run leaves beside its output.
QStringList entries(const QString &directory)
{
    return QDir(directory).entryList(FileSystemFaults::everything, QDir::Name);
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
        for (int i = 0; i < 2; ++i) {
            const char *tag = i == 0 ? "a" : "b";
            m_design[i] = writeDesign(m_scratch.filePath(QStringLiteral("design_%1.xml").arg(i)), 40, 40, tag);
            m_reference[i] = generated(m_design[i], m_scratch.filePath(QStringLiteral("reference_%1").arg(i)));
            m_large[i] = writeDesign(m_scratch.filePath(QStringLiteral("large_%1.xml").arg(i)), 100, 400, tag);
            m_largeReference[i] = generated(m_large[i], m_scratch.filePath(QStringLiteral("large_reference_%1").arg(i)));
        }
    }

    void fullDisk_data()
    {
        QTest::addColumn<int>("percent");
        for (int percent : {0, 5, 30, 60, 90, 98})
            QTest::newRow(qPrintable(QStringLiteral("%1% of the room it needs").arg(percent))) << percent;
    }

    void fullDisk()
    {
        // Room for the previous generation, and a part of what the next needs.
        QFETCH(int, percent);
        FileSystemFaults::Tmpfs disk(4 * 1024 * 1024);
        ZARN_REQUIRE_TMPFS(disk);
        const QString out = disk.filePath(QStringLiteral("out"));
        generated(m_design[0], out);
        qint64 needed = QFileInfo(m_design[1]).size();
        for (const QString &file : filesBelow(m_scratch.filePath(QStringLiteral("reference_1"))))
            needed += (QFileInfo(m_scratch.filePath(QStringLiteral("reference_1/") + file)).size() / 4096 + 1) * 4096;
        QVERIFY(disk.leaveFree(needed * percent / 100));

        const Result result = zarn(generate(m_design[1], out));
        QCOMPARE(result.exitCode, 2);
        for (const QString &line : result.err.trimmed().split(QLatin1Char('\n')))
            QVERIFY2(QRegularExpression(QStringLiteral("^zarn: /\\S+: .*No space left on device$")).match(line).hasMatch(), qPrintable(result.err));
        QCOMPARE(digests(out), m_reference[0]);
        QCOMPARE(entries(disk.path()), (QStringList{"filler", "out"}));
    }

    void fileSizeLimit()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out"));
        generated(m_design[0], out);
        Setup setup;
        setup.fileSizeLimit = 200 * 1024;
        const Result result = zarn(generate(m_design[1], out), setup);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(QRegularExpression(QStringLiteral("^zarn: ") + out + QStringLiteral("/\\S+: File too large\n$")).match(result.err).hasMatch(), qPrintable(result.err));
        QCOMPARE(digests(out), m_reference[0]);
        QCOMPARE(entries(dir.path()), QStringList{"out"});
    }

    void asNobody_data()
    {
        addRowsFromTable(QStringLiteral("tools/nobody.txt"), {"case", "out", "force", "error"});
    }

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
        writeFile(dir.filePath(QStringLiteral("elsewhere/sub/keep.txt")), "precious");
        writeFile(dir.filePath(QStringLiteral("home/sub/.profile")), "precious");
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("work/sub"))));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("ro"))));
        QVERIFY(QFile::link(QStringLiteral("elsewhere/sub"), dir.filePath(QStringLiteral("link"))));
        QVERIFY(QFile::link(QStringLiteral("home/sub"), dir.filePath(QStringLiteral("homelink"))));
        QVERIFY(QFile::link(QStringLiteral("sub"), dir.filePath(QStringLiteral("work/cwdlink"))));
        generated(m_design[0], dir.filePath(QStringLiteral("gen")));
        generated(m_design[0], dir.filePath(QStringLiteral("ro/out")));
        FileSystemFaults::giveToNobody(dir.filePath(QStringLiteral("work")));
        FileSystemFaults::giveToNobody(dir.filePath(QStringLiteral("ro/out")));
        QVERIFY(lchown(QFile::encodeName(dir.filePath(QStringLiteral("ro/out"))).constData(), FileSystemFaults::nobody, FileSystemFaults::nobody) == 0);
        QFile::setPermissions(base, QFile::permissions(base) | QFileDevice::ExeOther | QFileDevice::ReadOther);
        const QStringList before = digests(base);

        Setup setup;
        setup.asNobody = true;
        setup.workingDirectory = dir.filePath(QStringLiteral("work"));
        setup.home = dir.filePath(QStringLiteral("home"));
        const QString out = QString(field("out")).replace(QLatin1String("@base"), base);
        const Result result = zarn(generate(m_design[1], out, field("force").isEmpty() ? QList<QByteArray>() : QList<QByteArray>{"--force"}), setup);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(QString(field("error")).replace(QLatin1String("@base"), base)), qPrintable(result.err));
        QCOMPARE(digests(base), before);
    }

    void configurationFromPipe()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out"));
        generated(m_design[1], out);
        const QByteArray script = "exec \"$0\" generate --config <(cat \"$1\") --out \"$2\"";
        const Result result = Run({"-c", script, ZARN_TOOL, QFile::encodeName(m_design[0]), QFile::encodeName(out)}, {}, "/bin/bash").finish();
        QCOMPARE(result.err, QString());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(digests(out), m_reference[0]);
    }

    void killedRuns()
    {
        // Killed at any moment, a run leaves the output as it was or as the
        // next generation; the next run clears what the killed one left.
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out"));
        QElapsedTimer timer;
        timer.start();
        QStringList current = generated(m_large[0], out);
        const qint64 runTime = timer.elapsed();
        int killedMidway = 0;
        for (int i = 0; i < 20; ++i) {
            const int next = (i + 1) % 2;
            Run run(generate(m_large[next], out));
            QThread::usleep(QRandomGenerator::global()->bounded(quint32(runTime * 1100)));
            run.kill();
            killedMidway += run.finish().exitCode == -1;
            const QStringList after = digests(out);
            QVERIFY2(after == current || after == m_largeReference[next], qPrintable(QStringLiteral("after kill %1").arg(i)));
            current = after;
        }
        QVERIFY2(killedMidway >= 10, qPrintable(QStringLiteral("only %1 of 20 runs were killed midway").arg(killedMidway)));
        generated(m_large[1], out);
        QCOMPARE(entries(dir.path()), QStringList{"out"});
    }

    void concurrentRuns()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out"));
        generated(m_design[0], out);
        for (int round = 0; round < 3; ++round) {
            Run first(generate(m_large[0], out));
            Run second(generate(m_large[1], out));
            QCOMPARE(first.finish().exitCode, 0);
            QCOMPARE(second.finish().exitCode, 0);
            const QStringList after = digests(out);
            QVERIFY(after == m_largeReference[0] || after == m_largeReference[1]);
            QCOMPARE(entries(dir.path()), QStringList{"out"});
        }
    }

    void withoutRenameExchange()
    {
        // Where the file system cannot exchange, two renames do; a run killed
        // between them leaves the previous generation aside, and the next
        // run, even one that fails, puts it back.
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out"));
        generated(m_design[0], out);
        Setup setup;
        setup.withoutRenameExchange = true;
        const Result result = zarn(generate(m_design[1], out), setup);
        QCOMPARE(result.err, QString());
        QCOMPARE(digests(out), m_reference[1]);
        QCOMPARE(entries(dir.path()), QStringList{"out"});

        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral(".out.zarn-staging-Ab12Cd/output"))));
        QVERIFY(QDir().rename(out, dir.filePath(QStringLiteral(".out.zarn-staging-Ab12Cd/previous"))));
        QCOMPARE(zarn(generate(testData(QStringLiteral("tools/broken.xml")), out), setup).exitCode, 2);
        QCOMPARE(digests(out), m_reference[1]);
        QCOMPARE(entries(dir.path()), QStringList{"out"});
    }

    void inputsAndUserFiles_data()
    {
        addRowsFromTable(QStringLiteral("tools/inputs.txt"), {"case", "files", "arguments", "exitCode", "error"});
    }

    void inputsAndUserFiles()
    {
        // Over a generation of design a, with the row's files added.
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out"));
        generated(m_design[0], out);
        for (const QString &file : field("files").split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList link = file.split(QLatin1String("->"));
            QFile::remove(dir.filePath(file));
            if (link.size() == 2)
                QVERIFY(QFile::link(link.at(1), dir.filePath(link.at(0))));
            else if (file.endsWith(QLatin1Char('/')))
                QVERIFY(QDir().mkpath(dir.filePath(file)));
            else
                QVERIFY(QFile::copy(m_design[0], dir.filePath(file)));
        }
        const auto placed = [&](QString text) {
            return text.replace(QLatin1String("@s"), dir.path()).replace(QLatin1String("@a"), m_design[0]);
        };
        QList<QByteArray> arguments{"generate"};
        for (const QString &argument : placed(field("arguments")).split(QLatin1Char(' ')))
            arguments.append(QFile::encodeName(argument));
        const QStringList before = digests(dir.path());

        const Result result = zarn(arguments);
        QVERIFY2(result.err.contains(placed(field("error"))), qPrintable(result.err));
        QCOMPARE(QString::number(result.exitCode), field("exitCode"));
        if (result.exitCode != 0) {
            QCOMPARE(digests(dir.path()), before);
        } else {
            QCOMPARE(digests(out), m_reference[0]);
            QCOMPARE(entries(dir.path()), QStringList{"out"});
        }
    }

    void unusablePaths_data()
    {
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("zarn: --config, --out and --filelist need a path; an empty one names no file\n");
        QTest::newRow("not UTF-8") << QByteArray("out\xff") << QStringLiteral("zarn: the argument 'out%FF' is not valid UTF-8 text; zarn takes only names that are (rename the file or directory)\n");
        QTest::newRow("name too long") << QByteArray(300, 'n') << QString::fromLatin1(QByteArray("zarn: ") + QByteArray(300, 'n') + ": File name too long\n");
        QTest::newRow("up from a missing directory") << QByteArray("missing/..") << QStringLiteral("zarn: missing/..: No such file or directory\n");
    }

    void unusablePaths()
    {
        QFETCH(QByteArray, out);
        QFETCH(QString, error);
        QTemporaryDir dir;
        Setup setup;
        setup.workingDirectory = dir.path();
        const Result result = zarn({"generate", "--config", QFile::encodeName(m_design[0]), "--out", out}, setup);
        QCOMPARE(result.err, error);
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(entries(dir.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestGenerateSafety)

#include "tst_generatesafety.moc"
