#include "generate/controlcorefiles.h"
#include "generate/corefiles.h"

#include "filesystemfaults.h"
#include "messagecapture.h"
#include "testdata.h"

#include <zarn/configreader.h>
#include <zarn/zarncore.h>
#include <zarn/zarnprepare.h>

#include <QScopeGuard>
#include <QTemporaryDir>

using namespace ZARN;

namespace {

// What is wrong with a run into @p out that a fault cut short, against a
// clean run into @p reference: every file the run could not write whole
// must be in failedFiles() with @p reason, and every other file it wrote
// must be whole.  Empty when all is as it should be.
QString faultReport(const ZarnPrepare &run, const QString &out, const QString &reference, const QString &reason)
{
    if (run.failedFiles().isEmpty())
        return QStringLiteral("no failed file reported");
    for (const QString &name : filesBelow(reference)) {
        const QString file = out + QLatin1Char('/') + name;
        const bool whole = fileBytes(file) == fileBytes(reference + QLatin1Char('/') + name);
        if (whole == run.failedFiles().contains(file))
            return file + QLatin1String(whole ? " is whole, but reported" : " is cut short, but not reported");
        if (!whole && run.failureReason(file) != reason)
            return file + QLatin1String(": ") + run.failureReason(file);
    }
    return QString();
}

} // namespace

