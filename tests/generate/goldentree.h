#ifndef ZARN_TESTS_GOLDENTREE_H
#define ZARN_TESTS_GOLDENTREE_H

// Compares a generated directory tree with a golden one, file by file.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

inline QStringList filesBelow(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(dir).relativeFilePath(it.next()));
    files.sort();
    return files;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The files of @p goldenDir must exist in @p dir with the same bytes; so
// must every file of @p dir except those named in @p ignored.
inline void compareWithGolden(const QString &dir, const QString &goldenDir, const QStringList &ignored = {})
{
    QStringList actual = filesBelow(dir);
    for (const QString &name : ignored)
        actual.removeAll(name);
    const QStringList golden = filesBelow(goldenDir);
    QCOMPARE(actual, golden);
    for (const QString &name : golden) {
        const QByteArray bytes = fileBytes(dir + QLatin1Char('/') + name);
        const QByteArray expected = fileBytes(goldenDir + QLatin1Char('/') + name);
        QVERIFY2(bytes == expected,
                 qPrintable(QStringLiteral("%1 holds\n%2\ninstead of\n%3").arg(name, QString::fromUtf8(bytes), QString::fromUtf8(expected))));
    }
}

#endif
