// Lints a fuzzed configuration file; one the lint calls clean is generated.
// In the replay suite, Icarus Verilog must then elaborate the top module
// with port-matched stubs: a clean file gives Verilog that parses.

#include "fuzzinput.h"

#include <zarn/configlint.h>
#include <zarn/configreader.h>
#include <zarn/zarnprepare.h>

#include <algorithm>

#ifdef ZARN_FUZZ_REPLAY
#include "verilogharness.h"
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString config = FuzzInput::write(QStringLiteral("in.xml"), QByteArray(reinterpret_cast<const char *>(data), int(size)));
    const QList<ZARN::LintFinding> findings = ZARN::lintConfigFile(config);
    if (std::any_of(findings.cbegin(), findings.cend(), [](const ZARN::LintFinding &f) { return f.severity == ZARN::LintFinding::Error; }))
        return 0;
    ZARN::ZarnArg arg;
    arg.configFile = config;
    arg.outputDir = FuzzInput::path(QStringLiteral("out"));
    if (!ZARN::ZarnPrepare().prepare(arg))
        qFatal("the lint calls the file clean, but it gives no generation");
#ifdef ZARN_FUZZ_REPLAY
    const QList<ZARN::ZarnCore *> cores = ZARN::readZARNConfigFromXml(config);
    const VerilogHarness::Harness harness = VerilogHarness::harness(cores);
    qDeleteAll(cores);
    QFile stubs(arg.outputDir + QLatin1String("/stubs.v"));
    if (!stubs.open(QIODevice::WriteOnly) || stubs.write(harness.stubs.toUtf8()) < 0)
        qFatal("cannot write the stubs");
    stubs.close();
    const VerilogHarness::Tool icarus =
        VerilogHarness::run(arg.outputDir, {"iverilog", "-g2005", "-s", "xq_zarn", "-o", "/dev/null", "xq_zarn_top.v", "stubs.v"});
    if (icarus.ran && !icarus.accepted)
        qFatal("Icarus rejects what a clean file generates:\n%s", qPrintable(icarus.output));
    if (!icarus.ran && qEnvironmentVariableIntValue("ZARN_REQUIRE_VERILOG_TOOLS") == 1)
        qFatal("iverilog is not installed");
#endif
    return 0;
}
