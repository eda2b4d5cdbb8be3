#ifndef ZARN_GENERATE_GENERATEDFILE_H
#define ZARN_GENERATE_GENERATEDFILE_H

#include <QString>

namespace ZARN {

/**
 * Replaces the file at @p path with @p text, written in one piece in text
 * mode.  When the file can't be opened, logs @p failureMessage at critical
 * level and returns false.
 */
bool writeGeneratedFile(const QString &path, const QString &text, const QString &failureMessage);

} // namespace ZARN

#endif
