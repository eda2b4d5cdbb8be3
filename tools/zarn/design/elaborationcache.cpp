#include "elaborationcache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>
#include <vector>
#include <unistd.h>
#include <utime.h>

namespace Design {

namespace ElaborationCache {

namespace {

const char inputsName[] = "inputs";
const char netlistName[] = "netlist.bin";
const char verilogName[] = "design.v";
// The newest entries kept; a design's next edit makes a new one.
const int keptEntries = 16;
// An entry still being made after this long belongs to a run that was killed.
const int halfMadeSeconds = 3600;

QString cacheDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QLatin1String("/zarn/elaborations");
}

QByteArray fileDigest(const QString &path, bool *ok)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    *ok = file.open(QIODevice::ReadOnly) && hash.addData(&file);
    return hash.result().toHex();
}

bool exists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The files that would have been read in place of what @p file includes
// and loads, had they been there: where Yosys looks for a relative
// `include before the file it found (the current directory, the including
// file's directory, each include directory), and for a $readmemh file
// (the current directory, the source's).  One of them that appears makes
// another design.  Names that a macro or parameter gives are not seen.
QStringList shadowingCandidates(const QString &file, const QStringList &includeDirs)
{
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(source.readAll());
    const QString here = QFileInfo(file).absolutePath();
    QStringList absent;
    const auto lookFor = [&absent](const QStringList &places) {
        for (const QString &place : places) {
            if (exists(place))
                return;
            absent.append(QDir::cleanPath(place));
        }
    };
    static const QRegularExpression include(QStringLiteral("`include\\s*\"([^\"\\n]+)\""));
    for (auto match = include.globalMatch(text); match.hasNext();) {
        const QString name = match.next().captured(1);
        if (QDir::isAbsolutePath(name))
            continue;
        QStringList places{QDir::current().absoluteFilePath(name), here + QLatin1Char('/') + name};
        for (const QString &directory : includeDirs)
            places.append(QDir(directory).absoluteFilePath(name));
        lookFor(places);
    }
    static const QRegularExpression memory(QStringLiteral("\\$readmem[hb]\\s*\\(\\s*\"([^\"\\n]+)\""));
    for (auto match = memory.globalMatch(text); match.hasNext();) {
        const QString name = match.next().captured(1);
        if (!QDir::isAbsolutePath(name))
            lookFor({QDir::current().absoluteFilePath(name), here + QLatin1Char('/') + name});
    }
    return absent;
}

// The bytes of the file @p path, mapped for the rest of the run (read
// where it cannot be mapped); false where it cannot be read.
bool mapped(const QString &path, QByteArray *bytes)
{
    static std::vector<std::unique_ptr<QFile>> files;
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file->size();
    const uchar *data = size > 0 && size <= std::numeric_limits<int>::max() ? file->map(0, size) : nullptr;
    if (!data) {
        *bytes = file->readAll();
        return file->error() == QFileDevice::NoError;
    }
    *bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    files.push_back(std::move(file));
    return true;
}

// The files of a Make rule "target: a b\ c", less the target.
QStringList dependencyFiles(const QByteArray &rule)
{
    QStringList files;
    QByteArray current;
    bool afterTarget = false;
    for (qsizetype i = 0; i < rule.size(); ++i) {
        const char c = rule.at(i);
        if (c == '\\' && i + 1 < rule.size() && (rule.at(i + 1) == ' ' || rule.at(i + 1) == '\n')) {
            if (rule.at(++i) == ' ')
                current += ' ';
            continue;
        }
        if (c == ' ' || c == '\n' || c == '\t') {
            if (!current.isEmpty() && afterTarget)
                files.append(QFile::decodeName(current));
            if (!current.isEmpty() && current.endsWith(':'))
                afterTarget = true;
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.isEmpty() && afterTarget)
        files.append(QFile::decodeName(current));
    return files;
}

// On the disk before the entry is renamed into place: after a crash, an
// entry is whole or not there, and its files need only their sizes checked.
bool writeWhole(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
}

// The oldest entries beyond the newest few, and what killed runs left half made.
void pruneOld(const QDir &cache)
{
    // Only what bears an entry's name, a key's 64 hexadecimal digits: anything else is not ours.
    QFileInfoList entries = cache.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Time);
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [](const QFileInfo &entry) {
                                     static const QRegularExpression key(QStringLiteral("^[0-9a-f]{64}$"));
                                     return !key.match(entry.fileName()).hasMatch();
                                 }),
                  entries.end());
    for (qsizetype i = keptEntries; i < entries.size(); ++i)
        QDir(entries.at(i).filePath()).removeRecursively();
    for (const QFileInfo &made : cache.entryInfoList({QStringLiteral(".new-*")}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (made.lastModified().secsTo(QDateTime::currentDateTime()) > halfMadeSeconds)
            QDir(made.filePath()).removeRecursively();
    }
}

} // namespace

