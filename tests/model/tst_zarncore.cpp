#include <zarn/zarncore.h>

#include <QTest>

#include <memory>

using namespace ZARN;

namespace {

QList<int> indexes(const QList<ProbeIn *> &probes)
{
    QList<int> result;
    for (const ProbeIn *probe : probes)
        result.append(probe->getIndex());
    return result;
}

QList<int> indexes(const QList<ProbeOut *> &probes)
{
    QList<int> result;
    for (const ProbeOut *probe : probes)
        result.append(probe->getIndex());
    return result;
}

} // namespace

class TestZarnCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void construction_data();
    void construction();
    void lookupFindsEarliest();
    void removeAndRenumber_data();
    void removeAndRenumber();
    void removedProbeOutlivesCore();
    void availability();
    void sharedOwnership();
};

void TestZarnCore::construction_data()
{
    QTest::addColumn<bool>("useDefault");
    QTest::addColumn<int>("index");
    QTest::newRow("default") << true << 0;
    QTest::newRow("index 7") << false << 7;
}

void TestZarnCore::construction()
{
    QFETCH(bool, useDefault);
    QFETCH(int, index);
    std::unique_ptr<ZarnCore> core(useDefault ? new ZarnCore : new ZarnCore(index));

    QCOMPARE(core->getIndex(), index);
    QVERIFY(core->getModuleName().isEmpty());
    QVERIFY(core->getUserClockName().isEmpty());
    QVERIFY(!core->isOutProbeSynwithUserClock());
    QCOMPARE(indexes(core->getAllProbeIns()), QList<int>{0});
    QCOMPARE(indexes(core->getAllProbeOuts()), QList<int>{0});
    QCOMPARE(core->getProbeIn(0), core->getAllProbeIns().first());
    QCOMPARE(core->getProbeOut(0), core->getAllProbeOuts().first());
    QCOMPARE(core->getProbeIn(0)->getZarnCore(), core.get());
    QCOMPARE(core->getProbeOut(0)->getZarnCore(), core.get());
    QCOMPARE(core->getProbeOut(0)->getValue(), QStringLiteral("0x0"));
    QVERIFY(core->getAvailableProbeIns().isEmpty());
    QVERIFY(core->getAvailableProbeOuts().isEmpty());
}

void TestZarnCore::lookupFindsEarliest()
{
    ZarnCore core;
    core.addProbeIn(3);
    core.addProbeIn(3);
    core.addProbeOut(3);
    QCOMPARE(indexes(core.getAllProbeIns()), (QList<int>{0, 3, 3}));
    QCOMPARE(core.getProbeIn(3), core.getAllProbeIns().at(1));
    QCOMPARE(core.getProbeOut(3), core.getAllProbeOuts().at(1));
    QCOMPARE(core.getProbeOut(3)->getValue(), QStringLiteral("0x0"));
    QCOMPARE(core.getProbeIn(5), nullptr);
    QCOMPARE(core.getProbeOut(5), nullptr);
}

void TestZarnCore::removeAndRenumber_data()
{
    QTest::addColumn<QList<int>>("start");
    QTest::addColumn<int>("position");
    QTest::addColumn<QList<int>>("afterRemoval");

    QTest::newRow("middle") << QList<int>{0, 3, 5} << 1 << QList<int>{0, 5};
    QTest::newRow("negative") << QList<int>{0, 3, 5} << -1 << QList<int>{0, 3, 5};
    QTest::newRow("past the end") << QList<int>{0, 3, 5} << 3 << QList<int>{0, 3, 5};
    QTest::newRow("only probe") << QList<int>{0} << 0 << QList<int>{};
    QTest::newRow("repeats") << QList<int>{0, 4, 4, 9} << 0 << QList<int>{4, 4, 9};
}

void TestZarnCore::removeAndRenumber()
{
    QFETCH(QList<int>, start);
    QFETCH(int, position);
    QFETCH(QList<int>, afterRemoval);

    ZarnCore core;
    for (int i = 1; i < start.size(); ++i) {
        core.addProbeIn(start.at(i));
        core.addProbeOut(start.at(i));
    }
    const QList<ProbeIn *> inBefore = core.getAllProbeIns();
    const QList<ProbeOut *> outBefore = core.getAllProbeOuts();

    core.removeProbeIn(position);
    core.removeProbeOut(position);
    QCOMPARE(indexes(core.getAllProbeIns()), afterRemoval);
    QCOMPARE(indexes(core.getAllProbeOuts()), afterRemoval);

    QList<int> renumbered;
    for (int i = 0; i < afterRemoval.size(); ++i)
        renumbered.append(i);
    core.updateProbeIn();
    core.updateProbeOut();
    QCOMPARE(indexes(core.getAllProbeIns()), renumbered);
    QCOMPARE(indexes(core.getAllProbeOuts()), renumbered);

    // A removed probe is no longer the core's to destroy.
    if (afterRemoval.size() < start.size()) {
        delete inBefore.at(position);
        delete outBefore.at(position);
    }
}

void TestZarnCore::removedProbeOutlivesCore()
{
    ProbeOut *removed = nullptr;
    {
        ZarnCore core;
        removed = core.getProbeOut(0);
        removed->setValue(QStringLiteral("0x5"));
        core.removeProbeOut(0);
        QVERIFY(core.getAllProbeOuts().isEmpty());
        QCOMPARE(removed->getZarnCore(), &core);
    }
    QCOMPARE(removed->getValue(), QStringLiteral("0x5"));
    delete removed;
}

void TestZarnCore::availability()
{
    ZarnCore core;
    core.addProbeIn(1);
    core.addProbeIn(2);
    core.getProbeIn(1)->setSignalNet({SignalItem(QStringLiteral("n"))});
    QCOMPARE(core.getAvailableProbeIns(), QList<ProbeIn *>{core.getProbeIn(1)});
    QVERIFY(core.getAvailableProbeOuts().isEmpty());
}

void TestZarnCore::sharedOwnership()
{
    // Copies list the same records; each record dies with the last core that
    // lists it.  The sanitizer build turns any leak or double free here into
    // a failure.
    auto *original = new ZarnCore(1);
    original->setModuleName(QStringLiteral("m"));
    original->setUserClockName(QStringLiteral("clk"));
    original->setOutProbeSynwithUserClock(true);
    original->addProbeIn(1);

    ZarnCore copy(*original);
    QCOMPARE(copy.getIndex(), 1);
    QCOMPARE(copy.getModuleName(), QStringLiteral("m"));
    QCOMPARE(copy.getUserClockName(), QStringLiteral("clk"));
    QVERIFY(copy.isOutProbeSynwithUserClock());
    QCOMPARE(copy.getAllProbeIns(), original->getAllProbeIns());
    QCOMPARE(copy.getAllProbeOuts(), original->getAllProbeOuts());

    // Removed from one core while the other still lists it: the other one
    // destroys it.
    copy.removeProbeIn(1);
    QCOMPARE(original->getAllProbeIns().size(), 2);

    ZarnCore assigned(9);
    assigned = *original;
    const ZarnCore &self = assigned;
    assigned = self;
    QCOMPARE(assigned.getIndex(), 1);
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

QTEST_GUILESS_MAIN(TestZarnCore)

#include "tst_zarncore.moc"
