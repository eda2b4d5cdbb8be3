#include "toolrun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>

int runTool(const QString &dir, const QString &program, const QStringList &arguments, const QString &log, double *seconds)
{
    QProcess process;
    process.setWorkingDirectory(dir);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardOutputFile(QDir(dir).filePath(log));
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    const bool finished = process.waitForFinished(-1);
    if (seconds)
        *seconds = timer.nsecsElapsed() / 1e9;
    if (!finished || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

void reportFailure(const QString &what, const QString &log)
{
    // What a failed step said, for the reader of the table.
    const QStringList lines = QString::fromUtf8(fileBytes(log)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList errors = lines.filter(QRegularExpression(QStringLiteral("ERROR|FAIL|[Ee]rror")));
    if (errors.isEmpty())
        errors = lines.mid(qMax(0, lines.size() - 10));
    QTextStream(stderr) << "zarn-bench: " << what << " (" << log << "):\n" << errors.mid(0, 20).join(QLatin1Char('\n')) << '\n';
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}
