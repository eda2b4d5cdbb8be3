#ifndef ZARN_BENCH_DESIGNCOSTS_H
#define ZARN_BENCH_DESIGNCOSTS_H

#include <QList>
#include <QString>

/** One design command on a design made to stress one of its steps, against Yosys's elaboration of that design. */
struct DesignCost
{
    QString command; ///< what was run, as the table names it
    QString design;  ///< what the design holds
    double time = 0; ///< median milliseconds of the command, --no-cache
    double floor = 0; ///< median milliseconds of Yosys's elaboration of the same design
};

/**
 * Writes three designs into @p dir and times, @p runs times each, zarn
 * (@p zarn) against @p yosys: init of 8,000 marked nets, nets of 32,000
 * non-ASCII names, and lint of a configuration with 200 misspelt names on
 * a design of 200,000 nets.  False, after saying why, where a run fails.
 */
bool measureDesignCosts(const QString &zarn, const QString &yosys, const QString &dir, int runs, QList<DesignCost> *costs);

#endif
