// A clock marked in a module that the top instantiates twice: two nets once flattened.
module clocks_lane(
    (* zarn_clock *) input clk,
    input d,
    output reg q
);
    always @(posedge clk) q <= d;
endmodule
module clocks(input clk, input [1:0] d, output [1:0] q);
    clocks_lane u_a(.clk(clk), .d(d[0]), .q(q[0]));
    clocks_lane u_b(.clk(clk), .d(d[1]), .q(q[1]));
endmodule
