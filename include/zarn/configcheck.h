#ifndef ZARN_CONFIGCHECK_H
#define ZARN_CONFIGCHECK_H

#include <zarn/zarnutils_export.h>

#include <QString>

/**
 * @file
 * The structural check of a configuration file.
 */

namespace ZARN {

/**
 * A structural test of a configuration file: well-formed XML whose cores
 * and probes carry their identifying attributes.  Builds no cores and
 * reports nothing but its result.
 *
 * Each core must carry "index" and "output_probe_synchronizes_with_user_clock",
 * each probe "index", and each output probe "value"; only their presence
 * counts.  Neither the root's name nor the version is looked at, so the
 * answer does not predict readZARNConfigFromXml()'s: an empty file fails
 * here and reads as no core there.
 *
 * @param path the configuration file.
 * @return true when the file passes; false when it cannot be opened, is
 *         empty, is no well-formed XML or lacks an attribute.
 */
ZARNUTILS_EXPORT bool checkZARNFile(const QString &path);

/** Why a file fails checkZARNFile(). */
enum class ConfigCheckFailure {
    None, ///< the file passes
    CannotOpen,
    Empty,
    NotWellFormed, ///< no well-formed XML, or refused as the reader refuses it
    AttributeMissing, ///< an attribute the reader could take a default for
};

/**
 * checkZARNFile(), saying why a file fails: the same answer, with the
 * reason for a person to read.
 *
 * @param path the configuration file.
 * @param why on failure, the reason: "cannot be opened", "is empty", the
 *        XML parser's message as readZARNConfigFromXml() gives it, or
 *        "<element> at line <n> has no <attribute> attribute" for the first
 *        element in the file that lacks one; left alone when the file
 *        passes; may be null.
 * @param failure set to the kind of failure, None when the file passes;
 *        may be null.  Of a file both malformed and lacking an attribute,
 *        the malformation is said.
 * @return true when the file passes.
 */
ZARNUTILS_EXPORT bool checkZARNFile(const QString &path, QString *why, ConfigCheckFailure *failure = nullptr);

} // namespace ZARN

#endif
