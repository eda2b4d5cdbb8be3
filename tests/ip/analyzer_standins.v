// Stand-ins for a logic analyzer's cores beside the open cores. Its control
// core takes every ER1 scan, as a real one does: Capture-DR loads
// {16'hA11A, the number of ER1 updates so far} into a 32-bit register that
// TDI then shifts through, and its TDO leaves the device wherever the open
// control core's tdo_select gives it the port. The cores sample nothing.
module xq_con_top(
    input tck_i, input tdi_i, output tdo_o, input rst_i,
    inout [9:0] control0,
    input enable_i, input shift_dr_capture_dr_i, input update_dr_i
);
    reg in_scan = 1'b0;
    reg [31:0] register = 32'd0;
    reg [15:0] updates = 16'd0;
    always @(posedge tck_i) begin
        if (enable_i && shift_dr_capture_dr_i) begin
            in_scan <= 1'b1;
            register <= in_scan ? {tdi_i, register[31:1]} : {16'hA11A, updates};
        end else begin
            in_scan <= 1'b0;
            if (enable_i && update_dr_i)
                updates <= updates + 16'd1;
        end
    end
    assign tdo_o = register[0];
endmodule

// The example's full analyzer core (examples/analyzer.xml).
module ao_top_0(
    inout [9:0] control,
    input trig2_i, input [1:0] trig5_i,
    input [4:0] data_i,
    input clk_i
);
endmodule

// Its lite analyzer core (tests/ip/analyzer-lite.xml).
module ao_top(inout [9:0] control, input [3:0] data_i, input clk_i);
endmodule
