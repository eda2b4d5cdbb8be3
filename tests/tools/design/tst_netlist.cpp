// The netlist model on Yosys's JSON as checked in (tests/data/design/netlists/,
// written by Yosys 0.23 through zarn's own script): what it lists, what a
// configuration's name finds in it, and the JSON it refuses, each by its
// member.  No Yosys is run: these hold on any machine.

#include "testdata.h"

#include "design/netlist.h"

#include <QtTest>

using Design::NetBit;
using Design::Netlist;

namespace {

Netlist readNetlist(const QString &name, const QString &top)
{
    Netlist netlist;
    QString error;
    if (!netlist.read(fileBytes(testData(QLatin1String("design/netlists/") + name + QLatin1String(".json"))), top, &error))
        qWarning("%s", qPrintable(error));
    return netlist;
}

} // namespace

class TestNetlist : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listing_data() { addRowsFromTable(QStringLiteral("design/netlists/listings.txt"), {"case", "netlist", "top", "separator", "listing"}); }

    void listing()
    {
        // Each net: its name as a configuration writes it with its range,
        // its width, and the ranges of its driven bits, tab-separated.
        const Netlist netlist = readNetlist(field("netlist"), field("top"));
        const QChar separator = field("separator").at(0);
        QStringList lines;
        for (const Design::Net &net : netlist.nets())
            lines.append(QStringLiteral("%1\t%2\t%3").arg(net.declaredName(separator)).arg(net.width).arg(net.drivenBits() == 0 ? QStringLiteral("none") : net.drivenRanges()));
        QCOMPARE(lines.join(QLatin1Char('\n')), QString::fromUtf8(fileBytes(testData(QLatin1String("design/netlists/") + field("listing")))).trimmed());
        QCOMPARE(netlist.top(), field("top"));
    }

    void lookup_data() { addRowsFromTable(QStringLiteral("design/netlists/lookups.txt"), {"case", "name", "separator", "found"}); }

    void lookup()
    {
        static const Netlist netlist = readNetlist(QStringLiteral("names"), QStringLiteral("names"));
        static const char *const results[] = {"found", "vector", "out of range", "ambiguous", "memory", "missing"};
        const QChar separator = field("separator").at(0);
        const NetBit found = netlist.find(field("name"), separator);
        QCOMPARE(QStringLiteral("%1, %2, %3").arg(QLatin1String(results[found.result]), found.net ? found.net->name(separator) : QStringLiteral("-")).arg(found.bit),
                 field("found"));
    }

    void refused_data() { addRowsFromTable(QStringLiteral("design/netlists/refused.txt"), {"case", "json", "error"}); }

    void refused()
    {
        Netlist netlist;
        QString error;
        QVERIFY(!netlist.read(field("json").toUtf8(), QStringLiteral("top"), &error));
        QCOMPARE(error, field("error"));
    }

    void throughTheCache()
    {
        // The elaboration cache keeps a netlist as bytes: the same listing,
        // the same lookups come back.
        const Netlist netlist = readNetlist(QStringLiteral("names"), QStringLiteral("names"));
        Netlist back;
        QVERIFY(back.fromBytes(netlist.toBytes()));
        QCOMPARE(back.nets().size(), netlist.nets().size());
        for (int i = 0; i < netlist.nets().size(); ++i) {
            QCOMPARE(back.nets().at(i).path, netlist.nets().at(i).path);
            QCOMPARE(back.nets().at(i).driven, netlist.nets().at(i).driven);
        }
        QCOMPARE(back.find(QStringLiteral("word[3]"), QLatin1Char('/')).bit, 3);
        QVERIFY(back.hasCell(QStringLiteral("k")));
        QVERIFY(!back.fromBytes(QByteArray("not a netlist")));
        // Bytes cut short anywhere, or one more at the end, are no netlist.
        const QByteArray bytes = netlist.toBytes();
        for (int length = 0; length < bytes.size(); ++length)
            QVERIFY2(!back.fromBytes(bytes.left(length)), qPrintable(QStringLiteral("%1 bytes").arg(length)));
        QVERIFY(!back.fromBytes(bytes + '\0'));
        // Any one byte changed, as a disk may change it (bits flipped, or a
        // count or an index one past or short of what it was): refused, or
        // read whole, each net as wide as its driven bits; never more memory
        // asked for than the bytes can fill, nor a name read past the table.
        for (int i = 0; i < bytes.size(); ++i) {
            for (const char changedByte : {char(bytes.at(i) ^ 0x55), char(bytes.at(i) + 1), char(bytes.at(i) - 1)}) {
                QByteArray changed = bytes;
                changed[i] = changedByte;
                Netlist read;
                if (!read.fromBytes(changed))
                    continue;
                for (const Design::Net &net : read.nets())
                    QVERIFY2(net.width >= 1 && net.driven.size() == net.width, qPrintable(QStringLiteral("byte %1").arg(i)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestNetlist)

#include "tst_netlist.moc"
