// A loop's variable in a block that runs the loop on some paths only: Yosys
// makes a latch of it, as synthesis of this RTL does.
module loops(input clk, input en, input [7:0] a, output reg [3:0] ones, output reg [3:0] q);
    integer i;
    always @* begin
        ones = 4'd0;
        if (en)
            for (i = 0; i < 8; i = i + 1)
                ones = ones + {3'd0, a[i]};
    end
    always @(posedge clk)
        q <= ones;
endmodule
