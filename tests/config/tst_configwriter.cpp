#include <zarn/configwriter.h>
#include <zarn/zarncore.h>

#include "messagecapture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ZARN;

namespace {

// Owns the cores a test writes.
struct Cores
{
    QList<ZarnCore *> list;
    ~Cores() { qDeleteAll(list); }
};

using Builder = void (*)(Cores &);

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void exampleCore(Cores &cores)
{
    auto *core = new ZarnCore(0);
    core->setModuleName(QStringLiteral("top"));
    core->setUserClockName(QStringLiteral("clk"));
    core->getProbeIn(0)->setSignalNet({SignalItem(QStringLiteral("cnt_en")),
                                       SignalItem(QStringLiteral("data"),
                                                  {SignalItem(QStringLiteral("data[0]")), SignalItem(QStringLiteral("data[1]"))})});
    core->addProbeIn(1);
    cores.list << core;
}

void noCores(Cores &)
{
}

void newCore(Cores &cores)
{
    cores.list << new ZarnCore(5);
}

void escapedTexts(Cores &cores)
{
    auto *core = new ZarnCore(1);
    core->setModuleName(QStringLiteral("a&b<c>d\"e'f\tg"));
    core->setUserClockName(QStringLiteral("clk\nx\ry"));
    core->getProbeIn(0)->setSignalNet({SignalItem(QStringLiteral("a&b<c>\"d'e\tf")),
                                       SignalItem(QStringLiteral("b\"&<>\t"), {SignalItem(QStringLiteral("x>"))}),
                                       SignalItem(QString::fromUtf8("\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80")),
                                       SignalItem(QStringLiteral("a\r\nb\r"))});
    core->getProbeOut(0)->setValue(QStringLiteral("0x&\"<>"));
    cores.list << core;
}

void shapes(Cores &cores)
{
    auto *first = new ZarnCore(-3);
    first->setOutProbeSynwithUserClock(true);
    delete first->getProbeIn(0);
    first->removeProbeIn(0);
    delete first->getProbeOut(0);
    first->removeProbeOut(0);
    first->addProbeOut(2);
    first->addProbeOut(2);
    // The bit's own bits are not part of the format.
    SignalItem deepBit(QStringLiteral("b0"), {SignalItem(QStringLiteral("deep"))});
    first->getProbeOut(2)->setSignalNet({SignalItem(QString()), SignalItem(QStringLiteral("lonely")),
                                         SignalItem(QStringLiteral("b"), {deepBit, SignalItem(QStringLiteral("b1"))})});
    first->getProbeOut(2)->setValue(QString());
    first->getAllProbeOuts().at(1)->setValue(QStringLiteral("0x1F"));

    auto *second = new ZarnCore(4);
    second->setModuleName(QStringLiteral("m"));
    second->setUserClockName(QStringLiteral("c"));
    delete second->getProbeOut(0);
    second->removeProbeOut(0);
    cores.list << first << second;
}

} // namespace

Q_DECLARE_METATYPE(Builder)

class TestConfigWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void goldenDocuments_data();
    void goldenDocuments();
    void replacesPreviousFile();
    void unopenablePath_data();
    void unopenablePath();
    void readOnlyDirectory();
    void fullDisk_data();
    void fullDisk();
    void forbiddenCharacter_data();
    void forbiddenCharacter();
};

void TestConfigWriter::goldenDocuments_data()
{
    QTest::addColumn<Builder>("build");
    QTest::addColumn<QString>("golden");
    QTest::newRow("example") << Builder(exampleCore) << "example.xml";
    QTest::newRow("no cores") << Builder(noCores) << "nocores.xml";
    QTest::newRow("new core") << Builder(newCore) << "newcore.xml";
    QTest::newRow("escaping") << Builder(escapedTexts) << "escaping.xml";
    QTest::newRow("shapes") << Builder(shapes) << "shapes.xml";
}

void TestConfigWriter::goldenDocuments()
{
    QFETCH(Builder, build);
    QFETCH(QString, golden);
    Cores cores;
    build(cores);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.xml"));

    MessageCapture capture;
    QVERIFY(writeZARNConfigToXml(cores.list, path));
    QCOMPARE(capture.taken(), QList<CapturedMessage>());
    QCOMPARE(readAll(path), readAll(QStringLiteral(ZARN_TEST_DATA_DIR "/config/") + golden));
}

void TestConfigWriter::replacesPreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.xml"));
    {
        QFile previous(path);
        QVERIFY(previous.open(QIODevice::WriteOnly));
        previous.write(QByteArray(10000, 'x'));
    }
    Cores cores;
    QVERIFY(writeZARNConfigToXml(cores.list, path));
    QCOMPARE(readAll(path), readAll(QStringLiteral(ZARN_TEST_DATA_DIR "/config/nocores.xml")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{QStringLiteral("config.xml")});
}

