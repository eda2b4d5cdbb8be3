// The analyzer file as a generation takes it: its full cores, or else its
// lite ones.  One reader, for the generation, the probe map and the lint.

#ifndef ZARN_GENERATE_ANALYZERFILE_H
#define ZARN_GENERATE_ANALYZERFILE_H

#include "external/qelutils.h"

#include <QList>
#include <QString>

namespace ZARN {

class AnalyzerFile
{
public:
    /** Which lite cores are read: only where the file has no full core, or every one (to tell what is dropped). */
    enum LiteCores { WhereNoFull, Every };

    AnalyzerFile(const QString &path, LiteCores lite = WhereNoFull);
    ~AnalyzerFile();
    AnalyzerFile(const AnalyzerFile &) = delete;
    AnalyzerFile &operator=(const AnalyzerFile &) = delete;

    /** Whether the reader of full cores took the file, and if not, why. */
    bool ok() const { return m_ok; }
    const QString &error() const { return m_error; }
    const QList<QEL::AoCore *> &full() const { return m_full; }
    /** The lite cores read; those a generation takes only where full() is empty. */
    const QList<QEL::AOCore_Lite *> &lite() const { return m_lite; }

private:
    bool m_ok = false;
    QString m_error;
    QList<QEL::AoCore *> m_full;
    QList<QEL::AOCore_Lite *> m_lite;
};

} // namespace ZARN

#endif
