#include "generate/uniquenames.h"

#include <QTest>

using namespace ZARN;

namespace {

QStringList names(const UniqueNames &list)
{
    QStringList result;
    for (int i = 0; i < list.size(); ++i)
        result.append(list.at(i));
    return result;
}

UniqueNames listOf(const QStringList &names)
{
    UniqueNames list;
    for (const QString &name : names)
        list.add(name);
    return list;
}

} // namespace

class TestUniqueNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsFirstOccurrence_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("repeats and empty names") << QStringList{"b", "a", "b", "", "c", "a", "c"} << QStringList{"b", "a", "c"};
        // Names count by the identifier they give.
        QTest::newRow("escaped here or already") << QStringList{"a b", "\\a b ", "x[1]", "\\x[1] ", "\\a b"} << QStringList{"a b", "x[1]", "\\a b"};
        QTest::newRow("already escaped first") << QStringList{"\\a b ", "a b"} << QStringList{"\\a b "};
        QTest::newRow("alike, not the same") << QStringList{"\\ab ", "ab", "\\ab", "ab "} << QStringList{"\\ab ", "ab", "\\ab", "ab "};
    }

    void keepsFirstOccurrence()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, kept);
        const UniqueNames list = listOf(added);
        QCOMPARE(names(list), kept);
        for (const QString &name : added)
            QCOMPARE(list.contains(name), !name.isEmpty());
        QVERIFY(!list.contains(QStringLiteral("other")));
    }

    // Enough names to make the table grow many times over.
    void manyNames()
    {
        UniqueNames list;
        QStringList expected;
        for (int i = 0; i < 20000; ++i) {
            expected.append(QStringLiteral("n[%1]").arg(i));
            list.add(expected.constLast());
        }
        for (int i = 19999; i >= 0; i -= 3)
            list.add(QStringLiteral("\\n[%1] ").arg(i));
        QCOMPARE(names(list), expected);
        QVERIFY(!list.contains(QStringLiteral("n[20000]")));
    }

    void removeAll()
    {
        UniqueNames list = listOf({"a", "b", "c d", "e"});
        list.removeAll(listOf({"\\c d ", "x", "a"}));
        QCOMPARE(names(list), (QStringList{"b", "e"}));
        QVERIFY(!list.contains(QStringLiteral("a")));
        QVERIFY(list.contains(QStringLiteral("e")));
    }
};

QTEST_GUILESS_MAIN(TestUniqueNames)
#include "tst_uniquenames.moc"
