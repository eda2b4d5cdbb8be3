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

// Random cores that read back as written: texts full of markup characters,
// line ends and characters beyond the BMP, extreme core indexes, empty nets,
// buses without bits, bits with bits and auxiliary fields that the file does
// not keep (the dump shows neither).  How the reader merges repeated probe
// indexes is a case of its own document table.
struct RandomCores
{
    QRandomGenerator random;

    QString text()
    {
        static const QStringList pieces = QString::fromUtf8("a|Z|0|_|[1]|{| |&|<|>|\"|'|\t|\n|\r|]]>|&amp;|\xC3\xA9\xE4\xB8\xAD|\xF0\x9F\x98\x80").split(QLatin1Char('|'));
        QString result;
        for (int i = random.bounded(6); i > 0; --i)
            result += pieces.at(random.bounded(pieces.size()));
        return result;
    }

    QList<SignalItem> net(int depth = 0)
    {
        QList<SignalItem> items;
        for (int i = random.bounded(depth == 0 ? 5 : 4 - depth); i > 0; --i) {
            items.append(SignalItem(text(), depth < 2 && random.bounded(2) ? net(depth + 1) : QList<SignalItem>()));
            items.last().auxText = text();
            items.last().auxFlagA = random.bounded(2);
            items.last().auxFlagB = random.bounded(2);
            items.last().auxNumber = int(random.generate());
        }
        return items;
    }

    ZarnCore *core()
    {
        const int pick = random.bounded(10);
        auto *core = new ZarnCore(pick == 0 ? std::numeric_limits<int>::min() : pick == 1 ? std::numeric_limits<int>::max() : random.bounded(-3, 20));
        core->setModuleName(text());
        core->setUserClockName(text());
        core->setOutProbeSynwithUserClock(random.bounded(2));
        for (int index = random.bounded(4); index > 0; --index)
            core->addProbeIn(index);
        for (int index = random.bounded(4); index > 0; --index)
            core->addProbeOut(index);
        for (ProbeIn *probe : core->getAllProbeIns())
            probe->setSignalNet(net());
        for (ProbeOut *probe : core->getAllProbeOuts()) {
            probe->setSignalNet(net());
            probe->setValue(random.bounded(2) ? QStringLiteral("0x%1").arg(random.generate(), 0, 16) : text());
        }
        return core;
    }
};

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
        RandomCores random{QRandomGenerator(seed)};
        QList<ZarnCore *> written;
        QList<ZarnCore *> read;
        const auto release = qScopeGuard([&] { qDeleteAll(written + read); });
        for (int i = random.random.bounded(4); i >= 0; --i)
            written.append(random.core());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("config.xml"));
        QVERIFY(writeZARNConfigToXml(written, path));
        QVERIFY(checkZARNFile(path));
        bool ok = false;
        read = readZARNConfigFromXml(path, &ok);
        QVERIFY(ok);
        QCOMPARE(dumpCores(read), dumpCores(written));
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
