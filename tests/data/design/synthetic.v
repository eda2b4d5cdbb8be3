// A design of thousands of nets: leaves in a generate loop and by hand, two levels deep.
module leaf(input clk, input [3:0] d, output reg [3:0] q, output odd);
    wire [3:0] mixed = d ^ {q[2:0], q[3]};
    always @(posedge clk) q <= mixed;
    assign odd = ^q;
endmodule
module block(input clk, input [3:0] d, output [3:0] q);
    wire [3:0] a, b;
    wire odd_a, odd_b;
    leaf u_a(.clk(clk), .d(d), .q(a), .odd(odd_a));
    leaf u_b(.clk(clk), .d(a), .q(b), .odd(odd_b));
    assign q = b ^ {3'b0, odd_a};
endmodule
module synthetic_top(input clk, input [3:0] d, output [3:0] q);
    wire [3:0] chain [0:700];
    assign chain[0] = d;
    genvar i;
    generate for (i = 0; i < 700; i = i + 1) begin : g
        block u_block(.clk(clk), .d(chain[i]), .q(chain[i + 1]));
    end endgenerate
    assign q = chain[700];
endmodule
