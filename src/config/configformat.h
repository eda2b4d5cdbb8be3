#ifndef ZARN_CONFIG_CONFIGFORMAT_H
#define ZARN_CONFIG_CONFIGFORMAT_H

// The configuration format, written once: the names of its elements and
// attributes, where each element stands, which ones the reader takes every
// time and which the first time only, and which attributes the structural
// check asks for.  The reader, the writer, the check, the file lint and
// zarn check go by it; a test holds the schema to it.  QStrings, for the
// XML writer of Qt 5 takes nothing else.

#include <QString>
#include <QStringList>
#include <QVector>

class QXmlStreamAttributes;

namespace ZARN {
namespace ConfigFormat {

inline const QString rootElement = QStringLiteral("ZARN_CONFIG");
inline const QString versionElement = QStringLiteral("Version");
inline const QString coreElement = QStringLiteral("ZarnCore");
inline const QString probeInsElement = QStringLiteral("ProbeIns");
inline const QString probeInElement = QStringLiteral("ProbeIn");
inline const QString probeOutsElement = QStringLiteral("ProbeOuts");
inline const QString probeOutElement = QStringLiteral("ProbeOut");
inline const QString signalListElement = QStringLiteral("SignalList");
inline const QString signalElement = QStringLiteral("Signal");
inline const QString busElement = QStringLiteral("Bus");

inline const QString indexAttribute = QStringLiteral("index");
inline const QString moduleNameAttribute = QStringLiteral("module_name");
inline const QString synchronisedAttribute = QStringLiteral("output_probe_synchronizes_with_user_clock");
inline const QString userClockAttribute = QStringLiteral("user_clock_name");
inline const QString valueAttribute = QStringLiteral("value");
inline const QString nameAttribute = QStringLiteral("name");

/** The one version the format has. */
inline const QString version = QStringLiteral("1.0");

struct Attribute
{
    QString name;
    /** The check asks for it; the reader takes a default for a missing one. */
    bool required;
};

struct Element
{
    QString name;
    /** rootElement for the children of the root, whatever the root is called. */
    QString parent;
    /** The reader takes every one; otherwise the first alone, and passes over the rest. */
    bool repeated;
    /** In the order the writer writes them. */
    QVector<Attribute> attributes;
};

/** Every element below the root, each in its place, parents first. */
const QVector<Element> &elements();

/** The element @p name in @p parent, or nullptr where the reader looks for none. */
const Element *element(QStringView name, QStringView parent);

/** The names of the elements the reader looks for in @p parent. */
QStringList childNames(QStringView parent);

/** Whether the format has an element @p name anywhere below the root. */
bool isElementName(QStringView name);

/** The first attribute of @p element that the check asks for and @p present lacks; empty when none. */
QString missingAttribute(const Element &element, const QXmlStreamAttributes &present);

/**
 * The children of one element as the reader takes them: each it looks
 * for, and of those it takes once, the first alone.
 */
class Children
{
public:
    // Made for every element a walk enters, nets included: it costs no
    // more than the name it keeps.
    explicit Children(const QString &parent)
        : m_parent(parent)
    {
    }

    /** The element the reader takes for the next child @p name; nullptr where it passes over the child. */
    const Element *take(QStringView name);

private:
    QString m_parent;
    quint32 m_taken = 0; // of the elements taken once, by their place in elements()
};

} // namespace ConfigFormat
} // namespace ZARN

#endif
