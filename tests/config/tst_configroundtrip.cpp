#include <zarn/configcheck.h>
#include <zarn/configreader.h>
#include <zarn/configwriter.h>
#include <zarn/zarncore.h>

#include "coredump.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace ZARN;

namespace {

// Owns the cores of one test.
struct Cores
{
    QList<ZarnCore *> list;
    ~Cores() { qDeleteAll(list); }
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Cores with texts full of markup characters and line ends, repeated and
// missing probe indexes, empty nets, buses without bits, bits with bits and
// auxiliary fields the file does not keep.
class RandomCores
{
public:
    explicit RandomCores(quint32 seed)
        : m_random(seed)
    {
    }

    ZarnCore *core()
    {
        auto *core = new ZarnCore(index());
        core->setModuleName(text());
        core->setUserClockName(text());
        core->setOutProbeSynwithUserClock(m_random.bounded(2));
        if (m_random.bounded(4) == 0) {
            delete core->getProbeIn(0);
            core->removeProbeIn(0);
        }
        if (m_random.bounded(4) == 0) {
            delete core->getProbeOut(0);
            core->removeProbeOut(0);
        }
        for (int i = m_random.bounded(4); i > 0; --i)
            core->addProbeIn(m_random.bounded(4));
        for (int i = m_random.bounded(4); i > 0; --i)
            core->addProbeOut(m_random.bounded(4));
        for (ProbeIn *probe : core->getAllProbeIns())
            probe->setSignalNet(net());
        for (ProbeOut *probe : core->getAllProbeOuts()) {
            probe->setSignalNet(net());
            probe->setValue(m_random.bounded(2) ? QStringLiteral("0x%1").arg(m_random.generate(), 0, 16) : text());
        }
        return core;
    }

private:
    int index()
    {
        switch (m_random.bounded(10)) {
        case 0:
            return std::numeric_limits<int>::min();
        case 1:
            return std::numeric_limits<int>::max();
        default:
            return m_random.bounded(-3, 20);
        }
    }

    QString text()
    {
        static const QStringList pieces = {
            QStringLiteral("a"),  QStringLiteral("Z"),  QStringLiteral("0"),  QStringLiteral("_"),  QStringLiteral("[1]"),
            QStringLiteral("{"),  QStringLiteral(" "),  QStringLiteral("&"),  QStringLiteral("<"),  QStringLiteral(">"),
            QStringLiteral("\""), QStringLiteral("'"),  QStringLiteral("\t"), QStringLiteral("\n"), QStringLiteral("\r"),
            QStringLiteral("]]>"), QStringLiteral("&amp;"), QString::fromUtf8("\xC3\xA9\xE4\xB8\xAD"), QString::fromUtf8("\xF0\x9F\x98\x80"),
        };
        QString result;
        for (int i = m_random.bounded(6); i > 0; --i)
            result += pieces.at(m_random.bounded(pieces.size()));
        return result;
    }

    SignalItem item(int depth)
    {
        SignalItem item(text());
        if (depth < 2 && m_random.bounded(2)) {
            for (int i = m_random.bounded(depth == 0 ? 4 : 2); i > 0; --i)
                item.bits.append(this->item(depth + 1));
        }
        item.auxText = text();
        item.auxFlagA = m_random.bounded(2);
        item.auxFlagB = m_random.bounded(2);
        item.auxNumber = int(m_random.generate());
        return item;
    }

    QList<SignalItem> net()
    {
        QList<SignalItem> net;
        if (m_random.bounded(3) > 0) {
            for (int i = m_random.bounded(1, 5); i > 0; --i)
                net.append(item(0));
        }
        return net;
    }

