#include <zarn/zarncore.h>

#include <QVector>

#include <memory>

namespace ZARN {

namespace {

// A probe record is shared by every core that lists it (copies of a core list
// the same records).  The last core that drops it destroys it, except when it
// was taken out with a remove call: then it outlives the core and belongs to
// whoever holds its pointer.
template<typename Probe>
struct ProbeRelease {
    bool takenOut = false;
    void operator()(Probe *probe) const
    {
        if (!takenOut)
            delete probe;
    }
};

template<typename Probe>
class ProbeList
{
public:
    const QList<Probe *> &probes() const { return m_probes; }

    void append(Probe *probe)
    {
        m_owners.append(std::shared_ptr<Probe>(probe, ProbeRelease<Probe>()));
        m_probes.append(probe);
    }

    void takeAt(int position)
    {
        if (position < 0 || position >= m_probes.size())
            return;
        std::shared_ptr<Probe> &owner = m_owners[position];
        if (owner.use_count() == 1)
            std::get_deleter<ProbeRelease<Probe>>(owner)->takenOut = true;
        m_owners.removeAt(position);
        m_probes.removeAt(position);
    }

    // Destroys, first to last, the records that no other core lists.
    void clear()
    {
        for (std::shared_ptr<Probe> &owner : m_owners)
            owner.reset();
        m_owners.clear();
        m_probes.clear();
    }

private:
    QVector<std::shared_ptr<Probe>> m_owners;
    QList<Probe *> m_probes;
};

template<typename Probe>
Probe *findProbe(const QList<Probe *> &probes, int index)
{
    for (Probe *probe : probes) {
        if (probe->getIndex() == index)
            return probe;
    }
    return nullptr;
}

template<typename Probe>
QList<Probe *> availableProbes(const QList<Probe *> &probes)
{
    QList<Probe *> available;
    for (Probe *probe : probes) {
        if (probe->isAvailable())
            available.append(probe);
    }
    return available;
}

template<typename Probe>
void renumber(const QList<Probe *> &probes)
{
    for (int position = 0; position < probes.size(); ++position)
        probes.at(position)->setIndex(position);
}

} // namespace

class ZarnCorePrivate
{
public:
    ~ZarnCorePrivate()
    {
        probeIns.clear();
        probeOuts.clear();
    }

    qint32 index = 0;
    QString moduleName;
    QString userClockName;
    ProbeList<ProbeIn> probeIns;
    ProbeList<ProbeOut> probeOuts;
    bool outProbeSynwithUserClock = false;
};

ZarnCore::ZarnCore(int index)
    : d(new ZarnCorePrivate)
{
    d->index = index;
    addProbeIn(0);
    addProbeOut(0);
}

ZarnCore::ZarnCore(const ZarnCore &other)
    : d(new ZarnCorePrivate(*other.d))
{
}

ZarnCore &ZarnCore::operator=(const ZarnCore &other)
{
    if (this != &other)
        *d = *other.d;
    return *this;
}

ZarnCore::~ZarnCore() = default;

int ZarnCore::getIndex() const
{
    return d->index;
}

void ZarnCore::setIndex(int index)
{
    d->index = index;
}

QString ZarnCore::getModuleName()
{
    return d->moduleName;
}

QString ZarnCore::getModuleName() const
{
    return d->moduleName;
}

void ZarnCore::setModuleName(QString moduleName)
{
    d->moduleName = std::move(moduleName);
}

QString ZarnCore::getUserClockName() const
{
    return d->userClockName;
}

void ZarnCore::setUserClockName(QString userClockName)
{
    d->userClockName = std::move(userClockName);
}

bool ZarnCore::isOutProbeSynwithUserClock() const
{
    return d->outProbeSynwithUserClock;
}

void ZarnCore::setOutProbeSynwithUserClock(bool synchronised)
{
    d->outProbeSynwithUserClock = synchronised;
}

QList<ProbeIn *> ZarnCore::getAllProbeIns() const
{
    return d->probeIns.probes();
}

QList<ProbeOut *> ZarnCore::getAllProbeOuts() const
{
    return d->probeOuts.probes();
}

QList<ProbeIn *> ZarnCore::getAvailableProbeIns() const
{
    return availableProbes(d->probeIns.probes());
}

QList<ProbeOut *> ZarnCore::getAvailableProbeOuts() const
{
    return availableProbes(d->probeOuts.probes());
}

ProbeIn *ZarnCore::getProbeIn(int index) const
{
    return findProbe(d->probeIns.probes(), index);
}

ProbeOut *ZarnCore::getProbeOut(int index) const
{
    return findProbe(d->probeOuts.probes(), index);
}

void ZarnCore::addProbeIn(int index)
{
    auto *probe = new ProbeIn(index);
    probe->setZarnCore(this);
    d->probeIns.append(probe);
}

void ZarnCore::addProbeOut(int index)
{
    auto *probe = new ProbeOut(index);
    probe->setZarnCore(this);
    d->probeOuts.append(probe);
}

void ZarnCore::removeProbeIn(int position)
{
    d->probeIns.takeAt(position);
}

void ZarnCore::removeProbeOut(int position)
{
    d->probeOuts.takeAt(position);
}

void ZarnCore::updateProbeIn()
{
    renumber(d->probeIns.probes());
}

void ZarnCore::updateProbeOut()
{
    renumber(d->probeOuts.probes());
}

} // namespace ZARN
