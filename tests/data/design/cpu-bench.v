// The cpu with the cores inserted (dut) beside two copies of the original:
// ref, forced where the output probes drive, and plain, left alone.  The
// lines @releases, @forces and @checks stand for what the configuration's
// probes make of them.
module bench;
    reg clk = 0;
    reg rst = 1;
    reg [7:0] in_port = 8'h21;
    wire [7:0] out_dut, out_ref, out_plain;
    wire halted_dut, halted_ref, halted_plain;
    integer errors = 0, changed = 0, cycle;
    cpu_top dut(.clk(clk), .rst(rst), .in_port(in_port), .out_port(out_dut), .halted(halted_dut),
                .tms_pad_i(1'b0), .tck_pad_i(1'b0), .tdi_pad_i(1'b0), .tdo_pad_o());
    cpu_original ref(.clk(clk), .rst(rst), .in_port(in_port), .out_port(out_ref), .halted(halted_ref));
    cpu_original plain(.clk(clk), .rst(rst), .in_port(in_port), .out_port(out_plain), .halted(halted_plain));
    always #5 clk = ~clk;
    initial begin
@releases
        for (cycle = 0; cycle < 40; cycle = cycle + 1) begin
            @(negedge clk);
            if (cycle == 2) rst = 0;
            if (cycle == 5) begin
@forces
            end
            if (cycle == 7) begin
@releases
            end
            #1;
@checks
            if (out_dut !== out_ref || halted_dut !== halted_ref) begin errors = errors + 1; $display("cycle %0d: %h %h", cycle, out_dut, out_ref); end
            if (out_ref !== out_plain) changed = changed + 1;
        end
        $display("errors %0d changed %0d", errors, changed > 0);
        $finish;
    end
endmodule
