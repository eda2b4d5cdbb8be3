#include "analyzerfile.h"

namespace ZARN {

AnalyzerFile::AnalyzerFile(const QString &path, LiteCores lite)
    : m_full(QEL::readQELConfigFromXml(path, &m_ok, &m_error))
{
    if (lite == Every || m_full.isEmpty())
        m_lite = QEL::readQELConfigFromXml_Lite(path);
}

AnalyzerFile::~AnalyzerFile()
{
    qDeleteAll(m_full);
    qDeleteAll(m_lite);
}

} // namespace ZARN
