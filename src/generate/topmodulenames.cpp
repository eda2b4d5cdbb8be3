#include "topmodulenames.h"

#include <QRegularExpression>

namespace ZARN {

QSet<QString> topModuleOwnNames(TopModuleKind kind, qsizetype coreCount, qsizetype analyzerCount)
{
    // "wire [9:0] NAME;" and the like, "MODULE  INSTANCE(".  The module's
    // own name lives in another name space than its nets.
    static const QRegularExpression declaration(QStringLiteral(
        "^(?:(?:input|output|inout|wire)(?: \\[\\d+:\\d+\\])? (\\w+);|(?!module )\\w+ +(\\w+)\\()$"));
    QSet<QString> names;
    const QList<QByteArray> lines = topModuleSkeleton(kind, coreCount, analyzerCount).split('\n');
    for (const QByteArray &line : lines) {
        const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(line));
        for (int group = 1; match.hasMatch() && group <= 2; ++group) {
            if (match.capturedLength(group) > 0)
                names.insert(match.captured(group));
        }
    }
    return names;
}

} // namespace ZARN
