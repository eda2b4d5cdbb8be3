#ifndef ZARN_TOOL_DESIGN_ELABORATIONCACHE_H
#define ZARN_TOOL_DESIGN_ELABORATIONCACHE_H

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Design {

/**
 * What Yosys made of a design, kept under the user's cache directory
 * ($XDG_CACHE_HOME/zarn/elaborations) so that a command on a design that
 * has not changed needs no Yosys run.  An entry is found by a key that the
 * caller makes of everything it gives Yosys (the script, the sources'
 * bytes, Yosys's version, the current directory) and holds, besides
 * Yosys's files, the digest of every file Yosys read, included files and
 * memory files among them: it serves only while each of them is as it was.
 * Entries are made whole beside the cache and renamed into place, so that
 * concurrent and killed runs leave whole entries or none.
 */
namespace ElaborationCache {

/**
 * The entry's files: the netlist read from Yosys's, and Yosys's Verilog.
 * Those find() gives are the files mapped for the rest of the run, without
 * a copy (the Verilog of a large design is tens of megabytes): an entry is
 * never changed in place, only made whole, renamed and removed.
 */
struct Entry
{
    QByteArray netlist; ///< as Netlist::toBytes() writes it
    QByteArray verilog; ///< empty where the run wrote none
    QStringList read;   ///< the files Yosys read: the sources, what they include, memory files
};

/**
 * The entry of @p key, when every file it was made from is unchanged and
 * it holds Verilog where @p wantVerilog; false otherwise (and a broken
 * entry is removed).
 */
bool find(const QByteArray &key, bool wantVerilog, Entry *entry);

/** The files that the Make dependency file @p dependencies (Yosys's -E) names, less @p script. */
QStringList filesRead(const QString &dependencies, const QString &script);

/**
 * Keeps @p entry under @p key with the digests of the files it was read
 * from, and the files that would have been read before them had they been
 * there (Yosys looks for an include in the current directory, the
 * including file's, then @p includeDirs); nothing is kept when a file
 * cannot be read or the cache cannot be written, which only costs the next
 * run its Yosys run.
 */
void store(const QByteArray &key, const Entry &entry, const QStringList &includeDirs);

} // namespace ElaborationCache

} // namespace Design

#endif
