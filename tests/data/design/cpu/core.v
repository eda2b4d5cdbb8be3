// The accumulator, four registers and the output port.
module core(
    input clk,
    input rst,
    input [15:0] instr,
    input [7:0] in_port,
    input inject,
    input [7:0] inject_value,
    output reg [7:0] out_port,
    output reg halted
);
    wire [3:0] opcode = instr[15:12];
    wire [1:0] target = instr[9:8];
    wire [7:0] operand = instr[7:0];
    (* zarn_in, zarn_probe = 1 *) reg [7:0] acc;
    wire [7:0] regs [0:3];
    wire [7:0] sum;

    alu u_alu(.a(acc), .b(opcode == 4'h4 ? in_port : opcode == 4'h5 ? regs[operand[1:0]] : operand), .sum(sum));

    genvar i;
    generate
        for (i = 0; i < 4; i = i + 1) begin : bank
            register u_reg(.clk(clk), .rst(rst), .load(opcode == 4'h3 && target == i), .d(acc), .q(regs[i]));
        end
    endgenerate

    always @(posedge clk) begin
        if (rst) begin
            acc <= 8'd0;
            out_port <= 8'd0;
            halted <= 1'b0;
        end else if (inject) begin
            acc <= inject_value;
        end else if (!halted) begin
            case (opcode)
                4'h1: acc <= operand;
                4'h2, 4'h4, 4'h5: acc <= sum;
                4'h6: out_port <= acc;
                4'hF: halted <= 1'b1;
                default: ;
            endcase
        end
    end
endmodule

module alu(
    input [7:0] a,
    input [7:0] b,
    output [7:0] sum
);
    assign sum = a + b;
endmodule

module register(
    input clk,
    input rst,
    input load,
    input [7:0] d,
    output reg [7:0] q
);
    always @(posedge clk) begin
        if (rst)
            q <= 8'd0;
        else if (load)
            q <= d;
    end
endmodule
