#include "generate/cleardirectory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace ZARN;

namespace {

const QDir::Filters everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestClearDirectory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clearsTreeAndNothingOutside();
    void leavesSpecialFiles();
    void plainFileUntouched();
};

void TestClearDirectory::clearsTreeAndNothingOutside()
{
    QTemporaryDir root;
    const QString out = root.filePath(QStringLiteral("out"));
    const QString outside = root.filePath(QStringLiteral("outside"));
    writeFile(outside + QLatin1String("/dir/inner.v"), "inner");
    writeFile(outside + QLatin1String("/file.v"), "file");
    writeFile(out + QLatin1String("/top.v"), "x");
    writeFile(out + QLatin1String("/.hidden"), "x");
    writeFile(out + QLatin1String("/.hiddendir/a/b/deep.v"), "x");
    writeFile(out + QLatin1String("/zarn_0/.hidden"), "x");
    QVERIFY(QFile::link(outside + QLatin1String("/dir"), out + QLatin1String("/linkToDir")));
    QVERIFY(QFile::link(outside + QLatin1String("/file.v"), out + QLatin1String("/linkToFile")));
    QVERIFY(QFile::link(root.filePath(QStringLiteral("nowhere")), out + QLatin1String("/dangling")));
    QVERIFY(QFile::link(root.path(), out + QLatin1String("/zarn_0/linkToRoot")));

    clearDirectory(out);

    QVERIFY(QFileInfo(out).isDir());
    QCOMPARE(QDir(out).entryList(everything), QStringList());
    QCOMPARE(readFile(outside + QLatin1String("/dir/inner.v")), QByteArray("inner"));
    QCOMPARE(readFile(outside + QLatin1String("/file.v")), QByteArray("file"));
    QCOMPARE(QDir(root.path()).entryList(everything), (QStringList{QStringLiteral("out"), QStringLiteral("outside")}));
}

void TestClearDirectory::leavesSpecialFiles()
{
    QTemporaryDir root;
    writeFile(root.filePath(QStringLiteral("sub/file")), "x");
    QCOMPARE(::mkfifo(QFile::encodeName(root.filePath(QStringLiteral("sub/pipe"))).constData(), 0600), 0);

    clearDirectory(root.path());

    QCOMPARE(QDir(root.filePath(QStringLiteral("sub"))).entryList(everything), QStringList{QStringLiteral("pipe")});
}

void TestClearDirectory::plainFileUntouched()
{
    QTemporaryDir root;
    const QString path = root.filePath(QStringLiteral("out"));
    writeFile(path, "kept");
    clearDirectory(path);
    QCOMPARE(readFile(path), QByteArray("kept"));
}

QTEST_GUILESS_MAIN(TestClearDirectory)
#include "tst_cleardirectory.moc"
