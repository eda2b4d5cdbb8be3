#include "generate/cleardirectory.h"

#include "filesystemfaults.h"
#include "testdata.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace ZARN;
using namespace FileSystemFaults;

class TestClearDirectory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clearsTreeAndNothingOutside()
    {
        QTemporaryDir root;
        const QString out = root.filePath(QStringLiteral("out"));
        const QString outside = root.filePath(QStringLiteral("outside"));
        for (const char *name : {"outside/dir/inner.v", "outside/file.v", "out/top.v", "out/.hidden", "out/.hiddendir/a/b/deep.v",
                                 "out/zarn_0/.hidden", "out/locked/kept.v"})
            writeFile(root.filePath(QLatin1String(name)), name);
        // Links are removed, never followed: not even to the output directory's
        // own parent, nor to the output directory itself.
        const QList<QPair<const char *, const char *>> links = {{"outside/dir", "out/linkToDir"}, {"outside/file.v", "out/linkToFile"},
                                                                 {"nowhere", "out/dangling"},      {".", "out/linkToParent"},
                                                                 {"out", "out/zarn_0/linkToOut"}};
        for (const auto &link : links)
            QVERIFY(QFile::link(root.filePath(QLatin1String(link.first)), root.filePath(QLatin1String(link.second))));
        QCOMPARE(mkfifo(QFile::encodeName(out + QLatin1String("/pipe")).constData(), 0600), 0);
        const QStringList outsideBefore = tree(outside);

        // As nobody, who owns the whole tree but cannot enter "locked".
        giveToNobody(root.path());
        QCOMPARE(chmod(QFile::encodeName(root.path()).constData(), 0755), 0);
        QCOMPARE(chmod(QFile::encodeName(out + QLatin1String("/locked")).constData(), 0), 0);
        QCOMPARE(runAsNobody([&] {
                     clearDirectory(out);
                     clearDirectory(outside + QLatin1String("/file.v")); // a plain file: nothing to clear
                     return 0;
                 }),
                 0);
        chmod(QFile::encodeName(out + QLatin1String("/locked")).constData(), 0700);

        QCOMPARE(tree(out), (QStringList{QStringLiteral("locked/kept.v: out/locked/kept.v"), QStringLiteral("locked: <directory>"),
                                         QStringLiteral("pipe: <special>")}));
        QCOMPARE(tree(outside), outsideBefore);
        QCOMPARE(QDir(root.path()).entryList(everything), (QStringList{QStringLiteral("out"), QStringLiteral("outside")}));
    }
};

QTEST_GUILESS_MAIN(TestClearDirectory)

#include "tst_cleardirectory.moc"
