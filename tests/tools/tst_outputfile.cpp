// The single files commands write (init's configuration, generate's command
// file) aimed at what is no regular file: private nodes made in the test's
// directory, links to them, a link to nothing, a directory, and a header
// the design includes.  Each is refused before anything is touched, and
// is as it was afterwards.

#include "testdata.h"
#include "zarnrun.h"

#include <QStandardPaths>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// What lstat() says of @p path: its type, its device numbers, its size.
QString described(const QString &path)
{
    struct stat info{};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("missing");
    return QStringLiteral("%1 %2 %3").arg(info.st_mode & S_IFMT).arg(info.st_rdev).arg(S_ISREG(info.st_mode) || S_ISLNK(info.st_mode) ? info.st_size : 0);
}

} // namespace

class TestOutputFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_config;
    bool m_devices = false;

    // A generation that writes its command file to @p fileList.
    QStringList generate(const QString &out, const QString &fileList) const
    {
        return {"generate", "--config", m_config, "--out", out, "--ip-root", m_dir.filePath("ip"), "--filelist", fileList};
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_config = writeDesign(m_dir.filePath(QStringLiteral("design.xml")), 1, 2, "a");
        writeIpRoot(m_dir.filePath(QStringLiteral("ip")), 1);
        writeFile(m_dir.filePath(QStringLiteral("top.v")), "module top(input a, output y); assign y = a; endmodule\n");
        QVERIFY(::mkfifo(QFile::encodeName(m_dir.filePath(QStringLiteral("fifo"))).constData(), 0600) == 0);
        // The machine's null device's numbers, on a node of the test's own.
        m_devices = ::mknod(QFile::encodeName(m_dir.filePath(QStringLiteral("null"))).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("directory")));
        for (const QString &node : {QStringLiteral("fifo"), QStringLiteral("null"), QStringLiteral("directory")})
            QVERIFY(QFile::link(node, m_dir.filePath(QLatin1String("to-") + node)));
    }

    void refused_data() { addRowsFromTable(QStringLiteral("tools/refused.txt"), {"case", "command", "node", "what"}); }

    void refused()
    {
        const QString node = field("node");
        if (node.contains(QLatin1String("null")) && !m_devices)
            QSKIP("making a device node needs CAP_MKNOD");
        const QString path = m_dir.filePath(node);
        const QString before = described(path);
        const QStringList words = field("command").split(QLatin1Char(' '));
        const QStringList arguments = words.first() == QLatin1String("init")
            ? QStringList{"init", "--design", m_dir.filePath("top.v"), "--top", "top", "--out", path} + words.mid(1)
            : generate(m_dir.filePath("out"), path) + words.mid(1);
        const Result result = zarn(arguments);
        QCOMPARE(result.err, QStringLiteral("zarn: refusing to write %1: it is %2; zarn writes only regular files\n").arg(path, field("what")));
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(described(path), before);
        QVERIFY(!QFileInfo::exists(m_dir.filePath("out")));
    }

    void linkToNothing_data()
    {
        QTest::addColumn<bool>("force");
        QTest::newRow("without --force") << false;
        QTest::newRow("with --force") << true;
    }

    void linkToNothing()
    {
        // Refused, unless --force says to write the file the link names.
        QFETCH(bool, force);
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("files.f"));
        QVERIFY(QFile::link(QStringLiteral("named.f"), link));
        const Result result = zarn(generate(dir.filePath("out"), link) + (force ? QStringList{"--force"} : QStringList()));
        QCOMPARE(result.err, force ? QString() : QStringLiteral("zarn: refusing to write %1: it is a link to nothing (%2); give --force to write the file it names\n")
                                                     .arg(link, dir.filePath(QStringLiteral("named.f"))));
        QCOMPARE(result.exitCode, force ? 0 : 2);
        QCOMPARE(QFileInfo(link).isSymLink(), true);
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("named.f"))).isFile(), force);
    }

    void initSaysWhyItCannotWrite()
    {
        // Run as nobody into a directory of root's: the system's reason, and nothing written.
        if (geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("yosys")).isEmpty())
            QSKIP("needs root, to run zarn as the user nobody, and Yosys");
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFileDevice::ExeOther | QFileDevice::ReadOther);
        const QString design = writeFile(dir.filePath(QStringLiteral("marked.v")), "module marked(input a, output y);\n    (* zarn_in *) wire t = a;\n    assign y = t;\nendmodule\n");
        QFile::setPermissions(design, QFile::permissions(design) | QFileDevice::ReadOther);
        Setup setup;
        setup.asNobody = true;
        setup.home = dir.path();
        const Result result = zarn(QStringList{"init", "--design", design, "--top", "marked", "--out", dir.filePath("marked.xml"), "--no-cache"}, setup);
        QCOMPARE(result.err, QStringLiteral("zarn: %1: Permission denied\n").arg(dir.filePath("marked.xml")));
        QCOMPARE(result.exitCode, 2);
        QVERIFY(!QFileInfo::exists(dir.filePath("marked.xml")));
    }

    void initKeepsTheDesignsHeader()
    {
        // A header the design includes is an input, --force or not.
        if (QStandardPaths::findExecutable(QStringLiteral("yosys")).isEmpty())
            QSKIP("Yosys is needed");
        QTemporaryDir dir;
        const QString header = writeFile(dir.filePath(QStringLiteral("defs.vh")), "`define W 2\n");
        writeFile(dir.filePath(QStringLiteral("marked.v")),
                  "`include \"defs.vh\"\nmodule marked(input [`W-1:0] a, output [`W-1:0] y);\n    (* zarn_in *) wire [`W-1:0] t = a;\n    assign y = t;\nendmodule\n");
        Setup setup;
        setup.workingDirectory = dir.path();
        const Result result = zarn(QStringList{"init", "--design", "marked.v", "--top", "marked", "--out", "defs.vh", "--force"}, setup);
        QCOMPARE(result.err, QStringLiteral("zarn: refusing to write defs.vh: it is an input of this run\n"));
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(fileBytes(header), QByteArray("`define W 2\n"));
    }
};

QTEST_GUILESS_MAIN(TestOutputFile)
#include "tst_outputfile.moc"
