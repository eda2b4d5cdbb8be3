#include "messagecapture.h"
#include "topmoduledesigns.h"

#include <QTemporaryDir>
#include <QTest>

class TestTopModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesGoldenFile_data();
    void matchesGoldenFile();
    void replacesExistingFile();
    void unopenableFile_data();
    void unopenableFile();
};

void TestTopModule::matchesGoldenFile_data()
{
    QTest::addColumn<QString>("design");
    for (const QString &design : topDesignNames())
        QTest::newRow(qPrintable(design)) << design;
}

void TestTopModule::matchesGoldenFile()
{
    QFETCH(QString, design);
    TopDesign top;
    QVERIFY(top.read(topDesignDir() + QLatin1Char('/') + design + QLatin1String(".design")));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    MessageCapture log;
    QVERIFY(top.write(dir.path()));
    QVERIFY(log.taken().isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{top.topFileName()});

    QFile written(dir.filePath(top.topFileName()));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray actual = written.readAll();
    const QString goldenPath = topDesignDir() + QLatin1Char('/') + design + QLatin1String(".v");
    // ZARN_UPDATE_GOLDEN=1 rewrites the golden files; review their diff.
    if (qEnvironmentVariableIntValue("ZARN_UPDATE_GOLDEN") == 1) {
        QFile golden(goldenPath);
        QVERIFY(golden.open(QIODevice::WriteOnly | QIODevice::Truncate));
        golden.write(actual);
    }
    QFile golden(goldenPath);
    QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(goldenPath));
    QCOMPARE(QString::fromUtf8(actual), QString::fromUtf8(golden.readAll()));
}

void TestTopModule::replacesExistingFile()
{
    TopDesign top;
    QVERIFY(top.read(topDesignDir() + QLatin1String("/standalone-basic.design")));
    QTemporaryDir dir;
    QFile old(dir.filePath(top.topFileName()));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();

    QVERIFY(top.write(dir.path()));
    QFile golden(topDesignDir() + QLatin1String("/standalone-basic.v"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QCOMPARE(QFileInfo(old).size(), golden.size());
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
    TopDesign top;
    QVERIFY(top.read(topDesignDir() + QLatin1Char('/') + design + QLatin1String(".design")));
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
