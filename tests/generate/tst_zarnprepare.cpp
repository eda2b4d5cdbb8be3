#include <zarn/zarnprepare.h>

#include "messagecapture.h"
#include "testdata.h"

#include <QTemporaryDir>

using namespace ZARN;

namespace {

const QString runData = testData(QStringLiteral("generate/run/"));
const QString ipRoot = QStringLiteral("/opt/ip");
// The top module is another writer's: only the include files are compared.
const QStringList topModules{QStringLiteral("xq_zarn_top.v"), QStringLiteral("xq_qel_zarn_top.v")};

ZarnArg argFor(const QString &configFile, const QString &outputDir)
{
    ZarnArg arg;
    arg.configFile = runData + configFile;
    arg.deviceKey = QStringLiteral("XQ2A-9");
    arg.deviceSubKey = QStringLiteral("QN48");
    arg.outputDir = outputDir;
    arg.ipRootDir = ipRoot;
    return arg;
}

void leaveStaleOutput(const QString &outputDir)
{
    for (const char *name : {"/zarn_7/xq_zarn_parameter.v", "/.hidden", "/old/nested/.x"})
        writeFile(outputDir + QLatin1String(name), QByteArray());
}

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
    void run_data();
    void run();
    void withoutCores_data();
    void withoutCores();
    void pathsKeptAsGiven();
    void writerFailuresDoNotStopRun_data();
    void writerFailuresDoNotStopRun();
};

void TestZarnPrepare::run_data()
{
    QTest::addColumn<QString>("analyzerFile");
    QTest::addColumn<QString>("deviceKey");
    QTest::addColumn<QString>("deviceSubKey");
    QTest::addColumn<QString>("controlCore");

    // The part name that the device database finds picks the control core.
    QTest::newRow("standalone") << "" << "XQ2A-9" << "QN48" << "xq_zarn_con_top_138.v";
    QTest::newRow("full analyzer") << "analyzer-full.xml" << "XQ2A-9" << "QN48" << "xq_zarn_con_top_138.v";
    QTest::newRow("lite analyzer") << "analyzer-lite.xml" << "XQ2AR-9C" << "QN88" << "xq_zarn_con_top_138.v";
    QTest::newRow("analyzer without cores") << "analyzer-empty.xml" << "XQ2A-1" << "CS30" << "xq_zarn_con_top_138.v";
    QTest::newRow("missing analyzer file") << "missing.xml" << "XQ2A-9" << "QN48" << "xq_zarn_con_top_138.v";
    QTest::newRow("second package of a part") << "" << "XQ2A-9" << "LQ144" << "xq_zarn_con_top_138.v";
    QTest::newRow("part outside the list") << "" << "XQ5B-138" << "PG484" << "xq_zarn_con_top.v";
    QTest::newRow("key in lower case") << "" << "xq2a-9" << "QN48" << "xq_zarn_con_top.v";
    QTest::newRow("package in lower case") << "" << "XQ2A-9" << "qn48" << "xq_zarn_con_top.v";
    QTest::newRow("package of another die") << "" << "XQ2A-1" << "QN48" << "xq_zarn_con_top.v";
    QTest::newRow("trailing blank") << "" << "XQ2A-9 " << "QN48" << "xq_zarn_con_top.v";
    QTest::newRow("unknown device") << "" << "" << "" << "xq_zarn_con_top.v";
}

void TestZarnPrepare::run()
{
    QFETCH(QString, analyzerFile);
    QFETCH(QString, deviceKey);
    QFETCH(QString, deviceSubKey);
    QFETCH(QString, controlCore);
    QTemporaryDir root;
    const QString outputDir = root.filePath(QStringLiteral("out"));
    ZarnArg arg = argFor(QStringLiteral("threecores.xml"), outputDir);
    arg.deviceKey = deviceKey;
    arg.deviceSubKey = deviceSubKey;
    if (!analyzerFile.isEmpty())
        arg.analyzerConfigFile = runData + analyzerFile;
    leaveStaleOutput(outputDir);

    QStringList files;
    for (const char *core : {"0", "1", "2"})
        files.append(ipRoot + QLatin1String("/ZARN/XQ_ZARN_") + QLatin1String(core) + QLatin1String("/xq_zarn_ao_top.v"));
    files.append(ipRoot + QLatin1String("/ZARN/XQ_ZARN_CON/") + controlCore);
    if (analyzerFile.isEmpty())
        files << ipRoot + QLatin1String("/xq_jtag.v") << outputDir + QLatin1String("/xq_zarn_top.v");
    else
        files << outputDir + QLatin1String("/xq_qel_zarn_top.v");

    MessageCapture capture;
    ZarnPrepare generator;
    // A second run starts from empty lists and an emptied directory.
    for (int run = 0; run < 2; ++run) {
        QVERIFY(generator.prepare(arg));
        QCOMPARE(generator.fileList(), files);
        QCOMPARE(generator.includePath(), (QStringList{outputDir, ipRoot + QLatin1String("/ZARN")}));
        compareWithGolden(outputDir, runData + QLatin1String("threecores"), topModules);
    }
    QCOMPARE(criticals(capture.taken()), QList<CapturedMessage>());
}

