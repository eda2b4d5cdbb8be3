// Empty stand-ins for the logic analyzer's control core and core, which the
// combined top module of the example instantiates but which ship with the
// analyzer: enough for a simulator to elaborate the design, nothing more.

module xq_con_top(
    input tck_i, input tdi_i, output tdo_o, input rst_i,
    inout [9:0] control0,
    input enable_i, input shift_dr_capture_dr_i, input update_dr_i
);
endmodule

module ao_top_0(
    inout [9:0] control,
    input trig2_i, input [1:0] trig5_i,
    input [4:0] data_i,
    input clk_i
);
endmodule
