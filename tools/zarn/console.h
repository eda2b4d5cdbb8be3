#ifndef ZARN_TOOL_CONSOLE_H
#define ZARN_TOOL_CONSOLE_H

#include <QString>

class QCommandLineParser;

namespace Console {

/** Exit codes of every command. */
enum ExitCode {
    Success = 0,
    Finding = 1, ///< a lint finding or a failed check
    Failure = 2, ///< a usage error or a failed run
};

/** Sends the library's log to stderr: progress lines dropped, problems as "zarn: ..." lines. */
void installMessageHandler();

void out(const QString &line);
void error(const QString &line);

/** A probe's bits (most significant first) as every command prints a value: "0x" and hexadecimal digits. */
QString hexOf(const QString &binary);

/** Prints "zarn: <message>" on stderr and returns Failure. */
int fail(const QString &message);

/**
 * Parses a command's arguments, handling --help; false with the exit code
 * in @p exitCode when the command should stop here.
 */
bool parse(QCommandLineParser &parser, const QStringList &arguments, const QString &usage, int *exitCode);

} // namespace Console

#endif
