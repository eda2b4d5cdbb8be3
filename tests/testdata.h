#ifndef ZARN_TESTS_TESTDATA_H
#define ZARN_TESTS_TESTDATA_H

// Files for the suites: paths under tests/data, whole-file reads and writes,
// tables of rows, and generated trees compared with golden ones.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

inline QString testData(const QString &path)
{
    return QStringLiteral(ZARN_TEST_DATA_DIR "/") + path;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Writes @p bytes to @p path, with any missing folders, and gives the path back.
inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// One row per line of a tab-separated table under tests/data, named by its
// first field; every field is a QString column.  "\n" in a field stands for a
// line break; lines starting with "#" are comments.  QtTest keeps the column
// names' pointers: give literals.
inline void addRowsFromTable(const QString &table, const QList<const char *> &columns)
{
    for (const char *column : columns)
        QTest::addColumn<QString>(column);
    for (const QString &line : QString::fromUtf8(fileBytes(testData(table))).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (line.startsWith(QLatin1Char('#')))
            continue;
        QTestData &row = QTest::newRow(qPrintable(fields.first()));
        for (int i = 0; i < columns.size(); ++i)
            row << QString(fields.value(i)).replace(QLatin1String("\\n"), QLatin1String("\n"));
    }
}

// One row per file of tests/data/@p dir that @p pattern ("*.xml") matches,
// named by the file's name without the extension, which is its @p column.
inline void addRowsForFiles(const char *column, const QString &dir, const QString &pattern)
{
    QTest::addColumn<QString>(column);
    for (const QString &file : QDir(testData(dir)).entryList({pattern}))
        QTest::newRow(qPrintable(file.chopped(pattern.size() - 1))) << file.chopped(pattern.size() - 1);
}

// The current row's QString column @p name, for tables whose fields are used once.
inline QString field(const char *name)
{
    return *static_cast<QString *>(QTest::qData(name, qMetaTypeId<QString>()));
}

// Writes a configuration of @p cores cores, each with one input and one
// output probe of @p nets nets named after @p tag, and gives its path back.
// An IP root holding, as empty files, every source that a generation of up
// to @p cores cores lists, whatever its device: a run has nothing to warn of.
inline QString writeIpRoot(const QString &path, int cores)
{
    for (int core = 0; core < cores; ++core)
        writeFile(path + QStringLiteral("/ZARN/XQ_ZARN_%1/xq_zarn_ao_top.v").arg(core), QByteArray());
    for (const char *file : {"/ZARN/XQ_ZARN_CON/xq_zarn_con_top.v", "/ZARN/XQ_ZARN_CON/xq_zarn_con_top_138.v", "/xq_jtag.v"})
        writeFile(path + QLatin1String(file), QByteArray());
    return path;
}

inline QString writeDesign(const QString &path, int cores, int nets, const char *tag)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ZARN_CONFIG>\n<Version>1.0</Version>\n";
    for (int core = 0; core < cores; ++core) {
        xml += "<ZarnCore index=\"" + QByteArray::number(core) + "\" module_name=\"m\" output_probe_synchronizes_with_user_clock=\"false\" user_clock_name=\"clk\">\n";
        for (const char *kind : {"In", "Out"}) {
            xml += QByteArray("<Probe") + kind + "s><Probe" + kind + " index=\"0\" value=\"0x0\"><SignalList>\n";
            for (int net = 0; net < nets; ++net)
                xml += QByteArray("<Signal>") + tag + '_' + kind + QByteArray::number(core) + '[' + QByteArray::number(net) + "]</Signal>\n";
            xml += QByteArray("</SignalList></Probe") + kind + "></Probe" + kind + "s>\n";
        }
        xml += "</ZarnCore>\n";
    }
    return writeFile(path, xml + "</ZARN_CONFIG>\n");
}

// The files below @p dir, hidden ones included, as sorted relative paths.
inline QStringList filesBelow(const QString &dir)
{
    QStringList files;
    const QDir base(QDir(dir).absolutePath());
    for (QDirIterator it(base.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories); it.hasNext();)
        files.append(base.relativeFilePath(it.next()));
    files.sort();
    return files;
}

// The files of @p goldenDir must exist in @p dir with the same bytes; so
// must every file of @p dir except those named in @p ignored.
inline void compareWithGolden(const QString &dir, const QString &goldenDir, const QStringList &ignored = {})
{
    QStringList actual = filesBelow(dir);
    for (const QString &name : ignored)
        actual.removeAll(name);
    QCOMPARE(actual, filesBelow(goldenDir));
    for (const QString &name : actual) {
        const QByteArray bytes = fileBytes(dir + QLatin1Char('/') + name);
        const QByteArray expected = fileBytes(goldenDir + QLatin1Char('/') + name);
        QVERIFY2(bytes == expected, qPrintable(name + QLatin1String(" holds\n") + bytes + QLatin1String("\ninstead of\n") + expected));
    }
}

#endif