class TestZarnPrepare : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void run_data()
    {
        addRowsFromTable(QStringLiteral("generate/run/runs.txt"),
                         {"case", "config", "analyzer", "deviceKey", "deviceSubKey", "outputDir", "ipRootDir", "fileList", "includePath"});
    }

    void run()
    {
        const QString runData = testData(QStringLiteral("generate/run/"));
        const QString fileList = field("fileList");
        ZarnArg arg{runData + field("config"), QString(), field("deviceKey"), field("deviceSubKey"), field("outputDir"), field("ipRootDir"),
                    field("analyzer").isEmpty() ? QString() : runData + field("analyzer")};
        QTemporaryDir root;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root.path()));
        const auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });
        for (const char *stale : {"/zarn_7/xq_zarn_parameter.v", "/.hidden", "/old/nested/.x"})
            writeFile(arg.outputDir + QLatin1String(stale), QByteArray());

        MessageCapture capture;
        ZarnPrepare generator;
        // A second run starts from empty lists and an emptied directory.
        for (int run = 0; run < 2; ++run) {
            QCOMPARE(generator.prepare(arg), !fileList.isEmpty());
            QCOMPARE(generator.fileList(), fileList.split(QLatin1Char(' '), Qt::SkipEmptyParts));
            QCOMPARE(generator.includePath(), field("includePath").split(QLatin1Char(' '), Qt::SkipEmptyParts));
            if (fileList.isEmpty())
                QCOMPARE(QDir(arg.outputDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), QStringList());
            else // The top module is another suite's.
                compareWithGolden(arg.outputDir, runData + QLatin1String("threecores"), {QStringLiteral("xq_zarn_top.v"), QStringLiteral("xq_qel_zarn_top.v")});
        }
        for (const CapturedMessage &message : capture.taken())
            QVERIFY2(message.type == QtDebugMsg, qPrintable(message.text));
        // A run that fails creates no output directory.
        arg.outputDir = QStringLiteral("new");
        QVERIFY(generator.prepare(arg) || !QFileInfo::exists(QStringLiteral("new")));
    }

    void writerFailuresDoNotStopRun()
    {
        // A plain file as output directory: clearing leaves it, every writer
        // fails and logs why, and the run still lists every file.
        for (const char *analyzer : {"", "analyzer-full.xml", "analyzer-lite.xml"}) {
            QTemporaryDir root;
            ZarnArg arg;
            arg.configFile = testData(QStringLiteral("generate/run/threecores.xml"));
            arg.analyzerConfigFile = *analyzer ? testData(QLatin1String("generate/run/") + QLatin1String(analyzer)) : QString();
            arg.outputDir = writeFile(root.filePath(QStringLiteral("out")), "kept");
            MessageCapture capture;
            ZarnPrepare generator;
            QVERIFY(generator.prepare(arg));
            QCOMPARE(generator.fileList().size(), *analyzer ? 5 : 6);
            QCOMPARE(generator.includePath().size(), 2);
            QCOMPARE(fileBytes(arg.outputDir), QByteArray("kept"));
            QCOMPARE(capture.taken(), (QList<CapturedMessage>{MessageCapture::debug(QStringLiteral("readZARNConfigFromXml")),
                                                              MessageCapture::debug(QStringLiteral("[ read Zarn Config version 1.0 ]")),
                                                              MessageCapture::critical(QStringLiteral("failed to generate xq_zarn_con_top_define.v")),
                                                              MessageCapture::critical(QStringLiteral("failed to generate zarn_0/xq_zarn_top_define.v")),
                                                              MessageCapture::critical(QStringLiteral("failded to open result file."))}));
        }
    }

    void includeFiles_data() { addRowsForFiles("name", QStringLiteral("generate/include"), QStringLiteral("*.xml")); }

    void emptyOutputDirectory()
    {
        // As nobody, from the root: were the name taken as "", the files
        // would be refused by the permission bits, not land at the root.
        const QString config = QStringLiteral(ZARN_TEST_DATA_DIR "/generate/run/threecores.xml");
        QCOMPARE(FileSystemFaults::runAsNobody([&] {
                     ZarnPrepare run;
                     ZarnArg arg;
                     arg.configFile = config;
                     return ::chdir("/") == 0 && !run.prepare(arg) && run.fileList().isEmpty() && run.includePath().isEmpty() ? 0 : 1;
                 }),
                 0);
        for (const char *name : {"/zarn_control", "/zarn_0", "/xq_zarn_top.v"})
            QVERIFY(!QFileInfo::exists(QLatin1String(name)));
    }

    void failedFiles_data() { addRowsFromTable(QStringLiteral("generate/free.txt"), {"case", "free"}); }

    void failedFiles()
    {
        QTemporaryDir scratch;
        ZarnArg arg;
        arg.configFile = writeDesign(scratch.filePath(QStringLiteral("design.xml")), 40, 40, "net");
        arg.outputDir = scratch.filePath(QStringLiteral("reference"));
        ZarnPrepare run;
        QVERIFY(run.prepare(arg));
        QCOMPARE(run.failedFiles(), QStringList());
        const QString reference = arg.outputDir;

        MessageCapture capture;
        FileSystemFaults::Tmpfs disk(2 * 1024 * 1024);
        ZARN_REQUIRE_TMPFS(disk);
        QVERIFY(disk.leaveFree(field("free").toLongLong()));
        arg.outputDir = disk.filePath(QStringLiteral("out"));
        QVERIFY(run.prepare(arg));
        QCOMPARE(faultReport(run, arg.outputDir, reference, QStringLiteral("No space left on device")), QString());
        // A clean run after a failed one reports nothing.
        QFile::remove(disk.filePath(QStringLiteral("filler")));
        QVERIFY(run.prepare(arg));
        QCOMPARE(run.failedFiles().join(run.failureReason(run.failedFiles().value(0))), QString());
        QCOMPARE(FileSystemFaults::digests(arg.outputDir), FileSystemFaults::digests(reference));
        QCOMPARE(run.failureReason(reference + QLatin1String("/xq_zarn_top.v")), QString());
    }

    void includeFiles()
    {
        // The control core's and each core's include files, written straight
        // into a missing directory over longer files of an earlier run.
        QFETCH(QString, name);
        const QList<ZarnCore *> cores = readZARNConfigFromXml(testData(QLatin1String("generate/include/") + name + QLatin1String(".xml")));
        QTemporaryDir root;
        ZarnArg arg;
        arg.outputDir = root.filePath(QStringLiteral("missing/out"));
        writeFile(arg.outputDir + QLatin1String("/zarn_control/xq_zarn_con_top_define.v"), QByteArray(200, 'x'));
        writeFile(arg.outputDir + QLatin1String("/zarn_control/xq_zarn_con_parameter.v"), QByteArray(200, 'x'));
        MessageCapture capture;
        QVERIFY(writeControlCoreFiles(arg, cores));
        QVERIFY(writeCoreFiles(arg, cores));
        qDeleteAll(cores);
        QCOMPARE(capture.taken(), QList<CapturedMessage>());
        compareWithGolden(arg.outputDir, testData(QLatin1String("generate/include/") + name));
    }

    void includeFileOpenFailure_data() { addRowsFromTable(QStringLiteral("generate/include/failures.txt"), {"case", "writer", "blocker", "message", "written"}); }

    void includeFileOpenFailure()
    {
        const QString blocker = field("blocker");
        QTemporaryDir root;
        ZarnArg arg;
        arg.outputDir = root.path();
        if (blocker.endsWith(QLatin1Char('/')))
            QVERIFY(QDir().mkpath(root.filePath(blocker)));
        else
            writeFile(root.filePath(blocker), QByteArray());
        const QList<ZarnCore *> cores = readZARNConfigFromXml(testData(QStringLiteral("generate/include/indices7and3.xml")));
        MessageCapture capture;
        QVERIFY(!(field("writer") == QLatin1String("control") ? writeControlCoreFiles(arg, cores) : writeCoreFiles(arg, cores)));
        qDeleteAll(cores);
        QCOMPARE(capture.taken(), QList<CapturedMessage>{MessageCapture::critical(field("message"))});
        QStringList files = filesBelow(root.path());
        files.removeAll(blocker);
        QCOMPARE(files, field("written").split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }
};

QTEST_GUILESS_MAIN(TestZarnPrepare)
#include "tst_zarnprepare.moc"
