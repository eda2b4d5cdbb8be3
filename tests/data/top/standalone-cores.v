module xq_zarn(
    \d[3] ,
    clk,
    \bus[1] ,
    \bus[0] ,
    a,
    e,
    y,
    x,
    z,
    \q[0] ,
    \q[1] ,
    tms_pad_i,
    tck_pad_i,
    tdi_pad_i,
    tdo_pad_o
);

input tms_pad_i;
input tck_pad_i;
input tdi_pad_i;
output tdo_pad_o;
input \d[3] ;
input clk;
input \bus[1] ;
input \bus[0] ;
input a;
input e;
inout y;
inout x;
inout z;
inout \q[0] ;
inout \q[1] ;

wire \d[3] ;
wire clk;
wire \bus[1] ;
wire \bus[0] ;
wire a;
wire e;
wire tms_pad_i;
wire tck_pad_i;
wire tdi_pad_i;
wire tdo_pad_o;
wire [9:0] control0;
wire [9:0] control1;
wire [9:0] control2;
wire zarn_jtag_tck;
wire zarn_jtag_reset;
wire run_test_idle_er1;
wire run_test_idle_er2;
wire shift_dr_capture_dr;
wire update_dr;
wire pause_dr;
wire enable_er1;
wire enable_er2;
wire zarn_jtag_tdi;
wire tdo_er1;
wire tdo_select;

XQ_JTAG  u_xq_jtag(
    .tms_pad_i(tms_pad_i),
    .tck_pad_i(tck_pad_i),
    .tdi_pad_i(tdi_pad_i),
    .tdo_pad_o(tdo_pad_o),
    .tck_o(zarn_jtag_tck),
    .test_logic_reset_o(zarn_jtag_reset),
    .run_test_idle_er1_o(run_test_idle_er1),
    .run_test_idle_er2_o(run_test_idle_er2),
    .shift_dr_capture_dr_o(shift_dr_capture_dr),
    .update_dr_o(update_dr),
    .pause_dr_o(pause_dr),
    .enable_er1_o(enable_er1),
    .enable_er2_o(enable_er2),
    .tdi_o(zarn_jtag_tdi),
    .tdo_er1_i(tdo_er1),
    .tdo_er2_i(1'b0)
);

xq_zarn_con_top  u_zarn_icon_top(
    .tck_i(zarn_jtag_tck),
    .tdi_i(zarn_jtag_tdi),
    .tdo_o(tdo_er1),
    .rst_i(zarn_jtag_reset),
    .control0(control0[9:0]),
    .control1(control1[9:0]),
    .control2(control2[9:0]),
    .enable_i(enable_er1),
    .shift_dr_capture_dr_i(shift_dr_capture_dr),
    .update_dr_i(update_dr),
    .tdo_select(tdo_select)
);

xq_zarn_top_0  u_zarn0_top(
    .control(control0[9:0]),
    .probe_in3({\d[3] ,clk}),
    .probe_in1({\bus[1] ,\bus[0] ,a,a}),
    .probe_out0(y),
    .probe_out1({z,\q[0] }),
    .probe_out2(x),
    .clk_i(clk)
);

xq_zarn_top_1  u_zarn1_top(
    .control(control1[9:0]),
    .probe_out0({\q[0] ,\q[1] })
);

xq_zarn_top_2  u_zarn2_top(
    .control(control2[9:0]),
    .probe_in0({a,\d[3] ,e})
);

endmodule
