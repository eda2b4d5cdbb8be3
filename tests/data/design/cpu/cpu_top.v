// A small accumulator machine: fetch, a ROM, and a core with a register file
// built by a generate loop.  dbg_ctrl and dbg_value are driven by nothing:
// they wait for a debug core's output probe.  The zarn_* attributes mark
// what zarn init is to probe.
module cpu_top(
    (* zarn_clock *) input clk,
    input rst,
    input [7:0] in_port,
    output [7:0] out_port,
    output halted
);
    (* zarn_in *) wire [7:0] pc;
    // Ranges numbered upwards and not from 0: bits must keep their numbers.
    (* zarn_in, zarn_probe = 2 *) wire [0:3] phase = pc[3:0];
    (* zarn_in, zarn_probe = 2 *) wire [9:6] window = {pc[7], pc[0], pc[1], pc[6]};
    wire [15:0] instr;
    (* zarn_out = "0x0", zarn_probe = 0 *) wire [1:0] dbg_ctrl;
    (* zarn_out = "0x5A", zarn_probe = 0 *) wire [7:0] dbg_value;

    fetch u_fetch(.clk(clk), .rst(rst), .freeze(dbg_ctrl[0] | halted), .pc(pc));
    rom u_rom(.addr(pc[3:0]), .data(instr));
    core u_core(.clk(clk), .rst(rst), .instr(instr), .in_port(in_port), .inject(dbg_ctrl[1]),
                .inject_value(dbg_value), .out_port(out_port), .halted(halted));
endmodule
