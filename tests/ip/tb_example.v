// The example's generated top module with the open cores, driven through its
// four JTAG pads only: core 0 (inputs cnt, {cnt_en, overflow}; outputs
// load_value, cnt_clear; synchronised with clk) and core 1 (inputs
// {rx_state, tx_busy}; output uart_enable; no user clock). With ANALYZER
// defined, the same on the top module that shares ER1 with an analyzer
// (tests/ip/analyzer_standins.v), whose control core answers wherever ours
// does not: in the header, and in scans that select no core.
`timescale 1ns/1ps
module tb_example;
`include "jtag_host.vh"
    reg [3:0] cnt = 4'h5;
    reg cnt_en = 1'b1, overflow = 1'b0;
    reg [2:0] rx_state = 3'd6;
    reg tx_busy = 1'b1;
    wire [3:0] load_value;
    wire cnt_clear, uart_enable;
    reg clk = 1'b0;
    // The user clock's half period in ns (+clk_half=N; TCK's is 50): faster
    // than TCK by default, slower with N above 50. A crossing takes some
    // five user cycles; "settle" gives it ten.
    integer clk_half = 7;
    integer settle;
    reg [31:0] identity = 32'bx; // +identity=H, the map's
    reg clk_running = 1'b1;
    always begin
        #clk_half;
        if (clk_running)
            clk = !clk;
    end

