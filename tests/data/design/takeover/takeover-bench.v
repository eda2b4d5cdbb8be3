// takeover.v inserted with its nets taken over (dut), beside the original
//: with every select at its initial 0 both run in step, cycle by
// cycle, whatever the probes' own values; with a select set, the net carries
// the probe's value and the logic that reads it follows.  The bench sets the
// selects and probes by force, where the debug core would drive them.
`timescale 1ns/1ps
module bench;
    reg clk = 1'b0, rst = 1'b1;
    reg [3:0] a = 4'd0;
    wire [7:0] cnt_dut, cnt_ref;
    wire [1:0] state_dut, state_ref;
    wire parity_dut, parity_ref;
    wire [3:0] lanes_dut, lanes_ref;
    takeover dut(.clk(clk), .rst(rst), .a(a), .cnt(cnt_dut), .state(state_dut), .parity(parity_dut), .lanes(lanes_dut),
                 .tms_pad_i(1'b1), .tck_pad_i(1'b0), .tdi_pad_i(1'b0), .tdo_pad_o());
    takeover_original original(.clk(clk), .rst(rst), .a(a), .cnt(cnt_ref), .state(state_ref), .parity(parity_ref), .lanes(lanes_ref));
    always #5 clk = !clk;

    integer failures = 0;
    task check(input [255:0] what, input [15:0] got, input [15:0] wanted);
        if (got !== wanted) begin
            $display("FAIL %0s: got %h, wanted %h", what, got, wanted);
            failures = failures + 1;
        end
    endtask

    reg compare = 1'b1;
    integer cycles = 0;
    always @(negedge clk)
        if (compare) begin
            cycles = cycles + 1;
            if ({cnt_dut, state_dut, parity_dut, lanes_dut} !== {cnt_ref, state_ref, parity_ref, lanes_ref}) begin
                if (failures < 5)
                    $display("FAIL at %0t: %h %b %b %b, the original's %h %b %b %b", $time, cnt_dut, state_dut, parity_dut, lanes_dut,
                             cnt_ref, state_ref, parity_ref, lanes_ref);
                failures = failures + 1;
            end
        end

    integer i;
    reg [3:0] low;
    initial begin
        repeat (3) @(negedge clk);
        rst = 1'b0;
        for (i = 0; i < 300; i = i + 1) begin
            // Away from the edge at which the outputs are compared.
            @(negedge clk) #1;
            a = $random;
            rst = ($random & 63) == 0;
        end
        compare = 1'b0;
        rst = 1'b0;
        a = 4'b1111;

        // The counter held in reset by its taken-over rst.  Each check
        // is made while the select is set: what a simulator does on a
        // release is its own.
        force dut.\rst$zarn_probe = 1'b1;
        force dut.hold_sel = 1'b1;
        repeat (3) @(negedge clk);
        check("the counter held in reset", cnt_dut, 8'h00);
        check("the original counts on", cnt_ref == 8'h00, 1'b0);
        release dut.hold_sel;
        repeat (3) @(negedge clk);

        // The state register's output forced: the state follows, and so
        // does the register, whose next state is the forced one and a step.
        a = 4'b0001;
        force dut.\st$zarn_probe[1] = 1'b1;
        force dut.\st$zarn_probe[0] = 1'b0;
        force dut.force_sel = 1'b1;
        repeat (2) @(negedge clk);
        check("the state forced", state_dut, 2'b10);
        check("the register took the forced state and the step", {dut.\st$zarn_design[1] , dut.\st$zarn_design[0] }, 2'b11);

        // One select for two nets: a combinational net and a top-level output.
        force dut.\step$zarn_probe = 1'b0;
        force dut.\parity$zarn_probe = 1'b1;
        force dut.comb_sel = 1'b1;
        repeat (2) @(negedge clk);
        check("step and parity taken over", {dut.step, parity_dut}, 2'b01);
        check("no step taken", {dut.\st$zarn_design[1] , dut.\st$zarn_design[0] }, 2'b10);
        release dut.comb_sel;
        release dut.force_sel;

        // Two bits of a vector, the others keeping their driver; a net of a generate block.
        a = 4'b0100;
        force dut.\count$zarn_probe[5] = 1'b1;
        force dut.\count$zarn_probe[4] = 1'b0;
        force dut.\lane[2].bit_q$zarn_probe = 1'b1;
        force dut.part_sel = 1'b1;
        @(negedge clk);
        low = cnt_dut[3:0];
        check("count[5:4] taken over", cnt_dut[5:4], 2'b10);
        check("the lane taken over", lanes_dut[2], 1'b1);
        @(negedge clk);
        check("count[5:4] still taken over", cnt_dut[5:4], 2'b10);
        check("count[3:0] counts on", cnt_dut[3:0], low + 4'd1);
        release dut.part_sel;

        check("cycles compared", cycles > 290, 1'b1);
`ifndef VERILATOR
        // Verilator has no z: its undriven nets are 0.
        check("an undriven net left undriven", dut.spare === 1'bz, 1'b1);
`endif
        if (failures == 0)
            $display("PASS");
        $finish;
    end
endmodule
