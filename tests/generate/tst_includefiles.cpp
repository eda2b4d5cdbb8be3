#include "generate/controlcorefiles.h"
#include "generate/corefiles.h"

#include "messagecapture.h"
#include "testdata.h"

#include <zarn/configreader.h>
#include <zarn/zarncore.h>

#include <QTemporaryDir>

using namespace ZARN;

namespace {

// The cores of tests/data/generate/include/<name>.xml; the caller owns them.
QList<ZarnCore *> cores(const QString &name)
{
    return readZARNConfigFromXml(testData(QLatin1String("generate/include/") + name + QLatin1String(".xml")));
}

} // namespace

class TestIncludeFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesGoldenFiles_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &file : QDir(testData(QStringLiteral("generate/include"))).entryList({QStringLiteral("*.xml")}))
            QTest::newRow(qPrintable(file.chopped(4))) << file.chopped(4);
    }


    void writesGoldenFiles()
    {
        QFETCH(QString, name);
        const QList<ZarnCore *> list = cores(name);
        QTemporaryDir root;
        ZarnArg arg;
        arg.outputDir = root.filePath(QStringLiteral("missing/out"));
        // Longer files of an earlier run must be replaced whole.
        writeFile(arg.outputDir + QLatin1String("/zarn_control/xq_zarn_con_top_define.v"), QByteArray(200, 'x'));
        writeFile(arg.outputDir + QLatin1String("/zarn_control/xq_zarn_con_parameter.v"), QByteArray(200, 'x'));

        MessageCapture capture;
        QVERIFY(writeControlCoreFiles(arg, list));
        QVERIFY(writeCoreFiles(arg, list));
        qDeleteAll(list);
        QCOMPARE(capture.taken(), QList<CapturedMessage>());
        compareWithGolden(arg.outputDir, testData(QLatin1String("generate/include/") + name));
    }


    void openFailure_data()
    {
        QTest::addColumn<bool>("control");
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("written");
        // A directory where a file should go, or a file where a directory should
        // go, can't be opened even by root.
        QTest::newRow("control define") << true << "zarn_control" << "failed to generate xq_zarn_con_top_define.v" << QStringList();
        QTest::newRow("control parameter") << true << "zarn_control/xq_zarn_con_parameter.v/" << "failed to generate xq_zarn_con_parameter.v"
                                           << QStringList{QStringLiteral("zarn_control/xq_zarn_con_top_define.v")};
        QTest::newRow("second core define") << false << "zarn_1" << "failed to generate zarn_1/xq_zarn_top_define.v"
                                            << QStringList{QStringLiteral("zarn_0/xq_zarn_parameter.v"), QStringLiteral("zarn_0/xq_zarn_top_define.v")};
        QTest::newRow("first core parameter") << false << "zarn_0/xq_zarn_parameter.v/" << "failed to generate zarn_0/xq_zarn_parameter.v"
                                              << QStringList{QStringLiteral("zarn_0/xq_zarn_top_define.v")};
    }


    void openFailure()
    {
        QFETCH(bool, control);
        QFETCH(QString, blocker);
        QFETCH(QString, message);
        QFETCH(QStringList, written);
        QTemporaryDir root;
        ZarnArg arg;
        arg.outputDir = root.path();
        if (blocker.endsWith(QLatin1Char('/')))
            QVERIFY(QDir().mkpath(root.filePath(blocker)));
        else
            writeFile(root.filePath(blocker), QByteArray());
        const QList<ZarnCore *> list = cores(QStringLiteral("indices7and3"));

        MessageCapture capture;
        QVERIFY(!(control ? writeControlCoreFiles(arg, list) : writeCoreFiles(arg, list)));
        qDeleteAll(list);
        QCOMPARE(capture.taken(), QList<CapturedMessage>{MessageCapture::critical(message)});
        QStringList files = filesBelow(root.path());
        files.removeAll(blocker);
        QCOMPARE(files, written);
    }
};

QTEST_GUILESS_MAIN(TestIncludeFiles)
#include "tst_includefiles.moc"
