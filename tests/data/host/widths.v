// Probes from 1 to 4096 bits wide: output probes of 1 to 512 bits, each
// looped back to an input probe of its width, and an input probe of 4096
// bits that eight copies of the widest output fill.  Core 0's
// come back on the next edge of clk plus one, so that a stale value, a lost
// carry or a bit out of place reads wrong; core 1, without a user clock,
// gets its outputs back inverted, through no register.  The outputs stay at
// 512 bits and fewer: the top module takes each output-probe net as an
// inout port, and Verilator gives each bit of such a bus a driver of the
// bus's whole width, so that the twin's build and each edge of the clock
// the bus comes from cost the square of the width (a 1000-bit output takes
// minutes to build, a 4096-bit one longer).
module widths(
    (* zarn_clock *) input clk
);
    (* zarn_out = "0x1" *) wire o1;
    (* zarn_out *) wire [6:0] o7;
    (* zarn_out = "0xA5" *) wire [7:0] o8;
    (* zarn_out *) wire [8:0] o9;
    (* zarn_out = "0x100000001" *) wire [32:0] o33;
    (* zarn_out *) wire [63:0] o64;
    (* zarn_out *) wire [127:0] o128;
    (* zarn_out *) wire [511:0] o512;
    (* zarn_in *) reg i1;
    (* zarn_in *) reg [6:0] i7;
    (* zarn_in *) reg [7:0] i8;
    (* zarn_in *) reg [8:0] i9;
    (* zarn_in *) reg [32:0] i33;
    (* zarn_in *) reg [63:0] i64;
    (* zarn_in *) reg [127:0] i128;
    (* zarn_in *) reg [511:0] i512;
    (* zarn_in *) reg [4095:0] i4096;
    always @(posedge clk) begin
        i1 <= o1 + 1'b1;
        i7 <= o7 + 1'b1;
        i8 <= o8 + 1'b1;
        i9 <= o9 + 1'b1;
        i33 <= o33 + 1'b1;
        i64 <= o64 + 1'b1;
        i128 <= o128 + 1'b1;
        i512 <= o512 + 1'b1;
        i4096 <= {8{o512}} + 1'b1;
    end

    (* zarn_out = "0x0", zarn_core = 1 *) wire a1;
    (* zarn_out = "0x155", zarn_core = 1 *) wire [8:0] a9;
    (* zarn_out = "0x0", zarn_core = 1 *) wire [32:0] a33;
    (* zarn_out = "0x0", zarn_core = 1 *) wire [127:0] a128;
    (* zarn_in, zarn_core = 1 *) wire b1 = ~a1;
    (* zarn_in, zarn_core = 1 *) wire [8:0] b9 = ~a9;
    (* zarn_in, zarn_core = 1 *) wire [32:0] b33 = ~a33;
    (* zarn_in, zarn_core = 1 *) wire [127:0] b128 = ~a128;
endmodule
