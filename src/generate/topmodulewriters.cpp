#include "topmodulewriters.h"

#include "external/qelutils.h"
#include "generatednames.h"
#include "topmodulebuilder.h"

#include <zarn/zarncore.h>

#include <QFile>

namespace ZARN {

namespace {

/**
 * Writes the file at @p path with the text that @p appendText appends: the
 * text goes to the file in large pieces while it is built.  False, with
 * the critical message, when the file cannot be opened; a later failed
 * write goes to @p failures.
 */
template<typename AppendText>
bool writeTopModuleFile(const QString &path, WriteFailures *failures, AppendText appendText)
{
    QFile file(path);
    if (!openGeneratedFile(file, QStringLiteral("failded to open result file."), failures))
        return false;
    VerilogText text(&file);
    appendText(text);
    text.flush();
    closeGeneratedFile(file, !text.failed(), failures);
    return true;
}

/** The standalone top module of "xq_zarn_top.v". */
void appendStandaloneTopModule(VerilogText &text, const TopModuleNets &nets, const QList<ZarnCore *> &cores)
{
    text << "module " << GeneratedNames::standaloneTopModule << "(\n";
    nets.appendPortNames(text);
    text << "    tms_pad_i,\n"
            "    tck_pad_i,\n"
            "    tdi_pad_i,\n"
            "    tdo_pad_o\n"
            ");\n"
            "\n"
            "input tms_pad_i;\n"
            "input tck_pad_i;\n"
            "input tdi_pad_i;\n"
            "output tdo_pad_o;\n";
    nets.appendInputDeclarations(text);
    nets.appendInoutDeclarations(text);
    text << "\n";
    nets.appendWireDeclarations(text);
    text << "wire tms_pad_i;\n"
            "wire tck_pad_i;\n"
            "wire tdi_pad_i;\n"
            "wire tdo_pad_o;\n";
    for (int i = 0; i < cores.size(); ++i)
        text << "wire [9:0] control" << i << ";\n";
    text << "wire zarn_jtag_tck;\n"
            "wire zarn_jtag_reset;\n"
            "wire run_test_idle_er1;\n"
            "wire run_test_idle_er2;\n"
            "wire shift_dr_capture_dr;\n"
            "wire update_dr;\n"
            "wire pause_dr;\n"
            "wire enable_er1;\n"
            "wire enable_er2;\n"
            "wire zarn_jtag_tdi;\n"
            "wire tdo_er1;\n"
            "wire tdo_select;\n"
            "\n"
            "XQ_JTAG  u_xq_jtag(\n"
            "    .tms_pad_i(tms_pad_i),\n"
            "    .tck_pad_i(tck_pad_i),\n"
            "    .tdi_pad_i(tdi_pad_i),\n"
            "    .tdo_pad_o(tdo_pad_o),\n"
            "    .tck_o(zarn_jtag_tck),\n"
            "    .test_logic_reset_o(zarn_jtag_reset),\n"
            "    .run_test_idle_er1_o(run_test_idle_er1),\n"
            "    .run_test_idle_er2_o(run_test_idle_er2),\n"
            "    .shift_dr_capture_dr_o(shift_dr_capture_dr),\n"
            "    .update_dr_o(update_dr),\n"
            "    .pause_dr_o(pause_dr),\n"
            "    .enable_er1_o(enable_er1),\n"
            "    .enable_er2_o(enable_er2),\n"
            "    .tdi_o(zarn_jtag_tdi),\n"
            "    .tdo_er1_i(tdo_er1),\n"
            "    .tdo_er2_i(1'b0)\n"
            ");\n"
            "\n"
            "xq_zarn_con_top  u_zarn_icon_top(\n"
            "    .tck_i(zarn_jtag_tck),\n"
            "    .tdi_i(zarn_jtag_tdi),\n"
            "    .tdo_o(tdo_er1),\n"
            "    .rst_i(zarn_jtag_reset),\n";
    for (int i = 0; i < cores.size(); ++i)
        text << "    .control" << i << "(control" << i << "[9:0]),\n";
    text << "    .enable_i(enable_er1),\n"
            "    .shift_dr_capture_dr_i(shift_dr_capture_dr),\n"
            "    .update_dr_i(update_dr),\n"
            "    .tdo_select(tdo_select)\n"
            ");\n";
    nets.appendCoreInstances(text, cores, "control");
    text << "\n"
            "endmodule\n";
}

/** The ports and wires of the combined top module, up to its instances. */
void appendCombinedDeclarations(VerilogText &text, const TopModuleNets &nets, qsizetype coreCount, qsizetype analyzerCount)
{
    text << "module " << GeneratedNames::combinedTopModule << "(\n";
    nets.appendPortNames(text);
    text << "    tms_pad_i,\n"
            "    tck_pad_i,\n"
            "    tdi_pad_i,\n"
            "    tdo_pad_o\n"
            ");\n"
            "\n";
    nets.appendInputDeclarations(text);
    nets.appendInoutDeclarations(text);
    text << "input tms_pad_i;\n"
            "input tck_pad_i;\n"
            "input tdi_pad_i;\n"
            "output tdo_pad_o;\n"
            "\n";
    nets.appendWireDeclarations(text);
    text << "wire tms_pad_i;\n"
            "wire tck_pad_i;\n"
            "wire tdi_pad_i;\n"
            "wire tdo_pad_o;\n"
            "wire tms_i_c;\n"
            "wire tck_i_c;\n"
            "wire tdi_i_c;\n"
            "wire tdo_o_c;\n";
    for (int i = 0; i < coreCount; ++i)
        text << "wire [9:0] zarn_control" << i << ";\n";
    for (int j = 0; j < analyzerCount; ++j)
        text << "wire [9:0] qel_control" << j << ";\n";
    text << "wire zarn_qel_jtag_tck;\n"
            "wire zarn_qel_jtag_reset;\n"
            "wire run_test_idle_er1;\n"
            "wire run_test_idle_er2;\n"
            "wire zarn_qel_shift_dr_capture_dr;\n"
            "wire zarn_qel_update_dr;\n"
            "wire pause_dr;\n"
            "wire zarn_qel_enable_er1;\n"
            "wire zarn_qel_enable_er2;\n"
            "wire zarn_qel_jtag_tdi;\n"
            "wire zarn_tdo_er1;\n"
            "wire qel_tdo_er1;\n"
            "wire tdo_er1;\n"
            "wire tdo_select;\n";
}

/** The JTAG primitive of the combined top module, and the multiplexer that gives its TDO to one side. */
void appendCombinedJtag(VerilogText &text)
{
    text << "\n"
            "MUX2 mux2_inst(\n"
            "    .O(tdo_er1),\n"
            "    .I0(zarn_tdo_er1),\n"
            "    .I1(qel_tdo_er1),\n"
            "    .S0(tdo_select)\n"
            ");\n"
            "\n"
            "XQ_JTAG  u_xq_jtag(\n"
            "    .tms_pad_i(tms_pad_i),\n"
            "    .tck_pad_i(tck_pad_i),\n"
            "    .tdi_pad_i(tdi_pad_i),\n"
            "    .tdo_pad_o(tdo_pad_o),\n"
            "    .tck_o(zarn_qel_jtag_tck),\n"
            "    .test_logic_reset_o(zarn_qel_jtag_reset),\n"
            "    .run_test_idle_er1_o(run_test_idle_er1),\n"
            "    .run_test_idle_er2_o(run_test_idle_er2),\n"
            "    .shift_dr_capture_dr_o(zarn_qel_shift_dr_capture_dr),\n"
            "    .update_dr_o(zarn_qel_update_dr),\n"
            "    .pause_dr_o(pause_dr),\n"
            "    .enable_er1_o(zarn_qel_enable_er1),\n"
            "    .enable_er2_o(zarn_qel_enable_er2),\n"
            "    .tdi_o(zarn_qel_jtag_tdi),\n"
            "    .tdo_er1_i(tdo_er1),\n"
            "    .tdo_er2_i(1'b0)\n"
            ");\n"
            "\n";
}

/** The two control cores of the combined top module, the virtual I/O cores' and the analyzers'. */
void appendCombinedControlCores(VerilogText &text, const TopModuleNets &nets, const QList<ZarnCore *> &cores, qsizetype analyzerCount)
{
    const qsizetype coreCount = cores.size();
    text << "xq_zarn_con_top  u_zarn_icon_top(\n"
            "    .tck_i(zarn_qel_jtag_tck),\n"
            "    .tdi_i(zarn_qel_jtag_tdi),\n"
            "    .tdo_o(zarn_tdo_er1),\n"
            "    .rst_i(zarn_qel_jtag_reset),\n";
    for (int i = 0; i < coreCount; ++i)
        text << "    .control" << i << "(zarn_control" << i << "[9:0]),\n";
    text << "    .enable_i(zarn_qel_enable_er1),\n"
            "    .shift_dr_capture_dr_i(zarn_qel_shift_dr_capture_dr),\n"
            "    .update_dr_i(zarn_qel_update_dr),\n"
            "    .tdo_select(tdo_select)\n"
            ");\n";
    nets.appendCoreInstances(text, cores, "zarn_control");
    text << "\n"
            "xq_con_top  u_icon_top(\n"
            "    .tck_i(zarn_qel_jtag_tck),\n"
            "    .tdi_i(zarn_qel_jtag_tdi),\n"
            "    .tdo_o(qel_tdo_er1),\n"
            "    .rst_i(zarn_qel_jtag_reset),\n";
    for (int j = 0; j < analyzerCount; ++j)
        text << "    .control" << j << "(qel_control" << j << "[9:0]),\n";
    text << "    .enable_i(zarn_qel_enable_er1),\n"
            "    .shift_dr_capture_dr_i(zarn_qel_shift_dr_capture_dr),\n"
            "    .update_dr_i(zarn_qel_update_dr)\n"
            ");\n";
}

/**
 * The combined top module of "xq_qel_zarn_top.v", in which the virtual I/O
 * @p cores and @p analyzerCount analyzer cores share the JTAG port;
 * @p appendAnalyzerInstances writes the analyzer instances, of full or lite
 * cores alike.
 */
template<typename AppendAnalyzerInstances>
void appendCombinedTopModule(VerilogText &text, const TopModuleNets &nets, const QList<ZarnCore *> &cores, qsizetype analyzerCount,
                             AppendAnalyzerInstances appendAnalyzerInstances)
{
    appendCombinedDeclarations(text, nets, cores.size(), analyzerCount);
    appendCombinedJtag(text);
    appendCombinedControlCores(text, nets, cores, analyzerCount);
    appendAnalyzerInstances(text);
    text << "\n"
            "endmodule\n";
}

/** The instances of full analyzer cores in the combined top module. */
void appendFullAnalyzerInstances(VerilogText &text, const QList<QEL::AoCore *> &analyzerCores)
{
    for (int j = 0; j < analyzerCores.size(); ++j) {
        const QEL::AoCore *analyzer = analyzerCores.at(j);
        text << "\n"
             << "ao_top_" << j << "  u_la" << j << "_top(\n"
             << "    .control(qel_control" << j << "[9:0]),\n";
        const QList<QEL::TriggerPort *> triggers = analyzer->availableTriggers();
        for (const QEL::TriggerPort *trigger : triggers) {
            text << "    .trig" << trigger->triggerNumber << "_i(";
            TopModuleNets::appendInputConnection(text, trigger->singleSignals());
            text << "),\n";
        }
        text << "    .data_i(";
        TopModuleNets::appendInputConnection(text, analyzer->dataSignals());
        text << "),\n"
                "    .clk_i(";
        TopModuleNets::appendInputConnection(text, {analyzer->sampleClock()});
        text << ")\n"
                ");\n";
    }
}

/** The instances of lite analyzer cores in the combined top module. */
void appendLiteAnalyzerInstances(VerilogText &text, const QList<QEL::AOCore_Lite *> &liteCores)
{
    for (int j = 0; j < liteCores.size(); ++j) {
        const QEL::AOCore_Lite *lite = liteCores.at(j);
        text << "\n"
             << "ao_top u_ao_top";
        // The first instance keeps the plain name; any further one carries
        // its position, so that instance names stay distinct.
        if (j > 0)
            text << "_" << j;
        text << "(\n"
             << "    .control(qel_control" << j << "[9:0]),\n"
             << "    .data_i(";
        TopModuleNets::appendInputConnection(text, lite->dataSignals());
        text << "),\n"
                "    .clk_i(";
        TopModuleNets::appendInputConnection(text, {lite->sampleClock()});
        text << ")\n"
                ");\n";
    }
}

QString combinedFilePath(const ZarnArg &arg)
{
    return arg.outputDir + QLatin1Char('/') + GeneratedNames::topFile(true);
}

} // namespace

bool writeTopModule(const ZarnArg &arg, const QList<ZarnCore *> &cores, WriteFailures *failures)
{
    const TopModuleNets nets = topModuleNets(cores);
    return writeTopModuleFile(arg.outputDir + QLatin1Char('/') + GeneratedNames::topFile(false), failures,
                              [&](VerilogText &text) { appendStandaloneTopModule(text, nets, cores); });
}

bool writeAnalyzerTopModule(const ZarnArg &arg, const QList<ZarnCore *> &cores, const QList<QEL::AoCore *> &analyzerCores, WriteFailures *failures)
{
    const TopModuleNets nets = topModuleNets(cores, analyzerCores);

    return writeTopModuleFile(combinedFilePath(arg), failures, [&](VerilogText &text) {
        appendCombinedTopModule(text, nets, cores, analyzerCores.size(), [&](VerilogText &out) { appendFullAnalyzerInstances(out, analyzerCores); });
    });
}

bool writeLiteAnalyzerTopModule(const ZarnArg &arg, const QList<ZarnCore *> &cores, const QList<QEL::AOCore_Lite *> &liteCores, WriteFailures *failures)
{
    const TopModuleNets nets = topModuleNets(cores, liteCores);

    return writeTopModuleFile(combinedFilePath(arg), failures, [&](VerilogText &text) {
        appendCombinedTopModule(text, nets, cores, liteCores.size(), [&](VerilogText &out) { appendLiteAnalyzerInstances(out, liteCores); });
    });
}

QByteArray topModuleSkeleton(TopModuleKind kind, qsizetype coreCount, qsizetype analyzerCount)
{
    // The cores and analyzer cores of the skeleton bind no net: what the
    // writers then emit is theirs alone.
    QList<ZarnCore *> cores;
    for (int i = 0; i < coreCount; ++i)
        cores.append(new ZarnCore(i));
    QList<QEL::AoCore *> analyzerCores;
    QList<QEL::AOCore_Lite *> liteCores;
    for (int j = 0; j < analyzerCount; ++j) {
        analyzerCores.append(new QEL::AoCore(QStringList(), QString()));
        liteCores.append(new QEL::AOCore_Lite(QStringList(), QString()));
    }
    TopModuleNets nets;
    nets.addCores(cores);
    nets.finish();
    VerilogText text;
    if (kind == TopModuleKind::Standalone)
        appendStandaloneTopModule(text, nets, cores);
    else if (kind == TopModuleKind::FullAnalyzer)
        appendCombinedTopModule(text, nets, cores, analyzerCount, [&](VerilogText &out) { appendFullAnalyzerInstances(out, analyzerCores); });
    else
        appendCombinedTopModule(text, nets, cores, analyzerCount, [&](VerilogText &out) { appendLiteAnalyzerInstances(out, liteCores); });
    qDeleteAll(cores);
    qDeleteAll(analyzerCores);
    qDeleteAll(liteCores);
    return QByteArray(text.bytes().constData(), text.bytes().size());
}

} // namespace ZARN
