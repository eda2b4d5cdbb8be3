#ifndef ZARN_COMMON_EDITDISTANCE_H
#define ZARN_COMMON_EDITDISTANCE_H

// Header-only, for the library and the tool alike: how far apart two names
// are, for the "did you mean" of the lint and of the design commands.

#include <QString>
#include <QVector>

#include <algorithm>
#include <cstdlib>

namespace ZARN {

/**
 * The Levenshtein distance of @p a and @p b (insertions, deletions and
 * substitutions of one character each), or @p limit + 1 as soon as it is
 * sure to be more than @p limit.
 */
inline int editDistance(const QString &a, const QString &b, int limit)
{
    if (std::abs(a.size() - b.size()) > limit)
        return limit + 1;
    QVector<int> row(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        int best = row[0];
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a.at(i - 1) == b.at(j - 1) ? 0 : 1)});
            diagonal = above;
            best = std::min(best, row[j]);
        }
        if (best > limit)
            return limit + 1;
    }
    return row[b.size()];
}

} // namespace ZARN

#endif
