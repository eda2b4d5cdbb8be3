#ifndef ZARN_TOOL_OUTPUTFILE_H
#define ZARN_TOOL_OUTPUTFILE_H

#include <QByteArray>
#include <QList>
#include <QString>

// The one rule for a single file that a command writes (init's
// configuration, generate's command file): it creates a new file or
// replaces a regular one, through a link where the path is one, and
// refuses anything else before anything is touched.
namespace OutputFile {

/** Whether the command asks for --force before it replaces an existing file. */
enum class Existing { Replaced, NeedsForce };

/**
 * Empty where the file @p path may be written, else the refusal, naming
 * the path and what it is: a directory, a device, a FIFO, a socket, a link
 * to one of them, or a link to nothing without @p force (which writes the
 * file the link names); an existing file without @p force where
 * @p existing says so; and, @p force or not, a file that @p inputs (the
 * resolved paths of what the run reads) holds.  @p target, where given,
 * receives the resolved path the file is written at: where a link leads,
 * a link to nothing included.
 */
QString refusal(const QString &path, const QList<QByteArray> &inputs, bool force, Existing existing, QByteArray *target = nullptr);

} // namespace OutputFile

#endif
