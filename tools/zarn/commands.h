#ifndef ZARN_TOOL_COMMANDS_H
#define ZARN_TOOL_COMMANDS_H

#include <QStringList>

// Each command takes the program's arguments from its own name on
// ("zarn generate --out x" gives {"zarn generate", "--out", "x"}) and
// returns the exit code.

int runGenerate(const QStringList &arguments);
int runCheck(const QStringList &arguments);
int runLint(const QStringList &arguments);
int runConvert(const QStringList &arguments);
int runDecode(const QStringList &arguments);
int runEncode(const QStringList &arguments);
int runNets(const QStringList &arguments);
int runInit(const QStringList &arguments);
int runInsert(const QStringList &arguments);
int runDevices(const QStringList &arguments);
int runIp(const QStringList &arguments);
int runOpenOcdConfig(const QStringList &arguments);
int runProbe(const QStringList &arguments);
int runSim(const QStringList &arguments);

#endif
