#include "external/qelutils.h"
#include "generate/escapeidentifier.h"
#include "generate/generatedfile.h"
#include "generate/topmodulewriters.h"

#include "messagecapture.h"
#include "testdata.h"

#include <zarn/configreader.h>
#include <zarn/topmodule.h>
#include <zarn/zarncore.h>

#include <QRegularExpression>
#include <QTemporaryDir>

using namespace ZARN;

namespace {

QString topFileName(const QString &design)
{
    return design.startsWith(QLatin1String("standalone")) ? QStringLiteral("xq_zarn_top.v") : QStringLiteral("xq_qel_zarn_top.v");
}

// Writes the top module of a design of tests/data/top into @p outputDir: the
// design's one document holds its cores and its analyzer cores, and the first
// word of its name picks the writer.  @p log gets what the writer logged.
bool writeTop(const QString &design, const QString &outputDir, QList<CapturedMessage> *log)
{
    const QString path = testData(QLatin1String("top/") + design + QLatin1String(".xml"));
    const QList<ZarnCore *> cores = readZARNConfigFromXml(path);
    const QList<QEL::AoCore *> analyzers = QEL::readQELConfigFromXml(path);
    const QList<QEL::AOCore_Lite *> lites = QEL::readQELConfigFromXml_Lite(path);
    const ZarnArg arg{QString(), QString(), QString(), QString(), outputDir, QString(), QString()};
    MessageCapture capture;
    const bool written = design.startsWith(QLatin1String("analyzer")) ? writeAnalyzerTopModule(arg, cores, analyzers)
        : design.startsWith(QLatin1String("lite"))                    ? writeLiteAnalyzerTopModule(arg, cores, lites)
                                                                      : writeTopModule(arg, cores);
    *log = capture.taken();
    qDeleteAll(cores);
    qDeleteAll(analyzers);
    qDeleteAll(lites);
    return written;
}

} // namespace

class TestTopModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesGoldenFile_data() { addRowsForFiles("design", QStringLiteral("top"), QStringLiteral("*.xml")); }

    void matchesGoldenFile()
    {
        QFETCH(QString, design);
        QTemporaryDir dir;
        // A longer file of an earlier run is replaced whole.
        const QString top = writeFile(dir.filePath(topFileName(design)), QByteArray(100000, 'x'));
        QList<CapturedMessage> log;
        QVERIFY(writeTop(design, dir.path(), &log));
        QCOMPARE(log, QList<CapturedMessage>());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{topFileName(design)});
        const QString golden = testData(QLatin1String("top/") + design + QLatin1String(".v"));
        // ZARN_UPDATE_GOLDEN=1 rewrites the golden files; review their diff.
        if (qEnvironmentVariableIntValue("ZARN_UPDATE_GOLDEN") == 1)
            writeFile(golden, fileBytes(top));
        QCOMPARE(QString::fromUtf8(fileBytes(top)), QString::fromUtf8(fileBytes(golden)));

        // What a design instantiating it needs, said without the file: its
        // first line names it, and one port follows a line.
        const QString path = testData(QLatin1String("top/") + design + QLatin1String(".xml"));
        const QList<ZarnCore *> cores = readZARNConfigFromXml(path);
        const TopModuleInterface interface = topModuleInterface(cores, design.startsWith(QLatin1String("standalone")) ? QString() : path);
        qDeleteAll(cores);
        QStringList lines = QString::fromUtf8(fileBytes(golden)).split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QLatin1String("module ") + interface.module + QLatin1Char('('));
        QCOMPARE(interface.file, topFileName(design));
        QStringList ports;
        for (int i = 1; lines.at(i) != QLatin1String(");"); ++i)
            ports.append(lines.at(i).mid(4).remove(QRegularExpression(QStringLiteral(",$"))));
        QCOMPARE(interface.ports, ports);
    }

    void unopenableFile()
    {
        // A directory in the file's place can't be opened for writing,
        // whoever runs the test; the writers create no directory either.
        for (const char *design : {"standalone-basic", "analyzer-basic", "lite-basic"}) {
            QTemporaryDir dir;
            QVERIFY(QDir(dir.path()).mkdir(topFileName(QLatin1String(design))));
            QList<CapturedMessage> log;
            QVERIFY(!writeTop(QLatin1String(design), dir.path(), &log));
            QCOMPARE(log, QList<CapturedMessage>{MessageCapture::critical(QStringLiteral("failded to open result file."))});
            QVERIFY(QFileInfo(dir.filePath(topFileName(QLatin1String(design)))).isDir());
            QVERIFY(!writeTop(QLatin1String(design), dir.filePath(QStringLiteral("missing")), &log));
            QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
        }
    }

    void escapeIdentifier_data() { addRowsFromTable(QStringLiteral("generate/escapeidentifier.txt"), {"case", "name", "expected"}); }

    void escapeIdentifier()
    {
        QCOMPARE(ZARN::escapeIdentifier(field("name")), field("expected"));
        // The form the writers append to the bytes of a generated file.
        ZARN::VerilogText text;
        text << "x" << ZARN::Identifier{field("name")} << ';';
        QCOMPARE(text.bytes(), "x" + field("expected").toUtf8() + ';');
        // The lint knows a name escaped exactly where the writers escape
        // it, and the name and what they write are one identifier.
        QCOMPARE(ZARN::writtenEscaped(field("name")), field("expected").startsWith(QLatin1Char('\\')));
        QVERIFY(ZARN::sameIdentifier(field("name"), field("expected")));
    }
};

QTEST_GUILESS_MAIN(TestTopModule)
#include "tst_topmodule.moc"