    QRandomGenerator m_random;
};

// An item as the file keeps it: names and one level of bits.
SignalItem kept(const SignalItem &item)
{
    SignalItem result(item.name);
    for (const SignalItem &bit : item.bits)
        result.bits.append(SignalItem(bit.name));
    return result;
}

QList<SignalItem> kept(const QList<SignalItem> &net)
{
    QList<SignalItem> result;
    for (const SignalItem &item : net)
        result.append(kept(item));
    return result;
}

// What reading back a written core gives: the probe 0 of a new core comes
// first; every probe n (other than 0) written adds one probe n; the first
// probe of each index takes the last written value and the last written
// non-empty net of that index.
ZarnCore *expectedAfterReading(ZarnCore *written)
{
    auto *core = new ZarnCore(written->getIndex());
    core->setModuleName(written->getModuleName());
    core->setUserClockName(written->getUserClockName());
    core->setOutProbeSynwithUserClock(written->isOutProbeSynwithUserClock());
    for (const ProbeIn *probe : written->getAllProbeIns()) {
        if (probe->getIndex() != 0)
            core->addProbeIn(probe->getIndex());
        if (probe->isAvailable())
            core->getProbeIn(probe->getIndex())->setSignalNet(kept(probe->getSignalNet()));
    }
    for (const ProbeOut *probe : written->getAllProbeOuts()) {
        if (probe->getIndex() != 0)
            core->addProbeOut(probe->getIndex());
        ProbeOut *target = core->getProbeOut(probe->getIndex());
        target->setValue(probe->getValue());
        if (probe->isAvailable())
            target->setSignalNet(kept(probe->getSignalNet()));
    }
    return core;
}

// The auxiliary fields the reader gives every item it builds.
bool hasReaderDefaults(const QList<SignalItem> &net)
{
    for (const SignalItem &item : net) {
        if (!item.auxText.isEmpty() || !item.auxFlagA || !item.auxFlagB || (!item.bits.isEmpty() && item.auxNumber != -1))
            return false;
        if (!hasReaderDefaults(item.bits))
            return false;
    }
    return true;
}

} // namespace

class TestConfigRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomCores_data();
    void randomCores();
    void rewriteIsIdentical_data();
    void rewriteIsIdentical();
};

void TestConfigRoundTrip::randomCores_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 40; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void TestConfigRoundTrip::randomCores()
{
    QFETCH(quint32, seed);
    RandomCores random(seed);
    Cores written;
    Cores expected;
    for (int i = QRandomGenerator(seed).bounded(4); i >= 0; --i) {
        written.list.append(random.core());
        expected.list.append(expectedAfterReading(written.list.last()));
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.xml"));
    QVERIFY(writeZARNConfigToXml(written.list, path));
    QVERIFY(checkZARNFile(path));

    bool ok = false;
    Cores read;
    read.list = readZARNConfigFromXml(path, &ok);
    QVERIFY(ok);
    QCOMPARE(dumpCores(read.list), dumpCores(expected.list));
    for (ZarnCore *core : qAsConst(read.list)) {
        for (const ProbeIn *probe : core->getAllProbeIns())
            QVERIFY(hasReaderDefaults(probe->getSignalNet()));
        for (const ProbeOut *probe : core->getAllProbeOuts())
            QVERIFY(hasReaderDefaults(probe->getSignalNet()));
    }
}

void TestConfigRoundTrip::rewriteIsIdentical_data()
{
    QTest::addColumn<QString>("golden");
    QTest::newRow("example") << "example.xml";
    QTest::newRow("no cores") << "nocores.xml";
    QTest::newRow("new core") << "newcore.xml";
    QTest::newRow("escaping") << "escaping.xml";
}

void TestConfigRoundTrip::rewriteIsIdentical()
{
    QFETCH(QString, golden);
    const QString source = QStringLiteral(ZARN_TEST_DATA_DIR "/config/") + golden;
    Cores cores;
    bool ok = false;
    cores.list = readZARNConfigFromXml(source, &ok);
    QVERIFY(ok);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.xml"));
    QVERIFY(writeZARNConfigToXml(cores.list, path));
    QCOMPARE(readAll(path), readAll(source));
}

QTEST_GUILESS_MAIN(TestConfigRoundTrip)

#include "tst_configroundtrip.moc"
