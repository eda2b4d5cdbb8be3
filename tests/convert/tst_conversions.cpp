#include <zarn/conversions.h>

#include "testdata.h"

#include <QHash>

using namespace ZARN;

class TestConversions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conversions_data() { addRowsFromTable(QStringLiteral("convert/conversions.txt"), {"case", "function", "input", "expected"}); }

    void conversions()
    {
        const QHash<QString, QString (*)(QString)> functions{
            {QStringLiteral("bintoHex4bit"), &bintoHex4bit},
            {QStringLiteral("stringBintoHex"), &stringBintoHex},
            {QStringLiteral("stringHextoBinfor0x"), &stringHextoBinfor0x},
            {QStringLiteral("roundTrip"), [](QString bits) { return stringHextoBinfor0x(QLatin1String("0x") + stringBintoHex(bits)); }},
        };
        QVERIFY(functions.contains(field("function")));
        QCOMPARE(functions.value(field("function"))(field("input")), field("expected"));
    }
};

QTEST_GUILESS_MAIN(TestConversions)

#include "tst_conversions.moc"
