module XQ_JTAG(input tms_pad_i, input tck_pad_i, input tdi_pad_i, output tdo_pad_o, output tck_o,
    output test_logic_reset_o, output run_test_idle_er1_o, output run_test_idle_er2_o, output shift_dr_capture_dr_o,
    output update_dr_o, output pause_dr_o, output enable_er1_o, output enable_er2_o, output tdi_o,
    input tdo_er1_i, input tdo_er2_i);
endmodule
