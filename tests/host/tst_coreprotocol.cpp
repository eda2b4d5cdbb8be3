// The scans of the open cores' operations, and what a status says.

#include "testdata.h"

#include <zarn/host/coreprotocol.h>

#include <QTest>

using namespace ZARN;

class TestCoreProtocol : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void operations_data() { addRowsFromTable(QStringLiteral("host/operations.txt"), {"case", "operation", "position", "inputs", "outputs", "written", "command"}); }

    void operations()
    {
        const auto operation = CoreProtocol::Operation(field("operation").toInt());
        const int position = field("position").toInt();
        const int bits = CoreProtocol::dataBits(operation, field("inputs").toInt(), field("outputs").toInt());
        DrField data(bits);
        if (operation == CoreProtocol::Operation::Write) {
            DrField outputs;
            QVERIFY(DrField::fromHex(field("written"), field("outputs").toInt(), &outputs));
            data = CoreProtocol::writeData(position, outputs);
            QCOMPARE(data.width(), bits);
        }
        const QString command = field("command").replace(QLatin1String("@zeros"), QString((bits + 3) / 4, QLatin1Char('0')));
        QCOMPARE(CoreProtocol::drscan(QStringLiteral("zarn.tap"), CoreProtocol::header(operation, position), data), command);
    }

    void statuses_data() { addRowsFromTable(QStringLiteral("host/statuses.txt"), {"case", "bits", "position", "flags", "mismatch"}); }

    void statuses()
    {
        DrField answer;
        QVERIFY(DrField::fromHex(field("bits"), CoreProtocol::statusBits, &answer));
        const CoreStatus status = CoreStatus::fromAnswer(answer);
        const QString flags = QString::number(status.hasClock) + QString::number(status.fresh) + QString::number(status.busy) + QString::number(status.refused);
        QCOMPARE(flags, field("flags"));
        QCOMPARE(status.mismatch(field("position").toInt()), field("mismatch"));
    }
};

QTEST_GUILESS_MAIN(TestCoreProtocol)
#include "tst_coreprotocol.moc"
