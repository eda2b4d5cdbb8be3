#ifndef ZARN_ZARNPREPARE_H
#define ZARN_ZARNPREPARE_H

#include <zarn/zarnarg.h>
#include <zarn/zarnutils_export.h>

#include <QStringList>

/**
 * @file
 * ZARN::ZarnPrepare, the generation run.
 */

namespace ZARN {

/**
 * The generation run.  prepare() empties the output directory, reads the
 * cores, writes the include files and the top module, and records the
 * source files and include directories of the generated design.
 *
 * The lists of a run stay in the object until its next prepare().  One run
 * at a time: an object and an output directory serve one thread.
 */
class ZARNUTILS_EXPORT ZarnPrepare
{
public:
    /** An object that has not run: every list empty. */
    ZarnPrepare() = default;
    /**
     * A copy of @p other's lists.
     *
     * @param other the object to copy.
     */
    ZarnPrepare(const ZarnPrepare &other) = default;
    /**
     * Takes over @p other's lists.
     *
     * @param other the object to move from.
     */
    ZarnPrepare(ZarnPrepare &&other) noexcept = default;
    /**
     * Copies @p other's lists into this object.
     *
     * @param other the object to copy.
     * @return this object.
     */
    ZarnPrepare &operator=(const ZarnPrepare &other) = default;
    /**
     * Takes over @p other's lists.
     *
     * @param other the object to move from.
     * @return this object.
     */
    ZarnPrepare &operator=(ZarnPrepare &&other) noexcept = default;
    /** Destroys the lists; the generated files stay. */
    ~ZarnPrepare() = default;

    /**
     * Runs a generation; false when the configuration gave no core, or when
     * arg.outputDir is empty (nothing is then cleared or written: an empty
     * name would put the files at the file-system root).
     *
     * The output directory is emptied first (the directory itself stays;
     * what cannot be removed stays too), also when the configuration then
     * gives no core.  A generated file that cannot be written does not make
     * the run fail: see failedFiles().
     *
     * @param arg the files and directories of the run.
     * @return true when the files were generated and the lists filled;
     *         false with every list empty otherwise.
     */
    bool prepare(const ZarnArg &arg);

    /**
     * The source files of the last run's design, in synthesis order: each
     * core's source, the control core's, the JTAG source without an
     * analyzer file, then the generated top module.  Entries are joined
     * from the given directories as they are, without cleaning.
     *
     * @return the files; empty before a run and after a failed one.
     */
    QStringList fileList() const;
    /**
     * The include directories of the last run, in clean form.
     *
     * @return the output directory and the cores' source directory after a
     *         successful run; empty otherwise.
     */
    QStringList includePath() const;

    /**
     * The generated files of the last run that could not be written
     * completely (not opened, a write cut short, the final flush refused),
     * in the order they failed; empty after a clean run.  prepare() still
     * returns true when only these failed: a caller that needs the output
     * whole checks this list.  A file that cannot be opened ends its step
     * (the control core's files, or the cores' include files): the files
     * that step would have written after it are missing without being
     * listed.  The list is empty exactly when every file was written whole.
     *
     * @return the paths of the files that failed.
     */
    QStringList failedFiles() const;
    /**
     * Why @p file of failedFiles() failed, in the system's words.
     *
     * @param file a path as failedFiles() lists it.
     * @return the reason; empty for any other file.
     */
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
