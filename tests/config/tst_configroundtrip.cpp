#include <zarn/configcheck.h>
#include <zarn/configreader.h>
#include <zarn/configwriter.h>
#include <zarn/zarncore.h>

#include "coredump.h"
#include "testdata.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <limits>

using namespace ZARN;

namespace {

// Cores with texts full of markup characters and line ends, extreme, repeated
// and missing probe indexes, empty nets, buses without bits, bits with bits
// and auxiliary fields that the file does not keep.
class RandomCores
{
public:
    explicit RandomCores(quint32 seed)
        : m_random(seed)
    {
    }

    ZarnCore *core()
    {
        const int pick = m_random.bounded(10);
        auto *core = new ZarnCore(pick == 0 ? std::numeric_limits<int>::min() : pick == 1 ? std::numeric_limits<int>::max() : m_random.bounded(-3, 20));
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
    QString text()
    {
        static const QStringList pieces = QString::fromUtf8("a|Z|0|_|[1]|{| |&|<|>|\"|'|\t|\n|\r|]]>|&amp;|\xC3\xA9\xE4\xB8\xAD|\xF0\x9F\x98\x80").split(QLatin1Char('|'));
        QString result;
        for (int i = m_random.bounded(6); i > 0; --i)
            result += pieces.at(m_random.bounded(pieces.size()));
        return result;
    }

    SignalItem item(int depth)
    {
        SignalItem item(text());
        for (int i = depth < 2 && m_random.bounded(2) ? m_random.bounded(depth == 0 ? 4 : 2) : 0; i > 0; --i)
            item.bits.append(this->item(depth + 1));
        item.auxText = text();
        item.auxFlagA = m_random.bounded(2);
        item.auxFlagB = m_random.bounded(2);
        item.auxNumber = int(m_random.generate());
        return item;
    }

    QList<SignalItem> net()
    {
        QList<SignalItem> net;
        for (int i = m_random.bounded(3) > 0 ? m_random.bounded(1, 5) : 0; i > 0; --i)
            net.append(item(0));
        return net;
    }

    QRandomGenerator m_random;
};

// What reading back a written core gives, as far as dumpCores shows it (names
// and one level of bits): the probe 0 of a new core comes first; every probe n
// (other than 0) written adds one probe n; the first probe of each index takes
// the last written value and the last written non-empty net of that index.
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
            core->getProbeIn(probe->getIndex())->setSignalNet(probe->getSignalNet());
    }
    for (const ProbeOut *probe : written->getAllProbeOuts()) {
        if (probe->getIndex() != 0)
            core->addProbeOut(probe->getIndex());
        core->getProbeOut(probe->getIndex())->setValue(probe->getValue());
        if (probe->isAvailable())
            core->getProbeOut(probe->getIndex())->setSignalNet(probe->getSignalNet());
    }
    return core;
}

// The auxiliary fields that the reader gives every item it builds.
bool hasReaderDefaults(const QList<SignalItem> &net)
{
    return std::all_of(net.begin(), net.end(), [](const SignalItem &item) {
        return item.auxText.isEmpty() && item.auxFlagA && item.auxFlagB && (item.bits.isEmpty() || item.auxNumber == -1) && hasReaderDefaults(item.bits);
    });
}

} // namespace

class TestConfigRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomCores_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 40; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void randomCores()
    {
        QFETCH(quint32, seed);
        RandomCores random(seed);
        QList<ZarnCore *> written;
        QList<ZarnCore *> expected;
        QList<ZarnCore *> read;
        const auto release = qScopeGuard([&] { qDeleteAll(written + expected + read); });
        for (int i = QRandomGenerator(seed).bounded(4); i >= 0; --i) {
            written.append(random.core());
            expected.append(expectedAfterReading(written.last()));
        }

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("config.xml"));
        QVERIFY(writeZARNConfigToXml(written, path));
        QVERIFY(checkZARNFile(path));
        bool ok = false;
        read = readZARNConfigFromXml(path, &ok);
        QVERIFY(ok);
        QCOMPARE(dumpCores(read), dumpCores(expected));
        for (ZarnCore *core : qAsConst(read)) {
            for (const ProbeIn *probe : core->getAllProbeIns())
                QVERIFY(hasReaderDefaults(probe->getSignalNet()));
            for (const ProbeOut *probe : core->getAllProbeOuts())
                QVERIFY(hasReaderDefaults(probe->getSignalNet()));
        }
    }

    void rewriteIsIdentical_data()
    {
        QTest::addColumn<QString>("golden");
        for (const char *golden : {"example.xml", "nocores.xml", "newcore.xml", "escaping.xml"})
            QTest::newRow(golden) << testData(QLatin1String("config/") + QLatin1String(golden));
    }

    void rewriteIsIdentical()
    {
        QFETCH(QString, golden);
        bool ok = false;
        const QList<ZarnCore *> cores = readZARNConfigFromXml(golden, &ok);
        const auto release = qScopeGuard([&] { qDeleteAll(cores); });
        QVERIFY(ok);
        QTemporaryDir dir;
        QVERIFY(writeZARNConfigToXml(cores, dir.filePath(QStringLiteral("config.xml"))));
        QCOMPARE(fileBytes(dir.filePath(QStringLiteral("config.xml"))), fileBytes(golden));
    }
};

QTEST_GUILESS_MAIN(TestConfigRoundTrip)

#include "tst_configroundtrip.moc"
