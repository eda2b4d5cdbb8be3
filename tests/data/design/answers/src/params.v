// A top whose parameters choose a width and the file a memory starts from:
// with its defaults the file cannot be read, so the top is elaborated with
// the values given, never with its defaults.
`include "../inc/answer.vh"
module params #(parameter W = 2, parameter INIT = "") (input [1:0] a, output [W-1:0] q);
    reg [`ANSWER_WIDTH-1:0] table_ [0:3];
    initial $readmemh(INIT, table_);
    wire [`ANSWER_WIDTH-1:0] entry = table_[a];
    assign q = {W{1'b0}} | entry;
endmodule
