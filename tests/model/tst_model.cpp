#include <zarn/zarncore.h>

#include "coredump.h"
#include "testdata.h"

#include <QTest>

#include <memory>

using namespace ZARN;

Q_DECLARE_METATYPE(QList<ZARN::SignalItem>)

namespace {

// The probe indexes of a core in list order: "inputs | outputs".  What a new
// core holds is in the reader's table (a core without probes).
QString indexes(const ZarnCore &core)
{
    QString text;
    for (const ProbeIn *probe : core.getAllProbeIns())
        text += QString::number(probe->getIndex()) + QLatin1Char(' ');
    text += QLatin1Char('|');
    for (const ProbeOut *probe : core.getAllProbeOuts())
        text += QLatin1Char(' ') + QString::number(probe->getIndex());
    return text;
}

// The item that signalItemEquality's rows each differ from in one member.
SignalItem equalityBase()
{
    return SignalItem(QStringLiteral("bus[1:0]"), {SignalItem(QStringLiteral("bus[1]")), SignalItem(QStringLiteral("bus[0]"))});
}

// Moves @p source into a new probe, and that one into @p target.
template<typename Probe>
void moveTwice(Probe &source, Probe &target)
{
    Probe moved(std::move(source));
    target = std::move(moved);
    QVERIFY(!moved.isAvailable());
}

} // namespace

class TestModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookupFindsEarliest()
    {
        ZarnCore core(7);
        core.addProbeIn(3);
        core.addProbeIn(3);
        core.addProbeOut(3);
        QCOMPARE(indexes(core), QStringLiteral("0 3 3 | 0 3"));
        QCOMPARE(core.getProbeIn(3), core.getAllProbeIns().at(1));
        QCOMPARE(core.getProbeOut(3), core.getAllProbeOuts().at(1));
        QCOMPARE(core.getProbeIn(5), nullptr);
        QCOMPARE(core.getProbeOut(5), nullptr);
    }

    void removeAndRenumber_data() { addRowsFromTable(QStringLiteral("model/removal.txt"), {"case", "added", "position", "removed", "renumbered"}); }

    void removeAndRenumber()
    {
        // A removed probe is the caller's: it outlives the core here, and the
        // sanitizer build fails on a double free or a leak.
        std::unique_ptr<ProbeIn> in;
        std::unique_ptr<ProbeOut> out;
        ZarnCore core;
        for (const QString &index : field("added").split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            core.addProbeIn(index.toInt());
            core.addProbeOut(index.toInt());
        }
        const int position = field("position").toInt();
        in.reset(core.getAllProbeIns().value(position));
        out.reset(core.getAllProbeOuts().value(position));
        core.removeProbeIn(position);
        core.removeProbeOut(position);
        QCOMPARE(indexes(core), (field("removed") + QLatin1String(" | ") + field("removed")).trimmed());
        core.updateProbeIn();
        core.updateProbeOut();
        QCOMPARE(indexes(core), (field("renumbered") + QLatin1String(" | ") + field("renumbered")).trimmed());
    }

    void sharedOwnership()
    {
        // Copies list the very records of the original, which point back to
        // it; each record dies with the last core that lists it.
        auto *original = new ZarnCore(1);
        original->setModuleName(QStringLiteral("m"));
        original->setUserClockName(QStringLiteral("clk"));
        original->setOutProbeSynwithUserClock(true);
        original->addProbeIn(1);
        const QString shared = dumpCores({original}).replace(QLatin1String(" in "), QLatin1String(" in? ")).replace(QLatin1String(" out "), QLatin1String(" out? "));
        ZarnCore copy(*original);
        QCOMPARE(dumpCores({&copy}), shared);
        QCOMPARE(copy.getAllProbeIns(), original->getAllProbeIns());
        // Removed from one core while the other still lists it: the other one destroys it.
        copy.removeProbeIn(1);
        QCOMPARE(original->getAllProbeIns().size(), 2);

        ZarnCore assigned(9);
        assigned = *original;
        const ZarnCore &self = assigned;
        assigned = self;
        QCOMPARE(dumpCores({&assigned}), shared);
        QCOMPARE(assigned.getAllProbeIns(), original->getAllProbeIns());
        delete original;
        QCOMPARE(copy.getProbeIn(0)->getIndex(), 0);
        QCOMPARE(assigned.getAllProbeIns().size(), 2);

        // Removed from every core that listed it: it belongs to the caller.
        ProbeOut *out = assigned.getProbeOut(0);
        assigned.removeProbeOut(0);
        copy.removeProbeOut(0);
        out->setValue(QStringLiteral("0x1"));
        delete out;
    }

    void singleSignals_data()
    {
        QTest::addColumn<QList<SignalItem>>("signalNet");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty") << QList<SignalItem>() << QStringList();
        QTest::newRow("signal, bus, signal") << QList<SignalItem>{SignalItem("a"), SignalItem("b", {SignalItem("b0"), SignalItem("b1")}), SignalItem("c")}
                                             << QStringList{"a", "b0", "b1", "c"};
        QTest::newRow("bus without bits counts its name once") << QList<SignalItem>{SignalItem("bus", {})} << QStringList{"bus"};
        QTest::newRow("repeats are kept") << QList<SignalItem>{SignalItem("x"), SignalItem("x")} << QStringList{"x", "x"};
        QTest::newRow("empty name is an entry") << QList<SignalItem>{SignalItem()} << QStringList{QString()};
        QTest::newRow("bits of a bit are ignored") << QList<SignalItem>{SignalItem("b", {SignalItem("b0", {SignalItem("deeper")})})} << QStringList{"b0"};
    }

    void singleSignals()
    {
        QFETCH(QList<SignalItem>, signalNet);
        QFETCH(QStringList, expected);
        ZarnCore core;
        core.addProbeIn(1);
        ProbeIn *in = core.getProbeIn(1);
        in->setSignalNet(signalNet);
        QCOMPARE(in->singleSignals(), expected);
        QCOMPARE(in->width(), expected.size());
        QCOMPARE(core.getAvailableProbeIns(), signalNet.isEmpty() ? QList<ProbeIn *>() : QList<ProbeIn *>{in});
        core.getProbeOut(0)->setSignalNet(signalNet);
        QCOMPARE(core.getAvailableProbeOuts().size(), signalNet.isEmpty() ? 0 : 1);
    }

    void move()
    {
        // A moved-from probe keeps no net; the target takes every member,
        // through the move constructor and then the move assignment.
        ZarnCore core;
        ProbeIn in(4);
        ProbeOut out(4);
        const auto bind = [&core](auto &probe) {
            probe.setZarnCore(&core);
            probe.setSignalNet({SignalItem("r"), SignalItem("s")});
        };
        bind(in);
        bind(out);
        out.setValue(QStringLiteral("0xAB"));
        ProbeIn inTarget(0);
        ProbeOut outTarget(0);
        moveTwice(in, inTarget);
        moveTwice(out, outTarget);
        QVERIFY(!in.isAvailable() && !out.isAvailable());
        for (const auto &target : {qMakePair(inTarget.singleSignals(), inTarget.getZarnCore()), qMakePair(outTarget.singleSignals(), outTarget.getZarnCore())}) {
            QCOMPARE(target.first, (QStringList{"r", "s"}));
            QCOMPARE(target.second, &core);
        }
        QCOMPARE(inTarget.getIndex(), 4);
        QCOMPARE(outTarget.getIndex(), 4);
        QCOMPARE(outTarget.getValue(), QStringLiteral("0xAB"));
    }

    void signalItemEquality_data()
    {
        // Each member on its own makes two items differ.
        QTest::addColumn<SignalItem>("other");
        const auto row = [](const char *name, void (*change)(SignalItem &)) {
            SignalItem item = equalityBase();
            change(item);
            QTest::newRow(name) << item;
        };
        row("name", [](SignalItem &item) { item.name = QStringLiteral("bus"); });
        row("carried text", [](SignalItem &item) { item.auxText = QStringLiteral("x"); });
        row("a bit", [](SignalItem &item) { item.bits.last().name = QStringLiteral("bus[2]"); });
        row("one bit less", [](SignalItem &item) { item.bits.removeLast(); });
        row("flag A", [](SignalItem &item) { item.auxFlagA = false; });
        row("flag B", [](SignalItem &item) { item.auxFlagB = false; });
        row("carried number", [](SignalItem &item) { item.auxNumber = 3; });
    }

    void signalItemEquality()
    {
        QFETCH(SignalItem, other);
        const SignalItem base = equalityBase();
        QVERIFY(base == SignalItem(base) && !(base != SignalItem(base)));
        QVERIFY(base != other && !(base == other));
        // And it travels in a QVariant.
        QCOMPARE(QVariant::fromValue(other).value<SignalItem>(), other);
        const ZarnCore core(2);
        QCOMPARE(core.getModuleName(), QString());
    }
};

QTEST_GUILESS_MAIN(TestModel)

#include "tst_model.moc"
