#include <zarn/zarnprepare.h>

#include "testdata.h"
#include "messagecapture.h"

#include <QTemporaryDir>
#include <QTest>

using namespace ZARN;

namespace {

const QString runData = QStringLiteral(ZARN_TEST_DATA_DIR "/generate/run/");
const QString ipRoot = QStringLiteral("/opt/ip");
// The top module is another writer's: only the include files are compared.
const QStringList topModules{QStringLiteral("xq_zarn_top.v"), QStringLiteral("xq_qel_zarn_top.v")};
const QDir::Filters everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

ZarnArg argFor(const QString &configFile, const QString &outputDir)
{
    ZarnArg arg;
    arg.configFile = configFile;
    arg.deviceKey = QStringLiteral("XQ2A-9");
    arg.deviceSubKey = QStringLiteral("QN48");
    arg.outputDir = outputDir;
    arg.ipRootDir = ipRoot;
    return arg;
}

void leaveStaleOutput(const QString &outputDir)
{
    for (const char *name : {"/zarn_7/xq_zarn_parameter.v", "/.hidden", "/old/nested/.x"}) {
        QDir().mkpath(QFileInfo(outputDir + QLatin1String(name)).path());
        QFile(outputDir + QLatin1String(name)).open(QIODevice::WriteOnly);
    }
}

bool hasCritical(const QList<CapturedMessage> &messages)
{
    for (const CapturedMessage &message : messages) {
        if (message.type == QtCriticalMsg)
            return true;
    }
    return false;
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
    void writerFailuresDoNotStopRun();
};

void TestZarnPrepare::run_data()
{
    QTest::addColumn<QString>("analyzerFile");
    QTest::addColumn<QString>("deviceKey");
    QTest::addColumn<QString>("deviceSubKey");
    QTest::addColumn<QStringList>("tail");

    const QString con138 = ipRoot + QLatin1String("/ZARN/XQ_ZARN_CON/xq_zarn_con_top_138.v");
    const QString con = ipRoot + QLatin1String("/ZARN/XQ_ZARN_CON/xq_zarn_con_top.v");
    const QString jtag = ipRoot + QLatin1String("/xq_jtag.v");
    QTest::newRow("standalone") << "" << "XQ2A-9" << "QN48" << QStringList{con138, jtag, "<out>/xq_zarn_top.v"};
    QTest::newRow("full analyzer") << "analyzer-full.xml" << "XQ2A-9" << "QN48" << QStringList{con138, "<out>/xq_qel_zarn_top.v"};
    QTest::newRow("lite analyzer") << "analyzer-lite.xml" << "XQ2AR-9C" << "QN88" << QStringList{con138, "<out>/xq_qel_zarn_top.v"};
    QTest::newRow("analyzer without cores") << "analyzer-empty.xml" << "XQ2A-1" << "CS30" << QStringList{con138, "<out>/xq_qel_zarn_top.v"};
    QTest::newRow("missing analyzer file") << "missing.xml" << "XQ2A-9" << "QN48" << QStringList{con138, "<out>/xq_qel_zarn_top.v"};
    QTest::newRow("part outside the list") << "" << "XQ5B-138" << "PG484" << QStringList{con, jtag, "<out>/xq_zarn_top.v"};
    QTest::newRow("key in lower case") << "" << "xq2a-9" << "QN48" << QStringList{con, jtag, "<out>/xq_zarn_top.v"};
    QTest::newRow("unknown device") << "" << "" << "" << QStringList{con, jtag, "<out>/xq_zarn_top.v"};
}

void TestZarnPrepare::run()
{
    QFETCH(QString, analyzerFile);
    QFETCH(QString, deviceKey);
    QFETCH(QString, deviceSubKey);
    QFETCH(QStringList, tail);
    QTemporaryDir root;
    const QString outputDir = root.filePath(QStringLiteral("out"));
    ZarnArg arg = argFor(runData + QLatin1String("threecores.xml"), outputDir);
    arg.deviceKey = deviceKey;
    arg.deviceSubKey = deviceSubKey;
    if (!analyzerFile.isEmpty())
        arg.analyzerConfigFile = runData + analyzerFile;
    leaveStaleOutput(outputDir);

    QStringList files{ipRoot + QLatin1String("/ZARN/XQ_ZARN_0/xq_zarn_ao_top.v"), ipRoot + QLatin1String("/ZARN/XQ_ZARN_1/xq_zarn_ao_top.v"),
                      ipRoot + QLatin1String("/ZARN/XQ_ZARN_2/xq_zarn_ao_top.v")};
    for (const QString &entry : tail)
        files.append(QString(entry).replace(QLatin1String("<out>"), outputDir));

    MessageCapture capture;
    ZarnPrepare generator;
    // A second run starts from empty lists and an emptied directory.
    for (int run = 0; run < 2; ++run) {
        QVERIFY(generator.prepare(arg));
        QCOMPARE(generator.fileList(), files);
        QCOMPARE(generator.includePath(), (QStringList{outputDir, ipRoot + QLatin1String("/ZARN")}));
        compareWithGolden(outputDir, runData + QLatin1String("threecores"), topModules);
    }
    QVERIFY(!hasCritical(capture.taken()));
}

void TestZarnPrepare::withoutCores_data()
{
    QTest::addColumn<QString>("configFile");
    QTest::newRow("no core element") << runData + QLatin1String("nocores.xml");
    QTest::newRow("missing file") << runData + QLatin1String("missing.xml");
    QTest::newRow("not a configuration") << runData + QLatin1String("analyzer-full.xml");
}

void TestZarnPrepare::withoutCores()
{
    QFETCH(QString, configFile);
    QTemporaryDir root;
    const QString outputDir = root.filePath(QStringLiteral("out"));
    ZarnPrepare generator;
    QVERIFY(generator.prepare(argFor(runData + QLatin1String("threecores.xml"), outputDir)));
    leaveStaleOutput(outputDir);

    MessageCapture capture;
    QVERIFY(!generator.prepare(argFor(configFile, outputDir)));
    QCOMPARE(generator.fileList(), QStringList());
    QCOMPARE(generator.includePath(), QStringList());
    QCOMPARE(QDir(outputDir).entryList(everything), QStringList());
    QVERIFY(!hasCritical(capture.taken()));

    // Without an existing output directory nothing is created.
    QVERIFY(!generator.prepare(argFor(configFile, root.filePath(QStringLiteral("new")))));
    QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("new"))));
}

