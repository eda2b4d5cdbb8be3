// Fields of a data-register scan: what drscan must be sent and what it answers.

#include "testdata.h"

#include <zarn/host/drfield.h>

#include <QTest>

using ZARN::DrField;

class TestDrField : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromHexThenToHex_data() { addRowsFromTable(QStringLiteral("host/fields.txt"), {"case", "digits", "width", "bits", "hex"}); }

    void fromHexThenToHex()
    {
        const int width = field("width").toInt();
        DrField read(1);
        read.setBit(0, true);
        const DrField before = read;
        const bool ok = DrField::fromHex(field("digits"), width, &read);
        QCOMPARE(ok, !field("bits").isEmpty());
        if (!ok) {
            QCOMPARE(read, before);
            return;
        }
        QString bits;
        for (int i = read.width() - 1; i >= 0; --i)
            bits += QLatin1Char(read.bit(i) ? '1' : '0');
        QCOMPARE(bits, field("bits"));
        QCOMPARE(read.toHex(), field("hex"));
    }

    void numbersInPlace()
    {
        // A header of 24 bits: 16-bit magic, 2-bit operation, 6-bit position.
        DrField scan(24 + 20);
        scan.setNumber(0, 16, 0x5A3C);
        scan.setNumber(16, 2, 2);
        scan.setNumber(18, 6, 63);
        QCOMPARE(scan.number(0, 24), quint64(0xFE5A3C));
        DrField data(20);
        data.setNumber(0, 10, 0x249);
        data.setNumber(10, 10, 0x3FF);
        scan.place(24, data);
        QCOMPARE(scan.mid(24, 20), data);
        QCOMPARE(scan.toHex(), QStringLiteral("0xffe49fe5a3c"));
        QCOMPARE(scan.number(34, 10), quint64(0x3FF));
        // Only the bits asked for move: the rest stays.
        scan.setNumber(20, 8, 0);
        QCOMPARE(scan.number(0, 20), quint64(0xE5A3C));
        QCOMPARE(scan.number(28, 16), quint64(0xFFE4));

        const DrField wide(4096 + 10);
        QCOMPARE(wide.toHex().size(), 2 + 1027);
        DrField back;
        QVERIFY(DrField::fromHex(wide.toHex(), wide.width(), &back));
        QCOMPARE(back, wide);
    }
};

QTEST_GUILESS_MAIN(TestDrField)
#include "tst_drfield.moc"
