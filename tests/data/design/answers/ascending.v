// Buses declared with the lower index first, and with an offset: each
// probe bit must meet the design's bit of the same weight.
module ascending(input clk, input [0:7] a, input [8:15] b, output [0:3] y);
    (* zarn_in *) reg [0:7] k_data;
    (* zarn_in *) reg [8:15] off;
    (* zarn_out = "0x0" *) wire [0:3] ctl;
    always @(posedge clk) begin
        k_data <= a;
        off <= b;
    end
    assign y = ctl;
endmodule
