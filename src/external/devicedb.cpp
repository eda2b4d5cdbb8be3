#include "devicedb.h"

namespace DEV {

namespace {

struct Device
{
    const char *family;
    const char *series;
    const char *deviceKey;
    const char *deviceSubKey;
    const char *partName;
    const char *speedGrade;
    const char *temperatureGrade;
    const char *coreVoltage;
    const char *lutCount;
    const char *description;
    const char *ioStandards; // separated by "/"
};

// The package is the sub-key: a die comes in several packages.
const Device devices[] = {
    {"XQ2", "XQ2A", "XQ2A-9", "QN48", "XQ2A-9", "6", "C", "1.2V", "8640", "XQ2A 9K LUT, QFN 48", "LVCMOS33/LVCMOS25/LVCMOS18/LVTTL33"},
    {"XQ2", "XQ2A", "XQ2A-9", "LQ144", "XQ2A-9", "6", "C", "1.2V", "8640", "XQ2A 9K LUT, LQFP 144", "LVCMOS33/LVCMOS25/LVCMOS18/LVTTL33"},
    {"XQ2", "XQ2AR", "XQ2AR-9C", "QN88", "XQ2AR-9C", "7", "I", "1.2V", "8640", "XQ2AR 9K LUT with PSRAM, QFN 88", "LVCMOS33/LVCMOS25/LVCMOS18/LVDS25E"},
    {"XQ2", "XQ2A", "XQ2A-1", "CS30", "XQ2A-1", "5", "C", "1.2V", "1152", "XQ2A 1K LUT, WLCSP 30", "LVCMOS33/LVCMOS25/LVCMOS18"},
    {"XQ5", "XQ5B", "XQ5B-25", "UG324", "XQ5B-25", "2", "I", "1.0V", "23040", "XQ5B 25K LUT, UBGA 324", "LVCMOS33/LVCMOS18/SSTL15/LVDS"},
    {"XQ5", "XQ5B", "XQ5B-138", "PG484", "XQ5B-138", "2", "I", "1.0V", "138240", "XQ5B 138K LUT, PBGA 484", "LVCMOS33/LVCMOS18/SSTL15/HSTL15/LVDS"},
};

} // namespace

DeviceDb *DeviceDb::instance()
{
    static DeviceDb db;
    return &db;
}

ChipInfo DeviceDb::find(const QString &deviceKey, const QString &deviceSubKey) const
{
    for (const ChipInfo &chip : all()) {
        if (chip.deviceKey == deviceKey && chip.package == deviceSubKey)
            return chip;
    }
    return ChipInfo();
}

QList<ChipInfo> DeviceDb::all() const
{
    QList<ChipInfo> chips;
    for (const Device &device : devices) {
        chips.append(ChipInfo{
            QLatin1String(device.family),
            QLatin1String(device.series),
            QLatin1String(device.deviceKey),
            QLatin1String(device.partName),
            QLatin1String(device.deviceSubKey),
            QLatin1String(device.speedGrade),
            QLatin1String(device.temperatureGrade),
            QLatin1String(device.coreVoltage),
            QLatin1String(device.lutCount),
            QLatin1String(device.description),
            QString::fromLatin1(device.ioStandards).split(QLatin1Char('/')),
        });
    }
    return chips;
}

} // namespace DEV
