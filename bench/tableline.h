#ifndef ZARN_BENCH_TABLELINE_H
#define ZARN_BENCH_TABLELINE_H

#include <QStringList>
#include <QVector>

// One line of a table that zarn-bench prints: each field padded to its
// width (negative: left-aligned), one blank between them, the last as it is.
inline QString tableLine(const QStringList &fields, const QVector<int> &widths)
{
    QString line;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += QLatin1Char(' ');
        line += i + 1 < fields.size() ? QStringLiteral("%1").arg(fields.at(i), widths.value(i)) : fields.at(i);
    }
    return line;
}

#endif
