module XQ_JTAG(input tms_pad_i, input tck_pad_i, input tdi_pad_i, output tdo_pad_o, output tck_o,
    output test_logic_reset_o, output run_test_idle_er1_o, output run_test_idle_er2_o,
    output shift_dr_capture_dr_o, output update_dr_o, output pause_dr_o, output enable_er1_o,
    output enable_er2_o, output tdi_o, input tdo_er1_i, input tdo_er2_i);
endmodule
module MUX2(output O, input I0, input I1, input S0);
assign O = S0 ? I1 : I0;
endmodule
module xq_zarn_top_0(input [9:0] control, input [2:0] probe_in0, output [0:0] probe_out0, input clk_i);
reg [0:0] drive_probe_out0;
assign probe_out0 = drive_probe_out0;
endmodule
module xq_zarn_top_1(input [9:0] control, input [0:0] probe_in2, input clk_i);
endmodule
module xq_zarn_top_2(input [9:0] control, output [1:0] probe_out0, input clk_i);
reg [1:0] drive_probe_out0;
assign probe_out0 = drive_probe_out0;
endmodule
module xq_zarn_con_top(input tck_i, input tdi_i, output tdo_o, input rst_i, output [9:0] control0, output [9:0] control1, output [9:0] control2, input enable_i, input shift_dr_capture_dr_i, input update_dr_i, output tdo_select);
endmodule
module xq_con_top(input tck_i, input tdi_i, output tdo_o, input rst_i, output [9:0] control0, output [9:0] control1, input enable_i, input shift_dr_capture_dr_i, input update_dr_i);
endmodule
module ao_top_0(input [9:0] control, input [1:0] trig3_i, input [0:0] trig7_i, input [2:0] data_i, input clk_i);
endmodule
module ao_top_1(input [9:0] control, input [0:0] trig12_i, input [1:0] data_i, input clk_i);
endmodule
