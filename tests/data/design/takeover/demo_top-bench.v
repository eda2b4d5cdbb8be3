// The example inserted on the open cores with the counter's enable taken
// over (dut), beside the original, whose undriven load_value,
// cnt_clear and uart_enable follow what the output probes drive in dut:
// with the select at its initial 0 both run in step, cycle by cycle; with
// it set and the probe's enable at 0, the counter stands while the
// original's counts on.
`timescale 1ns/1ps
module bench;
    reg clk = 1'b0, sys_clk = 1'b0, rst = 1'b1, uart_rx = 1'b1;
    wire uart_tx_dut, uart_tx_ref;
    wire [3:0] leds_dut, leds_ref;
    demo_top dut(.clk(clk), .sys_clk(sys_clk), .rst(rst), .uart_rx(uart_rx), .uart_tx(uart_tx_dut), .leds(leds_dut),
                 .tms_pad_i(1'b1), .tck_pad_i(1'b0), .tdi_pad_i(1'b0), .tdo_pad_o());
    demo_top_original original(.clk(clk), .sys_clk(sys_clk), .rst(rst), .uart_rx(uart_rx), .uart_tx(uart_tx_ref), .leds(leds_ref));
    always #5 clk = !clk;
    always #7 sys_clk = !sys_clk;
    always @(dut.load_value or dut.cnt_clear or dut.uart_enable) begin
        force original.load_value = dut.load_value;
        force original.cnt_clear = dut.cnt_clear;
        force original.uart_enable = dut.uart_enable;
    end

    integer failures = 0, cycles = 0;
    reg compare = 1'b1;
    always @(negedge clk)
        if (compare) begin
            cycles = cycles + 1;
            if ({leds_dut, uart_tx_dut} !== {leds_ref, uart_tx_ref}) begin
                if (failures < 5)
                    $display("FAIL at %0t: leds %h, uart_tx %b; the original's %h, %b", $time, leds_dut, uart_tx_dut, leds_ref, uart_tx_ref);
                failures = failures + 1;
            end
        end

    integer i;
    reg [3:0] held;
    initial begin
        repeat (3) @(negedge clk) #1;
        rst = 1'b0;
        for (i = 0; i < 400; i = i + 1) begin
            @(negedge clk) #1;
            uart_rx = $random;
        end
        compare = 1'b0;
        force dut.\cnt_en$zarn_probe = 1'b0;
        force dut.en_hold = 1'b1;
        @(negedge clk) held = leds_dut;
        repeat (40) @(negedge clk);
        if (leds_dut !== held || leds_ref === held) begin
            $display("FAIL the enable held low: leds %h from %h, the original's %h", leds_dut, held, leds_ref);
            failures = failures + 1;
        end
        if (cycles < 400 || failures != 0)
            $display("FAIL after %0d cycles compared", cycles);
        else
            $display("PASS");
        $finish;
    end
endmodule
