// A UART receiver's front end: the line passes a chain of synchronising
// flip-flops, and a start bit moves the state through its bits.
module uart_rx #(parameter STAGES = 3) (
    input clk,
    input rst,
    input enable,
    input rx,
    output reg [2:0] state,
    output busy
);
    wire [STAGES:0] sync;
    assign sync[0] = rx;
    genvar i;
    generate
        for (i = 0; i < STAGES; i = i + 1) begin : stage
            reg q;
            always @(posedge clk) q <= sync[i];
            assign sync[i + 1] = q;
        end
    endgenerate

    always @(posedge clk) begin
        if (rst || !enable)
            state <= 3'd0;
        else if (state == 3'd0 && !sync[STAGES])
            state <= 3'd1;
        else if (state != 3'd0)
            state <= state + 3'd1;
    end
    assign busy = state != 3'd0;
endmodule
