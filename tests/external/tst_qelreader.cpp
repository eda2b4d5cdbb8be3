#include "external/qelutils.h"

#include "testdata.h"

using namespace QEL;

class TestQelReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void analyzerCores()
    {
        // Only the root's own children count, only enabled="false" turns a
        // trigger port off, and elements other than Signal are skipped.
        const QString file = testData(QStringLiteral("external/analyzer.xml"));
        bool ok = false;
        QString error = QStringLiteral("untouched");
        QStringList dump;
        const QList<AoCore *> cores = readQELConfigFromXml(file, &ok, &error);
        for (const AoCore *core : cores) {
            dump.append(QLatin1String("ao ") + core->sampleClock() + QLatin1String(": ") + core->dataSignals().join(QLatin1Char(' ')));
            for (const TriggerPort *port : core->availableTriggers())
                dump.append(QStringLiteral(" trig %1: %2").arg(port->triggerNumber).arg(port->singleSignals().join(QLatin1Char(' '))));
        }
        qDeleteAll(cores);
        QVERIFY(ok);
        QCOMPARE(error, QStringLiteral("untouched"));
        ok = false;
        const QList<AOCore_Lite *> lites = readQELConfigFromXml_Lite(file, &ok);
        for (const AOCore_Lite *core : lites)
            dump.append(QLatin1String("lite ") + core->sampleClock() + QLatin1String(": ") + core->dataSignals().join(QLatin1Char(' ')));
        qDeleteAll(lites);
        QVERIFY(ok);
        QCOMPARE(dump, (QStringList{"ao clk: d0 d[1] d0", " trig 2: t0 t1", " trig 5: ", " trig 1: on", "ao : ", "lite lite_clk: l0 bus[1]"}));
    }
};

QTEST_GUILESS_MAIN(TestQelReader)
#include "tst_qelreader.moc"
