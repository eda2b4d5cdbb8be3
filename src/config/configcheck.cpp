#include <zarn/configcheck.h>

#include "configxml.h"

#include <QFile>

namespace ZARN {

namespace {

using namespace ConfigXml;

// Whether every child element @p name of the current element carries all
// @p attributes; consumes the current element.
bool childrenCarry(Walker &walker, QLatin1String name, std::initializer_list<QLatin1String> attributes)
{
    bool carry = true;
    while (walker.nextChild()) {
        if (walker.name() == name) {
            const QXmlStreamAttributes present = walker.attributes();
            for (const QLatin1String attribute : attributes)
                carry = carry && present.hasAttribute(attribute);
        }
        walker.skip();
    }
    return carry;
}

} // namespace

bool checkZARNFile(const QString &path)
{
    // The document streams from its file through the reader's guarded walk
    // (nesting depth, no document type declarations, no control characters,
    // not too many attributes), so a file of any size costs little memory.
    // Bytes, not text mode: a text-mode read drops every carriage return,
    // which breaks UTF-16 documents and attributes separated by a bare one.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.peek(1).isEmpty())
        return false;
    Walker walker(&file);
    bool carry = true;
    if (walker.nextChild()) {
        while (walker.nextChild()) {
            if (walker.name() != coreElement) {
                walker.skip();
                continue;
            }
            const QXmlStreamAttributes attributes = walker.attributes();
            carry = carry && attributes.hasAttribute(indexAttribute) && attributes.hasAttribute(synchronisedAttribute);
            bool insSeen = false;
            bool outsSeen = false;
            while (walker.nextChild()) {
                if (walker.name() == probeInsElement && !insSeen) {
                    insSeen = true;
                    carry = childrenCarry(walker, probeInElement, {indexAttribute}) && carry;
                } else if (walker.name() == probeOutsElement && !outsSeen) {
                    outsSeen = true;
                    carry = childrenCarry(walker, probeOutElement, {indexAttribute, valueAttribute}) && carry;
                } else {
                    walker.skip();
                }
            }
        }
    }
    // The whole document must be well-formed, past the last core too.
    walker.finish();
    return carry && !walker.hasError();
}

} // namespace ZARN
