module tb;
integer step;
reg tms, tck, tdi;
wire tdo;
reg in0;
reg in1;
reg in2;
wire io0;
xq_zarn dut(
    .a(in0),
    .b(in1),
    .clk(in2),
    .q(io0),
    .tms_pad_i(tms), .tck_pad_i(tck), .tdi_pad_i(tdi), .tdo_pad_o(tdo));
task show;
begin
    $display("@ %0d io0 %b", step, io0);
    $display("@ %0d u_zarn0_top.probe_in0 %b", step, dut.u_zarn0_top.probe_in0);
    $display("@ %0d u_zarn0_top.clk_i %b", step, dut.u_zarn0_top.clk_i);
end
endtask

initial begin
    step = 0;
    in0 = 0;
    in1 = 0;
    in2 = 0;
    dut.u_zarn0_top.drive_probe_out0 = 1'bz;
    in0 = 1; #1 show; in0 = 0; step = step + 1;
    in1 = 1; #1 show; in1 = 0; step = step + 1;
    in2 = 1; #1 show; in2 = 0; step = step + 1;
    dut.u_zarn0_top.drive_probe_out0 = 1'b1;
    #1 show;
    dut.u_zarn0_top.drive_probe_out0 = 1'bz;
    step = step + 1;
    $finish;
end
endmodule
