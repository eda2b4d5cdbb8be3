// The cpu with the open cores inserted (dut), driven through its four JTAG
// pins alone, beside the original (ref), whose undriven dbg_ctrl and
// dbg_value follow what the output probe drives in dut: at their initial
// values, and as the host writes them, both run in step, cycle by cycle,
// and the snapshots the host reads are ref's nets.
`timescale 1ns/1ps
module bench;
`include "jtag_host.vh"
    reg clk = 1'b0, rst = 1'b1;
    reg [7:0] in_port = 8'h21;
    wire [7:0] out_dut, out_ref;
    wire halted_dut, halted_ref;
    cpu_top dut(.clk(clk), .rst(rst), .in_port(in_port), .out_port(out_dut), .halted(halted_dut),
                .tms_pad_i(tms), .tck_pad_i(tck), .tdi_pad_i(tdi), .tdo_pad_o(tdo));
    cpu_original ref(.clk(clk), .rst(rst), .in_port(in_port), .out_port(out_ref), .halted(halted_ref));
    // The user clock's half period: 5 ns, or 2 us for a program slow enough
    // that the host acts while it runs.
    integer clk_half = 5;
    always #clk_half clk = !clk;

    // Icarus evaluates a procedural force once: each change forces anew.
    always @(dut.dbg_ctrl or dut.dbg_value) begin
        force ref.dbg_ctrl = dut.dbg_ctrl;
        force ref.dbg_value = dut.dbg_value;
    end

    integer failures = 0;
    task check(input [255:0] what, input [63:0] got, input [63:0] wanted);
        if (got !== wanted) begin
            $display("FAIL %0s: got %h, wanted %h", what, got, wanted);
            failures = failures + 1;
        end
    endtask

    always @(negedge clk)
        if ({out_dut, halted_dut} !== {out_ref, halted_ref}) begin
            if (failures < 5)
                $display("FAIL at %0t: out_port %h, halted %b; the original's %h, %b", $time, out_dut, halted_dut, out_ref, halted_ref);
            failures = failures + 1;
        end

    localparam READ_INPUTS = 1, WRITE = 2, READ_OUTPUTS = 3;
    localparam [9:0] KEY = {4'b1001, 6'd0}, FRESH = 10'b0000_0011_10;
    task reset;
        begin
            @(negedge clk) rst = 1'b1;
            repeat (3) @(negedge clk);
            rst = 1'b0;
        end
    endtask
    // From reset, long enough for the program to halt where nothing stops it.
    task run_program;
        begin
            reset;
            repeat (40) @(negedge clk);
        end
    endtask
    // Two reads, the pc standing still: the second answers the snapshot the first asked for.
    task snapshot;
        begin
            zarn_scan(READ_INPUTS, 0, 34, 0);
            zarn_scan(READ_INPUTS, 0, 34, 0);
            check("status", zarn_out[9:0], FRESH);
            check("pc, acc, phase and window", zarn_out[33:10], {ref.phase, ref.window, ref.u_core.acc, ref.pc});
        end
    endtask
    // {dbg_ctrl, dbg_value}: 2'b10 injects dbg_value into the accumulator, 2'b01 freezes the pc.
    task write(input [9:0] value);
        begin
            zarn_scan(WRITE, 0, 20, {value, KEY});
            #(20 * clk_half + 500);
            check("dbg_ctrl and dbg_value", {dut.dbg_ctrl, dut.dbg_value}, value);
            zarn_scan(READ_OUTPUTS, 0, 20, 0);
            check("outputs read back", zarn_out[19:0], {value, FRESH});
        end
    endtask

    initial begin
        jtag_reset;
        jtag_ir(4'b1000);
        zarn_scan(READ_OUTPUTS, 0, 20, 0);
        check("initial outputs", zarn_out[19:0], {10'h05A, FRESH});
        run_program;
        check("out_port, the outputs at their initial values", out_dut, 8'h6B);
        check("halted", halted_dut, 1'b1);
        snapshot;
        // 0x33 injected for a while as the program runs: it ends elsewhere.
        clk_half = 2000;
        reset;
        repeat (4) @(negedge clk);
        write({2'b10, 8'h33});
        write(10'h05A);
        repeat (40) @(negedge clk);
        check("halted after the injection", halted_dut, 1'b1);
        if (out_dut === 8'h6B) begin
            $display("FAIL the injection changed nothing");
            failures = failures + 1;
        end
        clk_half = 5;
        write({2'b11, 8'h33});
        snapshot;
        write(10'h05A);
        run_program;
        check("out_port, the outputs back at their initial values", out_dut, 8'h6B);
        snapshot;
        if (failures == 0)
            $display("PASS");
        $finish;
    end
endmodule
