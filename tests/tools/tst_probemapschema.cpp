#include "testdata.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

// Host programs read zarn_probes.json by schema/zarn_probes.schema.json, so
// every map zarn writes for the designs the other suites generate from must
// hold to it, and a map with one thing wrong must not.

namespace {

const char validator[] = "import json,sys,jsonschema; jsonschema.validate(json.load(open(sys.argv[1])), json.load(open(sys.argv[2])))";

// The example map with one thing wrong, each a fault a writer could make.
QByteArray damaged(const QByteArray &bytes, const QString &damage)
{
    QJsonObject map = QJsonDocument::fromJson(bytes).object();
    QJsonArray cores = map.value(QLatin1String("cores")).toArray();
    QJsonObject core = cores.first().toObject();
    QJsonArray probes = core.value(QLatin1String("probes")).toArray();
    QJsonObject input = probes.first().toObject();
    if (damage == QLatin1String("format 2"))
        map.insert(QLatin1String("format"), 2);
    else if (damage == QLatin1String("no clock"))
        core.remove(QLatin1String("clock"));
    else if (damage == QLatin1String("empty port"))
        input.insert(QLatin1String("port"), QString());
    else if (damage == QLatin1String("initial value of an input"))
        input.insert(QLatin1String("initialValue"), QLatin1String("0x0"));
    else if (damage == QLatin1String("unknown member"))
        core.insert(QLatin1String("clocks"), QJsonArray());
    probes.replace(0, input);
    core.insert(QLatin1String("probes"), probes);
    cores.replace(0, core);
    map.insert(QLatin1String("cores"), cores);
    return QJsonDocument(map).toJson();
}

} // namespace

class TestProbeMapSchema : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QProcess python;
        python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QStringLiteral("import jsonschema")});
        const bool ran = python.waitForFinished(60000) && python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0;
        if (!ran && qEnvironmentVariableIntValue("ZARN_REQUIRE_VERILOG_TOOLS") != 1)
            QSKIP("python3 with its jsonschema module is not installed");
        QVERIFY2(ran, "python3 with its jsonschema module is not installed");
    }

    void mapHoldsToSchema_data()
    {
        QTest::addColumn<QString>("config");
        QTest::addColumn<QString>("analyzer");
        QTest::addColumn<QString>("damage");
        // The top-module designs hold their analyzer cores in the same document.
        const QString top = testData(QStringLiteral("top/"));
        for (const QString &file : QDir(top).entryList({QStringLiteral("*.xml")}))
            QTest::newRow(qPrintable(QLatin1String("top/") + file)) << top + file << (file.startsWith(QLatin1String("standalone")) ? QString() : top + file) << QString();
        const QString run = testData(QStringLiteral("generate/run/"));
        for (const char *analyzer : {"", "analyzer-full.xml", "analyzer-lite.xml", "analyzer-empty.xml"})
            QTest::newRow(qPrintable(QLatin1String("run/threecores.xml ") + QLatin1String(*analyzer ? analyzer : "alone")))
                << run + QLatin1String("threecores.xml") << (*analyzer ? run + QLatin1String(analyzer) : QString()) << QString();
        // Left out: nocore, which generate refuses for having no core.
        const QString include = testData(QStringLiteral("generate/include/"));
        for (const QString &file : QDir(include).entryList({QStringLiteral("*.xml")})) {
            if (file != QLatin1String("nocore.xml"))
                QTest::newRow(qPrintable(QLatin1String("include/") + file)) << include + file << QString() << QString();
        }
        const QString design = QStringLiteral(ZARN_EXAMPLES_DIR "/design.xml");
        const QString analyzer = QStringLiteral(ZARN_EXAMPLES_DIR "/analyzer.xml");
        QTest::newRow("examples/design.xml") << design << QString() << QString();
        QTest::newRow("examples/design.xml analyzer.xml") << design << analyzer << QString();
        for (const char *damage : {"format 2", "no clock", "empty port", "initial value of an input", "unknown member"})
            QTest::newRow(damage) << design << analyzer << QString::fromLatin1(damage);
    }

    void mapHoldsToSchema()
    {
        QFETCH(QString, config);
        QFETCH(QString, analyzer);
        QFETCH(QString, damage);
        QTemporaryDir dir;
        QStringList arguments{"generate", "--config", config, "--out", dir.filePath("out"), "--ip-root", writeIpRoot(dir.filePath("ip"), 4), "--no-lint"};
        if (!analyzer.isEmpty())
            arguments << QStringLiteral("--analyzer") << analyzer;
        QProcess zarn;
        zarn.start(QStringLiteral(ZARN_TOOL), arguments);
        QVERIFY(zarn.waitForFinished(60000));
        QVERIFY2(zarn.exitStatus() == QProcess::NormalExit && zarn.exitCode() == 0, zarn.readAllStandardError().constData());

        QString map = dir.filePath(QStringLiteral("out/zarn_probes.json"));
        if (!damage.isEmpty())
            map = writeFile(dir.filePath(QStringLiteral("damaged.json")), damaged(fileBytes(map), damage));
        QProcess python;
        python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QLatin1String(validator), map, QStringLiteral(ZARN_SCHEMA_DIR "/zarn_probes.schema.json")});
        QVERIFY(python.waitForFinished(60000));
        const QByteArray err = python.readAllStandardError();
        if (damage.isEmpty())
            QVERIFY2(python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0, err.constData());
        else
            QVERIFY2(python.exitCode() == 1 && err.contains("ValidationError"), err.constData());
    }
};

QTEST_GUILESS_MAIN(TestProbeMapSchema)
#include "tst_probemapschema.moc"
