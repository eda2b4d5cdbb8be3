#include <zarn/configcheck.h>
#include <zarn/configreader.h>
#include <zarn/zarncore.h>

#include "messagecapture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>
#include <QThread>

using namespace ZARN;

namespace {

QByteArray dataFile(const QString &name)
{
    QFile file(QStringLiteral(ZARN_TEST_DATA_DIR "/config/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A one-core document with the version the reader wants.
QByteArray withCore(const char *core)
{
    return QByteArray("<ZARN_CONFIG><Version>1.0</Version>") + core + "</ZARN_CONFIG>";
}

QByteArray nested(int depth)
{
    return "<r>" + QByteArray("<d>").repeated(depth) + QByteArray("</d>").repeated(depth) + "</r>";
}

} // namespace

class TestConfigCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void documents_data();
    void documents();
    void unreadablePath();
    void deepNestingOnSmallStack();

private:
    QString write(const QByteArray &document);
    QTemporaryDir m_dir;
    int m_files = 0;
};

QString TestConfigCheck::write(const QByteArray &document)
{
    const QString path = m_dir.filePath(QStringLiteral("config%1.xml").arg(++m_files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestConfigCheck::documents_data()
{
    // What the check answers, next to what the reader makes of the same file.
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<bool>("readerOk");
    QTest::addColumn<int>("readerCores");

    const char complete[] = "<ZarnCore index=\"0\" output_probe_synchronizes_with_user_clock=\"false\"/>";
    QTest::newRow("empty file") << QByteArray() << false << true << 0;
    QTest::newRow("not xml") << QByteArray("hello") << false << false << 0;
    QTest::newRow("unclosed") << QByteArray("<r>") + complete << false << false << 0;
    QTest::newRow("no version, core complete") << QByteArray("<r>") + complete + "</r>" << true << false << 0;
    QTest::newRow("version 2.0, core complete") << QByteArray("<r><Version>2.0</Version>") + complete + "</r>" << true << false << 0;
    QTest::newRow("core without names") << withCore(complete) << true << true << 1;
    QTest::newRow("core without index") << withCore("<ZarnCore output_probe_synchronizes_with_user_clock=\"false\"/>") << false << true << 1;
    QTest::newRow("core without flag") << withCore("<ZarnCore index=\"0\"/>") << false << true << 1;
    QTest::newRow("second core without flag") << dataFile(QStringLiteral("check/secondcore.xml")) << false << true << 2;
    QTest::newRow("ProbeIn without index") << dataFile(QStringLiteral("check/probeinnoindex.xml")) << false << true << 1;
    QTest::newRow("ProbeOut without index") << dataFile(QStringLiteral("check/probeoutnoindex.xml")) << false << true << 1;
    QTest::newRow("ProbeOut without value") << dataFile(QStringLiteral("check/probeoutnovalue.xml")) << false << true << 1;
    QTest::newRow("values not numbers nor flags") << dataFile(QStringLiteral("check/values.xml")) << true << true << 1;
    QTest::newRow("only the first lists count") << dataFile(QStringLiteral("check/twolists.xml")) << true << true << 1;
    QTest::newRow("probes elsewhere") << dataFile(QStringLiteral("check/elsewhere.xml")) << true << true << 1;
    QTest::newRow("no cores") << withCore("") << true << true << 0;
    QTest::newRow("no cores, no version, any root") << QByteArray("<anything/>") << true << false << 0;
    QTest::newRow("bare carriage returns") << dataFile(QStringLiteral("check/carriagereturns.xml")) << true << true << 1;
    QTest::newRow("UTF-16 with BOM")
        << QTextCodec::codecForName("UTF-16LE")
               ->fromUnicode(QString::fromUtf8(dataFile(QStringLiteral("example.xml"))).replace(QLatin1String("UTF-8"), QLatin1String("UTF-16")))
        << true << true << 1;
    // Whatever the writer emits passes.
    for (const char *written : {"example", "nocores", "newcore", "escaping", "shapes"})
        QTest::addRow("written %s", written) << dataFile(QLatin1String(written) + QLatin1String(".xml")) << true << true
                                             << int(dataFile(QLatin1String(written) + QLatin1String(".xml")).count("<ZarnCore"));

    // Hostile documents, each around a complete core; QDom alone would
    // accept them, expand them without bound, or overflow the stack.
    const QStringList hostile = QDir(QStringLiteral(ZARN_TEST_DATA_DIR "/config/hostile")).entryList(QDir::Files);
    for (const QString &name : hostile)
        QTest::addRow("hostile %s", qPrintable(name)) << dataFile(QStringLiteral("hostile/") + name) << false << false << 0;
    QTest::newRow("hostile deep nesting") << nested(100000) << false << false << 0;
    QTest::newRow("nesting at the limit") << nested(255) << true << false << 0;
}

void TestConfigCheck::documents()
{
    QFETCH(QByteArray, document);
    QFETCH(bool, passes);
    QFETCH(bool, readerOk);
    QFETCH(int, readerCores);
    const QString path = write(document);
    {
        MessageCapture capture;
        QCOMPARE(checkZARNFile(path), passes);
        QCOMPARE(capture.taken(), QList<CapturedMessage>());
    }
    bool ok = !readerOk;
    const QList<ZarnCore *> cores = readZARNConfigFromXml(path, &ok);
    QCOMPARE(ok, readerOk);
    QCOMPARE(cores.size(), readerCores);
    qDeleteAll(cores);
}

void TestConfigCheck::unreadablePath()
{
    MessageCapture capture;
    QVERIFY(!checkZARNFile(m_dir.filePath(QStringLiteral("missing.xml"))));
    QVERIFY(!checkZARNFile(m_dir.path()));
    QCOMPARE(capture.taken(), QList<CapturedMessage>());
}

void TestConfigCheck::deepNestingOnSmallStack()
{
    // A parser that recursed per element would overflow a 1 MiB stack long
    // before a million levels.
    const QString path = write(nested(1000000));
    bool passes = true;
    QThread *thread = QThread::create([&] { passes = checkZARNFile(path); });
    thread->setStackSize(1024 * 1024);
    thread->start();
    QVERIFY(thread->wait(60000));
    delete thread;
    QVERIFY(!passes);
}

QTEST_GUILESS_MAIN(TestConfigCheck)

#include "tst_configcheck.moc"
