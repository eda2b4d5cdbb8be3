#include <zarn/configcheck.h>

#include <QDomDocument>
#include <QFile>

namespace ZARN {

namespace {

// True when every child element @p name of @p list carries all @p attributes.
// A null @p list (no such element) has no children to fail.
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QByteArray content = file.readAll();
    file.close();
    if (content.isEmpty())
        return false;
    QDomDocument document;
    if (!document.setContent(content, false))
        return false;

    const QString core = QStringLiteral("ZarnCore");
    const QString index = QStringLiteral("index");
    const QDomElement root = document.documentElement();
    for (QDomElement element = root.firstChildElement(core); !element.isNull(); element = element.nextSiblingElement(core)) {
        if (!element.hasAttribute(index) || !element.hasAttribute(QStringLiteral("output_probe_synchronizes_with_user_clock")))
            return false;
        if (!childrenCarry(element.firstChildElement(QStringLiteral("ProbeIns")), QStringLiteral("ProbeIn"), {index}))
            return false;
        if (!childrenCarry(element.firstChildElement(QStringLiteral("ProbeOuts")), QStringLiteral("ProbeOut"),
                           {index, QStringLiteral("value")}))
            return false;
    }
    return true;
}

} // namespace ZARN
