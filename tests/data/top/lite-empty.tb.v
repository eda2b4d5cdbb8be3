module tb;
integer step;
reg tms, tck, tdi;
wire tdo;
reg in0;
wire io0;
xq_qel_zarn dut(
    .a(in0),
    .q(io0),
    .tms_pad_i(tms), .tck_pad_i(tck), .tdi_pad_i(tdi), .tdo_pad_o(tdo));
task show;
begin
    $display("@ %0d io0 %b", step, io0);
    $display("@ %0d u_zarn0_top.probe_in0 %b", step, dut.u_zarn0_top.probe_in0);
end
endtask

initial begin
    step = 0;
    in0 = 0;
    dut.u_zarn0_top.drive_probe_out0 = 1'bz;
    in0 = 1; #1 show; in0 = 0; step = step + 1;
    dut.u_zarn0_top.drive_probe_out0 = 1'b1;
    #1 show;
    dut.u_zarn0_top.drive_probe_out0 = 1'bz;
    step = step + 1;
    $finish;
end
endmodule