void TestZarnPrepare::pathsKeptAsGiven()
{
    QTemporaryDir root;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root.path()));
    ZarnArg arg = argFor(runData + QLatin1String("threecores.xml"), QStringLiteral("out/./gen/"));
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

void TestZarnPrepare::writerFailuresDoNotStopRun()
{
    // A plain file as output directory: clearing leaves it, every writer fails.
    QTemporaryDir root;
    const QString outputDir = root.filePath(QStringLiteral("out"));
    QFile file(outputDir);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("kept");
    file.close();

    MessageCapture capture;
    ZarnPrepare generator;
    QVERIFY(generator.prepare(argFor(runData + QLatin1String("threecores.xml"), outputDir)));
    QCOMPARE(generator.fileList().size(), 6);
    QCOMPARE(generator.includePath().size(), 2);
    QCOMPARE(fileBytes(outputDir), QByteArray("kept"));
    const QList<CapturedMessage> messages = capture.taken();
    QVERIFY(messages.contains(MessageCapture::critical(QStringLiteral("failed to generate xq_zarn_con_top_define.v"))));
    QVERIFY(messages.contains(MessageCapture::critical(QStringLiteral("failed to generate zarn_0/xq_zarn_top_define.v"))));
}

QTEST_GUILESS_MAIN(TestZarnPrepare)
#include "tst_zarnprepare.moc"
