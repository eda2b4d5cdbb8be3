// A map larger than 2 GiB, the most a QByteArray (and so QJsonDocument)
// holds: written whole, and read back by the streaming reader.

#include "filesystemfaults.h"
#include "testdata.h"

#include <zarn/probemap.h>
#include <zarn/zarncore.h>

using namespace ZARN;

class TestBigMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void overTwoGibibytes()
    {
        FileSystemFaults::Tmpfs disk(qint64(3) << 30);
        ZARN_REQUIRE_TMPFS(disk);

        // Long names, shared: the cores take little memory, the map a lot.
        // Core 0 has 1024 probes of 512 nets; core 1, after it, one of two.
        const QString name = QStringLiteral("u_top/u_level/") + QString(2100, QLatin1Char('n'));
        QList<SignalItem> nets;
        for (int i = 0; i < 512; ++i)
            nets.append(SignalItem(name));
        QList<ZarnCore *> cores{new ZarnCore(0), new ZarnCore(1)};
        for (int index = 0; index < 1024; ++index) {
            if (index > 0)
                cores.at(0)->addProbeIn(index);
            cores.at(0)->getProbeIn(index)->setSignalNet(nets);
        }
        cores.at(1)->getProbeOut(0)->setSignalNet({SignalItem(QStringLiteral("last[1]")), SignalItem(QStringLiteral("last[0]"))});
        cores.at(1)->getProbeOut(0)->setValue(QStringLiteral("0x3"));
        const QString path = disk.filePath(QStringLiteral("zarn_probes.json"));
        const QString error = writeProbeMap(cores, QString(), QString(), path);
        qDeleteAll(cores);
        QCOMPARE(error, QString());
        QVERIFY(QFileInfo(path).size() > (qint64(2) << 30));

        ProbeMap map;
        QString readError;
        QVERIFY2(ProbeMap::read(path, &map, &readError, 1), qPrintable(readError));
        QCOMPARE(map.cores.size(), 1);
        const ProbeMapProbe *probe = map.probe(1, QStringLiteral("out"), 0);
        QVERIFY(probe);
        QCOMPARE(probe->initialValue, QStringLiteral("0x3"));
        QCOMPARE(probe->nets.size(), 2);
        QCOMPARE(probe->nets.at(1).net, QStringLiteral("last[0]"));
    }
};

QTEST_GUILESS_MAIN(TestBigMap)
#include "tst_bigmap.moc"
