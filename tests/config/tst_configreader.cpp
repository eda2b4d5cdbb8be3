#include <zarn/configreader.h>
#include <zarn/zarncore.h>

#include "coredump.h"
#include "messagecapture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

using namespace ZARN;

namespace {

const QString untouched = QStringLiteral("(untouched)");

QByteArray exampleDocument()
{
    QFile file(QStringLiteral(ZARN_TEST_DATA_DIR "/config/example.xml"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const char exampleDump[] = "core 0 module=\"top\" sync=false clock=\"clk\"\n"
                           " in 0: cnt_en data{data[0] data[1]}\n"
                           " in 1: \n"
                           " out 0 \"0x0\": ";

// A one-core document around the given ZarnCore content.
QByteArray withCore(const char *core)
{
    return QByteArray("<ZARN_CONFIG><Version>1.0</Version>") + core + "</ZARN_CONFIG>";
}

} // namespace

class TestConfigReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void documents_data();
    void documents();
    void missingFile();
    void outParametersMayBeNull();
    void logLines();

private:
    QString write(const QByteArray &content);
    QTemporaryDir m_dir;
    int m_files = 0;
};

QString TestConfigReader::write(const QByteArray &content)
{
    const QString path = m_dir.filePath(QStringLiteral("config%1.xml").arg(++m_files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestConfigReader::documents_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("dump");

    const QString plainCore = QStringLiteral("core 0 module=\"\" sync=false clock=\"\"\n in 0: \n out 0 \"0x0\": ");

    QTest::newRow("example") << exampleDocument() << true << untouched << QString::fromLatin1(exampleDump);
    // Qt's UTF-16LE codec puts the byte order mark in front.
    QTest::newRow("example in UTF-16 with BOM")
        << QTextCodec::codecForName("UTF-16LE")->fromUnicode(QString::fromUtf8(exampleDocument()).replace(QLatin1String("UTF-8"), QLatin1String("UTF-16")))
        << true << untouched << QString::fromLatin1(exampleDump);
    QTest::newRow("empty file") << QByteArray() << true << untouched << QString();
    QTest::newRow("no cores") << QByteArray("<ZARN_CONFIG><Version>1.0</Version></ZARN_CONFIG>") << true << untouched << QString();

    QTest::newRow("not xml") << QByteArray("hello") << false << "Start tag expected. at 1:1" << QString();
    QTest::newRow("unclosed") << QByteArray("<a>\n<Version>1.0</Version>") << false << "Premature end of document. at 2:22" << QString();
    QTest::newRow("garbage behind the root") << withCore("") + "<b/>" << false << "Extra content at end of document. at 1:53"
                                             << QString();
    QTest::newRow("no version") << QByteArray("<ZARN_CONFIG><ZarnCore/></ZARN_CONFIG>") << false << "Unknown Zarn version." << QString();
    QTest::newRow("version with a blank") << QByteArray("<r><Version> 1.0</Version><ZarnCore/></r>") << false
                                          << "The version of Zarn config file is error." << QString();
    QTest::newRow("version 1.00") << QByteArray("<r><Version>1.00</Version></r>") << false << "The version of Zarn config file is error."
                                  << QString();
    QTest::newRow("version 1") << QByteArray("<r><Version>1</Version></r>") << false << "The version of Zarn config file is error."
                               << QString();
    QTest::newRow("first version counts") << QByteArray("<r><Version>2.0</Version><Version>1.0</Version></r>") << false
                                          << "The version of Zarn config file is error." << QString();
    QTest::newRow("version after the cores, root of any name") << QByteArray("<cfg><ZarnCore/><Version>1.0</Version></cfg>") << true
                                                               << untouched << plainCore;
    QTest::newRow("version deeper does not count") << QByteArray("<r><x><Version>1.0</Version></x></r>") << false << "Unknown Zarn version."
                                                   << QString();
    QTest::newRow("document type declaration")
        << QByteArray("<!DOCTYPE r [<!ENTITY e \"x\">]><r><Version>1.0</Version></r>") << false
        << "Document type declarations are not allowed in a configuration file at 1:30" << QString();

    QTest::newRow("core without attributes") << withCore("<ZarnCore/>") << true << untouched << plainCore;
    QTest::newRow("core attributes")
        << withCore("<ZarnCore user_clock_name=\"clk\" index=\"-3\" module_name=\"m &amp; n\" "
                    "output_probe_synchronizes_with_user_clock=\"true\"/>")
        << true << untouched << "core -3 module=\"m & n\" sync=true clock=\"clk\"\n in 0: \n out 0 \"0x0\": ";
    QTest::newRow("flag True") << withCore("<ZarnCore output_probe_synchronizes_with_user_clock=\"True\"/>") << true << untouched << plainCore;
    QTest::newRow("flag 1") << withCore("<ZarnCore output_probe_synchronizes_with_user_clock=\"1\"/>") << true << untouched << plainCore;
    QTest::newRow("index letters") << withCore("<ZarnCore index=\"x1\"/>") << true << untouched << plainCore;
    QTest::newRow("index out of range") << withCore("<ZarnCore index=\"2147483648\"/>") << true << untouched << plainCore;

    QTest::newRow("probe order and index 0")
        << withCore("<ZarnCore><ProbeIns><ProbeIn index=\"2\"/><ProbeIn index=\"1\"/>"
                    "<ProbeIn index=\"\"><SignalList><Signal>z</Signal></SignalList></ProbeIn></ProbeIns></ZarnCore>")
        << true << untouched << "core 0 module=\"\" sync=false clock=\"\"\n in 0: z\n in 2: \n in 1: \n out 0 \"0x0\": ";
    QTest::newRow("repeated index fills the first")
        << withCore("<ZarnCore><ProbeIns><ProbeIn index=\"3\"><SignalList><Signal>a</Signal></SignalList></ProbeIn>"
                    "<ProbeIn index=\"3\"><SignalList><Signal>b</Signal></SignalList></ProbeIn></ProbeIns></ZarnCore>")
        << true << untouched << "core 0 module=\"\" sync=false clock=\"\"\n in 0: \n in 3: b\n in 3: \n out 0 \"0x0\": ";
    QTest::newRow("output values")
        << withCore("<ZarnCore><ProbeOuts><ProbeOut index=\"0\"/><ProbeOut index=\"4\" value=\"0xaB\">"
                    "<SignalList><Signal>q</Signal></SignalList></ProbeOut></ProbeOuts></ZarnCore>")
        << true << untouched << "core 0 module=\"\" sync=false clock=\"\"\n in 0: \n out 0 \"\": \n out 4 \"0xaB\": q";
    QTest::newRow("buses and strays")
        << withCore("<ZarnCore><ProbeIns><ProbeIn><Signal>stray</Signal><SignalList><Bus name=\"e\"/><Other>x</Other>"
                    "<Bus name=\"b\"><Signal>b1</Signal><Other/><Signal>b0</Signal></Bus><Signal> s &lt;&amp;&gt; </Signal>"
                    "</SignalList><SignalList><Signal>second</Signal></SignalList></ProbeIn></ProbeIns>"
                    "<ProbeIns><ProbeIn index=\"9\"/></ProbeIns></ZarnCore>")
        << true << untouched << "core 0 module=\"\" sync=false clock=\"\"\n in 0: e b{b1 b0}  s <&> \n out 0 \"0x0\": ";
    QTest::newRow("empty signal list empties the probe")
        << withCore("<ZarnCore><ProbeIns><ProbeIn><SignalList><Signal>a</Signal></SignalList></ProbeIn>"
                    "<ProbeIn><SignalList/></ProbeIn></ProbeIns></ZarnCore>")
        << true << untouched << plainCore;

    QByteArray deep = "<r><Version>1.0</Version>";
    for (int i = 0; i < 100000; ++i)
        deep += "<d>";
    QTest::newRow("deep nesting") << deep << false << "Elements are nested deeper than 256 levels at 1:793" << QString();
}

void TestConfigReader::documents()
{
    QFETCH(QByteArray, document);
    QFETCH(bool, ok);
    QFETCH(QString, error);
    QFETCH(QString, dump);

    bool readOk = !ok;
    QString readError = untouched;
    const QList<ZarnCore *> cores = readZARNConfigFromXml(write(document), &readOk, &readError);
    QCOMPARE(readOk, ok);
    QCOMPARE(readError, error);
    QCOMPARE(dumpCores(cores), dump);
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
}

void TestConfigReader::outParametersMayBeNull()
{
    QVERIFY(readZARNConfigFromXml(m_dir.filePath(QStringLiteral("missing.xml"))).isEmpty());
    const QList<ZarnCore *> cores = readZARNConfigFromXml(write(exampleDocument()), nullptr, nullptr);
    QCOMPARE(cores.size(), 1);
    qDeleteAll(cores);
}

void TestConfigReader::logLines()
{
    const QString good = write(exampleDocument());
    const QString bad = write("<r/>");
    MessageCapture capture;
    qDeleteAll(readZARNConfigFromXml(good));
    readZARNConfigFromXml(bad);
    QCOMPARE(capture.taken(), (QList<CapturedMessage>{MessageCapture::debug(QStringLiteral("readZARNConfigFromXml")),
                                                      MessageCapture::debug(QStringLiteral("[ read Zarn Config version 1.0 ]")),
                                                      MessageCapture::debug(QStringLiteral("readZARNConfigFromXml"))}));
}

QTEST_GUILESS_MAIN(TestConfigReader)

#include "tst_configreader.moc"
