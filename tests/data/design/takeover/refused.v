// What a take-over cannot be put on, and how a take-over can be mistaken.
module refused(input clk, input en, input d, output reg q, output tied_out, output [1:0] pair);
    wire gclk = clk & en;
    always @(posedge gclk)
        q <= d;
    wire tied = 1'b1;
    assign tied_out = tied;
    wire spare;
    assign pair = {d, q};
endmodule
