// The device table that zarn devices shows and that --device checks against,
// and the control core that a generation for each device lists.

#include "testdata.h"

#include <zarn/devices.h>
#include <zarn/zarnprepare.h>

#include <QTemporaryDir>

using namespace ZARN;

class TestDevices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyDeviceResolves_data() { addRowsFromTable(QStringLiteral("generate/devices.txt"), {"case", "device", "package", "part", "controlCore"}); }

    void everyDeviceResolves()
    {
        const QList<TargetDevice> devices = knownDevices();
        const auto known = std::find_if(devices.cbegin(), devices.cend(), [](const TargetDevice &device) {
            return device.device == field("device") && device.package == field("package");
        });
        QVERIFY(known != devices.cend());
        QCOMPARE(known->partName, field("part"));
        QCOMPARE(known->controlCore, field("controlCore"));
        QCOMPARE(controlCoreSource(field("part")), field("controlCore"));

        // The generation lists the same source for the device.
        QTemporaryDir dir;
        ZarnArg arg;
        arg.configFile = testData(QStringLiteral("generate/run/threecores.xml"));
        arg.deviceKey = field("device");
        arg.deviceSubKey = field("package");
        arg.outputDir = dir.filePath(QStringLiteral("out"));
        arg.ipRootDir = QStringLiteral("/ip");
        ZarnPrepare generation;
        QVERIFY(generation.prepare(arg));
        QVERIFY(generation.fileList().contains(QLatin1String("/ip/") + field("controlCore")));
    }

    void tableIsWhole()
    {
        // Nothing beside the table's rows, in its order.
        QStringList listed;
        for (const TargetDevice &device : knownDevices())
            listed.append(device.device + QLatin1Char(' ') + device.package);
        QStringList expected;
        for (const QString &line : QString::fromUtf8(fileBytes(testData(QStringLiteral("generate/devices.txt")))).split(QLatin1Char('\n'))) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            if (!line.startsWith(QLatin1Char('#')) && fields.size() == 5)
                expected.append(fields.at(1) + QLatin1Char(' ') + fields.at(2));
        }
        QCOMPARE(listed, expected);
        // Outside the table: the generic control core.
        QCOMPARE(controlCoreSource(QString()), QStringLiteral("ZARN/XQ_ZARN_CON/xq_zarn_con_top.v"));
        QCOMPARE(controlCoreSource(QStringLiteral("xq2a-9")), QStringLiteral("ZARN/XQ_ZARN_CON/xq_zarn_con_top.v"));
    }
};

QTEST_GUILESS_MAIN(TestDevices)
#include "tst_devices.moc"
