#include <zarn/configwriter.h>
#include <zarn/zarncore.h>

#include "filesystemfaults.h"
#include "messagecapture.h"

#include <QTemporaryDir>
#include <QTest>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace ZARN;
using namespace FileSystemFaults;

namespace {

// Owns the cores a test writes.
struct Cores
{
    QList<ZarnCore *> list;
    ~Cores() { qDeleteAll(list); }
};

enum Fault { NoFault, ReadOnlyDirectory, FileSizeLimit };

} // namespace

class TestConfigWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shapes();
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
};

void TestConfigWriter::shapes()
{
    // Cores without a probe 0, repeated indexes, empty texts, and a bit with
    // bits of its own, which the format does not keep.  (The documents the
    // reader's tests read are written back unchanged by the round-trip test.)
    Cores cores;
    auto *first = new ZarnCore(-3);
    first->setOutProbeSynwithUserClock(true);
    delete first->getProbeIn(0);
    first->removeProbeIn(0);
    delete first->getProbeOut(0);
    first->removeProbeOut(0);
    first->addProbeOut(2);
    first->addProbeOut(2);
    const SignalItem deepBit(QStringLiteral("b0"), {SignalItem(QStringLiteral("deep"))});
    first->getProbeOut(2)->setSignalNet(
        {SignalItem(QString()), SignalItem(QStringLiteral("lonely")), SignalItem(QStringLiteral("b"), {deepBit, SignalItem(QStringLiteral("b1"))})});
    first->getProbeOut(2)->setValue(QString());
    first->getAllProbeOuts().at(1)->setValue(QStringLiteral("0x1F"));
    auto *second = new ZarnCore(4);
    second->setModuleName(QStringLiteral("m"));
    second->setUserClockName(QStringLiteral("c"));
    delete second->getProbeOut(0);
    second->removeProbeOut(0);
    cores.list << first << second;

    // A longer previous file is replaced whole, and no temporary file stays.
    QTemporaryDir dir;
    QFile previous(dir.filePath(QStringLiteral("config.xml")));
    QVERIFY(previous.open(QIODevice::WriteOnly) && previous.write(QByteArray(10000, 'x')) == 10000);
    previous.close();
    MessageCapture capture;
    QVERIFY(writeZARNConfigToXml(cores.list, previous.fileName()));
    QCOMPARE(capture.taken(), QList<CapturedMessage>());
    QFile expected(QStringLiteral(ZARN_TEST_DATA_DIR "/config/shapes.xml"));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    QCOMPARE(tree(dir.path()), QStringList{QStringLiteral("config.xml: ") + QString::fromUtf8(expected.readAll())});
}

void TestConfigWriter::failedSaveChangesNothing_data()
{
    // Where the save goes, what stops it, and which text of the core is
    // replaced by how many copies of what.
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("copies");
    const QString config = QStringLiteral("config.xml");
    QTest::newRow("missing directory") << "missing/deeper/config.xml" << int(NoFault) << QString() << QString() << 1;
    QTest::newRow("under a plain file") << "config.xml/config.xml" << int(NoFault) << QString() << QString() << 1;
    QTest::newRow("a directory") << "." << int(NoFault) << QString() << QString() << 1;
    QTest::newRow("read-only directory") << config << int(ReadOnlyDirectory) << QString() << QString() << 1;
    // A file size limit makes every write past it fail as a full disk would.
    // Below the file buffer's size the shortfall shows only in the flush,
    // above it in a write; a text longer than the buffer goes in one write.
    QTest::newRow("full disk in the flush") << config << int(FileSizeLimit) << "signal" << "net_00000000" << 200;
    QTest::newRow("full disk in a write") << config << int(FileSizeLimit) << "signal" << "net_00000000" << 3000;
    QTest::newRow("full disk in a long write") << config << int(FileSizeLimit) << "signal" << QString(100000, QLatin1Char('n')) << 1;
    // Characters XML cannot carry stop the save.
    const QChar high(0xD83D);
    const QChar low(0xDE00);
    QTest::newRow("NUL in a signal") << config << int(NoFault) << "signal" << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b")) << 1;
    QTest::newRow("\\x01 in the module name") << config << int(NoFault) << "module" << QStringLiteral("m\x01") << 1;
    QTest::newRow("vertical tab in the user clock") << config << int(NoFault) << "clock" << QStringLiteral("\vclk") << 1;
    QTest::newRow("U+FFFE in a value") << config << int(NoFault) << "value" << QString(QChar(0xFFFE)) << 1;
    QTest::newRow("U+FFFF in a bus name") << config << int(NoFault) << "bus" << QString(QStringLiteral("b") + QChar(0xFFFF)) << 1;
    QTest::newRow("high surrogate at the end of a bit") << config << int(NoFault) << "bit" << QString(QStringLiteral("x") + high) << 1;
    QTest::newRow("high surrogate before a letter") << config << int(NoFault) << "signal" << QString(QString(high) + QStringLiteral("a")) << 1;
    QTest::newRow("low surrogate alone") << config << int(NoFault) << "bit" << QString(low) << 1;
    QTest::newRow("pair reversed") << config << int(NoFault) << "signal" << QString(QString(low) + high) << 1;
}

void TestConfigWriter::failedSaveChangesNothing()
{
    QFETCH(QString, target);
    QFETCH(int, fault);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, copies);
    QTemporaryDir dir;
    Cores cores;
    cores.list << new ZarnCore(0);
    QVERIFY(writeZARNConfigToXml(cores.list, dir.filePath(QStringLiteral("config.xml"))));

    const auto pick = [&](const char *name, const char *otherwise) { return field == QLatin1String(name) ? text : QString::fromLatin1(otherwise); };
    ZarnCore *core = cores.list.first();
    core->setModuleName(pick("module", "top"));
    core->setUserClockName(pick("clock", "clk"));
    const QList<SignalItem> net = QVector<SignalItem>(copies, SignalItem(pick("signal", "s"))).toList();
    core->getProbeOut(0)->setSignalNet(net + QList<SignalItem>{SignalItem(pick("bus", "b"), {SignalItem(pick("bit", "b0"))})});
    core->getProbeOut(0)->setValue(pick("value", "0x0"));

    // The read-only directory stays root's; the file in it is nobody's.
    giveToNobody(dir.path());
    QCOMPARE(chmod(QFile::encodeName(dir.path()).constData(), fault == ReadOnlyDirectory ? 0555 : 0777), 0);
    const QStringList before = tree(dir.path());
    const int result = runAsNobody([&] {
        if (fault == FileSizeLimit) {
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            signal(SIGXFSZ, SIG_IGN);
        }
        MessageCapture capture;
        return writeZARNConfigToXml(cores.list, dir.filePath(target)) ? 2 : capture.taken().isEmpty() ? 1 : 3;
    });
    chmod(QFile::encodeName(dir.path()).constData(), 0700);
    QCOMPARE(result, 1);
    QCOMPARE(tree(dir.path()), before);
}

QTEST_GUILESS_MAIN(TestConfigWriter)

#include "tst_configwriter.moc"
