#include <zarn/configcheck.h>
#include <zarn/configreader.h>
#include <zarn/configwriter.h>
#include <zarn/zarncore.h>

#include "coredump.h"
#include "messagecapture.h"
#include "testdata.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <limits>

using namespace ZARN;

namespace {

// Cores that read back as written: texts full of markup characters, line
// ends and characters beyond the BMP, extreme core indexes, empty nets, buses
// without bits, and bits with bits, which the file does not keep (the dump
// shows one level).  How the reader merges repeated probe indexes is a
// document of the reader's table.
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
        for (int i = random.bounded(depth == 0 ? 5 : 4 - depth); i > 0; --i)
            items.append(SignalItem(text(), depth < 2 && random.bounded(2) ? net(depth + 1) : QList<SignalItem>()));
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

} // namespace

class TestConfigReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void documents_data()
    {
        addRowsFromTable(QStringLiteral("config/reader/cases.txt"), {"file", "ok", "error", "dump", "rewrite"});
    }

    void documents()
    {
        const QString path = testData(QLatin1String("config/reader/") + field("file"));
        const bool ok = field("ok") == QLatin1String("true");
        bool readOk = !ok;
        QString error = QStringLiteral("(untouched)");
        MessageCapture capture;
        const QList<ZarnCore *> cores = readZARNConfigFromXml(path, &readOk, &error);
        QList<CapturedMessage> log{MessageCapture::debug(QStringLiteral("readZARNConfigFromXml"))};
        if (ok && !fileBytes(path).isEmpty())
            log.append(MessageCapture::debug(QStringLiteral("[ read Zarn Config version 1.0 ]")));
        const QString dump = dumpCores(cores);
        const bool rewritten = writeZARNConfigToXml(cores, m_dir.filePath(QStringLiteral("rewritten.xml")));
        qDeleteAll(cores);
        // Both out-parameters may be left out.
        const QList<ZarnCore *> again = readZARNConfigFromXml(path);
        const QString dumpAgain = dumpCores(again);
        qDeleteAll(again);
        QCOMPARE(capture.taken(), log + log);
        QCOMPARE(readOk, ok);
        QCOMPARE(error, field("error").replace(QLatin1String("@path"), path));
        QCOMPARE(dump, field("dump").isEmpty() ? QString() : QString::fromUtf8(fileBytes(testData(QLatin1String("config/reader/") + field("dump")))).chopped(1));
        QCOMPARE(dumpAgain, dump);
        if (!field("rewrite").isEmpty())
            QVERIFY(rewritten && fileBytes(m_dir.filePath(QStringLiteral("rewritten.xml"))) == fileBytes(path));
    }

    void deepNestingOnSmallStack()
    {
        // A parser that recursed per element would overflow a 1 MiB stack
        // long before a million levels.
        const QString path = writeFile(m_dir.filePath(QStringLiteral("deep.xml")), "<r><Version>1.0</Version>" + QByteArray("<d>").repeated(1000000));
        bool ok = true;
        QString error;
        QThread *thread = QThread::create([&] { qDeleteAll(readZARNConfigFromXml(path, &ok, &error)); });
        thread->setStackSize(1024 * 1024);
        thread->start();
        QVERIFY(thread->wait(60000));
        delete thread;
        QVERIFY(!ok);
        QVERIFY(error.startsWith(QLatin1String("Elements are nested deeper than 256 levels")));
    }

    void randomRoundTrip_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 40; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void randomRoundTrip()
    {
        // Written, checked and read back, random cores keep all that the
        // file holds, and the reader gives the auxiliary fields their defaults.
        QFETCH(quint32, seed);
        RandomCores random{QRandomGenerator(seed)};
        QList<ZarnCore *> written;
        for (int i = random.random.bounded(4); i >= 0; --i)
            written.append(random.core());
        const QString path = m_dir.filePath(QStringLiteral("random.xml"));
        const bool saved = writeZARNConfigToXml(written, path);
        const QString expected = dumpCores(written);
        qDeleteAll(written);
        QVERIFY(saved);
        QVERIFY(checkZARNFile(path));
        bool ok = false;
        const QList<ZarnCore *> read = readZARNConfigFromXml(path, &ok);
        const QString dump = dumpCores(read);
        qDeleteAll(read);
        QVERIFY(ok);
        QCOMPARE(dump, expected);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestConfigReader)

#include "tst_configreader.moc"
