// The stubs of the modules a standalone top instantiates beside its cores,
// port-matched; the test puts the cores' control ports in place of the
// mark and adds a stub of each core.
module XQ_JTAG(input tms_pad_i, input tck_pad_i, input tdi_pad_i, output tdo_pad_o, output tck_o,
    output test_logic_reset_o, output run_test_idle_er1_o, output run_test_idle_er2_o,
    output shift_dr_capture_dr_o, output update_dr_o, output pause_dr_o, output enable_er1_o,
    output enable_er2_o, output tdi_o, input tdo_er1_i, input tdo_er2_i);
endmodule
module xq_zarn_con_top(input tck_i, input tdi_i, output tdo_o, input rst_i, %1input enable_i, input shift_dr_capture_dr_i, input update_dr_i, output tdo_select);
endmodule
