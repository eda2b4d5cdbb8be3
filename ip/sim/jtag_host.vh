// A JTAG host as tasks on four pads, for test benches: it drives TCK, TMS and
// TDI, samples TDO before each rising edge (the port changes it on the falling
// one), and knows nothing of what lies behind the port (docs/debug-protocol.md).
reg tck = 1'b0;
reg tms = 1'b1;
reg tdi = 1'b0;
wire tdo;
integer tck_half = 50;

task jtag_clock(input t, input d, output o);
    begin
        tms = t;
        tdi = d;
        #tck_half;
        o = tdo;
        tck = 1'b1;
        #tck_half;
        tck = 1'b0;
    end
endtask

// Five TCK with TMS high reach Test-Logic-Reset from anywhere; then Run-Test/Idle.
task jtag_reset;
    integer i;
    reg ignored;
    begin
        for (i = 0; i < 5; i = i + 1)
            jtag_clock(1'b1, 1'b0, ignored);
        jtag_clock(1'b0, 1'b0, ignored);
    end
endtask

// From Run-Test/Idle through Select-DR (and Select-IR for an IR scan) to
// Shift, n bits LSB first, then Update and back to Run-Test/Idle.
task jtag_scan(input ir, input integer n, input [4095:0] in, output [4095:0] out);
    integer i;
    reg ignored;
    reg bit_out;
    begin
        out = 4096'd0;
        jtag_clock(1'b1, 1'b0, ignored);
        if (ir)
            jtag_clock(1'b1, 1'b0, ignored);
        jtag_clock(1'b0, 1'b0, ignored);
        jtag_clock(1'b0, 1'b0, ignored);
        for (i = 0; i < n; i = i + 1) begin
            jtag_clock(i == n - 1, in[i], bit_out);
            out[i] = bit_out;
        end
        jtag_clock(1'b1, 1'b0, ignored);
        jtag_clock(1'b0, 1'b0, ignored);
    end
endtask

reg [4095:0] jtag_out;
task jtag_ir(input [3:0] code);
    jtag_scan(1'b1, 4, {4092'd0, code}, jtag_out);
endtask

// One operation of the virtual I/O cores: the 24-bit header (magic, operation,
// position), then n data bits; the data phase's answer in zarn_out.
localparam [15:0] ZARN_MAGIC = 16'h5A3C;
reg [4095:0] zarn_out;
task zarn_scan(input [1:0] op, input [5:0] position, input integer n, input [4071:0] data);
    begin
        jtag_scan(1'b0, 24 + n, {data, position, op, ZARN_MAGIC}, jtag_out);
        zarn_out = jtag_out >> 24;
    end
endtask