void TestZarnPrepare::withoutCores_data()
{
    QTest::addColumn<QString>("configFile");
    QTest::newRow("no core element") << "nocores.xml";
    QTest::newRow("missing file") << "missing.xml";
    QTest::newRow("not a configuration") << "analyzer-full.xml";
}

void TestZarnPrepare::withoutCores()
{
    QFETCH(QString, configFile);
    QTemporaryDir root;
    const QString outputDir = root.filePath(QStringLiteral("out"));
    ZarnPrepare generator;
    QVERIFY(generator.prepare(argFor(QStringLiteral("threecores.xml"), outputDir)));
    leaveStaleOutput(outputDir);

    MessageCapture capture;
    QVERIFY(!generator.prepare(argFor(configFile, outputDir)));
    QCOMPARE(generator.fileList(), QStringList());
    QCOMPARE(generator.includePath(), QStringList());
    QCOMPARE(QDir(outputDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(criticals(capture.taken()), QList<CapturedMessage>());

    // Without an existing output directory nothing is created.
    QVERIFY(!generator.prepare(argFor(configFile, root.filePath(QStringLiteral("new")))));
    QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("new"))));
}

void TestZarnPrepare::pathsKeptAsGiven()
{
    QTemporaryDir root;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root.path()));
    ZarnArg arg = argFor(QStringLiteral("threecores.xml"), QStringLiteral("out/./gen/"));
    arg.ipRootDir = QStringLiteral("ip//root/");

    ZarnPrepare generator;
    const bool result = generator.prepare(arg);
    QDir::setCurrent(previous);
    QVERIFY(result);
    QCOMPARE(generator.includePath(), (QStringList{"out/gen", "ip/root/ZARN"}));
    QCOMPARE(generator.fileList(),
             (QStringList{"ip//root//ZARN/XQ_ZARN_0/xq_zarn_ao_top.v", "ip//root//ZARN/XQ_ZARN_1/xq_zarn_ao_top.v",
                          "ip//root//ZARN/XQ_ZARN_2/xq_zarn_ao_top.v", "ip//root//ZARN/XQ_ZARN_CON/xq_zarn_con_top_138.v",
                          "ip//root//xq_jtag.v", "out/./gen//xq_zarn_top.v"}));
    compareWithGolden(root.filePath(QStringLiteral("out/gen")), runData + QLatin1String("threecores"), topModules);
}

void TestZarnPrepare::writerFailuresDoNotStopRun_data()
{
    QTest::addColumn<QString>("analyzerFile");
    QTest::newRow("standalone") << "";
    QTest::newRow("full analyzer") << "analyzer-full.xml";
    QTest::newRow("lite analyzer") << "analyzer-lite.xml";
}

void TestZarnPrepare::writerFailuresDoNotStopRun()
{
    // A plain file as output directory: clearing leaves it, every writer
    // fails, logs why, and the run still lists every file.
    QFETCH(QString, analyzerFile);
    QTemporaryDir root;
    const QString outputDir = writeFile(root.filePath(QStringLiteral("out")), "kept");
    ZarnArg arg = argFor(QStringLiteral("threecores.xml"), outputDir);
    if (!analyzerFile.isEmpty())
        arg.analyzerConfigFile = runData + analyzerFile;

    MessageCapture capture;
    ZarnPrepare generator;
    QVERIFY(generator.prepare(arg));
    QCOMPARE(generator.fileList().size(), analyzerFile.isEmpty() ? 6 : 5);
    QCOMPARE(generator.includePath().size(), 2);
    QCOMPARE(fileBytes(outputDir), QByteArray("kept"));
    QCOMPARE(criticals(capture.taken()), (QList<CapturedMessage>{MessageCapture::critical(QStringLiteral("failed to generate xq_zarn_con_top_define.v")),
                                                                 MessageCapture::critical(QStringLiteral("failed to generate zarn_0/xq_zarn_top_define.v")),
                                                                 MessageCapture::critical(QStringLiteral("failded to open result file."))}));
}

QTEST_GUILESS_MAIN(TestZarnPrepare)
#include "tst_zarnprepare.moc"
