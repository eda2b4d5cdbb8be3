#ifndef ZARN_ZARNPREPARE_H
#define ZARN_ZARNPREPARE_H

#include <zarn/zarnarg.h>
#include <zarn/zarnutils_export.h>

#include <QStringList>

namespace ZARN {

/**
 * The generation run.  prepare() empties the output directory, reads the
 * cores, writes the include files and the top module, and records the
 * source files and include directories of the generated design.
 */
class ZARNUTILS_EXPORT ZarnPrepare
{
public:
    ZarnPrepare() = default;
    ZarnPrepare(const ZarnPrepare &other) = default;
    ZarnPrepare(ZarnPrepare &&other) noexcept = default;
    ZarnPrepare &operator=(const ZarnPrepare &other) = default;
    ZarnPrepare &operator=(ZarnPrepare &&other) noexcept = default;
    ~ZarnPrepare() = default;

    /**
     * Runs a generation; false when the configuration gave no core, or when
     * arg.outputDir is empty (nothing is then cleared or written: an empty
     * name would put the files at the file-system root).
     */
    bool prepare(const ZarnArg &arg);

    /** The source files of the last run's design, in synthesis order. */
    QStringList fileList() const;
    /** The include directories of the last run: two after a successful run. */
    QStringList includePath() const;

    /**
     * The generated files of the last run that could not be written
     * completely (not opened, a write cut short, the final flush refused),
     * in the order they failed; empty after a clean run.  prepare() still
     * returns true when only these failed: a caller that needs the output
     * whole checks this list.
     */
    QStringList failedFiles() const;
    /** Why @p file of failedFiles() failed, in the system's words; empty for any other file. */
    QString failureReason(const QString &file) const;

private:
    bool generate(const ZarnArg &arg);

    QStringList m_fileList;
    QStringList m_includePath;
    QStringList m_failedFiles;
    QStringList m_failureReasons;
};

} // namespace ZARN

#endif
