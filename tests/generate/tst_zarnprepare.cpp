#include <zarn/zarnprepare.h>

#include "messagecapture.h"
#include "testdata.h"

#include <QScopeGuard>
#include <QTemporaryDir>

using namespace ZARN;

namespace {

const QString runData = testData(QStringLiteral("generate/run/"));

QList<CapturedMessage> criticals(const QList<CapturedMessage> &messages)
{
    QList<CapturedMessage> result;
    std::copy_if(messages.begin(), messages.end(), std::back_inserter(result), [](const CapturedMessage &m) { return m.type == QtCriticalMsg; });
    return result;
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
        QFETCH(QString, config);
        QFETCH(QString, analyzer);
        QFETCH(QString, fileList);
        QFETCH(QString, includePath);
        ZarnArg arg;
        arg.configFile = runData + config;
        arg.analyzerConfigFile = analyzer.isEmpty() ? QString() : runData + analyzer;
        QFETCH(QString, deviceKey);
        QFETCH(QString, deviceSubKey);
        QFETCH(QString, outputDir);
        QFETCH(QString, ipRootDir);
        arg.deviceKey = deviceKey;
        arg.deviceSubKey = deviceSubKey;
        arg.outputDir = outputDir;
        arg.ipRootDir = ipRootDir;
        QTemporaryDir root;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root.path()));
        const auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });
        for (const char *stale : {"/zarn_7/xq_zarn_parameter.v", "/.hidden", "/old/nested/.x"})
            writeFile(outputDir + QLatin1String(stale), QByteArray());

        MessageCapture capture;
        ZarnPrepare generator;
        // A second run starts from empty lists and an emptied directory.
        for (int run = 0; run < 2; ++run) {
            QCOMPARE(generator.prepare(arg), !fileList.isEmpty());
            QCOMPARE(generator.fileList(), fileList.split(QLatin1Char(' '), Qt::SkipEmptyParts));
            QCOMPARE(generator.includePath(), includePath.split(QLatin1Char(' '), Qt::SkipEmptyParts));
            if (fileList.isEmpty())
                QCOMPARE(QDir(outputDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), QStringList());
            else // The top module is another suite's.
                compareWithGolden(outputDir, runData + QLatin1String("threecores"), {QStringLiteral("xq_zarn_top.v"), QStringLiteral("xq_qel_zarn_top.v")});
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
        arg.configFile = runData + QLatin1String("threecores.xml");
        arg.analyzerConfigFile = analyzer.isEmpty() ? QString() : runData + analyzer;
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
};

QTEST_GUILESS_MAIN(TestZarnPrepare)
#include "tst_zarnprepare.moc"
