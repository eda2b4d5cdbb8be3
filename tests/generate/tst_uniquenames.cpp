#include "generate/uniquenames.h"

#include <QTest>

using namespace ZARN;

namespace {

QStringList names(const UniqueNames &list)
{
    QStringList result;
    for (int i = 0; i < list.size(); ++i)
        result.append(QString::fromUtf8(list.at(i).data(), int(list.at(i).size())));
    return result;
}

} // namespace

class TestUniqueNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsFirstOccurrence();
    void manyNames();
    void removeAll();
};

void TestUniqueNames::keepsFirstOccurrence()
{
    UniqueNames list;
    for (const char *name : {"b", "a", "b", "", "c", "a", "\\a ", "c"})
        list.add(name);
    QCOMPARE(names(list), (QStringList{"b", "a", "c", "\\a "}));
    QVERIFY(list.contains("a"));
    QVERIFY(!list.contains(""));
    QVERIFY(!list.contains("d"));
}

// Enough names to make the table grow many times over.
void TestUniqueNames::manyNames()
{
    UniqueNames list;
    QStringList expected;
    for (int i = 0; i < 20000; ++i) {
        expected.append(QStringLiteral("n%1").arg(i));
        list.add(expected.constLast().toStdString());
    }
    for (int i = 19999; i >= 0; i -= 3)
        list.add(QStringLiteral("n%1").arg(i).toStdString());
    QCOMPARE(names(list), expected);
    QVERIFY(!list.contains("n20000"));
}

void TestUniqueNames::removeAll()
{
    UniqueNames list;
    for (const char *name : {"a", "b", "c", "d"})
        list.add(name);
    UniqueNames other;
    for (const char *name : {"c", "x", "a"})
        other.add(name);
    list.removeAll(other);
    QCOMPARE(names(list), (QStringList{"b", "d"}));
    QVERIFY(!list.contains("a"));
    QVERIFY(list.contains("d"));
}

QTEST_GUILESS_MAIN(TestUniqueNames)
#include "tst_uniquenames.moc"
