// The bench of the probe map simulation: the test fills in its declarations,
// the top module, its connections, the stimulus, the forced output probes
// and the checks.
module bench;
%1    %2 dut(.tms_pad_i(1'b0), .tck_pad_i(1'b0), .tdi_pad_i(1'b0), .tdo_pad_o()%3);
    initial begin
%4%5        #1;
%6    end
endmodule
