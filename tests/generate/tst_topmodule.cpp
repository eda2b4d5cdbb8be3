#include "external/qelutils.h"
#include "generate/topmodulewriters.h"

#include "messagecapture.h"
#include "testdata.h"

#include <zarn/configreader.h>
#include <zarn/zarncore.h>

#include <QTemporaryDir>

using namespace ZARN;

namespace {

// A design of tests/data/top: one file holds its cores and its analyzer
// cores; the first word of its name picks the writer.
struct Design
{
    explicit Design(const QString &name)
        : name(name)
        , path(testData(QLatin1String("top/") + name))
        , cores(readZARNConfigFromXml(path + QLatin1String(".xml")))
        , analyzers(QEL::readQELConfigFromXml(path + QLatin1String(".xml")))
        , lites(QEL::readQELConfigFromXml_Lite(path + QLatin1String(".xml")))
    {
    }
    ~Design()
    {
        qDeleteAll(cores);
        qDeleteAll(analyzers);
        qDeleteAll(lites);
    }

    QString topFileName() const { return name.startsWith(QLatin1String("standalone")) ? QStringLiteral("xq_zarn_top.v") : QStringLiteral("xq_qel_zarn_top.v"); }

    bool write(const QString &outputDir) const
    {
        ZarnArg arg;
        arg.outputDir = outputDir;
        if (name.startsWith(QLatin1String("analyzer")))
            return writeAnalyzerTopModule(arg, cores, analyzers);
        if (name.startsWith(QLatin1String("lite")))
            return writeLiteAnalyzerTopModule(arg, cores, lites);
        return writeTopModule(arg, cores);
    }

    const QString name;
    const QString path;
    const QList<ZarnCore *> cores;
    const QList<QEL::AoCore *> analyzers;
    const QList<QEL::AOCore_Lite *> lites;
};

} // namespace

class TestTopModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesGoldenFile_data();
    void matchesGoldenFile();
    void unopenableFile_data();
    void unopenableFile();
};

void TestTopModule::matchesGoldenFile_data()
{
    QTest::addColumn<QString>("design");
    for (const QString &file : QDir(testData(QStringLiteral("top"))).entryList({QStringLiteral("*.xml")}))
        QTest::newRow(qPrintable(file.chopped(4))) << file.chopped(4);
}

void TestTopModule::matchesGoldenFile()
{
    QFETCH(QString, design);
    const Design top(design);
    QTemporaryDir dir;
    // A longer file of an earlier run is replaced whole.
    writeFile(dir.filePath(top.topFileName()), QByteArray(100000, 'x'));

    MessageCapture log;
    QVERIFY(top.write(dir.path()));
    QCOMPARE(log.taken(), QList<CapturedMessage>());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{top.topFileName()});
    const QByteArray actual = fileBytes(dir.filePath(top.topFileName()));
    // ZARN_UPDATE_GOLDEN=1 rewrites the golden files; review their diff.
    if (qEnvironmentVariableIntValue("ZARN_UPDATE_GOLDEN") == 1)
        writeFile(top.path + QLatin1String(".v"), actual);
    QCOMPARE(QString::fromUtf8(actual), QString::fromUtf8(fileBytes(top.path + QLatin1String(".v"))));
}

void TestTopModule::unopenableFile_data()
{
    QTest::addColumn<QString>("design");
    QTest::newRow("standalone") << "standalone-basic";
    QTest::newRow("analyzer") << "analyzer-basic";
    QTest::newRow("lite") << "lite-basic";
}

void TestTopModule::unopenableFile()
{
    QFETCH(QString, design);
    const Design top(design);
    QTemporaryDir dir;
    // A directory in the file's place can't be opened for writing, whoever runs the test.
    QVERIFY(QDir(dir.path()).mkdir(top.topFileName()));

    MessageCapture log;
    QVERIFY(!top.write(dir.path()));
    QCOMPARE(log.taken(), QList<CapturedMessage>{MessageCapture::critical(QStringLiteral("failded to open result file."))});
    QVERIFY(QFileInfo(dir.filePath(top.topFileName())).isDir());

    QVERIFY(!top.write(dir.filePath(QStringLiteral("missing"))));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
}

QTEST_GUILESS_MAIN(TestTopModule)
#include "tst_topmodule.moc"
