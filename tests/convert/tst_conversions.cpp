#include <zarn/conversions.h>

#include <QTest>

using namespace ZARN;

class TestConversions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bintoHex4bit_data();
    void bintoHex4bit();
    void allFourBitGroups();
    void stringBintoHex_data();
    void stringBintoHex();
    void stringHextoBinfor0x_data();
    void stringHextoBinfor0x();
    void roundTrip_data();
    void roundTrip();
};

void TestConversions::bintoHex4bit_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("0") << "0" << "0";
    QTest::newRow("0000") << "0000" << "0";
    QTest::newRow("001") << "001" << "1";
    QTest::newRow("100") << "100" << "4";
    QTest::newRow("1010") << "1010" << "A";
    QTest::newRow("1111") << "1111" << "F";
    QTest::newRow("five digits") << "10000" << "";
    QTest::newRow("digit 2") << "12" << "";
    QTest::newRow("blank") << " 1" << "";
    QTest::newRow("sign") << "-1" << "";
    QTest::newRow("prefix") << "0b1" << "";
    QTest::newRow("fullwidth one") << QString(QChar(0xFF11)) << "";
}

void TestConversions::bintoHex4bit()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(ZARN::bintoHex4bit(input), expected);
}

void TestConversions::allFourBitGroups()
{
    // Exactly the 30 texts of one to four binary digits are accepted.
    int accepted = 0;
    for (int length = 1; length <= 4; ++length) {
        for (int value = 0; value < (1 << length); ++value) {
            const QString bits = QString::number(value, 2).rightJustified(length, QLatin1Char('0'));
            QCOMPARE(ZARN::bintoHex4bit(bits), QString::number(value, 16).toUpper());
            ++accepted;
        }
    }
    QCOMPARE(accepted, 30);
}

void TestConversions::stringBintoHex_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("101") << "101" << "5";
    QTest::newRow("11111") << "11111" << "1F";
    QTest::newRow("00000001") << "00000001" << "01";
    QTest::newRow("100000000") << "100000000" << "100";
    QTest::newRow("bad group dropped") << "1x101111" << "F";
    QTest::newRow("bad head dropped") << "x1111" << "F";
    QTest::newRow("all bad") << "abcdefgh" << "";
}

void TestConversions::stringBintoHex()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(ZARN::stringBintoHex(input), expected);
}

void TestConversions::stringHextoBinfor0x_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("F") << "F" << "";
    QTest::newRow("0x") << "0x" << "";
    QTest::newRow("0x0") << "0x0" << "0000";
    QTest::newRow("0x1F") << "0x1F" << "00011111";
    QTest::newRow("lower case dropped") << "0x1f" << "0001";
    QTest::newRow("0XAB") << "0XAB" << "10101011";
    QTest::newRow("any two skipped") << "12C" << "1100";
    QTest::newRow("separators dropped") << "0x 1_F" << "00011111";
    QTest::newRow("all digits") << "0x0123456789ABCDEF"
                                << "0000000100100011010001010110011110001001101010111100110111101111";
}

void TestConversions::stringHextoBinfor0x()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(ZARN::stringHextoBinfor0x(input), expected);
}

void TestConversions::roundTrip_data()
{
    QTest::addColumn<QString>("bits");
    QTest::newRow("1") << "1";
    QTest::newRow("10") << "10";
    QTest::newRow("0110") << "0110";
    QTest::newRow("10011") << "10011";
    QTest::newRow("64 bits") << QString::fromLatin1("1011001110001111000011111000001111110000001111111000000011111111");
}

void TestConversions::roundTrip()
{
    // Binary to hex and back gives the bits, widened with zeros on the left
    // to a multiple of four.
    QFETCH(QString, bits);
    const QString widened = bits.rightJustified((bits.size() + 3) / 4 * 4, QLatin1Char('0'));
    QCOMPARE(ZARN::stringHextoBinfor0x(QLatin1String("0x") + ZARN::stringBintoHex(bits)), widened);
}

QTEST_GUILESS_MAIN(TestConversions)

#include "tst_conversions.moc"
