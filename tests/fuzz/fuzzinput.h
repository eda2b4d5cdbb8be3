#ifndef ZARN_TESTS_FUZZINPUT_H
#define ZARN_TESTS_FUZZINPUT_H

// What the fuzz targets share: a scratch directory for the files the library
// reads and writes, and an initializer that silences the library's log (the
// reader writes to it on every call).  Each target includes this once.

#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

namespace FuzzInput {

inline QString path(const QString &name)
{
    static QTemporaryDir scratch;
    return scratch.filePath(name);
}

inline QString write(const QString &name, const QByteArray &content)
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write the fuzz input");
    return file.fileName();
}

} // namespace FuzzInput

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A target's own complaint, raised by qFatal, still shows.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.critical=false"));
    return 0;
}

#endif
