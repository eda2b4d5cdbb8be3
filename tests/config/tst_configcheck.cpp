#include <zarn/configcheck.h>
#include <zarn/configreader.h>
#include <zarn/zarncore.h>

#include "messagecapture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

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

} // namespace

class TestConfigCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void documents_data();
    void documents();
    void unreadablePath_data();
    void unreadablePath();

private:
    QTemporaryDir m_dir;
    int m_files = 0;
};

void TestConfigCheck::documents_data()
{
    // What the check answers, next to what the reader makes of the same file.
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<bool>("readerOk");
    QTest::addColumn<int>("readerCores");

    QTest::newRow("empty file") << QByteArray() << false << true << 0;
    QTest::newRow("not xml") << QByteArray("hello") << false << false << 0;
    QTest::newRow("unclosed") << QByteArray("<r><ZarnCore index=\"0\" output_probe_synchronizes_with_user_clock=\"false\">") << false
                              << false << 0;
    QTest::newRow("no version, core complete")
        << QByteArray("<r><ZarnCore index=\"0\" output_probe_synchronizes_with_user_clock=\"false\"/></r>") << true << false << 0;
    QTest::newRow("version 2.0, core complete")
        << QByteArray("<r><Version>2.0</Version><ZarnCore index=\"0\" output_probe_synchronizes_with_user_clock=\"false\"/></r>") << true
        << false << 0;
    QTest::newRow("core without names") << withCore("<ZarnCore index=\"0\" output_probe_synchronizes_with_user_clock=\"false\"/>")
                                        << true << true << 1;
    QTest::newRow("core without index") << withCore("<ZarnCore output_probe_synchronizes_with_user_clock=\"false\"/>") << false << true
                                        << 1;
    QTest::newRow("core without flag") << withCore("<ZarnCore index=\"0\"/>") << false << true << 1;
    QTest::newRow("second core without flag") << dataFile(QStringLiteral("check/secondcore.xml")) << false << true << 2;
    QTest::newRow("ProbeIn without index")
        << withCore("<ZarnCore index=\"0\" output_probe_synchronizes_with_user_clock=\"false\"><ProbeIns><ProbeIn index=\"0\"/><ProbeIn/>"
                    "</ProbeIns></ZarnCore>")
        << false << true << 1;
    QTest::newRow("ProbeOut without index")
        << withCore("<ZarnCore index=\"0\" output_probe_synchronizes_with_user_clock=\"false\"><ProbeOuts><ProbeOut value=\"0x0\"/>"
                    "</ProbeOuts></ZarnCore>")
        << false << true << 1;
    QTest::newRow("ProbeOut without value")
        << withCore("<ZarnCore index=\"0\" output_probe_synchronizes_with_user_clock=\"false\"><ProbeOuts><ProbeOut index=\"0\"/>"
                    "</ProbeOuts></ZarnCore>")
        << false << true << 1;
    QTest::newRow("values not numbers nor flags")
        << withCore("<ZarnCore index=\"x\" output_probe_synchronizes_with_user_clock=\"maybe\"><ProbeIns><ProbeIn index=\"\"/></ProbeIns>"
                    "<ProbeOuts><ProbeOut index=\"-\" value=\"\"/></ProbeOuts></ZarnCore>")
        << true << true << 1;
    QTest::newRow("only the first lists count") << dataFile(QStringLiteral("check/twolists.xml")) << true << true << 1;
    QTest::newRow("probes elsewhere") << dataFile(QStringLiteral("check/elsewhere.xml")) << true << true << 1;
    QTest::newRow("no cores") << QByteArray("<ZARN_CONFIG><Version>1.0</Version></ZARN_CONFIG>") << true << true << 0;
    QTest::newRow("no cores, no version, any root") << QByteArray("<anything/>") << true << false << 0;
    QTest::newRow("bare carriage returns")
        << QByteArray("<r>\r<Version>1.0</Version>\r<ZarnCore\rindex=\"0\"\routput_probe_synchronizes_with_user_clock=\"false\"/>\r</r>\r")
        << true << true << 1;
    QTest::newRow("UTF-16 with BOM")
        << QTextCodec::codecForName("UTF-16LE")
               ->fromUnicode(QString::fromUtf8(dataFile(QStringLiteral("example.xml"))).replace(QLatin1String("UTF-8"), QLatin1String("UTF-16")))
        << true << true << 1;
    QTest::newRow("document type declaration")
        << QByteArray("<!DOCTYPE r [<!ENTITY e \"1\">]><r><ZarnCore index=\"&e;\" output_probe_synchronizes_with_user_clock=\"x\"/></r>")
        << true << false << 0;

    QByteArray bomb = "<!DOCTYPE r [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">";
    for (char level = 'b'; level <= 'j'; ++level)
        bomb += QByteArray("<!ENTITY ") + level + " \"" + QByteArray("&") + char(level - 1) + ";" + QByteArray("&") + char(level - 1) + ";"
            + QByteArray("&") + char(level - 1) + ";" + QByteArray("&") + char(level - 1) + ";\">";
    bomb += "]><r><ZarnCore index=\"&j;\" output_probe_synchronizes_with_user_clock=\"x\"/></r>";
    QTest::newRow("entity expansion") << bomb << false << false << 0;

    QByteArray deep = "<r>";
    for (int i = 0; i < 100000; ++i)
        deep += "<d>";
    for (int i = 0; i < 100000; ++i)
        deep += "</d>";
    deep += "</r>";
    QTest::newRow("deep nesting") << deep << false << false << 0;

    // Whatever the writer emits passes.
    QTest::newRow("written example") << dataFile(QStringLiteral("example.xml")) << true << true << 1;
    QTest::newRow("written without cores") << dataFile(QStringLiteral("nocores.xml")) << true << true << 0;
    QTest::newRow("written new core") << dataFile(QStringLiteral("newcore.xml")) << true << true << 1;
    QTest::newRow("written escapes") << dataFile(QStringLiteral("escaping.xml")) << true << true << 1;
    QTest::newRow("written shapes") << dataFile(QStringLiteral("shapes.xml")) << true << true << 2;
}

void TestConfigCheck::documents()
{
    QFETCH(QByteArray, document);
    QFETCH(bool, passes);
    QFETCH(bool, readerOk);
    QFETCH(int, readerCores);

    const QString path = m_dir.filePath(QStringLiteral("config%1.xml").arg(++m_files));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(document), document.size());
    file.close();

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

void TestConfigCheck::unreadablePath_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << "missing.xml";
    QTest::newRow("directory") << "directory";
}

void TestConfigCheck::unreadablePath()
{
    QFETCH(QString, name);
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("directory")));
    MessageCapture capture;
    QVERIFY(!checkZARNFile(m_dir.filePath(name)));
    QCOMPARE(capture.taken(), QList<CapturedMessage>());
}

QTEST_GUILESS_MAIN(TestConfigCheck)

#include "tst_configcheck.moc"
