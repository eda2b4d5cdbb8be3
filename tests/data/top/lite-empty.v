module xq_qel_zarn(
    a,
    q,
    tms_pad_i,
    tck_pad_i,
    tdi_pad_i,
    tdo_pad_o
);

input a;
inout q;
input tms_pad_i;
input tck_pad_i;
input tdi_pad_i;
output tdo_pad_o;

wire a;
wire tms_pad_i;
wire tck_pad_i;
wire tdi_pad_i;
wire tdo_pad_o;
wire tms_i_c;
wire tck_i_c;
wire tdi_i_c;
wire tdo_o_c;
wire [9:0] zarn_control0;
wire zarn_qel_jtag_tck;
wire zarn_qel_jtag_reset;
wire run_test_idle_er1;
wire run_test_idle_er2;
wire zarn_qel_shift_dr_capture_dr;
wire zarn_qel_update_dr;
wire pause_dr;
wire zarn_qel_enable_er1;
wire zarn_qel_enable_er2;
wire zarn_qel_jtag_tdi;
wire zarn_tdo_er1;
wire qel_tdo_er1;
wire tdo_er1;
wire tdo_select;

MUX2 mux2_inst(
    .O(tdo_er1),
    .I0(zarn_tdo_er1),
    .I1(qel_tdo_er1),
    .S0(tdo_select)
);

XQ_JTAG  u_xq_jtag(
    .tms_pad_i(tms_pad_i),
    .tck_pad_i(tck_pad_i),
    .tdi_pad_i(tdi_pad_i),
    .tdo_pad_o(tdo_pad_o),
    .tck_o(zarn_qel_jtag_tck),
    .test_logic_reset_o(zarn_qel_jtag_reset),
    .run_test_idle_er1_o(run_test_idle_er1),
    .run_test_idle_er2_o(run_test_idle_er2),
    .shift_dr_capture_dr_o(zarn_qel_shift_dr_capture_dr),
    .update_dr_o(zarn_qel_update_dr),
    .pause_dr_o(pause_dr),
    .enable_er1_o(zarn_qel_enable_er1),
    .enable_er2_o(zarn_qel_enable_er2),
    .tdi_o(zarn_qel_jtag_tdi),
    .tdo_er1_i(tdo_er1),
    .tdo_er2_i(1'b0)
);

xq_zarn_con_top  u_zarn_icon_top(
    .tck_i(zarn_qel_jtag_tck),
    .tdi_i(zarn_qel_jtag_tdi),
    .tdo_o(zarn_tdo_er1),
    .rst_i(zarn_qel_jtag_reset),
    .control0(zarn_control0[9:0]),
    .enable_i(zarn_qel_enable_er1),
    .shift_dr_capture_dr_i(zarn_qel_shift_dr_capture_dr),
    .update_dr_i(zarn_qel_update_dr),
    .tdo_select(tdo_select)
);

xq_zarn_top_0  u_zarn0_top(
    .control(zarn_control0[9:0]),
    .probe_in0(a),
    .probe_out0(q)
);

xq_con_top  u_icon_top(
    .tck_i(zarn_qel_jtag_tck),
    .tdi_i(zarn_qel_jtag_tdi),
    .tdo_o(qel_tdo_er1),
    .rst_i(zarn_qel_jtag_reset),
    .enable_i(zarn_qel_enable_er1),
    .shift_dr_capture_dr_i(zarn_qel_shift_dr_capture_dr),
    .update_dr_i(zarn_qel_update_dr)
);

endmodule
