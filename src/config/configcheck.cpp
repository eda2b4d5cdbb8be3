#include <zarn/configcheck.h>

#include "configformat.h"
#include "configxml.h"

#include <QFile>

namespace ZARN {

namespace {

using namespace ConfigFormat;
using ConfigXml::Walker;

// The first element that lacks an attribute the check asks for, said as
// "ProbeOut at line 7 has no value attribute".
class MissingAttribute
{
public:
    void look(const Walker &walker, const Element &element)
    {
        if (!m_said.isEmpty())
            return;
        const QString attribute = missingAttribute(element, walker.attributes());
        if (!attribute.isEmpty())
            m_said = QStringLiteral("%1 at line %2 has no %3 attribute").arg(element.name).arg(walker.lineNumber()).arg(attribute);
    }
    const QString &said() const { return m_said; }

private:
    QString m_said;
};

// The children of the element just entered that the reader takes, each
// looked at for its attributes; one level down in @p descend.
template<typename Descend>
void lookAtChildren(Walker &walker, const QString &parent, MissingAttribute &missing, Descend descend)
{
    Children children(parent);
    while (walker.nextChild()) {
        const Element *child = children.take(walker.name());
        if (!child) {
            walker.skip();
            continue;
        }
        missing.look(walker, *child);
        descend(*child);
    }
}

bool fail(ConfigCheckFailure *failure, ConfigCheckFailure kind, QString *why, const QString &reason)
{
    if (failure)
        *failure = kind;
    if (why)
        *why = reason;
    return false;
}

} // namespace

bool checkZARNFile(const QString &path)
{
    return checkZARNFile(path, nullptr);
}

bool checkZARNFile(const QString &path, QString *why, ConfigCheckFailure *failure)
{
    // The document streams from its file through the reader's guarded walk
    // (nesting depth, no document type declarations, no control characters,
    // not too many attributes), so a file of any size costs little memory.
    // Bytes, not text mode: a text-mode read drops every carriage return,
    // which breaks UTF-16 documents and attributes separated by a bare one.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(failure, ConfigCheckFailure::CannotOpen, why, QStringLiteral("cannot be opened"));
    if (file.peek(1).isEmpty())
        return fail(failure, ConfigCheckFailure::Empty, why, QStringLiteral("is empty"));
    Walker walker(&file);
    MissingAttribute missing;
    // The cores, their probe lists and their probes, where the reader looks for them.
    if (walker.nextChild()) {
        lookAtChildren(walker, rootElement, missing, [&](const Element &child) {
            if (child.name != coreElement)
                return walker.skip();
            lookAtChildren(walker, coreElement, missing, [&](const Element &list) {
                lookAtChildren(walker, list.name, missing, [&](const Element &) { walker.skip(); });
            });
        });
    }
    // The whole document must be well-formed, past the last core too.
    walker.finish();
    if (walker.hasError())
        return fail(failure, ConfigCheckFailure::NotWellFormed, why, walker.errorText());
    if (!missing.said().isEmpty())
        return fail(failure, ConfigCheckFailure::AttributeMissing, why, missing.said());
    if (failure)
        *failure = ConfigCheckFailure::None;
    return true;
}

} // namespace ZARN
