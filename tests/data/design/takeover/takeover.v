// A design whose output probes take over nets it drives itself: an input
// (the counter's reset), a register (a state), a combinational net, a
// top-level output, two bits of a vector whose other bits keep their
// driver, and a net inside a generate block.  Nothing in it waits for a
// probe.
module takeover(
    input clk,
    input rst,
    input [3:0] a,
    output [7:0] cnt,
    output [1:0] state,
    output parity,
    output [3:0] lanes
);
    reg [7:0] count;
    always @(posedge clk)
        if (rst)
            count <= 8'd0;
        else
            count <= count + 8'd1;
    assign cnt = count;

    reg [1:0] st;
    wire step = a[0] ^ a[1];
    always @(posedge clk)
        st <= rst ? 2'd0 : st + {1'b0, step};
    assign state = st;
    assign parity = ^{a, count[0]};

    // Nothing drives or reads it: the insertion must leave it so.
    wire spare;

    genvar i;
    generate
        for (i = 0; i < 4; i = i + 1) begin : lane
            wire bit_q = a[i] & count[i];
            assign lanes[i] = bit_q;
        end
    endgenerate
endmodule
