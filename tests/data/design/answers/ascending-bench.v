// The values of a and b as Verilog reads them, ctl driven through the
// output probe with the value @ctl that zarn encode gave.
module bench;
    reg clk = 1'b0;
    wire [0:3] y;
    ascending dut(.clk(clk), .a(8'h96), .b(8'h3C), .y(y), .tms_pad_i(1'b0), .tck_pad_i(1'b0), .tdi_pad_i(1'b0), .tdo_pad_o());
    initial begin
        force dut.u_zarn_debug.u_zarn0_top.probe_out0 = @ctl;
        #1 clk = 1'b1;
        #1 $display("%h %h %h", dut.u_zarn_debug.u_zarn0_top.probe_in0, dut.u_zarn_debug.u_zarn0_top.probe_in1, y);
    end
endmodule
