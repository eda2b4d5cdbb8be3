#include <zarn/configcheck.h>
#include <zarn/configreader.h>
#include <zarn/configwriter.h>
#include <zarn/zarncore.h>

#include "coredump.h"
#include "messagecapture.h"
#include "testdata.h"

#include <QTemporaryDir>
#include <QThread>

using namespace ZARN;

class TestConfigReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void documents_data() { addRowsFromTable(QStringLiteral("config/reader/cases.txt"), {"file", "ok", "error", "dump", "rewrite"}); }

    void documents()
    {
        const QString path = testData(QLatin1String("config/reader/") + field("file"));
        const QString rewritten = m_dir.filePath(QStringLiteral("rewritten.xml"));
        const bool ok = field("ok") == QLatin1String("true");
        bool readOk = !ok;
        QString error = QStringLiteral("(untouched)");
        MessageCapture capture;
        const QList<ZarnCore *> cores = readZARNConfigFromXml(path, &readOk, &error);
        const QString dump = dumpCores(cores);
        const bool written = writeZARNConfigToXml(cores, rewritten);
        qDeleteAll(cores);
        // Both out-parameters may be left out.
        const QList<ZarnCore *> again = readZARNConfigFromXml(path);
        const QString dumpAgain = dumpCores(again);
        qDeleteAll(again);
        QList<CapturedMessage> log{MessageCapture::debug(QStringLiteral("readZARNConfigFromXml"))};
        if (ok && !fileBytes(path).isEmpty())
            log.append(MessageCapture::debug(QStringLiteral("[ read Zarn Config version 1.0 ]")));
        QCOMPARE(capture.taken(), log + log);
        QCOMPARE(readOk, ok);
        QCOMPARE(error, field("error").replace(QLatin1String("@path"), path));
        QCOMPARE(dump, field("dump").isEmpty() ? QString() : QString::fromUtf8(fileBytes(testData(QLatin1String("config/reader/") + field("dump")))).chopped(1));
        QCOMPARE(dumpAgain, dump);
        if (field("rewrite") == QLatin1String("bytes"))
            QCOMPARE(fileBytes(rewritten), fileBytes(path));
        if (ok && field("rewrite") != QLatin1String("merges")) {
            QVERIFY(written && checkZARNFile(rewritten));
            const QList<ZarnCore *> back = readZARNConfigFromXml(rewritten);
            const QString dumpBack = dumpCores(back);
            qDeleteAll(back);
            QCOMPARE(dumpBack, dump);
        }
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

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestConfigReader)

#include "tst_configreader.moc"
