#include <zarn/zarn.h>

#include <QTextStream>

// A small outside program: it sees only the installed headers and links the
// installed library.
int main()
{
    ZARN::ZarnCore core(3);
    core.getProbeIn(0)->setSignalNet({ZARN::SignalItem(QStringLiteral("a"))});
    ZARN::ZarnCore copy(core);

    static_assert(ZARNUTILS_VERSION >= ZARNUTILS_VERSION_CHECK(1, 0, 0), "the version header is installed");
    const bool ok = copy.getIndex() == 3 && copy.getProbeIn(0)->width() == 1
        && ZARN::stringBintoHex(QStringLiteral("11111")) == QStringLiteral("1F");
    // The Qt it runs with, to show that it links the library of its own Qt.
    QTextStream(stdout) << (ok ? "consumer ok " : "consumer FAILED ") << ZARNUTILS_VERSION_STRING << " Qt " << qVersion() << '\n';
    return ok ? 0 : 1;
}
