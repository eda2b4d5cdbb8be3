#include "external/qelutils.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace QEL;

namespace {

const QString analyzerFile = QStringLiteral(ZARN_TEST_DATA_DIR "/external/analyzer.xml");

} // namespace

class TestQelReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fullCores();
    void liteCores();
    void unreadable_data();
    void unreadable();
};

void TestQelReader::fullCores()
{
    bool ok = false;
    QString error = QStringLiteral("untouched");
    const QList<AoCore *> cores = readQELConfigFromXml(analyzerFile, &ok, &error);
    const auto release = qScopeGuard([&cores] { qDeleteAll(cores); });
    QVERIFY(ok);
    QCOMPARE(error, QStringLiteral("untouched"));
    QCOMPARE(cores.size(), 2);

    QCOMPARE(cores.at(0)->sampleClock(), QStringLiteral("clk"));
    QCOMPARE(cores.at(0)->dataSignals(), (QStringList{"d0", "d[1]", "d0"}));
    QList<int> numbers;
    QList<QStringList> nets;
    for (const TriggerPort *port : cores.at(0)->availableTriggers()) {
        numbers.append(port->triggerNumber);
        nets.append(port->singleSignals());
    }
    QCOMPARE(numbers, (QList<int>{2, 5, 1}));
    QCOMPARE(nets, (QList<QStringList>{{"t0", "t1"}, {}, {"on"}}));

    QCOMPARE(cores.at(1)->sampleClock(), QString());
    QCOMPARE(cores.at(1)->dataSignals(), QStringList());
    QVERIFY(cores.at(1)->availableTriggers().isEmpty());
}

void TestQelReader::liteCores()
{
    bool ok = false;
    const QList<AOCore_Lite *> cores = readQELConfigFromXml_Lite(analyzerFile, &ok);
    const auto release = qScopeGuard([&cores] { qDeleteAll(cores); });
    QVERIFY(ok);
    QCOMPARE(cores.size(), 1);
    QCOMPARE(cores.at(0)->sampleClock(), QStringLiteral("lite_clk"));
    QCOMPARE(cores.at(0)->dataSignals(), (QStringList{"l0", "bus[1]"}));
}

void TestQelReader::unreadable_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error");
    QTest::newRow("missing") << QByteArray() << "%1 open file failed.";
    QTest::newRow("empty") << QByteArray("") << "^.+ at 1:1$";
    QTest::newRow("unclosed element") << QByteArray("<a>\n  <AoCore>\n</a>\n") << "^.+ at 3:\\d+$";
}

void TestQelReader::unreadable()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("analyzer.xml"));
    if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    bool ok = true;
    QString fullError;
    QString liteError;
    QVERIFY(readQELConfigFromXml(path, &ok, &fullError).isEmpty());
    QVERIFY(!ok);
    ok = true;
    QVERIFY(readQELConfigFromXml_Lite(path, &ok, &liteError).isEmpty());
    QVERIFY(!ok);
    QVERIFY(readQELConfigFromXml(path).isEmpty());

    QCOMPARE(liteError, fullError);
    if (content.isNull())
        QCOMPARE(fullError, error.arg(path));
    else
        QVERIFY2(QRegularExpression(error).match(fullError).hasMatch(), qPrintable(fullError));
}

QTEST_GUILESS_MAIN(TestQelReader)
#include "tst_qelreader.moc"
