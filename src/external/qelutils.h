#ifndef ZARN_EXTERNAL_QELUTILS_H
#define ZARN_EXTERNAL_QELUTILS_H

// Stand-in for the tool's analyzer configuration library.  It answers the
// calls that the generation run makes, from a small XML format of our own:
//
//   <AnyRoot>
//     <AoCore sample_clock="clk">
//       <DataSignals><Signal>d0</Signal>...</DataSignals>
//       <TriggerPort number="3" enabled="true"><Signal>t</Signal>...</TriggerPort>
//     </AoCore>
//     <AoCoreLite sample_clock="clk">
//       <DataSignals><Signal>d0</Signal>...</DataSignals>
//     </AoCoreLite>
//   </AnyRoot>

#include <QList>
#include <QString>
#include <QStringList>

namespace QEL {

/** One trigger input of a full analyzer core. */
class TriggerPort
{
public:
    TriggerPort(int number, const QStringList &netNames, bool enabled = true);

    /** The port's net names, in order. */
    QStringList singleSignals() const;
    bool isEnabled() const;

    /** The number of the analyzer's trigger port that these nets feed. */
    int triggerNumber;

private:
    QStringList m_netNames;
    bool m_enabled;
};

/** A full analyzer core.  Owns its trigger ports. */
class AoCore
{
public:
    AoCore(const QStringList &dataSignals, const QString &sampleClock);
    ~AoCore();
    AoCore(const AoCore &) = delete;
    AoCore &operator=(const AoCore &) = delete;

    /** Appends a trigger port; the core takes ownership. */
    void addTriggerPort(TriggerPort *port);

    QStringList dataSignals() const;
    /** The enabled trigger ports, in order. */
    QList<TriggerPort *> availableTriggers() const;
    QString sampleClock() const;

private:
    QStringList m_dataSignals;
    QString m_sampleClock;
    QList<TriggerPort *> m_triggerPorts;
};

/** A lite analyzer core: data nets and a sample clock, no triggers. */
class AOCore_Lite
{
public:
    AOCore_Lite(const QStringList &dataSignals, const QString &sampleClock);

    QStringList dataSignals() const;
    QString sampleClock() const;

private:
    QStringList m_dataSignals;
    QString m_sampleClock;
};

/**
 * The full analyzer cores of @p path, in document order; the caller owns
 * them.  A file that cannot be read or parsed gives an empty list and, where
 * @p ok is given, false.
 */
QList<AoCore *> readQELConfigFromXml(const QString &path, bool *ok = nullptr, QString *error = nullptr);

/** The lite analyzer cores of @p path, in document order; as above. */
QList<AOCore_Lite *> readQELConfigFromXml_Lite(const QString &path, bool *ok = nullptr, QString *error = nullptr);

} // namespace QEL

#endif
