#include "topmodulewriters.h"

#include "external/qelutils.h"
#include "topmodulebuilder.h"

#include <QStringBuilder>

namespace ZARN {

namespace {

/**
 * The combined top module of "xq_qel_zarn_top.v", in which the virtual I/O
 * cores and @p analyzerCount analyzer cores share the JTAG port; the
 * analyzer instances come ready-made, for full or lite cores alike.
 */
QString combinedTopModule(const TopModuleNets &nets, int coreCount, const QString &coreInstances,
                          int analyzerCount, const QString &analyzerInstances)
{
    QString text;
    text += QLatin1String("module xq_qel_zarn(\n");
    nets.appendPortNames(text);
    text += QLatin1String(
        "    tms_pad_i,\n"
        "    tck_pad_i,\n"
        "    tdi_pad_i,\n"
        "    tdo_pad_o\n"
        ");\n"
        "\n");
    nets.appendInputDeclarations(text);
    nets.appendInoutDeclarations(text);
    text += QLatin1String(
        "input tms_pad_i;\n"
        "input tck_pad_i;\n"
        "input tdi_pad_i;\n"
        "output tdo_pad_o;\n"
        "\n");
    nets.appendWireDeclarations(text);
    text += QLatin1String(
        "wire tms_pad_i;\n"
        "wire tck_pad_i;\n"
        "wire tdi_pad_i;\n"
        "wire tdo_pad_o;\n"
        "wire tms_i_c;\n"
        "wire tck_i_c;\n"
        "wire tdi_i_c;\n"
        "wire tdo_o_c;\n");
    for (int i = 0; i < coreCount; ++i)
        text += QLatin1String("wire [9:0] zarn_control") % QString::number(i) % QLatin1String(";\n");
    for (int j = 0; j < analyzerCount; ++j)
        text += QLatin1String("wire [9:0] qel_control") % QString::number(j) % QLatin1String(";\n");
    text += QLatin1String(
        "wire zarn_qel_jtag_tck;\n"
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
        "    .rst_i(zarn_qel_jtag_reset),\n");
    for (int i = 0; i < coreCount; ++i) {
        const QString n = QString::number(i);
        text += QLatin1String("    .control") % n % QLatin1String("(zarn_control") % n % QLatin1String("[9:0]),\n");
    }
    text += QLatin1String(
        "    .enable_i(zarn_qel_enable_er1),\n"
        "    .shift_dr_capture_dr_i(zarn_qel_shift_dr_capture_dr),\n"
        "    .update_dr_i(zarn_qel_update_dr),\n"
        "    .tdo_select(tdo_select)\n"
        ");\n");
    text += coreInstances;
    text += QLatin1String(
        "\n"
        "xq_con_top  u_icon_top(\n"
        "    .tck_i(zarn_qel_jtag_tck),\n"
        "    .tdi_i(zarn_qel_jtag_tdi),\n"
        "    .tdo_o(qel_tdo_er1),\n"
        "    .rst_i(zarn_qel_jtag_reset),\n");
    for (int j = 0; j < analyzerCount; ++j) {
        const QString n = QString::number(j);
        text += QLatin1String("    .control") % n % QLatin1String("(qel_control") % n % QLatin1String("[9:0]),\n");
    }
    text += QLatin1String(
        "    .enable_i(zarn_qel_enable_er1),\n"
        "    .shift_dr_capture_dr_i(zarn_qel_shift_dr_capture_dr),\n"
        "    .update_dr_i(zarn_qel_update_dr)\n"
        ");\n");
    text += analyzerInstances;
    text += QLatin1String(
        "\n"
        "endmodule\n");
    return text;
}

QString analyzerFilePath(const ZarnArg &arg)
{
    return arg.outputDir + QLatin1String("/xq_qel_zarn_top.v");
}

} // namespace

bool writeTopModule(const ZarnArg &arg, const QList<ZarnCore *> &cores)
{
    TopModuleNets nets;
    const QString coreInstances = nets.addCores(cores, QLatin1String("control"));
    nets.finish();

    QString text;
    text += QLatin1String("module xq_zarn(\n");
    nets.appendPortNames(text);
    text += QLatin1String(
        "    tms_pad_i,\n"
        "    tck_pad_i,\n"
        "    tdi_pad_i,\n"
        "    tdo_pad_o\n"
        ");\n"
        "\n"
        "input tms_pad_i;\n"
        "input tck_pad_i;\n"
        "input tdi_pad_i;\n"
        "output tdo_pad_o;\n");
    nets.appendInputDeclarations(text);
    nets.appendInoutDeclarations(text);
    text += QLatin1String("\n");
    nets.appendWireDeclarations(text);
    text += QLatin1String(
        "wire tms_pad_i;\n"
        "wire tck_pad_i;\n"
        "wire tdi_pad_i;\n"
        "wire tdo_pad_o;\n");
    for (int i = 0; i < cores.size(); ++i)
        text += QLatin1String("wire [9:0] control") % QString::number(i) % QLatin1String(";\n");
    text += QLatin1String(
        "wire zarn_jtag_tck;\n"
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
        "    .rst_i(zarn_jtag_reset),\n");
    for (int i = 0; i < cores.size(); ++i) {
        const QString n = QString::number(i);
        text += QLatin1String("    .control") % n % QLatin1String("(control") % n % QLatin1String("[9:0]),\n");
    }
    text += QLatin1String(
        "    .enable_i(enable_er1),\n"
        "    .shift_dr_capture_dr_i(shift_dr_capture_dr),\n"
        "    .update_dr_i(update_dr),\n"
        "    .tdo_select(tdo_select)\n"
        ");\n");
    text += coreInstances;
    text += QLatin1String(
        "\n"
        "endmodule\n");

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
    const QString coreInstances = nets.addCores(cores, QLatin1String("zarn_control"));
    nets.finish();

    QString analyzerInstances;
    for (int j = 0; j < analyzerCores.size(); ++j) {
        const QEL::AoCore *analyzer = analyzerCores.at(j);
        const QString n = QString::number(j);
        analyzerInstances += QLatin1String("\n")
            % QLatin1String("ao_top_") % n % QLatin1String("  u_la") % n % QLatin1String("_top(\n")
            % QLatin1String("    .control(qel_control") % n % QLatin1String("[9:0]),\n");
        const QList<QEL::TriggerPort *> triggers = analyzer->availableTriggers();
        for (const QEL::TriggerPort *trigger : triggers) {
            analyzerInstances += QLatin1String("    .trig") % QString::number(trigger->triggerNumber)
                % QLatin1String("_i(") % TopModuleNets::inputConnection(trigger->singleSignals()) % QLatin1String("),\n");
        }
        analyzerInstances += QLatin1String("    .data_i(") % TopModuleNets::inputConnection(analyzer->dataSignals()) % QLatin1String("),\n")
            % QLatin1String("    .clk_i(") % TopModuleNets::inputConnection({analyzer->sampleClock()}) % QLatin1String(")\n")
            % QLatin1String(");\n");
    }

    const QString text = combinedTopModule(nets, cores.size(), coreInstances, analyzerCores.size(), analyzerInstances);
    return writeTopModuleFile(analyzerFilePath(arg), text);
}

bool writeLiteAnalyzerTopModule(const ZarnArg &arg, const QList<ZarnCore *> &cores, const QList<QEL::AOCore_Lite *> &liteCores)
{
    TopModuleNets nets;
    for (const QEL::AOCore_Lite *lite : liteCores) {
        nets.addInputs(lite->dataSignals());
        nets.addInputs({lite->sampleClock()});
    }
    const QString coreInstances = nets.addCores(cores, QLatin1String("zarn_control"));
    nets.finish();

    QString liteInstances;
    for (int j = 0; j < liteCores.size(); ++j) {
        const QEL::AOCore_Lite *lite = liteCores.at(j);
        const QString n = QString::number(j);
        // The first instance keeps the plain name; any further one carries
        // its position so that instance names stay distinct.
        const QString instance = j == 0 ? QStringLiteral("u_ao_top") : QLatin1String("u_ao_top_") + n;
        liteInstances += QLatin1String("\n")
            % QLatin1String("ao_top ") % instance % QLatin1String("(\n")
            % QLatin1String("    .control(qel_control") % n % QLatin1String("[9:0]),\n")
            % QLatin1String("    .data_i(") % TopModuleNets::inputConnection(lite->dataSignals()) % QLatin1String("),\n")
            % QLatin1String("    .clk_i(") % TopModuleNets::inputConnection({lite->sampleClock()}) % QLatin1String(")\n")
            % QLatin1String(");\n");
    }

    const QString text = combinedTopModule(nets, cores.size(), coreInstances, liteCores.size(), liteInstances);
    return writeTopModuleFile(analyzerFilePath(arg), text);
}

} // namespace ZARN
