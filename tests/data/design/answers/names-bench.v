module bench;
    reg [1:0] a;
    wire y;
    wire [3:0] f;
    wire [7:0] word;
    names dut(.clk(1'b0), .a(a), .addr(2'b0), .y(y), .f(f), .word(word), .tms_pad_i(1'b0), .tck_pad_i(1'b0), .tdi_pad_i(1'b0), .tdo_pad_o());
    initial begin
        a = 2'b00; #1 $display("%b", dut.u_zarn_debug.u_zarn0_top.probe_in0);
        a = 2'b11; #1 $display("%b", dut.u_zarn_debug.u_zarn0_top.probe_in0);
    end
endmodule
