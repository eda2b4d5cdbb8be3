#include "external/devicedb.h"

#include <QTest>

using namespace DEV;

class TestDeviceDb : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void find_data();
    void find();
};

void TestDeviceDb::find_data()
{
    QTest::addColumn<QString>("deviceKey");
    QTest::addColumn<QString>("deviceSubKey");
    QTest::addColumn<QString>("partName");
    QTest::newRow("XQ2A-9 QN48") << "XQ2A-9" << "QN48" << "XQ2A-9";
    QTest::newRow("XQ2A-9 LQ144") << "XQ2A-9" << "LQ144" << "XQ2A-9";
    QTest::newRow("XQ2AR-9C QN88") << "XQ2AR-9C" << "QN88" << "XQ2AR-9C";
    QTest::newRow("XQ2A-1 CS30") << "XQ2A-1" << "CS30" << "XQ2A-1";
    QTest::newRow("XQ5B-25 UG324") << "XQ5B-25" << "UG324" << "XQ5B-25";
    QTest::newRow("XQ5B-138 PG484") << "XQ5B-138" << "PG484" << "XQ5B-138";
    QTest::newRow("key in lower case") << "xq2a-9" << "QN48" << "";
    QTest::newRow("sub-key in lower case") << "XQ2A-9" << "qn48" << "";
    QTest::newRow("package of another die") << "XQ2A-1" << "QN48" << "";
    QTest::newRow("trailing blank") << "XQ2A-9 " << "QN48" << "";
    QTest::newRow("empty") << "" << "" << "";
}

void TestDeviceDb::find()
{
    QFETCH(QString, deviceKey);
    QFETCH(QString, deviceSubKey);
    QFETCH(QString, partName);
    DeviceDb *db = DeviceDb::instance();
    QVERIFY(db);
    QCOMPARE(DeviceDb::instance(), db);

    const ChipInfo chip = db->find(deviceKey, deviceSubKey);
    QCOMPARE(chip.partName, partName);
    const QStringList texts{chip.family, chip.series, chip.deviceKey, chip.package, chip.speedGrade,
                            chip.temperatureGrade, chip.coreVoltage, chip.lutCount, chip.description};
    for (const QString &text : texts)
        QCOMPARE(text.isEmpty(), partName.isEmpty());
    QCOMPARE(chip.ioStandards.isEmpty(), partName.isEmpty());
    if (!partName.isEmpty()) {
        QCOMPARE(chip.deviceKey, deviceKey);
        QCOMPARE(chip.package, deviceSubKey);
    }
}

QTEST_GUILESS_MAIN(TestDeviceDb)
#include "tst_devicedb.moc"
