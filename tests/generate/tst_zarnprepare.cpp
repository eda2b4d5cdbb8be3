#include "generate/controlcorefiles.h"
#include "generate/corefiles.h"

#include "messagecapture.h"
#include "testdata.h"

#include <zarn/configreader.h>
#include <zarn/zarnprepare.h>

#include <QScopeGuard>
#include <QTemporaryDir>

using namespace ZARN;

namespace {

// The cores of tests/data/generate/include/<name>.xml; the caller owns them.
QList<ZarnCore *> includeCores(const QString &name)
{
    return readZARNConfigFromXml(testData(QLatin1String("generate/include/") + name + QLatin1String(".xml")));
}

QList<CapturedMessage> criticals(QList<CapturedMessage> messages)
{
    messages.erase(std::remove_if(messages.begin(), messages.end(), [](const CapturedMessage &m) { return m.type != QtCriticalMsg; }), messages.end());
    return messages;
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
        QCOMPARE(criticals(capture.taken()), QList<CapturedMessage>());
        // A run that fails creates no output directory.
        arg.outputDir = QStringLiteral("new");
        QVERIFY(generator.prepare(arg) || !QFileInfo::exists(QStringLiteral("new")));
    }

    void writerFailuresDoNotStopRun_data()
    {
        QTest::addColumn<QString>("analyzer");
        QTest::newRow("standalone") << "";
        QTest::newRow("full analyzer") << "analyzer-full.xml";
        QTest::newRow("lite analyzer") << "analyzer-lite.xml";
    }

    void writerFailuresDoNotStopRun()
    {
        // A plain file as output directory: clearing leaves it, every writer
        // fails and logs why, and the run still lists every file.
        QFETCH(QString, analyzer);
        QTemporaryDir root;
        ZarnArg arg;
        arg.configFile = testData(QStringLiteral("generate/run/threecores.xml"));
        arg.analyzerConfigFile = analyzer.isEmpty() ? QString() : testData(QLatin1String("generate/run/") + analyzer);
        arg.outputDir = writeFile(root.filePath(QStringLiteral("out")), "kept");
        MessageCapture capture;
        ZarnPrepare generator;
        QVERIFY(generator.prepare(arg));
        QCOMPARE(generator.fileList().size(), analyzer.isEmpty() ? 6 : 5);
        QCOMPARE(generator.includePath().size(), 2);
        QCOMPARE(fileBytes(arg.outputDir), QByteArray("kept"));
        QCOMPARE(criticals(capture.taken()), (QList<CapturedMessage>{MessageCapture::critical(QStringLiteral("failed to generate xq_zarn_con_top_define.v")),
                                                                     MessageCapture::critical(QStringLiteral("failed to generate zarn_0/xq_zarn_top_define.v")),
                                                                     MessageCapture::critical(QStringLiteral("failded to open result file."))}));
    }

    void includeFiles_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &file : QDir(testData(QStringLiteral("generate/include"))).entryList({QStringLiteral("*.xml")}))
            QTest::newRow(qPrintable(file.chopped(4))) << file.chopped(4);
    }

    void includeFiles()
    {
        // The control core's and each core's include files, written straight
        // into a missing directory over longer files of an earlier run.
        QFETCH(QString, name);
        const QList<ZarnCore *> cores = includeCores(name);
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

    void includeFileOpenFailure_data()
    {
        addRowsFromTable(QStringLiteral("generate/include/failures.txt"), {"case", "writer", "blocker", "message", "written"});
    }

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
        const QList<ZarnCore *> cores = includeCores(QStringLiteral("indices7and3"));
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
