`include "zarn_0/xq_zarn_top_define.v"
module xq_zarn_top_0(inout [9:0] control, input [1:0] probe_in0, output probe_out0);
`include "zarn_0/xq_zarn_parameter.v"
endmodule
