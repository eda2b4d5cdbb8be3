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
    void documents_data();
    void documents();
    void missingFile();
    void logLines();
    void deepNestingOnSmallStack();

private:
    QTemporaryDir m_dir;
};

void TestConfigReader::documents_data()
{
    addRowsFromTable(QStringLiteral("config/reader/cases.txt"), {"file", "ok", "error", "dump"});
}

void TestConfigReader::documents()
{
    QFETCH(QString, file);
    QFETCH(QString, ok);
    QFETCH(QString, error);
    QFETCH(QString, dump);

    bool readOk = ok != QLatin1String("true");
    QString readError = QStringLiteral("(untouched)");
    const QList<ZarnCore *> cores = readZARNConfigFromXml(testData(QLatin1String("config/reader/") + file), &readOk, &readError);
    QCOMPARE(readOk, ok == QLatin1String("true"));
    QCOMPARE(readError, error);
    QCOMPARE(dumpCores(cores), dump.isEmpty() ? QString() : QString::fromUtf8(fileBytes(testData(QLatin1String("config/reader/") + dump))).chopped(1));
    for (ZarnCore *core : cores) {
        for (ProbeIn *probe : core->getAllProbeIns())
            QCOMPARE(probe->getZarnCore(), core);
        for (ProbeOut *probe : core->getAllProbeOuts())
            QCOMPARE(probe->getZarnCore(), core);
    }
    qDeleteAll(cores);
}

void TestConfigReader::missingFile()
{
    const QString path = m_dir.filePath(QStringLiteral("missing.xml"));
    bool ok = true;
    QString error;
    QVERIFY(readZARNConfigFromXml(path, &ok, &error).isEmpty());
    QVERIFY(!ok);
    QCOMPARE(error, path + QLatin1String(" open file failed."));
    // Both out-parameters may be left out.
    QVERIFY(readZARNConfigFromXml(path).isEmpty());
}

void TestConfigReader::logLines()
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

void TestConfigReader::deepNestingOnSmallStack()
{
    // A parser that recursed per element would overflow a 1 MiB stack long
    // before a million levels.
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

QTEST_GUILESS_MAIN(TestConfigReader)

#include "tst_configreader.moc"
