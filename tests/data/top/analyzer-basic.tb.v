module tb;
integer step;
reg tms, tck, tdi;
wire tdo;
reg in0;
reg in1;
reg in2;
reg in3;
reg in4;
wire io0;
xq_qel_zarn dut(
    .t(in0),
    .d0(in1),
    .d1(in2),
    .sclk(in3),
    .a(in4),
    .q(io0),
    .tms_pad_i(tms), .tck_pad_i(tck), .tdi_pad_i(tdi), .tdo_pad_o(tdo));
task show;
begin
    $display("@ %0d io0 %b", step, io0);
    $display("@ %0d u_la0_top.trig0_i %b", step, dut.u_la0_top.trig0_i);
    $display("@ %0d u_la0_top.data_i %b", step, dut.u_la0_top.data_i);
    $display("@ %0d u_la0_top.clk_i %b", step, dut.u_la0_top.clk_i);
    $display("@ %0d u_zarn0_top.probe_in0 %b", step, dut.u_zarn0_top.probe_in0);
end
endtask

initial begin
    step = 0;
    in0 = 0;
    in1 = 0;
    in2 = 0;
    in3 = 0;
    in4 = 0;
    dut.u_zarn0_top.drive_probe_out0 = 1'bz;
    in0 = 1; #1 show; in0 = 0; step = step + 1;
    in1 = 1; #1 show; in1 = 0; step = step + 1;
    in2 = 1; #1 show; in2 = 0; step = step + 1;
    in3 = 1; #1 show; in3 = 0; step = step + 1;
    in4 = 1; #1 show; in4 = 0; step = step + 1;
    dut.u_zarn0_top.drive_probe_out0 = 1'b1;
    #1 show;
    dut.u_zarn0_top.drive_probe_out0 = 1'bz;
    step = step + 1;
    $finish;
end
endmodule
