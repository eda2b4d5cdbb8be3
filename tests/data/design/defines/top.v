// Its width comes from an include directory, and a macro adds a net.
`include "widths.vh"
module defined(input [`WIDTH-1:0] d, output [`WIDTH-1:0] q);
`ifdef EXTRA
    wire [`EXTRA-1:0] extra = d[`EXTRA-1:0];
`endif
    assign q = ~d;
endmodule
