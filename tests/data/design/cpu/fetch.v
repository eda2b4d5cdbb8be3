// The program counter: counts up unless frozen.
module fetch(
    input clk,
    input rst,
    input freeze,
    output reg [7:0] pc
);
    always @(posedge clk) begin
        if (rst)
            pc <= 8'd0;
        else if (!freeze)
            pc <= pc + 8'd1;
    end
endmodule

// The program: opcode in the high byte, operand in the low byte.
module rom(
    input [3:0] addr,
    output reg [15:0] data
);
    always @(*) begin
        case (addr)
            4'd0: data = 16'h1003; // load 3
            4'd1: data = 16'h2005; // add 5
            4'd2: data = 16'h3100; // store r1
            4'd3: data = 16'h4000; // add in_port
            4'd4: data = 16'h3200; // store r2
            4'd5: data = 16'h5001; // add r1
            4'd6: data = 16'h3300; // store r3
            4'd7: data = 16'h6000; // out
            4'd8: data = 16'h2011; // add 0x11
            4'd9: data = 16'h5002; // add r2
            4'd10: data = 16'h6000; // out
            4'd15: data = 16'hF000; // halt
            default: data = 16'h0000; // nop
        endcase
    end
endmodule
