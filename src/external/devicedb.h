#ifndef ZARN_EXTERNAL_DEVICEDB_H
#define ZARN_EXTERNAL_DEVICEDB_H

// Stand-in for the tool's device database: a small built-in table.

#include <QString>
#include <QStringList>

namespace DEV {

/** What the database knows of one device in one package. */
struct ChipInfo
{
    QString family;
    QString series;
    QString deviceKey;
    QString partName;
    QString package;
    QString speedGrade;
    QString temperatureGrade;
    QString coreVoltage;
    QString lutCount;
    QString description;
    QStringList ioStandards;
};

class DeviceDb
{
public:
    /** The one database; never null. */
    static DeviceDb *instance();

    /**
     * The device with these keys, matched exactly and case-sensitively;
     * a record of empty texts when there is none.
     */
    ChipInfo find(const QString &deviceKey, const QString &deviceSubKey) const;

    /** Every device of the table, one record per device and package, in table order. */
    QList<ChipInfo> all() const;

private:
    DeviceDb() = default;
};

} // namespace DEV

#endif
