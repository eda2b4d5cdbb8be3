#include "sim/simvalues.h"

#include "testdata.h"

#include <QTest>

class TestSimValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void values_data() { addRowsFromTable(QStringLiteral("tools/sim/values.txt"), {"case", "text", "bits", "words"}); }

    void values()
    {
        QVector<quint32> words;
        int bits = -1;
        const bool parsed = Sim::parseValue(field("text"), &words, &bits);
        QCOMPARE(parsed, field("bits") != QLatin1String("-"));
        if (!parsed)
            return;
        QStringList hex;
        for (const quint32 word : std::as_const(words))
            hex.append(QString::number(word, 16));
        QCOMPARE(QString::number(bits), field("bits"));
        QCOMPARE(hex.join(QLatin1Char(' ')), field("words"));
    }

    void ratios_data() { addRowsFromTable(QStringLiteral("tools/sim/ratios.txt"), {"case", "text", "ratio"}); }

    void ratios()
    {
        quint64 numerator = 0;
        quint64 denominator = 0;
        const bool parsed = Sim::parseRatio(field("text"), &numerator, &denominator);
        QCOMPARE(parsed ? QStringLiteral("%1/%2").arg(numerator).arg(denominator) : QStringLiteral("-"), field("ratio"));
    }

    void stringLiterals()
    {
        // Quotes and backslashes escaped, and every "?" so that no "??" starts a trigraph.
        QCOMPARE(Sim::cString(QStringLiteral("a\"b\\c?\?=d")), QByteArray("\"a\\\"b\\\\c\\?\\?=d\""));
        QCOMPARE(Sim::cString(QStringLiteral("é")), QByteArray("\"\xc3\xa9\""));
    }
};

QTEST_GUILESS_MAIN(TestSimValues)

#include "tst_simvalues.moc"
