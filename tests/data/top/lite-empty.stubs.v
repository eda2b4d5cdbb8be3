module XQ_JTAG(input tms_pad_i, input tck_pad_i, input tdi_pad_i, output tdo_pad_o, output tck_o,
    output test_logic_reset_o, output run_test_idle_er1_o, output run_test_idle_er2_o,
    output shift_dr_capture_dr_o, output update_dr_o, output pause_dr_o, output enable_er1_o,
    output enable_er2_o, output tdi_o, input tdo_er1_i, input tdo_er2_i);
endmodule
module MUX2(output O, input I0, input I1, input S0);
assign O = S0 ? I1 : I0;
endmodule
module xq_zarn_top_0(input [9:0] control, input [0:0] probe_in0, output [0:0] probe_out0, input clk_i);
reg [0:0] drive_probe_out0;
assign probe_out0 = drive_probe_out0;
endmodule
module xq_zarn_con_top(input tck_i, input tdi_i, output tdo_o, input rst_i, output [9:0] control0, input enable_i, input shift_dr_capture_dr_i, input update_dr_i, output tdo_select);
endmodule
module xq_con_top(input tck_i, input tdi_i, output tdo_o, input rst_i, input enable_i, input shift_dr_capture_dr_i, input update_dr_i);
endmodule
