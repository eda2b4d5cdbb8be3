// What a take-over cannot be put on, and how a take-over can be mistaken;
// div_next, which only a register reads, can be taken over.
module refused(input clk, input en, input d, output reg q, output tied_out, output [1:0] pair);
    wire gclk = clk & en;
    always @(posedge gclk)
        q <= d;
    wire tied = 1'b1;
    assign tied_out = tied;
    wire spare;
    // A clock of its own: what its register reads next is no clock.
    reg div = 1'b0;
    wire div_next = ~div;
    always @(posedge clk)
        div <= div_next;
    reg slow;
    always @(posedge div)
        slow <= d;
    assign pair = {d, q};
endmodule
