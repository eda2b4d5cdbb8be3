// Names a configuration must write escaped, a top net that flattening
// names like an instance's net, a function Yosys inlines, a memory, and a
// module that flattening keeps whole.
module names_sub(input c, output reg rw);
    always @* rw = ~c;
endmodule
(* keep_hierarchy *) module names_kept(input i, output o);
    wire held = ~i;
    assign o = held;
endmodule
module names(input clk, input [1:0] a, input [1:0] addr, output y, output [3:0] f, output [7:0] word);
    wire \1digit ;
    wire \$dollar ;
    wire \u1.rw = a[0];
    names_sub u1(.c(a[1]), .rw());
    names_kept k(.i(a[0]), .o(y));
    function [3:0] swap(input [3:0] x);
        reg [3:0] t;
        begin
            t = {x[1:0], x[3:2]};
            swap = t;
        end
    endfunction
    assign f = swap({a, \1digit , \$dollar });
    reg [7:0] mem [0:3];
    always @(posedge clk) mem[addr] <= {6'b0, a};
    assign word = mem[addr];
endmodule
