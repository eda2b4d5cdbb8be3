#include "configformat.h"

#include <QXmlStreamAttributes>

namespace ZARN {
namespace ConfigFormat {

const QVector<Element> &elements()
{
    static const QVector<Element> format{
        {versionElement, rootElement, false, {}},
        {coreElement,
         rootElement,
         true,
         {{indexAttribute, true}, {moduleNameAttribute, false}, {synchronisedAttribute, true}, {userClockAttribute, false}}},
        {probeInsElement, coreElement, false, {}},
        {probeOutsElement, coreElement, false, {}},
        {probeInElement, probeInsElement, true, {{indexAttribute, true}}},
        {probeOutElement, probeOutsElement, true, {{indexAttribute, true}, {valueAttribute, true}}},
        {signalListElement, probeInElement, false, {}},
        {signalListElement, probeOutElement, false, {}},
        {signalElement, signalListElement, true, {}},
        {busElement, signalListElement, true, {{nameAttribute, false}}},
        {signalElement, busElement, true, {}},
    };
    return format;
}

const Element *element(QStringView name, QStringView parent)
{
    for (const Element &candidate : elements()) {
        if (candidate.name == name && candidate.parent == parent)
            return &candidate;
    }
    return nullptr;
}

QStringList childNames(QStringView parent)
{
    QStringList names;
    for (const Element &candidate : elements()) {
        if (candidate.parent == parent)
            names.append(candidate.name);
    }
    return names;
}

bool isElementName(QStringView name)
{
    for (const Element &candidate : elements()) {
        if (candidate.name == name)
            return true;
    }
    return false;
}

QString missingAttribute(const Element &element, const QXmlStreamAttributes &present)
{
    for (const Attribute &attribute : element.attributes) {
        if (attribute.required && !present.hasAttribute(attribute.name))
            return attribute.name;
    }
    return QString();
}

const Element *Children::take(QStringView name)
{
    const QVector<Element> &format = elements();
    Q_ASSERT(format.size() <= 32);
    for (int i = 0; i < format.size(); ++i) {
        const Element &candidate = format.at(i);
        if (candidate.name != name || candidate.parent != m_parent)
            continue;
        if (candidate.repeated)
            return &candidate;
        const quint32 bit = quint32(1) << i;
        if (m_taken & bit)
            return nullptr;
        m_taken |= bit;
        return &candidate;
    }
    return nullptr;
}

} // namespace ConfigFormat
} // namespace ZARN
