// Built in place of live.cpp where there is no ZarnUtilsHost to drive the cores with.
#include "live.h"

bool liveAvailable()
{
    return false;
}

bool measureLive(const LiveTools &, const QList<int> &, const QString &, int, int, QList<LiveRow> *, QStringList *)
{
    return false;
}
