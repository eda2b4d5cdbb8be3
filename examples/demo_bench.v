// Runs the example design with the open debug cores inserted (zarn insert),
// reached through its four JTAG pins only, as a host would: it reads the
// counter through core 0's input probes, and takes it over through core 0's
// output probes (load_value, cnt_clear).
`timescale 1ns/1ps
module demo_bench;
`include "jtag_host.vh"
    reg clk = 0;
    reg rst = 1;
    wire [3:0] leds;
    wire uart_tx;
    integer failures = 0;

    demo_top dut(.clk(clk), .sys_clk(clk), .rst(rst), .uart_rx(1'b1), .uart_tx(uart_tx), .leds(leds),
                 .tms_pad_i(tms), .tck_pad_i(tck), .tdi_pad_i(tdi), .tdo_pad_o(tdo));

    always #5 clk = ~clk;

    // Core 0's input bus: cnt in bits 3:0, {cnt_en, overflow} in 5:4; its
    // outputs: load_value in 3:0, cnt_clear in 4. The key of a write to it.
    localparam READ_INPUTS = 1, WRITE = 2, READ_OUTPUTS = 3;
    localparam [9:0] KEY0 = {4'b1001, 6'd0};

    // A coherent read: the second answers the snapshot the first asked for.
    task read_counter(output [3:0] value);
        begin
            zarn_scan(READ_INPUTS, 0, 16, 0);
            zarn_scan(READ_INPUTS, 0, 16, 0);
            if (!zarn_out[3]) begin
                $display("FAILED: the snapshot is not fresh");
                failures = failures + 1;
            end
            value = zarn_out[13:10];
        end
    endtask

    reg [3:0] counter;
    initial begin
        #20 rst = 0;
        jtag_reset;
        jtag_scan(1'b0, 32, 0, jtag_out);
        $display("IDCODE %h", jtag_out[31:0]);
        jtag_ir(4'b1000);

        zarn_scan(READ_OUTPUTS, 0, 15, 0);
        $display("output probes at their initial values: load_value %h, cnt_clear %b", zarn_out[13:10], zarn_out[14]);
        read_counter(counter);
        $display("the counter runs: %h", counter);

        // Hold the counter at 3: cnt_clear high loads load_value every cycle.
        zarn_scan(WRITE, 0, 15, {1'b1, 4'h3, KEY0});
        #100;
        read_counter(counter);
        $display("held through cnt_clear: %h, leds %h", counter, leds);
        if (counter !== 4'h3 || leds !== 4'h3) failures = failures + 1;

        // Let it go: it counts on from 3.
        zarn_scan(WRITE, 0, 15, {1'b0, 4'h3, KEY0});
        #400;
        read_counter(counter);
        $display("released: %h", counter);
        if (counter === 4'h3) failures = failures + 1;

        if (failures == 0)
            $display("The host read the counter and took it over through the JTAG pins alone.");
        else
            $display("FAILED: %0d failures", failures);
        $finish;
    end
endmodule
