#include "external/devicedb.h"

#include <zarn/devices.h>

#include <QStringList>

namespace ZARN {

namespace {

// The parts whose control core is the "138" variant.
const char devicesWithControlCore138[] = "XQ2A-1/XQ2A-2/XQ2A-4/XQ2A-4B/XQ2A-9/XQ2A-9C/XQ2AR-9/XQ2AR-9C/XQ2AN-1/XQ2AN-9";

} // namespace

QList<TargetDevice> knownDevices()
{
    QList<TargetDevice> devices;
    for (const DEV::ChipInfo &chip : DEV::DeviceDb::instance()->all())
        devices.append({chip.deviceKey, chip.package, chip.partName, chip.description, controlCoreSource(chip.partName)});
    return devices;
}

QString controlCoreSource(const QString &partName)
{
    // Split with empty parts kept: an empty part name matches none of them.
    static const QStringList partsWith138 = QString::fromLatin1(devicesWithControlCore138).split(QLatin1Char('/'));
    return QLatin1String(partsWith138.contains(partName) ? "ZARN/XQ_ZARN_CON/xq_zarn_con_top_138.v" : "ZARN/XQ_ZARN_CON/xq_zarn_con_top.v");
}

} // namespace ZARN
