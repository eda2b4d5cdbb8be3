#include "generatedfile.h"

#include <QFile>
#include <QMessageLogger>

namespace ZARN {

bool writeGeneratedFile(const QString &path, const QString &text, const QString &failureMessage)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        QMessageLogger().critical("%s", qUtf8Printable(failureMessage));
        return false;
    }
    file.write(text.toUtf8());
    file.close();
    return true;
}

} // namespace ZARN