void TestConfigWriter::unopenablePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing directory") << "missing/deeper/config.xml";
    QTest::newRow("under a plain file") << "plain/config.xml";
    QTest::newRow("a directory") << "directory";
}

void TestConfigWriter::unopenablePath()
{
    QFETCH(QString, path);
    QTemporaryDir dir;
    {
        QFile plain(dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("previous");
    }
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("directory")));

    Cores cores;
    exampleCore(cores);
    MessageCapture capture;
    QVERIFY(!writeZARNConfigToXml(cores.list, dir.filePath(path)));
    QCOMPARE(capture.taken(), QList<CapturedMessage>());
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             (QStringList{QStringLiteral("directory"), QStringLiteral("plain")}));
    QVERIFY(QDir(dir.filePath(QStringLiteral("directory"))).isEmpty());
    QCOMPARE(readAll(dir.filePath(QStringLiteral("plain"))), QByteArray("previous"));
}

void TestConfigWriter::readOnlyDirectory()
{
    if (geteuid() == 0)
        QSKIP("Permission bits do not stop root");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.xml"));
    Cores cores;
    exampleCore(cores);
    QVERIFY(writeZARNConfigToXml(cores.list, path));
    const QByteArray previous = readAll(path);

    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    Cores others;
    newCore(others);
    const bool written = writeZARNConfigToXml(others.list, path);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!written);
    QCOMPARE(readAll(path), previous);
}

void TestConfigWriter::fullDisk_data()
{
    // Below the file buffer's size the shortfall shows only in the flush,
    // above it in a write; a text longer than the buffer goes to the file in
    // one write, which comes back short.
    QTest::addColumn<int>("signalCount");
    QTest::addColumn<int>("nameLength");
    QTest::newRow("fails in flush") << 200 << 8;
    QTest::newRow("fails in write") << 3000 << 8;
    QTest::newRow("fails in a long write") << 1 << 100000;
}

void TestConfigWriter::fullDisk()
{
    QFETCH(int, signalCount);
    QFETCH(int, nameLength);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.xml"));
    Cores cores;
    exampleCore(cores);
    QVERIFY(writeZARNConfigToXml(cores.list, path));
    const QByteArray previous = readAll(path);

    QList<SignalItem> net;
    for (int i = 0; i < signalCount; ++i)
        net << SignalItem(QStringLiteral("net_%1").arg(i, nameLength, 10, QLatin1Char('0')));
    cores.list.first()->getProbeIn(1)->setSignalNet(net);

    // A file size limit makes every write past it fail as a full disk would.
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        signal(SIGXFSZ, SIG_IGN);
        _exit(writeZARNConfigToXml(cores.list, path) ? 2 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 1);
    QCOMPARE(readAll(path), previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{QStringLiteral("config.xml")});
}

void TestConfigWriter::forbiddenCharacter_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    const QChar high(0xD83D);
    const QChar low(0xDE00);
    QTest::newRow("NUL in a signal") << "signal" << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
    QTest::newRow("\\x01 in the module name") << "module" << QStringLiteral("m\x01");
    QTest::newRow("vertical tab in the user clock") << "clock" << QStringLiteral("\vclk");
    QTest::newRow("U+FFFE in a value") << "value" << QString(QChar(0xFFFE));
    QTest::newRow("U+FFFF in a bus name") << "bus" << QString(QStringLiteral("b") + QChar(0xFFFF));
    QTest::newRow("high surrogate at the end of a bit") << "bit" << QString(QStringLiteral("x") + high);
    QTest::newRow("high surrogate before a letter") << "signal" << QString(QString(high) + QStringLiteral("a"));
    QTest::newRow("low surrogate alone") << "bit" << QString(low);
    QTest::newRow("pair reversed") << "signal" << QString(QString(low) + high);
}

void TestConfigWriter::forbiddenCharacter()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.xml"));
    Cores cores;
    exampleCore(cores);
    QVERIFY(writeZARNConfigToXml(cores.list, path));
    const QByteArray previous = readAll(path);

    ZarnCore *core = cores.list.first();
    const SignalItem bus(field == QLatin1String("bus") ? text : QStringLiteral("b"),
                         {SignalItem(field == QLatin1String("bit") ? text : QStringLiteral("b0"))});
    core->getProbeOut(0)->setSignalNet({SignalItem(field == QLatin1String("signal") ? text : QStringLiteral("s")), bus});
    if (field == QLatin1String("module"))
        core->setModuleName(text);
    else if (field == QLatin1String("clock"))
        core->setUserClockName(text);
    else if (field == QLatin1String("value"))
        core->getProbeOut(0)->setValue(text);

    MessageCapture capture;
    QVERIFY(!writeZARNConfigToXml(cores.list, path));
    QCOMPARE(capture.taken(), QList<CapturedMessage>());
    QCOMPARE(readAll(path), previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{QStringLiteral("config.xml")});
}

QTEST_GUILESS_MAIN(TestConfigWriter)

#include "tst_configwriter.moc"
