module tb;
integer step;
reg tms, tck, tdi;
wire tdo;
reg in0;
reg in1;
reg in2;
wire io0;
wire io1;
wire io2;
wire io3;
xq_zarn dut(
    .clk(in0),
    .a(in1),
    .b(in2),
    .c(io0),
    .d(io1),
    .never(io2),
    .shared(io3),
    .tms_pad_i(tms), .tck_pad_i(tck), .tdi_pad_i(tdi), .tdo_pad_o(tdo));
task show;
begin
    $display("@ %0d io0 %b", step, io0);
    $display("@ %0d io1 %b", step, io1);
    $display("@ %0d io2 %b", step, io2);
    $display("@ %0d io3 %b", step, io3);
    $display("@ %0d u_zarn0_top.clk_i %b", step, dut.u_zarn0_top.clk_i);
    $display("@ %0d u_zarn2_top.probe_in0 %b", step, dut.u_zarn2_top.probe_in0);
    $display("@ %0d u_zarn3_top.probe_in0 %b", step, dut.u_zarn3_top.probe_in0);
    $display("@ %0d u_zarn3_top.probe_in1 %b", step, dut.u_zarn3_top.probe_in1);
    $display("@ %0d u_zarn3_top.clk_i %b", step, dut.u_zarn3_top.clk_i);
end
endtask

initial begin
    step = 0;
    in0 = 0;
    in1 = 0;
    in2 = 0;
    dut.u_zarn2_top.drive_probe_out0 = 1'bz;
    dut.u_zarn3_top.drive_probe_out0 = 3'bzzz;
    dut.u_zarn3_top.drive_probe_out1 = 1'bz;
    in0 = 1; #1 show; in0 = 0; step = step + 1;
    in1 = 1; #1 show; in1 = 0; step = step + 1;
    in2 = 1; #1 show; in2 = 0; step = step + 1;
    dut.u_zarn2_top.drive_probe_out0 = 1'b1;
    #1 show;
    dut.u_zarn2_top.drive_probe_out0 = 1'bz;
    step = step + 1;
    dut.u_zarn3_top.drive_probe_out0 = 3'b1zz;
    #1 show;
    dut.u_zarn3_top.drive_probe_out0 = 3'bzzz;
    step = step + 1;
    dut.u_zarn3_top.drive_probe_out0 = 3'bz1z;
    #1 show;
    dut.u_zarn3_top.drive_probe_out0 = 3'bzzz;
    step = step + 1;
    dut.u_zarn3_top.drive_probe_out0 = 3'bzz1;
    #1 show;
    dut.u_zarn3_top.drive_probe_out0 = 3'bzzz;
    step = step + 1;
    dut.u_zarn3_top.drive_probe_out1 = 1'b1;
    #1 show;
    dut.u_zarn3_top.drive_probe_out1 = 1'bz;
    step = step + 1;
    $finish;
end
endmodule
