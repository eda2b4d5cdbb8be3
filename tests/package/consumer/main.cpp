#include <zarn/zarn.h>

#include <QDomDocument>
#include <QTextStream>

// A small outside program: it sees only the installed headers and links the
// installed library; Qt's Xml module comes with the package.
int main()
{
    ZARN::ZarnCore core(3);
    core.getProbeIn(0)->setSignalNet({ZARN::SignalItem(QStringLiteral("a"))});
    ZARN::ZarnCore copy(core);

    QDomDocument document;
    const bool parsed = document.setContent(QByteArrayLiteral("<a/>"));

    const bool ok = parsed && copy.getIndex() == 3 && copy.getProbeIn(0)->width() == 1
        && ZARN::stringBintoHex(QStringLiteral("11111")) == QStringLiteral("1F");
    QTextStream(stdout) << (ok ? "consumer ok" : "consumer FAILED") << '\n';
    return ok ? 0 : 1;
}
