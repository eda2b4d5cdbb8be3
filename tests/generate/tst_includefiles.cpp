#include "generate/controlcorefiles.h"
#include "generate/corefiles.h"

#include "testdata.h"
#include "messagecapture.h"

#include <zarn/zarncore.h>

#include <QTemporaryDir>
#include <QTest>

using namespace ZARN;

using CoreFactory = QList<ZarnCore *> (*)();
Q_DECLARE_METATYPE(CoreFactory)

namespace {

QList<SignalItem> nets(int width)
{
    QList<SignalItem> items;
    for (int i = 0; i < width; ++i)
        items.append(SignalItem(QStringLiteral("n%1").arg(i)));
    return items;
}

void bindIn(ZarnCore *core, int index, int width)
{
    if (!core->getProbeIn(index))
        core->addProbeIn(index);
    core->getProbeIn(index)->setSignalNet(nets(width));
}

void bindOut(ZarnCore *core, int index, int width, const QString &value)
{
    if (!core->getProbeOut(index))
        core->addProbeOut(index);
    core->getProbeOut(index)->setSignalNet(nets(width));
    core->getProbeOut(index)->setValue(value);
}

QList<ZarnCore *> exampleCore()
{
    auto *core = new ZarnCore(0);
    core->getProbeIn(0)->setSignalNet({SignalItem(QStringLiteral("en")), SignalItem(QStringLiteral("bus"), nets(3))});
    core->addProbeIn(1);
    bindOut(core, 0, 8, QStringLiteral("0x0F"));
    core->setOutProbeSynwithUserClock(true);
    return {core};
}

QList<ZarnCore *> indices7And3()
{
    QList<ZarnCore *> cores{new ZarnCore(7), new ZarnCore(3)};
    for (ZarnCore *core : cores) {
        bindIn(core, 0, 1);
        bindOut(core, 0, 1, QStringLiteral("0x1"));
    }
    return cores;
}

QList<ZarnCore *> widthsAndValues()
{
    auto *core = new ZarnCore(2);
    bindIn(core, 0, 3);
    bindIn(core, 5, 5);
    bindOut(core, 0, 4, QStringLiteral("0xab"));
    bindOut(core, 2, 1, QStringLiteral("0x0"));
    bindOut(core, 3, 2, QStringLiteral("0x"));
    bindOut(core, 6, 1, QStringLiteral("zz7G"));
    core->addProbeOut(4);
    return {core};
}

QList<ZarnCore *> unboundCore()
{
    return {new ZarnCore(1)};
}

QList<ZarnCore *> syncWithoutOutputs()
{
    auto *core = new ZarnCore(4);
    ProbeOut *output = core->getProbeOut(0);
    core->removeProbeOut(0);
    delete output;
    core->setOutProbeSynwithUserClock(true);
    return {core};
}

QList<ZarnCore *> noCore()
{
    return {};
}

} // namespace

class TestIncludeFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesGoldenFiles_data();
    void writesGoldenFiles();
    void openFailure_data();
    void openFailure();
};

void TestIncludeFiles::writesGoldenFiles_data()
{
    QTest::addColumn<CoreFactory>("factory");
    QTest::addColumn<QString>("golden");
    QTest::newRow("example") << &exampleCore << "example";
    QTest::newRow("indices 7 and 3") << &indices7And3 << "indices7and3";
    QTest::newRow("widths and values") << &widthsAndValues << "widthsandvalues";
    QTest::newRow("unbound core") << &unboundCore << "unbound";
    QTest::newRow("sync without outputs") << &syncWithoutOutputs << "syncwithoutoutputs";
    QTest::newRow("no core") << &noCore << "nocore";
}

void TestIncludeFiles::writesGoldenFiles()
{
    QFETCH(CoreFactory, factory);
    QFETCH(QString, golden);
    const QList<ZarnCore *> cores = factory();
    QTemporaryDir root;
    ZarnArg arg;
    arg.outputDir = root.filePath(QStringLiteral("missing/out"));
    // Longer files of an earlier run must be replaced whole.
    QDir().mkpath(arg.outputDir + QLatin1String("/zarn_control"));
    for (const char *name : {"/zarn_control/xq_zarn_con_top_define.v", "/zarn_control/xq_zarn_con_parameter.v"}) {
        QFile stale(arg.outputDir + QLatin1String(name));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray(200, 'x'));
    }

    MessageCapture capture;
    QVERIFY(writeControlCoreFiles(arg, cores));
    QVERIFY(writeCoreFiles(arg, cores));
    qDeleteAll(cores);

    QCOMPARE(capture.taken(), QList<CapturedMessage>());
    compareWithGolden(arg.outputDir, QStringLiteral(ZARN_TEST_DATA_DIR "/generate/include/") + golden);
}

void TestIncludeFiles::openFailure_data()
{
    QTest::addColumn<bool>("control");
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("written");
    // A directory where a file should go, or a file where a directory should
    // go, can't be opened even by root.
    QTest::newRow("control define") << true << "zarn_control" << "failed to generate xq_zarn_con_top_define.v" << QStringList();
    QTest::newRow("control parameter") << true << "zarn_control/xq_zarn_con_parameter.v/"
                                       << "failed to generate xq_zarn_con_parameter.v"
                                       << QStringList{QStringLiteral("zarn_control/xq_zarn_con_top_define.v")};
    QTest::newRow("second core define") << false << "zarn_1" << "failed to generate zarn_1/xq_zarn_top_define.v"
                                        << QStringList{QStringLiteral("zarn_0/xq_zarn_parameter.v"), QStringLiteral("zarn_0/xq_zarn_top_define.v")};
    QTest::newRow("first core parameter") << false << "zarn_0/xq_zarn_parameter.v/" << "failed to generate zarn_0/xq_zarn_parameter.v"
                                          << QStringList{QStringLiteral("zarn_0/xq_zarn_top_define.v")};
}

void TestIncludeFiles::openFailure()
{
    QFETCH(bool, control);
    QFETCH(QString, blocker);
    QFETCH(QString, message);
    QFETCH(QStringList, written);
    QTemporaryDir root;
    ZarnArg arg;
    arg.outputDir = root.path();
    if (blocker.endsWith(QLatin1Char('/')))
        QVERIFY(QDir().mkpath(root.filePath(blocker)));
    else
        QVERIFY(QFile(root.filePath(blocker)).open(QIODevice::WriteOnly));
    const QList<ZarnCore *> cores = indices7And3();

    MessageCapture capture;
    QVERIFY(!(control ? writeControlCoreFiles(arg, cores) : writeCoreFiles(arg, cores)));
    qDeleteAll(cores);

    QCOMPARE(capture.taken(), QList<CapturedMessage>{MessageCapture::critical(message)});
    QStringList files = filesBelow(root.path());
    files.removeAll(blocker);
    QCOMPARE(files, written);
}

QTEST_GUILESS_MAIN(TestIncludeFiles)
#include "tst_includefiles.moc"
