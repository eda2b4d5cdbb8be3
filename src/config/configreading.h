#ifndef ZARN_CONFIG_CONFIGREADING_H
#define ZARN_CONFIG_CONFIGREADING_H

// The configuration reader with the kind of its failure, for the lint,
// which says more than the reader's message where the version is wrong.

#include <QList>
#include <QString>

namespace ZARN {

class ZarnCore;

enum class ReadFailure {
    None,
    CannotOpen,
    NotWellFormed, ///< or refused by the walk's guards
    NoVersion,
    WrongVersion,
};

/** readZARNConfigFromXml(), saying what kind of failure it met in @p failure. */
QList<ZarnCore *> readConfigFile(const QString &path, ReadFailure *failure, QString *error);

} // namespace ZARN

#endif
