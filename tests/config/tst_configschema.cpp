#include "testdata.h"

#include "config/configformat.h"

#include <zarn/configcheck.h>
#include <zarn/configreader.h>
#include <zarn/configwriter.h>
#include <zarn/zarncore.h>

#include <QLoggingCategory>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <utility>

// schema/zarn_config.xsd describes the configuration file as the writer
// writes it, for editors and for tools that validate a file before they
// hand it over.  config/schema/cases.txt names every configuration of the
// suites and what xmllint makes of it as it stands and once the writer has
// written back what the reader read: "valid", or a piece of xmllint's
// message that shows the file fails for the right reason.

using namespace ZARN;

namespace {

const char cases[] = "config/schema/cases.txt";

QString pathOf(const QString &row)
{
    return row.startsWith(QLatin1String("examples/")) ? QStringLiteral(ZARN_EXAMPLES_DIR "/") + row.mid(9) : testData(row);
}

// Empty when xmllint says of @p file what @p expected says, else what it says.
QString mismatch(const QString &xmllint, const QString &file, const QString &expected)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(xmllint, {QStringLiteral("--noout"), QStringLiteral("--nonet"), QStringLiteral("--schema"),
                            QStringLiteral(ZARN_SCHEMA_DIR "/zarn_config.xsd"), file});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("xmllint did not finish");
    const QString output = QString::fromUtf8(process.readAll());
    // 1: the file is not well-formed, 3: it is not valid; 5 would be a schema that does not compile.
    const int code = process.exitCode();
    if (expected == QLatin1String("valid") ? code == 0 : (code == 1 || code == 3) && output.contains(expected))
        return QString();
    const QString wanted = expected == QLatin1String("valid") ? expected : QLatin1String("invalid with \"") + expected + QLatin1Char('"');
    return QStringLiteral("xmllint was to find it %1, and exits with %2 saying:\n%3").arg(wanted, QString::number(code), output);
}

} // namespace

class TestConfigSchema : public QObject
{
    Q_OBJECT

    QString m_xmllint;

private Q_SLOTS:
    void initTestCase()
    {
        // The reader's progress lines, twice a file, say nothing here.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
        const bool required = qEnvironmentVariableIntValue("ZARN_REQUIRE_VERILOG_TOOLS") == 1 || qEnvironmentVariableIntValue("ZARN_REQUIRE_DOC_TOOLS") == 1;
        if (m_xmllint.isEmpty() && !required)
            QSKIP("xmllint (libxml2-utils) is not installed");
        QVERIFY2(!m_xmllint.isEmpty(), "xmllint (libxml2-utils) is not installed");
    }

    // A configuration added to the suites gets its row, so that the
    // schema keeps up with the files the library is tested on.
    void everyConfigurationHasARow()
    {
        QStringList rows;
        for (const QString &line : QString::fromUtf8(fileBytes(testData(QLatin1String(cases)))).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (!line.startsWith(QLatin1Char('#')))
                rows.append(line.section(QLatin1Char('\t'), 0, 0));
        }
        QStringList configurations;
        for (const QString &dir : {QStringLiteral("examples/"), QString()}) {
            for (const QString &name : filesBelow(pathOf(dir))) {
                if (!name.endsWith(QLatin1String(".xml")))
                    continue;
                const QByteArray bytes = fileBytes(pathOf(dir + name));
                if (name.startsWith(QLatin1String("config/")) || name.startsWith(QLatin1String("lint/corpus/")) || bytes.contains("<ZarnCore")
                    || bytes.contains("<ZARN_CONFIG"))
                    configurations.append(dir + name);
            }
        }
        QVERIFY2(rows.removeDuplicates() == 0, "A file has two rows");
        for (const QString &name : std::as_const(configurations))
            QVERIFY2(rows.contains(name), qPrintable(name + QLatin1String(" has no row")));
        for (const QString &row : std::as_const(rows))
            QVERIFY2(configurations.contains(row), qPrintable(row + QLatin1String(" is no configuration of the suites")));
    }

