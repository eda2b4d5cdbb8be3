#ifndef ZARN_COMMON_WRITEALL_H
#define ZARN_COMMON_WRITEALL_H

// Header-only, for the library and the tool alike.

#include <QByteArray>
#include <QIODevice>

namespace ZARN {

/**
 * Writes all @p size bytes of @p data to @p device, as many times as it
 * takes; false when a write fails.  A write cut short (a full disk, a
 * file-size limit) says nothing of why; writing the rest makes the system
 * say it, in the device's errorString().
 */
inline bool writeAll(QIODevice &device, const char *data, qint64 size)
{
    while (size > 0) {
        const qint64 written = device.write(data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

inline bool writeAll(QIODevice &device, const QByteArray &bytes)
{
    return writeAll(device, bytes.constData(), bytes.size());
}

} // namespace ZARN

#endif
