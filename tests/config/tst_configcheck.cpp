#include <zarn/configcheck.h>
#include <zarn/configreader.h>
#include <zarn/zarncore.h>

#include "messagecapture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace ZARN;

namespace {

const QString dataDir = QStringLiteral(ZARN_TEST_DATA_DIR "/config/");

// A parser that recursed per element would overflow a 1 MiB stack long
// before the deepest document's million levels.
bool checkOnSmallStack(const QString &path)
{
    bool passes = true;
    QScopedPointer<QThread> thread(QThread::create([&] { passes = checkZARNFile(path); }));
    thread->setStackSize(1024 * 1024);
    thread->start();
    thread->wait();
    return passes;
}

} // namespace

class TestConfigCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void documents_data();
    void documents();

private:
    QTemporaryDir m_dir;
};

void TestConfigCheck::documents_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<bool>("readerOk");
    QTest::addColumn<int>("readerCores");

    QFile answers(dataDir + QLatin1String("check/answers.txt"));
    QVERIFY(answers.open(QIODevice::ReadOnly));
    while (!answers.atEnd()) {
        const QStringList fields = QString::fromUtf8(answers.readLine()).simplified().split(QLatin1Char(' '));
        if (fields.size() == 4 && !fields[0].startsWith(QLatin1Char('#')))
            QTest::newRow(qPrintable(fields[0])) << dataDir + fields[0] << (fields[1] == QLatin1String("true"))
                                                 << (fields[2] == QLatin1String("true")) << fields[3].toInt();
    }
    QTest::newRow("missing file") << m_dir.filePath(QStringLiteral("missing.xml")) << false << false << 0;
    QTest::newRow("a directory") << m_dir.path() << false << false << 0;

    // Hostile documents, each around a complete core; QDom alone would
    // accept them, expand them without bound, or overflow the stack.
    for (const QString &name : QDir(dataDir + QLatin1String("hostile")).entryList(QDir::Files))
        QTest::newRow(qPrintable(name)) << dataDir + QLatin1String("hostile/") + name << false << false << 0;
    for (int depth : {255, 1000000}) {
        QFile nested(m_dir.filePath(QStringLiteral("nested%1.xml").arg(depth)));
        QVERIFY(nested.open(QIODevice::WriteOnly));
        nested.write("<r>" + QByteArray("<d>").repeated(depth) + QByteArray("</d>").repeated(depth) + "</r>");
        QTest::addRow("nested %d levels", depth + 1) << nested.fileName() << (depth < 256) << false << 0;
    }
}

void TestConfigCheck::documents()
{
    QFETCH(QString, path);
    QFETCH(bool, passes);
    QFETCH(bool, readerOk);
    QFETCH(int, readerCores);
    {
        MessageCapture capture;
        QCOMPARE(checkOnSmallStack(path), passes);
        QCOMPARE(capture.taken(), QList<CapturedMessage>());
    }
    bool ok = !readerOk;
    const QList<ZarnCore *> cores = readZARNConfigFromXml(path, &ok);
    QCOMPARE(ok, readerOk);
    QCOMPARE(cores.size(), readerCores);
    qDeleteAll(cores);
}

QTEST_GUILESS_MAIN(TestConfigCheck)

#include "tst_configcheck.moc"
