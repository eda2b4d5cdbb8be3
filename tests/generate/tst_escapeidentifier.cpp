#include "generate/escapeidentifier.h"

#include <QTest>

using namespace ZARN;

class TestEscapeIdentifier : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void escapeIdentifier_data();
    void escapeIdentifier();
};

void TestEscapeIdentifier::escapeIdentifier_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "data_1" << "data_1";
    QTest::newRow("bit select") << "data[3]" << "\\data[3] ";
    QTest::newRow("already escaped") << "\\data[3] x" << "\\data[3] x";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("leading digit") << "3bit" << "3bit";
    QTest::newRow("leading dollar") << "$sig" << "$sig";
    QTest::newRow("inner blank") << "my net" << "\\my net ";
    QTest::newRow("inner backslash") << "a\\b" << "\\a\\b ";
    QTest::newRow("hierarchy") << "u0/q" << "\\u0/q ";
    QTest::newRow("non-ASCII letter") << QStringLiteral("d\u00e9") << QStringLiteral("\\d\u00e9 ");
    QTest::newRow("non-ASCII, escaped") << QStringLiteral("\\d\u00e9") << QStringLiteral("\\d\u00e9");
}

void TestEscapeIdentifier::escapeIdentifier()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(ZARN::escapeIdentifier(name), expected);

    // The form the generated files hold, appended to what is there.
    QByteArray utf8("x");
    appendEscapedIdentifier(utf8, name);
    QCOMPARE(utf8, "x" + expected.toUtf8());
}

QTEST_GUILESS_MAIN(TestEscapeIdentifier)
#include "tst_escapeidentifier.moc"
