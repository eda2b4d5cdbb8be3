#ifndef ZARN_TOOL_DESIGN_WORKDIRECTORY_H
#define ZARN_TOOL_DESIGN_WORKDIRECTORY_H

#include <QString>
#include <QTemporaryDir>

namespace Design {

/**
 * A private directory under TMPDIR in which Yosys writes what zarn reads
 * back, removed when the object goes.  While it lives it holds a lock that
 * the kernel drops when the process ends however it ends, so that a later
 * run can tell the directories of killed runs from those of live ones and
 * sweeps the former away.
 */
class WorkDirectory
{
public:
    WorkDirectory();
    ~WorkDirectory();
    WorkDirectory(const WorkDirectory &) = delete;
    WorkDirectory &operator=(const WorkDirectory &) = delete;

    /** Empty when the directory is there, or what stands in the way. */
    QString error() const { return m_error; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    /** Removes the directory now, as the destructor would (for a run cut short by a signal). */
    void remove();

private:
    QTemporaryDir m_dir;
    QString m_error;
    int m_lock = -1;
};

} // namespace Design

#endif
