// Output marks' values as Verilog reads the attributes: numbers of any
// base and size, strings of a number, and a bare mark, which is 0.
module markvalues(input clk);
    (* zarn_out *) wire [7:0] bare;
    (* zarn_out = 1 *) wire [7:0] one;
    (* zarn_out = 5 *) wire [7:0] five;
    (* zarn_out = 'h1F *) wire [7:0] hex;
    (* zarn_out = 8'b1010 *) wire [7:0] binary;
    (* zarn_out = 64'h0000_0000_0000_00C3 *) wire [7:0] wide_constant;
    (* zarn_out = "0x1F" *) wire [7:0] hex_string;
    (* zarn_out = "12" *) wire [7:0] decimal_string;
    (* zarn_out,
       zarn_core = 8'd1 *) wire [3:0] bare_in_core_one;
endmodule
