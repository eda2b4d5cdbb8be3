#ifndef ZARN_TOOL_OUTPUTDIRECTORY_H
#define ZARN_TOOL_OUTPUTDIRECTORY_H

#include <QByteArray>
#include <QList>
#include <QString>

/**
 * The output directory of one zarn generate run, from the checks made
 * before anything is touched to the swap that puts the new generation in
 * its place.
 *
 * A run never writes into the output directory.  It generates into a
 * staging directory beside it (same parent, so the same file system),
 * syncs it, and exchanges the two in one rename; then it removes the
 * previous generation.  At every instant the output is the whole previous
 * generation or the whole new one: a run that fails leaves it as it was and
 * removes its staging directory, and the staging directory of a killed run
 * is removed by the next run.
 *
 * Runs on one output directory take turns through a lock file beside it.
 * Each generation lists its files in a manifest; a run refuses to replace
 * a directory that holds anything else, unless forced.
 */
class OutputDirectory
{
public:
    /** @p path as the user gave it; resolved once, here. */
    explicit OutputDirectory(const QString &path);
    /** Removes the staging directory of a run that did not commit, and releases the lock. */
    ~OutputDirectory();
    OutputDirectory(const OutputDirectory &) = delete;
    OutputDirectory &operator=(const OutputDirectory &) = delete;

    /** The resolved path: what every check, message and file list uses. */
    QString path() const;
    /** Whether @p resolvedPath is the output directory or lies below it. */
    bool contains(const QByteArray &resolvedPath) const;

    /**
     * Why the run must not replace the directory, as a sentence for the
     * user; empty when it may.  Always refused: a path that does not
     * resolve, the file-system root, the home directory, the current
     * directory or any above it, a directory that holds one of
     * @p inputs (resolved paths), a mount point, a directory we may not
     * change, and a file.  Refused unless @p force: a directory that holds
     * anything its manifest does not list (a directory right below the
     * root, even with @p force).
     */
    QString refusal(const QList<QByteArray> &inputs, bool force) const;

    /**
     * Creates missing parents, takes the lock (waiting for another run),
     * checks @p inputs and @p force once more under it, removes staging
     * directories of killed runs and creates this run's.  The error, or
     * empty.
     */
    QString begin(const QList<QByteArray> &inputs, bool force);

    /** Where this run keeps its copies of the inputs. */
    QString inputDirectory() const;
    /** Where this run generates: the next generation. */
    QString stagingDirectory() const;
    /** @p path with the staging directory in front replaced by the output directory. */
    QString published(const QString &path) const;

    /**
     * Writes the manifest, syncs the new generation to disk, swaps it in
     * and removes the previous one.  The error, or empty; a previous
     * generation that could not be removed is only warned about.
     */
    QString commit();

private:
    QString lock();
    void removeStaleStaging();

    QString m_given;       // as the user wrote it
    QByteArray m_path;     // resolved; empty when it could not be
    QString m_resolveError;
    QByteArray m_staging;  // this run's staging directory
    QByteArray m_lockPath;
    int m_lockFd = -1;
    QList<QByteArray> m_createdParents;
    bool m_committed = false;
};

#endif
