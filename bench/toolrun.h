#ifndef ZARN_BENCH_TOOLRUN_H
#define ZARN_BENCH_TOOLRUN_H

#include <QByteArray>
#include <QString>
#include <QStringList>

/**
 * Runs @p program in @p dir, its output and errors into @p log there.
 *
 * @param seconds receives how long it ran; may be null.
 * @return its exit code, or -1 where it did not start or did not exit normally.
 */
int runTool(const QString &dir, const QString &program, const QStringList &arguments, const QString &log, double *seconds);

/** Says on stderr that @p what, with the error lines of @p log, or its end where it has none. */
void reportFailure(const QString &what, const QString &log);

/** The bytes of @p path; empty where it cannot be read. */
QByteArray fileBytes(const QString &path);

/** Whether @p bytes went into @p path, replacing what it held. */
bool writeFile(const QString &path, const QByteArray &bytes);

#endif
