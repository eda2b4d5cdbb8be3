module xq_zarn_con_top(input tck_i, input tdi_i, output tdo_o, input rst_i, inout [9:0] control0,
    input enable_i, input shift_dr_capture_dr_i, input update_dr_i, output tdo_select);
endmodule
