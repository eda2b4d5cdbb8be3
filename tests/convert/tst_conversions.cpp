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
        const QString function = field("function");
        const QString input = field("input");
        if (function == QLatin1String("bintoHex4bit"))
            QCOMPARE(bintoHex4bit(input), field("expected"));
        else if (function == QLatin1String("stringBintoHex"))
            QCOMPARE(stringBintoHex(input), field("expected"));
        else if (function == QLatin1String("stringHextoBinfor0x"))
            QCOMPARE(stringHextoBinfor0x(input), field("expected"));
        else if (function == QLatin1String("roundTrip"))
            QCOMPARE(stringHextoBinfor0x(QLatin1String("0x") + stringBintoHex(input)), field("expected"));
        else
            QFAIL("unknown function");
    }
};

QTEST_GUILESS_MAIN(TestConversions)

#include "tst_conversions.moc"
