#include <zarn/zarncore.h>

#include "coredump.h"

#include <QTest>

#include <memory>

using namespace ZARN;

Q_DECLARE_METATYPE(QList<ZARN::SignalItem>)

namespace {

// The probe indexes of a core in list order: "inputs | outputs".
QString indexes(const ZarnCore &core)
{
    QStringList in;
    QStringList out;
    for (const ProbeIn *probe : core.getAllProbeIns())
        in.append(QString::number(probe->getIndex()));
    for (const ProbeOut *probe : core.getAllProbeOuts())
        out.append(QString::number(probe->getIndex()));
    return in.join(QLatin1Char(' ')) + QLatin1String(" | ") + out.join(QLatin1Char(' '));
}

// "a b=b0,b1 c": signals a and c around bus b of bits b0 and b1.
QList<SignalItem> net(const QString &text)
{
    QList<SignalItem> items;
    for (const QString &token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        items.append(SignalItem(token.section(QLatin1Char('='), 0, 0)));
        for (const QString &bit : token.section(QLatin1Char('='), 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
            items.last().bits.append(SignalItem(bit));
    }
    return items;
}

} // namespace

class TestModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newCore()
    {
        for (const int index : {0, 7}) {
            const std::unique_ptr<ZarnCore> core(index == 0 ? new ZarnCore : new ZarnCore(index));
            QCOMPARE(dumpCores({core.get()}), QStringLiteral("core %1 module=\"\" sync=false clock=\"\"\n in 0: \n out 0 \"0x0\": ").arg(index));
            QCOMPARE(core->getProbeIn(0)->getZarnCore(), core.get());
            QCOMPARE(core->getProbeOut(0)->getZarnCore(), core.get());
            QVERIFY(core->getAvailableProbeIns().isEmpty() && core->getAvailableProbeOuts().isEmpty());
        }
        const SignalItem item;
        QVERIFY(item.name.isEmpty() && item.auxText.isEmpty() && item.bits.isEmpty() && item.auxFlagA && item.auxFlagB);
        QCOMPARE(item.auxNumber, -1);
    }

    void lookupFindsEarliest()
    {
        ZarnCore core;
        core.addProbeIn(3);
        core.addProbeIn(3);
        core.addProbeOut(3);
        QCOMPARE(indexes(core), QStringLiteral("0 3 3 | 0 3"));
        QCOMPARE(core.getProbeIn(3), core.getAllProbeIns().at(1));
        QCOMPARE(core.getProbeOut(3), core.getAllProbeOuts().at(1));
        QCOMPARE(core.getProbeOut(3)->getValue(), QStringLiteral("0x0"));
        QCOMPARE(core.getProbeIn(5), nullptr);
        QCOMPARE(core.getProbeOut(5), nullptr);
    }

    void removeAndRenumber_data()
    {
        QTest::addColumn<QList<int>>("added");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("renumbered");
        QTest::newRow("middle") << QList<int>{3, 5} << 1 << "0 5" << "0 1";
        QTest::newRow("negative") << QList<int>{3, 5} << -1 << "0 3 5" << "0 1 2";
        QTest::newRow("past the end") << QList<int>{3, 5} << 3 << "0 3 5" << "0 1 2";
        QTest::newRow("only probe") << QList<int>{} << 0 << "" << "";
        QTest::newRow("repeats") << QList<int>{4, 4, 9} << 0 << "4 4 9" << "0 1 2";
    }

    void removeAndRenumber()
    {
        QFETCH(QList<int>, added);
        QFETCH(int, position);
        QFETCH(QString, removed);
        QFETCH(QString, renumbered);
        // A removed probe is the caller's: it outlives the core, and the
        // sanitizer build fails on a double free or a leak.
        std::unique_ptr<ProbeIn> in;
        std::unique_ptr<ProbeOut> out;
        ZarnCore core;
        for (int index : added) {
            core.addProbeIn(index);
            core.addProbeOut(index);
        }
        in.reset(core.getAllProbeIns().value(position));
        out.reset(core.getAllProbeOuts().value(position));
        core.removeProbeIn(position);
        core.removeProbeOut(position);
        QCOMPARE(indexes(core), removed + QLatin1String(" | ") + removed);
        core.updateProbeIn();
        core.updateProbeOut();
        QCOMPARE(indexes(core), renumbered + QLatin1String(" | ") + renumbered);
    }

    void sharedOwnership()
    {
        // Copies list the same records; each record dies with the last core
        // that lists it.  The sanitizer build turns a leak or a double free
        // into a failure.
        auto *original = new ZarnCore(1);
        original->setModuleName(QStringLiteral("m"));
        original->setUserClockName(QStringLiteral("clk"));
        original->setOutProbeSynwithUserClock(true);
        original->addProbeIn(1);
        // A copy lists the very records of the original, which point back to it.
        const QString shared = dumpCores({original}).replace(QLatin1String(" in "), QLatin1String(" in? ")).replace(QLatin1String(" out "), QLatin1String(" out? "));
        ZarnCore copy(*original);
        QCOMPARE(dumpCores({&copy}), shared);
        QCOMPARE(copy.getAllProbeIns(), original->getAllProbeIns());
        QCOMPARE(copy.getAllProbeOuts(), original->getAllProbeOuts());
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
        QTest::newRow("signal, bus, signal") << net(QStringLiteral("a b=b0,b1 c")) << QStringList{"a", "b0", "b1", "c"};
        QTest::newRow("bus without bits counts its name once") << net(QStringLiteral("bus")) << QStringList{"bus"};
        QTest::newRow("repeats are kept") << net(QStringLiteral("x x")) << QStringList{"x", "x"};
        QTest::newRow("empty name is an entry") << QList<SignalItem>{SignalItem()} << QStringList{QString()};
        QList<SignalItem> nested = net(QStringLiteral("b=b0"));
        nested[0].bits[0].bits.append(SignalItem(QStringLiteral("deeper")));
        QTest::newRow("bits of a bit are ignored") << nested << QStringList{"b0"};
    }

    void singleSignals()
    {
        QFETCH(QList<SignalItem>, signalNet);
        QFETCH(QStringList, expected);
        ProbeIn in(0);
        QVERIFY(!in.isAvailable());
        in.setSignalNet(signalNet);
        QCOMPARE(in.singleSignals(), expected);
        QCOMPARE(in.width(), expected.size());
        QCOMPARE(in.isAvailable(), !signalNet.isEmpty());
        ProbeOut out(0);
        out.setSignalNet(signalNet);
        QCOMPARE(out.singleSignals(), expected);

        ZarnCore core;
        core.addProbeIn(1);
        core.getProbeIn(1)->setSignalNet(signalNet);
        QCOMPARE(core.getAvailableProbeIns(), signalNet.isEmpty() ? QList<ProbeIn *>() : QList<ProbeIn *>{core.getProbeIn(1)});
    }

    void move()
    {
        // A moved-from probe keeps no net; the target takes all.
        ZarnCore core;
        ProbeOut source(4);
        QCOMPARE(source.getZarnCore(), nullptr);
        source.setZarnCore(&core);
        source.setValue(QStringLiteral("0xAB"));
        source.setSignalNet(net(QStringLiteral("r s")));
        ProbeOut moved(std::move(source));
        QCOMPARE(moved.singleSignals(), (QStringList{"r", "s"}));
        QCOMPARE(moved.getValue(), QStringLiteral("0xAB"));
        QCOMPARE(moved.getZarnCore(), &core);
        QVERIFY(!source.isAvailable());
        ProbeOut target(0);
        target = std::move(moved);
        QCOMPARE(target.getIndex(), 4);
        QCOMPARE(target.width(), 2);
        QVERIFY(!moved.isAvailable());
    }
};

QTEST_GUILESS_MAIN(TestModel)

#include "tst_model.moc"
