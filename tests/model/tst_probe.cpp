#include <zarn/probeout.h>
#include <zarn/zarncore.h>

#include <QTest>

using namespace ZARN;

Q_DECLARE_METATYPE(QList<ZARN::SignalItem>)

namespace {

SignalItem bus(const QString &name, const QStringList &bitNames)
{
    QList<SignalItem> bits;
    for (const QString &bit : bitNames)
        bits.append(SignalItem(bit));
    return SignalItem(name, bits);
}

} // namespace

class TestProbe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newProbes();
    void signalItemDefaults();
    void singleSignals_data();
    void singleSignals();
    void copyAndMove();
};

void TestProbe::newProbes()
{
    const ProbeIn in(3);
    QCOMPARE(in.getIndex(), 3);
    QCOMPARE(in.getZarnCore(), nullptr);
    QVERIFY(!in.isAvailable());
    QCOMPARE(in.width(), 0);
    QVERIFY(in.singleSignals().isEmpty());

    const ProbeOut out(2);
    QCOMPARE(out.getIndex(), 2);
    QCOMPARE(out.getZarnCore(), nullptr);
    QVERIFY(!out.isAvailable());
    QCOMPARE(out.getValue(), QStringLiteral("0x0"));
}

void TestProbe::signalItemDefaults()
{
    const SignalItem item;
    QVERIFY(item.name.isEmpty() && item.auxText.isEmpty() && item.bits.isEmpty());
    QVERIFY(item.auxFlagA && item.auxFlagB);
    QCOMPARE(item.auxNumber, -1);

    // A copy owns its own list of bits.
    SignalItem source = bus(QStringLiteral("b"), {QStringLiteral("b0")});
    SignalItem copy = source;
    copy.bits.append(SignalItem(QStringLiteral("b1")));
    QCOMPARE(source.bits.size(), 1);
    QCOMPARE(copy.bits.size(), 2);
}

void TestProbe::singleSignals_data()
{
    QTest::addColumn<QList<SignalItem>>("net");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty") << QList<SignalItem>() << QStringList();
    QTest::newRow("signal, bus, signal")
        << QList<SignalItem>{SignalItem(QStringLiteral("a")), bus(QStringLiteral("b"), {QStringLiteral("b0"), QStringLiteral("b1")}),
                             SignalItem(QStringLiteral("c"))}
        << QStringList{QStringLiteral("a"), QStringLiteral("b0"), QStringLiteral("b1"), QStringLiteral("c")};
    QTest::newRow("bus without bits counts its name once")
        << QList<SignalItem>{SignalItem(QStringLiteral("bus"))} << QStringList{QStringLiteral("bus")};
    QTest::newRow("repeats are kept")
        << QList<SignalItem>{SignalItem(QStringLiteral("x")), SignalItem(QStringLiteral("x"))}
        << QStringList{QStringLiteral("x"), QStringLiteral("x")};
    QTest::newRow("empty name is an entry") << QList<SignalItem>{SignalItem(QString())} << QStringList{QString()};

    SignalItem nested = bus(QStringLiteral("b"), {QStringLiteral("b0")});
    nested.bits[0].bits.append(SignalItem(QStringLiteral("deeper")));
    QTest::newRow("bits of a bit are ignored") << QList<SignalItem>{nested} << QStringList{QStringLiteral("b0")};
}

void TestProbe::singleSignals()
{
    QFETCH(QList<SignalItem>, net);
    QFETCH(QStringList, expected);

    ProbeIn in(0);
    in.setSignalNet(net);
    QCOMPARE(in.singleSignals(), expected);
    QCOMPARE(in.width(), expected.size());
    QCOMPARE(in.isAvailable(), !net.isEmpty());

    ProbeOut out(0);
    out.setSignalNet(net);
    QCOMPARE(out.singleSignals(), expected);

    in.setSignalNet(QList<SignalItem>());
    QVERIFY(!in.isAvailable());
}

void TestProbe::copyAndMove()
{
    ZarnCore core;
    ProbeOut source(4);
    source.setZarnCore(&core);
    source.setValue(QStringLiteral("0xAB"));
    source.setSignalNet({SignalItem(QStringLiteral("q"))});

    ProbeOut copy(source);
    QCOMPARE(copy.getZarnCore(), &core);
    QCOMPARE(copy.getIndex(), 4);
    QCOMPARE(copy.getValue(), QStringLiteral("0xAB"));
    copy.setSignalNet({SignalItem(QStringLiteral("r")), SignalItem(QStringLiteral("s"))});
    QCOMPARE(source.singleSignals(), QStringList{QStringLiteral("q")});

    ProbeOut moved(std::move(copy));
    QCOMPARE(moved.width(), 2);
    QCOMPARE(moved.getValue(), QStringLiteral("0xAB"));
    QCOMPARE(moved.getZarnCore(), &core);
    QVERIFY(!copy.isAvailable());

    ProbeIn assigned(9);
    assigned = ProbeIn(source);
    QCOMPARE(assigned.getIndex(), 4);
    QCOMPARE(assigned.singleSignals(), QStringList{QStringLiteral("q")});
    ProbeIn target(0);
    target = std::move(assigned);
    QCOMPARE(target.width(), 1);
    QVERIFY(!assigned.isAvailable());
}

QTEST_GUILESS_MAIN(TestProbe)

#include "tst_probe.moc"
