#include <zarn/conversions.h>

#include "testdata.h"

using namespace ZARN;

class TestConversions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conversions_data()
    {
        addRowsFromTable(QStringLiteral("convert/conversions.txt"), {"case", "function", "input", "expected"});
    }

    void conversions()
    {
        QFETCH(QString, function);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        if (function == QLatin1String("bintoHex4bit"))
            QCOMPARE(bintoHex4bit(input), expected);
        else if (function == QLatin1String("stringBintoHex"))
            QCOMPARE(stringBintoHex(input), expected);
        else if (function == QLatin1String("stringHextoBinfor0x"))
            QCOMPARE(stringHextoBinfor0x(input), expected);
        else if (function == QLatin1String("roundTrip"))
            QCOMPARE(stringHextoBinfor0x(QLatin1String("0x") + stringBintoHex(input)), expected);
        else
            QFAIL("unknown function");
    }
};

QTEST_GUILESS_MAIN(TestConversions)

#include "tst_conversions.moc"
