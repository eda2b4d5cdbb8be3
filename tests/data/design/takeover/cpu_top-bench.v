// The cpu inserted on the open cores with its rst taken over (dut), beside
// the original, whose undriven dbg_ctrl and dbg_value follow what the
// output probe drives in dut: with the select at its initial 0 both run in
// step, cycle by cycle, the probe's own rst bit at 1 notwithstanding; with
// the select set, the cpu is held in reset while the original runs on.
`timescale 1ns/1ps
module bench;
    reg clk = 1'b0, rst = 1'b1;
    reg [7:0] in_port = 8'h21;
    wire [7:0] out_dut, out_ref;
    wire halted_dut, halted_ref;
    cpu_top dut(.clk(clk), .rst(rst), .in_port(in_port), .out_port(out_dut), .halted(halted_dut),
                .tms_pad_i(1'b1), .tck_pad_i(1'b0), .tdi_pad_i(1'b0), .tdo_pad_o());
    cpu_top_original original(.clk(clk), .rst(rst), .in_port(in_port), .out_port(out_ref), .halted(halted_ref));
    always #5 clk = !clk;
    always @(dut.dbg_ctrl or dut.dbg_value) begin
        force original.dbg_ctrl = dut.dbg_ctrl;
        force original.dbg_value = dut.dbg_value;
    end

    integer failures = 0, cycles = 0;
    reg compare = 1'b1;
    always @(negedge clk)
        if (compare) begin
            cycles = cycles + 1;
            if ({out_dut, halted_dut, dut.pc} !== {out_ref, halted_ref, original.pc}) begin
                if (failures < 5)
                    $display("FAIL at %0t: out_port %h, halted %b, pc %h; the original's %h, %b, %h", $time, out_dut, halted_dut, dut.pc,
                             out_ref, halted_ref, original.pc);
                failures = failures + 1;
            end
        end

    integer i;
    initial begin
        for (i = 0; i < 4; i = i + 1) begin
            rst = 1'b1;
            repeat (2 + i) @(negedge clk) #1;
            rst = 1'b0;
            in_port = $random;
            repeat (30 + 7 * i) @(negedge clk) #1;
        end
        if (halted_dut !== 1'b1) begin
            $display("FAIL the program never halted");
            failures = failures + 1;
        end
        // Held in reset by the taken-over rst, the original running on from its reset.
        compare = 1'b0;
        rst = 1'b1;
        @(negedge clk) #1 rst = 1'b0;
        force dut.cpu_hold = 1'b1;
        repeat (10) @(negedge clk);
        if (dut.pc !== 8'h00 || original.pc === 8'h00) begin
            $display("FAIL held in reset: pc %h, the original's %h", dut.pc, original.pc);
            failures = failures + 1;
        end
        if (cycles < 150 || failures != 0)
            $display("FAIL after %0d cycles compared", cycles);
        else
            $display("PASS");
        $finish;
    end
endmodule