bool find(const QByteArray &key, bool wantVerilog, Entry *entry)
{
    const QDir dir(cacheDirectory() + QLatin1Char('/') + QString::fromLatin1(key));
    QFile inputs(dir.filePath(QLatin1String(inputsName)));
    if (!inputs.open(QIODevice::ReadOnly))
        return false;
    // "digest path" a line, "absent path" for a file that must not be
    // there, then "made" and the sizes of the entry's own files, then
    // "end", which says the list is whole.
    const QList<QByteArray> lines = inputs.readAll().split('\n');
    if (lines.size() < 3 || lines.at(lines.size() - 2) != "end" || !lines.last().isEmpty()) {
        QDir(dir).removeRecursively();
        return false;
    }
    entry->read.clear();
    for (qsizetype i = 0; i + 3 < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (line.startsWith("absent ")) {
            if (exists(QFile::decodeName(line.mid(7))))
                return false;
            continue;
        }
        bool ok = false;
        if (line.size() < 66 || fileDigest(QFile::decodeName(line.mid(65)), &ok) != line.left(64) || !ok)
            return false;
        entry->read.append(QFile::decodeName(line.mid(65)));
    }
    entry->verilog.clear();
    if (!mapped(dir.filePath(QLatin1String(netlistName)), &entry->netlist) || (wantVerilog && !mapped(dir.filePath(QLatin1String(verilogName)), &entry->verilog)))
        return false;
    // The entry's own files as long as they were made: something may have cut one since.
    const QList<QByteArray> made = lines.at(lines.size() - 3).split(' ');
    if (made.size() != 3 || made.at(0) != "made" || made.at(1) != QByteArray::number(entry->netlist.size())
        || (wantVerilog && made.at(2) != QByteArray::number(entry->verilog.size()))) {
        QDir(dir).removeRecursively();
        return false;
    }
    // Used now: the last to be pruned.
    ::utime(QFile::encodeName(dir.path()).constData(), nullptr);
    return true;
}

QStringList filesRead(const QString &dependencies, const QString &script)
{
    QFile rule(dependencies);
    if (!rule.open(QIODevice::ReadOnly))
        return {};
    QStringList files = dependencyFiles(rule.readAll());
    files.erase(std::remove_if(files.begin(), files.end(),
                               [&script](const QString &file) { return QFileInfo(file).absoluteFilePath() == QFileInfo(script).absoluteFilePath(); }),
                files.end());
    return files;
}

void store(const QByteArray &key, const Entry &entry, const QStringList &includeDirs)
{
    if (entry.read.isEmpty())
        return;
    QByteArray inputs;
    QStringList absent;
    for (const QString &file : entry.read) {
        bool ok = false;
        const QByteArray digest = fileDigest(file, &ok);
        if (!ok)
            return;
        inputs += digest + ' ' + QFile::encodeName(file) + '\n';
        absent += shadowingCandidates(file, includeDirs);
    }
    absent.removeDuplicates();
    for (const QString &file : std::as_const(absent))
        inputs += "absent " + QFile::encodeName(file) + '\n';
    inputs += "made " + QByteArray::number(entry.netlist.size()) + ' ' + QByteArray::number(entry.verilog.size()) + "\nend\n";
    const QDir cache(cacheDirectory());
    if (!cache.mkpath(QStringLiteral(".")))
        return;
    QTemporaryDir made(cache.filePath(QStringLiteral(".new-XXXXXX")));
    if (!made.isValid() || !writeWhole(made.filePath(QLatin1String(netlistName)), entry.netlist)
        || (!entry.verilog.isEmpty() && !writeWhole(made.filePath(QLatin1String(verilogName)), entry.verilog))
        || !writeWhole(made.filePath(QLatin1String(inputsName)), inputs))
        return;
    // Whole, or not there.  An entry of the same key that no longer serves
    // (a file it was made from has changed) is moved aside first, since a
    // directory cannot be renamed over one that holds files.
    const QByteArray target = QFile::encodeName(cache.filePath(QString::fromLatin1(key)));
    if (std::rename(QFile::encodeName(made.path()).constData(), target.constData()) != 0) {
        QTemporaryDir old(cache.filePath(QStringLiteral(".old-XXXXXX")));
        if (!old.isValid() || std::rename(target.constData(), QFile::encodeName(old.filePath(QStringLiteral("entry"))).constData()) != 0
            || std::rename(QFile::encodeName(made.path()).constData(), target.constData()) != 0)
            return;
    }
    made.setAutoRemove(false);
    pruneOld(cache);
}

} // namespace ElaborationCache

} // namespace Design
