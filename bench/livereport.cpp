#include "live.h"
#include "tableline.h"

#include <algorithm>

namespace {

QString design(const LiveRow &row)
{
    return QStringLiteral("%1 in + %1 out").arg(row.bits);
}

QString core(const LiveRow &row)
{
    return row.userClock ? QStringLiteral("clk 1:1") : QStringLiteral("no clock");
}

// A count an operation: whole where it is, as most are.
QString perOperation(double value)
{
    if (value < 0)
        return QStringLiteral("-");
    return QString::number(value, 'f', value == double(qint64(value)) ? 0 : 2);
}

bool rpcPass(const LiveRow &row)
{
    return row.rpcs >= 0 && row.rpcs <= 1;
}

bool tckPass(const LiveRow &row)
{
    return row.tckCycles >= 0 && row.tckCycles <= row.tckLimit;
}

QString verdict(bool pass)
{
    return pass ? QStringLiteral("pass") : QStringLiteral("fail");
}

} // namespace

QStringList liveTable(const QList<LiveRow> &rows)
{
    const auto line = [](const QStringList &fields) { return tableLine(fields, {-20, -9, -13, 7, 7, 6, 7, 6, 7}); };
    QStringList lines{line({QStringLiteral("design"), QStringLiteral("core"), QStringLiteral("operation"), QStringLiteral("op/s"), QStringLiteral("ms/op"),
                            QStringLiteral("RPC/op"), QStringLiteral("TCK/op"), QStringLiteral("floor"), QStringLiteral("TCK <="), QStringLiteral("result")})};
    for (const LiveRow &row : rows) {
        lines.append(line({design(row), core(row), row.operation, row.perSecond > 0 ? QString::number(row.perSecond, 'f', 0) : QStringLiteral("-"),
                           row.perSecond > 0 ? QString::number(1000 / row.perSecond, 'f', 2) : QStringLiteral("-"), perOperation(row.rpcs),
                           perOperation(row.tckCycles), QString::number(row.floorBits), row.tckLimit > 0 ? QString::number(row.tckLimit) : QStringLiteral("-"),
                           row.result}));
    }
    return lines;
}

QStringList liveCsv(const QList<LiveRow> &rows)
{
    QStringList lines{QStringLiteral("bits_in,bits_out,user_clock,operation,per_second,rpc_per_op,tck_per_op,floor_bits,tck_goal,result")};
    for (const LiveRow &row : rows) {
        lines.append(QStringList{QString::number(row.bits), QString::number(row.bits), row.userClock ? QStringLiteral("1:1") : QString(), row.operation,
                                 row.perSecond > 0 ? QString::number(row.perSecond, 'f', 1) : QString(),
                                 row.rpcs >= 0 ? QString::number(row.rpcs, 'f', 2) : QString(),
                                 row.tckCycles >= 0 ? QString::number(row.tckCycles, 'f', 1) : QString(), QString::number(row.floorBits),
                                 row.tckLimit > 0 ? QString::number(row.tckLimit) : QString(), row.result}
                         .join(QLatin1Char(',')));
    }
    return lines;
}

QStringList liveGoals(const QList<LiveRow> &rows)
{
    QStringList notes;
    int measured = 0, rpcPasses = 0, tckPasses = 0;
    for (const LiveRow &row : rows) {
        if (row.rpcs < 0 || row.tckCycles < 0)
            continue;
        ++measured;
        rpcPasses += rpcPass(row);
        tckPasses += tckPass(row);
        notes.append(QStringLiteral("goal %1, %2, %3: %4 RPC (goal 1): %5; %6 TCK cycles (goal <= %7, the floor %8): %9")
                         .arg(design(row), core(row), row.operation, perOperation(row.rpcs), verdict(rpcPass(row)), perOperation(row.tckCycles))
                         .arg(row.tckLimit)
                         .arg(row.floorBits)
                         .arg(tckPass(row) ? verdict(true) : QStringLiteral("fail, %1 over").arg(perOperation(row.tckCycles - row.tckLimit))));
    }
    notes.append(QStringLiteral("goal one RPC a read, write or watch step: %1 of %2 operations pass").arg(rpcPasses).arg(measured));
    notes.append(QStringLiteral("goal TCK cycles at most the floor plus the IR scan: %1 of %2 operations pass").arg(tckPasses).arg(measured));
    return notes;
}
