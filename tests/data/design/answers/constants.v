// Constants that reach a net through two levels of ports drive it, and an
// undriven bit stays undriven however many ports it passes.
module constants_leaf(input [1:0] a, output [3:0] o, output [1:0] open);
    assign o = {a, 2'b00};
    assign open[0] = 1'b1;
endmodule
module constants_mid(input [1:0] a, output [3:0] o, output [1:0] open);
    constants_leaf u_leaf(.a(a), .o(o), .open(open));
endmodule
module constants(input [1:0] a, output [3:0] y, output [1:0] z);
    wire [3:0] mid;
    wire [1:0] loose;
    constants_mid u_mid(.a(a), .o(mid), .open(loose));
    assign y = mid;
    assign z = loose;
endmodule