    // The schema says what the format's table says: each element in its
    // place, repeated ("*") or not, and each attribute, required ("!") or not.
    void schemaFollowsTheFormat()
    {
        QStringList expected;
        for (const ConfigFormat::Element &element : ConfigFormat::elements()) {
            expected.append(element.parent + QLatin1Char('/') + element.name + QLatin1String(element.repeated ? "*" : ""));
            for (const ConfigFormat::Attribute &attribute : element.attributes)
                expected.append(element.name + QLatin1Char('@') + attribute.name + QLatin1String(attribute.required ? "!" : ""));
        }
        QFile schema(QStringLiteral(ZARN_SCHEMA_DIR "/zarn_config.xsd"));
        QVERIFY(schema.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&schema);
        QStringList declared;
        QStringList owners; // for each open element, the format's element whose content it declares
        QVector<bool> unbounded; // whether what it holds may repeat
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement()) {
                owners.removeLast();
                unbounded.removeLast();
            }
            if (!xml.isStartElement())
                continue;
            const QXmlStreamAttributes attributes = xml.attributes();
            const QString name = attributes.value(QLatin1String("name")).toString();
            const QString owner = owners.isEmpty() ? QString() : owners.last();
            const bool many = (!unbounded.isEmpty() && unbounded.last()) || attributes.value(QLatin1String("maxOccurs")) == QLatin1String("unbounded");
            if (xml.name() == QLatin1String("element") && !owner.isEmpty())
                declared.append(owner + QLatin1Char('/') + name + QLatin1String(many ? "*" : ""));
            else if (xml.name() == QLatin1String("attribute"))
                declared.append(owner + QLatin1Char('@') + name + QLatin1String(attributes.value(QLatin1String("use")) == QLatin1String("required") ? "!" : ""));
            owners.append(owners.size() == 1 ? name : owner);
            unbounded.append(many && xml.name() != QLatin1String("element"));
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        for (QStringList *list : {&expected, &declared}) {
            list->removeDuplicates();
            list->sort();
        }
        QCOMPARE(declared, expected);
    }

    void configurationValidates_data() { addRowsFromTable(QLatin1String(cases), {"file", "asItStands", "writtenBack"}); }

    void configurationValidates()
    {
        const QString file = pathOf(field("file"));
        const QString asItStands = field("asItStands");
        const QString writtenBack = field("writtenBack");
        QString problem = mismatch(m_xmllint, file, asItStands);
        QVERIFY2(problem.isEmpty(), qPrintable(QLatin1String("As it stands: ") + problem));

        bool ok = false;
        const QList<ZarnCore *> cores = readZARNConfigFromXml(file, &ok);
        const auto release = qScopeGuard([&] { qDeleteAll(cores); });
        // What the schema accepts, the library takes, but for a document
        // type declaration: no schema sees one, and the reader refuses it.
        if (asItStands == QLatin1String("valid") && !fileBytes(file).contains("<!DOCTYPE")) {
            QVERIFY2(ok, "The reader refuses a file the schema accepts");
            QVERIFY2(checkZARNFile(file), "The check refuses a file the schema accepts");
        }
        QVERIFY2(ok == (writtenBack != QLatin1String("unread")), ok ? "The reader reads the file, which the table says it refuses" : "The reader refuses the file");
        if (!ok)
            return;
        QTemporaryDir dir;
        const QString written = dir.filePath(QStringLiteral("written.xml"));
        QVERIFY(writeZARNConfigToXml(cores, written));
        problem = mismatch(m_xmllint, written, writtenBack);
        QVERIFY2(problem.isEmpty(), qPrintable(QLatin1String("Written back: ") + problem + QLatin1String("\nof\n") + fileBytes(written)));
    }

    // Cores built here, in shapes the reader never gives, so that no file can
    // hold them: what the writer makes of them validates, but for the faults
    // the schema is for.
    void writtenCoresValidate_data() { addRowsFromTable(QStringLiteral("config/schema/written.txt"), {"change", "expected"}); }

    void writtenCoresValidate()
    {
        const QString change = field("change");
        ZarnCore core(5);
        if (change == "core without probes") {
            const ProbeIn *in = core.getProbeIn(0);
            const ProbeOut *out = core.getProbeOut(0);
            core.removeProbeIn(0);
            core.removeProbeOut(0);
            delete in;
            delete out;
        } else if (change == "two input probes of one index") {
            core.addProbeIn(0);
        } else {
            QFAIL("the table names a change made nowhere here");
        }
        QTemporaryDir dir;
        const QString written = dir.filePath(QStringLiteral("written.xml"));
        QVERIFY(writeZARNConfigToXml({&core}, written));
        const QString problem = mismatch(m_xmllint, written, field("expected"));
        QVERIFY2(problem.isEmpty(), qPrintable(problem + QLatin1String("\nof\n") + fileBytes(written)));
    }
};

QTEST_GUILESS_MAIN(TestConfigSchema)
#include "tst_configschema.moc"
