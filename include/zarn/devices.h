#ifndef ZARN_DEVICES_H
#define ZARN_DEVICES_H

#include <zarn/zarnutils_export.h>

#include <QList>
#include <QString>

/**
 * @file
 * The target devices a generation knows, and the control core each takes.
 */

namespace ZARN {

/** One device in one package, as the device database knows it. */
struct TargetDevice
{
    /** The device key (ZarnArg::deviceKey), such as "XQ2A-9". */
    QString device;
    /** The package key (ZarnArg::deviceSubKey), such as "QN48". */
    QString package;
    /** The part name, which chooses the control core. */
    QString partName;
    /** A line on the device for people. */
    QString description;
    /** The control core's source that a generation for it lists, relative to the IP root (controlCoreSource()). */
    QString controlCore;
};

/**
 * Every device and package of the device database, in its order.
 *
 * @return the devices; a package appears once for each device it comes with.
 */
ZARNUTILS_EXPORT QList<TargetDevice> knownDevices();

/**
 * The control core's source that a generation lists for a part name,
 * relative to the IP root: "ZARN/XQ_ZARN_CON/xq_zarn_con_top_138.v" for the
 * parts that take that variant, "ZARN/XQ_ZARN_CON/xq_zarn_con_top.v" for any
 * other (an unknown device's empty part name included).
 *
 * @param partName the part name, compared exactly and case-sensitively.
 * @return the path under the IP root, with "/" between names.
 */
ZARNUTILS_EXPORT QString controlCoreSource(const QString &partName);

} // namespace ZARN

#endif
