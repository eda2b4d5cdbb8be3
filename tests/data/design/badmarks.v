// Marks zarn init must refuse, one per net.
module badmarks(
    (* zarn_clock *) input clk,
    (* zarn_clock *) input [1:0] clocks,
    input [3:0] d,
    output [3:0] q
);
    (* zarn_out = "0x1" *) wire [3:0] driven = d;
    (* zarn_out = 4'b1x0z *) wire [3:0] unknown;
    (* zarn_out = "ten" *) wire [3:0] words;
    (* zarn_out = "0x1F" *) wire [3:0] too_wide;
    (* zarn_in, zarn_out = "0x0" *) wire both;
    (* zarn_in, zarn_core = "two" *) wire named_core;
    assign q = driven ^ unknown ^ words ^ too_wide ^ {both, named_core, clk, 1'b0};
endmodule
