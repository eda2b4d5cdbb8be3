#include <zarn/configcheck.h>

#include "configxml.h"

#include <QBuffer>
#include <QDomDocument>
#include <QFile>

namespace ZARN {

namespace {

using namespace ConfigXml;

// QDomDocument parses and frees nested elements recursively, so deep
// nesting exhausts the stack, and it accepts what a configuration never
// holds: entities that expand without bound, control characters, invalid
// encodings.  The reader's walk over the whole document refuses all of that
// before the tree is built.
bool isSafeXml(const QByteArray &content)
{
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    Walker walker(&buffer);
    if (walker.nextChild())
        walker.skip();
    walker.finish();
    return !walker.hasError();
}

// True when every child element @p name of @p list carries all
// @p attributes; a null @p list has no children to fail.
bool childrenCarry(const QDomElement &list, const QString &name, std::initializer_list<QString> attributes)
{
    for (QDomElement child = list.firstChildElement(name); !child.isNull(); child = child.nextSiblingElement(name)) {
        for (const QString &attribute : attributes) {
            if (!child.hasAttribute(attribute))
                return false;
        }
    }
    return true;
}

} // namespace

bool checkZARNFile(const QString &path)
{
    // Read as bytes: a text-mode read drops every carriage return, which
    // breaks UTF-16 documents and attributes separated by a bare one.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    file.close();
    if (content.isEmpty() || !isSafeXml(content))
        return false;
    QDomDocument document;
    if (!document.setContent(content, false))
        return false;

    const QString core = coreElement;
    const QString index = indexAttribute;
    const QDomElement root = document.documentElement();
    for (QDomElement element = root.firstChildElement(core); !element.isNull(); element = element.nextSiblingElement(core)) {
        if (!element.hasAttribute(index) || !element.hasAttribute(synchronisedAttribute))
            return false;
        if (!childrenCarry(element.firstChildElement(probeInsElement), probeInElement, {index}))
            return false;
        if (!childrenCarry(element.firstChildElement(probeOutsElement), probeOutElement, {index, valueAttribute}))
            return false;
    }
    return true;
}

} // namespace ZARN
