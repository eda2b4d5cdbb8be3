#ifndef ZARN_TESTS_FUZZINPUT_H
#define ZARN_TESTS_FUZZINPUT_H

// What the fuzz targets share: a scratch directory for the files the library
// reads and writes, and an initializer that silences the library's log,
// which the reader writes to on every call.  Each target includes this once.

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

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

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
}

} // namespace FuzzInput

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Only a target's own complaint, raised by qFatal, is worth printing.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtFatalMsg)
            fprintf(stderr, "%s\n", qUtf8Printable(text));
    });
    return 0;
}

#endif
