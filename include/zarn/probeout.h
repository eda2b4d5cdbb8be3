#ifndef ZARN_PROBEOUT_H
#define ZARN_PROBEOUT_H

#include <zarn/probein.h>
#include <zarn/zarnutils_export.h>

#include <QString>

namespace ZARN {

/**
 * An output probe: everything an input probe has, plus the initial value it
 * drives, held as "0x" followed by hexadecimal digits ("0x0" when new).
 *
 * There is no virtual destructor: a ProbeOut is never destroyed through a
 * pointer to ProbeIn.
 */
class ZARNUTILS_EXPORT ProbeOut : public ProbeIn
{
public:
    explicit ProbeOut(int index);
    ProbeOut(const ProbeOut &other);
    ProbeOut(ProbeOut &&other) noexcept;
    ProbeOut &operator=(const ProbeOut &other);
    ProbeOut &operator=(ProbeOut &&other) noexcept;
    ~ProbeOut();

    QString getValue() const;
    /** Stored as given, without any check of prefix or digits. */
    void setValue(QString value);

private:
    QString value;
};

} // namespace ZARN

#endif
