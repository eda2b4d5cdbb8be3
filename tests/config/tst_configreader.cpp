#include <zarn/configreader.h>
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
    void documents_data()
    {
        addRowsFromTable(QStringLiteral("config/reader/cases.txt"), {"file", "ok", "error", "dump"});
    }

    void documents()
    {
        QFETCH(QString, file);
        QFETCH(QString, ok);
        QFETCH(QString, error);
        QFETCH(QString, dump);
        const QString dir = testData(QStringLiteral("config/reader/"));
        bool readOk = ok != QLatin1String("true");
        QString readError = QStringLiteral("(untouched)");
        const QList<ZarnCore *> cores = readZARNConfigFromXml(dir + file, &readOk, &readError);
        const QString readDump = dumpCores(cores);
        qDeleteAll(cores);
        QCOMPARE(readOk, ok == QLatin1String("true"));
        QCOMPARE(readError, error);
        QCOMPARE(readDump, dump.isEmpty() ? QString() : QString::fromUtf8(fileBytes(dir + dump)).chopped(1));
    }

    void missingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing.xml"));
        bool ok = true;
        QString error;
        QVERIFY(readZARNConfigFromXml(path, &ok, &error).isEmpty());
        QVERIFY(!ok);
        QCOMPARE(error, path + QLatin1String(" open file failed."));
        // Both out-parameters may be left out.
        QVERIFY(readZARNConfigFromXml(path).isEmpty());
    }

    void logLines()
    {
        MessageCapture capture;
        const QList<ZarnCore *> cores = readZARNConfigFromXml(testData(QStringLiteral("config/example.xml")));
        QCOMPARE(cores.size(), 1);
        qDeleteAll(cores);
        readZARNConfigFromXml(testData(QStringLiteral("config/reader/no-version.xml")));
        QCOMPARE(capture.taken(), (QList<CapturedMessage>{MessageCapture::debug(QStringLiteral("readZARNConfigFromXml")),
                                                          MessageCapture::debug(QStringLiteral("[ read Zarn Config version 1.0 ]")),
                                                          MessageCapture::debug(QStringLiteral("readZARNConfigFromXml"))}));
    }

    void deepNestingOnSmallStack()
    {
        // A parser that recursed per element would overflow a 1 MiB stack
        // long before a million levels.
        QTemporaryDir dir;
        const QString path = writeFile(dir.filePath(QStringLiteral("deep.xml")), "<r><Version>1.0</Version>" + QByteArray("<d>").repeated(1000000));
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
};

QTEST_GUILESS_MAIN(TestConfigReader)

#include "tst_configreader.moc"
