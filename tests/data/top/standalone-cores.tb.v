module tb;
integer step;
reg tms, tck, tdi;
wire tdo;
reg in0;
reg in1;
reg in2;
reg in3;
reg in4;
reg in5;
wire io0;
wire io1;
wire io2;
wire io3;
wire io4;
xq_zarn dut(
    .\d[3] (in0),
    .clk(in1),
    .\bus[1] (in2),
    .\bus[0] (in3),
    .a(in4),
    .e(in5),
    .\q[0] (io0),
    .\q[1] (io1),
    .x(io2),
    .y(io3),
    .z(io4),
    .tms_pad_i(tms), .tck_pad_i(tck), .tdi_pad_i(tdi), .tdo_pad_o(tdo));
task show;
begin
    $display("@ %0d io0 %b", step, io0);
    $display("@ %0d io1 %b", step, io1);
    $display("@ %0d io2 %b", step, io2);
    $display("@ %0d io3 %b", step, io3);
    $display("@ %0d io4 %b", step, io4);
    $display("@ %0d u_zarn0_top.probe_in3 %b", step, dut.u_zarn0_top.probe_in3);
    $display("@ %0d u_zarn0_top.probe_in1 %b", step, dut.u_zarn0_top.probe_in1);
    $display("@ %0d u_zarn0_top.clk_i %b", step, dut.u_zarn0_top.clk_i);
    $display("@ %0d u_zarn2_top.probe_in0 %b", step, dut.u_zarn2_top.probe_in0);
end
endtask

initial begin
    step = 0;
    in0 = 0;
    in1 = 0;
    in2 = 0;
    in3 = 0;
    in4 = 0;
    in5 = 0;
    dut.u_zarn0_top.drive_probe_out0 = 1'bz;
    dut.u_zarn0_top.drive_probe_out1 = 2'bzz;
    dut.u_zarn0_top.drive_probe_out2 = 1'bz;
    dut.u_zarn1_top.drive_probe_out0 = 2'bzz;
    in0 = 1; #1 show; in0 = 0; step = step + 1;
    in1 = 1; #1 show; in1 = 0; step = step + 1;
    in2 = 1; #1 show; in2 = 0; step = step + 1;
    in3 = 1; #1 show; in3 = 0; step = step + 1;
    in4 = 1; #1 show; in4 = 0; step = step + 1;
    in5 = 1; #1 show; in5 = 0; step = step + 1;
    dut.u_zarn0_top.drive_probe_out0 = 1'b1;
    #1 show;
    dut.u_zarn0_top.drive_probe_out0 = 1'bz;
    step = step + 1;
    dut.u_zarn0_top.drive_probe_out1 = 2'b1z;
    #1 show;
    dut.u_zarn0_top.drive_probe_out1 = 2'bzz;
    step = step + 1;
    dut.u_zarn0_top.drive_probe_out1 = 2'bz1;
    #1 show;
    dut.u_zarn0_top.drive_probe_out1 = 2'bzz;
    step = step + 1;
    dut.u_zarn0_top.drive_probe_out2 = 1'b1;
    #1 show;
    dut.u_zarn0_top.drive_probe_out2 = 1'bz;
    step = step + 1;
    dut.u_zarn1_top.drive_probe_out0 = 2'b1z;
    #1 show;
    dut.u_zarn1_top.drive_probe_out0 = 2'bzz;
    step = step + 1;
    dut.u_zarn1_top.drive_probe_out0 = 2'bz1;
    #1 show;
    dut.u_zarn1_top.drive_probe_out0 = 2'bzz;
    step = step + 1;
    $finish;
end
endmodule
