// A 4-bit counter: clear loads load_value, en counts up.
module counter(
    input clk,
    input rst,
    input en,
    input clear,
    input [3:0] load_value,
    output reg [3:0] count,
    output overflow
);
    always @(posedge clk) begin
        if (rst)
            count <= 4'd0;
        else if (clear)
            count <= load_value;
        else if (en)
            count <= count + 4'd1;
    end
    assign overflow = en & (count == 4'hF);
endmodule

// One tick every fourth clock.
module divider(
    input clk,
    input rst,
    output tick
);
    reg [1:0] phase;
    always @(posedge clk) begin
        if (rst)
            phase <= 2'd0;
        else
            phase <= phase + 2'd1;
    end
    assign tick = phase == 2'd3;
endmodule
