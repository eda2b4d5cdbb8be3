#include "topmodulewriters.h"

#include "external/qelutils.h"
#include "topmodulebuilder.h"

namespace ZARN {

namespace {

/**
 * The combined top module of "xq_qel_zarn_top.v", in which the virtual I/O
 * cores and @p analyzerCount analyzer cores share the JTAG port; the
 * analyzer instances come ready-made, for full or lite cores alike.
 */
VerilogText combinedTopModule(const TopModuleNets &nets, int coreCount, const VerilogText &coreInstances,
                              int analyzerCount, const VerilogText &analyzerInstances)
{
    VerilogText text;
    text << "module xq_qel_zarn(\n";
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
            "wire tdo_select;\n"
            "\n"
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
            "\n"
            "xq_zarn_con_top  u_zarn_icon_top(\n"
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
    text << coreInstances.bytes();
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
    text << analyzerInstances.bytes();
    text << "\n"
            "endmodule\n";
    return text;
}

QString combinedFilePath(const ZarnArg &arg)
{
    return arg.outputDir + QLatin1String("/xq_qel_zarn_top.v");
}

} // namespace

bool writeTopModule(const ZarnArg &arg, const QList<ZarnCore *> &cores)
{
    TopModuleNets nets;
    const VerilogText coreInstances = nets.addCores(cores, QByteArrayLiteral("control"));
    nets.finish();

    VerilogText text;
    text << "module xq_zarn(\n";
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
    text << coreInstances.bytes();
    text << "\n"
            "endmodule\n";

    return writeTopModuleFile(arg.outputDir + QLatin1String("/xq_zarn_top.v"), text);
}

bool writeAnalyzerTopModule(const ZarnArg &arg, const QList<ZarnCore *> &cores, const QList<QEL::AoCore *> &analyzerCores)
{
    TopModuleNets nets;
    for (const QEL::AoCore *analyzer : analyzerCores) {
        nets.addInputs(analyzer->dataSignals());
        const QList<QEL::TriggerPort *> triggers = analyzer->availableTriggers();
        for (const QEL::TriggerPort *trigger : triggers)
            nets.addInputs(trigger->singleSignals());
        nets.addInputs({analyzer->sampleClock()});
    }
    const VerilogText coreInstances = nets.addCores(cores, QByteArrayLiteral("zarn_control"));
    nets.finish();

    VerilogText analyzerInstances;
    for (int j = 0; j < analyzerCores.size(); ++j) {
        const QEL::AoCore *analyzer = analyzerCores.at(j);
        analyzerInstances << "\n"
                          << "ao_top_" << j << "  u_la" << j << "_top(\n"
                          << "    .control(qel_control" << j << "[9:0]),\n";
        const QList<QEL::TriggerPort *> triggers = analyzer->availableTriggers();
        for (const QEL::TriggerPort *trigger : triggers) {
            analyzerInstances << "    .trig" << trigger->triggerNumber << "_i("
                              << TopModuleNets::inputConnection(trigger->singleSignals()) << "),\n";
        }
        analyzerInstances << "    .data_i(" << TopModuleNets::inputConnection(analyzer->dataSignals()) << "),\n"
                          << "    .clk_i(" << TopModuleNets::inputConnection({analyzer->sampleClock()}) << ")\n"
                          << ");\n";
    }

    const VerilogText text = combinedTopModule(nets, cores.size(), coreInstances, analyzerCores.size(), analyzerInstances);
    return writeTopModuleFile(combinedFilePath(arg), text);
}

bool writeLiteAnalyzerTopModule(const ZarnArg &arg, const QList<ZarnCore *> &cores, const QList<QEL::AOCore_Lite *> &liteCores)
{
    TopModuleNets nets;
    for (const QEL::AOCore_Lite *lite : liteCores) {
        nets.addInputs(lite->dataSignals());
        nets.addInputs({lite->sampleClock()});
    }
    const VerilogText coreInstances = nets.addCores(cores, QByteArrayLiteral("zarn_control"));
    nets.finish();

    VerilogText liteInstances;
    for (int j = 0; j < liteCores.size(); ++j) {
        const QEL::AOCore_Lite *lite = liteCores.at(j);
        liteInstances << "\n"
                      << "ao_top u_ao_top";
        // The first instance keeps the plain name; any further one carries
        // its position, so that instance names stay distinct.
        if (j > 0)
            liteInstances << "_" << j;
        liteInstances << "(\n"
                      << "    .control(qel_control" << j << "[9:0]),\n"
                      << "    .data_i(" << TopModuleNets::inputConnection(lite->dataSignals()) << "),\n"
                      << "    .clk_i(" << TopModuleNets::inputConnection({lite->sampleClock()}) << ")\n"
                      << ");\n";
    }

    const VerilogText text = combinedTopModule(nets, cores.size(), coreInstances, liteCores.size(), liteInstances);
    return writeTopModuleFile(combinedFilePath(arg), text);
}

} // namespace ZARN
