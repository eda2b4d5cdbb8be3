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
reg in6;
reg in7;
reg in8;
reg in9;
reg in10;
wire io0;
wire io1;
wire io2;
xq_qel_zarn dut(
    .t0(in0),
    .t1(in1),
    .shared(in2),
    .\d[0] (in3),
    .\d[1] (in4),
    .\d[2] (in5),
    .clk(in6),
    .\t[4] (in7),
    .sclk(in8),
    .\bus[1] (in9),
    .\bus[0] (in10),
    .q(io0),
    .\r[0] (io1),
    .\r[1] (io2),
    .tms_pad_i(tms), .tck_pad_i(tck), .tdi_pad_i(tdi), .tdo_pad_o(tdo));
task show;
begin
    $display("@ %0d io0 %b", step, io0);
    $display("@ %0d io1 %b", step, io1);
    $display("@ %0d io2 %b", step, io2);
    $display("@ %0d u_la0_top.trig3_i %b", step, dut.u_la0_top.trig3_i);
    $display("@ %0d u_la0_top.trig7_i %b", step, dut.u_la0_top.trig7_i);
    $display("@ %0d u_la0_top.data_i %b", step, dut.u_la0_top.data_i);
    $display("@ %0d u_la0_top.clk_i %b", step, dut.u_la0_top.clk_i);
    $display("@ %0d u_la1_top.trig12_i %b", step, dut.u_la1_top.trig12_i);
    $display("@ %0d u_la1_top.data_i %b", step, dut.u_la1_top.data_i);
    $display("@ %0d u_la1_top.clk_i %b", step, dut.u_la1_top.clk_i);
    $display("@ %0d u_zarn0_top.probe_in0 %b", step, dut.u_zarn0_top.probe_in0);
    $display("@ %0d u_zarn0_top.clk_i %b", step, dut.u_zarn0_top.clk_i);
    $display("@ %0d u_zarn1_top.probe_in2 %b", step, dut.u_zarn1_top.probe_in2);
    $display("@ %0d u_zarn2_top.clk_i %b", step, dut.u_zarn2_top.clk_i);
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
    in6 = 0;
    in7 = 0;
    in8 = 0;
    in9 = 0;
    in10 = 0;
    dut.u_zarn0_top.drive_probe_out0 = 1'bz;
    dut.u_zarn2_top.drive_probe_out0 = 2'bzz;
    in0 = 1; #1 show; in0 = 0; step = step + 1;
    in1 = 1; #1 show; in1 = 0; step = step + 1;
    in2 = 1; #1 show; in2 = 0; step = step + 1;
    in3 = 1; #1 show; in3 = 0; step = step + 1;
    in4 = 1; #1 show; in4 = 0; step = step + 1;
    in5 = 1; #1 show; in5 = 0; step = step + 1;
    in6 = 1; #1 show; in6 = 0; step = step + 1;
    in7 = 1; #1 show; in7 = 0; step = step + 1;
    in8 = 1; #1 show; in8 = 0; step = step + 1;
    in9 = 1; #1 show; in9 = 0; step = step + 1;
    in10 = 1; #1 show; in10 = 0; step = step + 1;
    dut.u_zarn0_top.drive_probe_out0 = 1'b1;
    #1 show;
    dut.u_zarn0_top.drive_probe_out0 = 1'bz;
    step = step + 1;
    dut.u_zarn2_top.drive_probe_out0 = 2'b1z;
    #1 show;
    dut.u_zarn2_top.drive_probe_out0 = 2'bzz;
    step = step + 1;
    dut.u_zarn2_top.drive_probe_out0 = 2'bz1;
    #1 show;
    dut.u_zarn2_top.drive_probe_out0 = 2'bzz;
    step = step + 1;
    $finish;
end
endmodule