`ifdef ANALYZER
    xq_qel_zarn dut(
`else
    xq_zarn dut(
`endif
        .\cnt[3] (cnt[3]), .\cnt[2] (cnt[2]), .\cnt[1] (cnt[1]), .\cnt[0] (cnt[0]), .cnt_en(cnt_en), .overflow(overflow), .clk(clk),
        .\rx_state[2] (rx_state[2]), .\rx_state[1] (rx_state[1]), .\rx_state[0] (rx_state[0]), .tx_busy(tx_busy),
        .\load_value[3] (load_value[3]), .\load_value[2] (load_value[2]), .\load_value[1] (load_value[1]), .\load_value[0] (load_value[0]),
        .cnt_clear(cnt_clear), .uart_enable(uart_enable),
        .tms_pad_i(tms), .tck_pad_i(tck), .tdi_pad_i(tdi), .tdo_pad_o(tdo));

    integer failures = 0;
    task check(input [255:0] what, input [63:0] got, input [63:0] wanted);
        if (got !== wanted) begin
            $display("FAIL %0s: got %h, wanted %h", what, got, wanted);
            failures = failures + 1;
        end
    endtask

    localparam [9:0] KEY0 = {4'b1001, 6'd0}, KEY1 = {4'b1001, 6'd1};
    localparam STATUS = 0, READ_INPUTS = 1, WRITE = 2, READ_OUTPUTS = 3;
    // Status: marker 2'b10, has clock, fresh, busy, refused, position[3:0].
    function [9:0] status(input [3:0] position, input clock, input fresh, input busy, input refused);
        status = {position, refused, busy, fresh, clock, 2'b10};
    endfunction

    initial begin
        if ($value$plusargs("clk_half=%d", clk_half))
            $display("user clock half period %0d ns", clk_half);
        if (!$value$plusargs("identity=%h", identity))
            $display("FAIL no +identity");
        settle = 20 * clk_half + 500;
        #1;
        check("initial load_value", load_value, 4'hA);
        check("initial cnt_clear", cnt_clear, 0);
        check("initial uart_enable", uart_enable, 1);

        jtag_reset;
        jtag_scan(1'b0, 32, 0, jtag_out);
        check("IDCODE after reset", jtag_out[31:0], 32'h15A52001);
        jtag_scan(1'b1, 4, 4'b1111, jtag_out);
        check("IR capture", jtag_out[3:0], 4'b0101);
        jtag_scan(1'b0, 9, 9'b1_0110_1101, jtag_out);
        check("BYPASS", jtag_out[8:0], 9'b0_1101_1010);

        jtag_ir(4'b1000);
        zarn_scan(STATUS, 0, 10, 0);
`ifdef ANALYZER
        // {16'hA11A, ER1 updates so far}, then what TDI shifted in.
        check("the analyzer in the header", jtag_out[23:0], {8'h1A, 16'd0});
`else
        check("hub status", jtag_out[23:0], {6'd0, 6'd2, 4'd1, 8'hA5});
`endif
        check("core 0 status", zarn_out[9:0], status(0, 1, 1, 0, 0));
        zarn_scan(STATUS, 63, 40, 0);
        check("design identity, then zeros", zarn_out[39:0], {8'd0, identity});
        zarn_scan(READ_OUTPUTS, 0, 15, 0);
        check("core 0 initial outputs", zarn_out[14:0], {5'b0_1010, status(0, 1, 1, 0, 0)});

        // A coherent read is two: the second answers the snapshot the first asked for.
        zarn_scan(READ_INPUTS, 0, 16, 0);
        check("core 0 power-up snapshot", zarn_out[15:0], {2'b10, 4'h5, status(0, 1, 1, 0, 0)});
        #settle;
        cnt = 4'h9;
        overflow = 1'b1;
        zarn_scan(READ_INPUTS, 0, 16, 0);
        check("core 0 snapshot of the previous read", zarn_out[15:0], {2'b10, 4'h5, status(0, 1, 1, 0, 0)});
        zarn_scan(READ_INPUTS, 0, 16, 0);
        check("core 0 snapshot", zarn_out[15:0], {2'b11, 4'h9, status(0, 1, 1, 0, 0)});

        zarn_scan(WRITE, 0, 15, {5'b1_0011, KEY0});
        #settle;
        check("load_value written", load_value, 4'h3);
        check("cnt_clear written", cnt_clear, 1);
        zarn_scan(READ_OUTPUTS, 0, 15, 0);
        check("core 0 outputs read back", zarn_out[14:0], {5'b1_0011, status(0, 1, 1, 0, 0)});

        // Refused: one bit too many, the wrong key, the wrong core, an analyzer's scan.
        zarn_scan(WRITE, 0, 16, {6'b00_1100, KEY0});
        zarn_scan(WRITE, 0, 15, {5'b0_1100, KEY1});
        zarn_scan(WRITE, 1, 15, {5'b0_1100, KEY0});
        zarn_scan(WRITE, 5, 15, {5'b0_1100, KEY0});
`ifdef ANALYZER
        check("the analyzer where no core is", jtag_out[38:0], {7'h3C, 16'hA11A, 16'd11});
`else
        check("no core at 5", zarn_out[14:0], 0);
`endif
        jtag_scan(1'b0, 39, {5'b0_1100, KEY0, 6'd0, 2'd2, 16'h5A3D}, jtag_out);
        #settle;
        check("load_value after refusals", load_value, 4'h3);
        check("uart_enable after refusals", uart_enable, 1);
        zarn_scan(STATUS, 0, 10, 0);
        check("refused said", zarn_out[9:0], status(0, 1, 1, 0, 1));
        zarn_scan(STATUS, 0, 10, 0);
        check("refused cleared", zarn_out[9:0], status(0, 1, 1, 0, 0));

        // A TAP reset, then a host that starts over, moves no output.
        jtag_reset;
        jtag_ir(4'b1000);
        check("load_value after reset", load_value, 4'h3);
        zarn_scan(READ_OUTPUTS, 0, 15, 0);
        check("outputs after reset", zarn_out[14:0], {5'b1_0011, status(0, 1, 1, 0, 0)});

        // Core 1 has no user clock: the write lands on a TCK edge.
        zarn_scan(READ_INPUTS, 1, 14, 0);
        check("core 1 inputs, its refusal kept", zarn_out[13:0], {4'b1101, status(1, 0, 1, 0, 1)});
        zarn_scan(WRITE, 1, 11, {1'b0, KEY1});
        check("uart_enable written", uart_enable, 0);

        // The user clock stopped: the write crosses no further and says so,
        // the next is refused, and the snapshot is not fresh.
        clk_running = 1'b0;
        #(4 * clk_half + 100);
        zarn_scan(WRITE, 0, 15, {5'b0_0111, KEY0});
        zarn_scan(WRITE, 0, 15, {5'b0_0001, KEY0});
        zarn_scan(READ_INPUTS, 0, 16, 0);
        zarn_scan(STATUS, 0, 10, 0);
        check("stopped clock", zarn_out[9:0], status(0, 1, 0, 1, 1));
        check("load_value with the clock stopped", load_value, 4'h3);
        clk_running = 1'b1;
        #settle;
        check("load_value once the clock runs", load_value, 4'h7);
        zarn_scan(STATUS, 0, 10, 0);
        check("clock running again", zarn_out[9:0], status(0, 1, 1, 0, 0));

        if (failures == 0)
            $display("PASS");
        else
            $fatal(1, "%0d failures", failures);
        $finish;
    end
endmodule
