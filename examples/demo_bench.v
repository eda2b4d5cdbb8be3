// Runs the example design with the debug cores inserted (zarn insert), the
// cores stood in by examples/stubs.v: the bench plays the host, putting
// values on the output probes and reading the input probes.
`timescale 1ns/1ps
module demo_bench;
    reg clk = 0;
    reg rst = 1;
    wire [3:0] leds;
    wire uart_tx;
    integer cycle;
    integer mismatches = 0;

    demo_top dut(.clk(clk), .sys_clk(clk), .rst(rst), .uart_rx(1'b1), .uart_tx(uart_tx), .leds(leds),
                 .tms_pad_i(1'b0), .tck_pad_i(1'b0), .tdi_pad_i(1'b0), .tdo_pad_o());

    always #5 clk = ~clk;

    initial begin
        // The host's initial values: load 0xA, no clear, UART enabled.
        force dut.u_zarn_debug.u_zarn0_top.probe_out0 = 4'hA;
        force dut.u_zarn_debug.u_zarn0_top.probe_out1 = 1'b0;
        force dut.u_zarn_debug.u_zarn1_top.probe_out0 = 1'b1;
        for (cycle = 0; cycle < 24; cycle = cycle + 1) begin
            @(negedge clk);
            if (cycle == 2) rst = 0;
            // The host pulses cnt_clear: the counter loads load_value.
            if (cycle == 12) force dut.u_zarn_debug.u_zarn0_top.probe_out1 = 1'b1;
            if (cycle == 13) force dut.u_zarn_debug.u_zarn0_top.probe_out1 = 1'b0;
            // What core 0's first input probe samples is the counter.
            if (dut.u_zarn_debug.u_zarn0_top.probe_in0 !== leds) mismatches = mismatches + 1;
            $display("cycle %2d: leds %h, probe_in0 %h", cycle, leds, dut.u_zarn_debug.u_zarn0_top.probe_in0);
        end
        if (mismatches == 0)
            $display("The input probe saw every value of the counter, and the output probes loaded it.");
        else
            $display("FAILED: %0d mismatches", mismatches);
        $finish;
    end
endmodule
