#!/usr/bin/env python3
"""Writes the IP root's generated sources: the control core's top module and
one wrapper per core position, which map the generated define files' macros
(named by the core's index, which must equal its position) onto the shared
port list and body."""
import os
import sys

CORES = 63        # positions 0..62; 63 answers the design's identity
PROBES = 256      # input and output probes per core

root = os.path.dirname(os.path.abspath(__file__))
zarn = os.path.join(root, "ZARN")


def write(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def ifdef(macro, then, otherwise=()):
    """Lines that hold @then where @macro is defined, else @otherwise."""
    return [f"`ifdef {macro}", *then] + (["`else", *otherwise] if otherwise else []) + ["`endif"]


def control_core():
    out = ["// xq_zarn_con_top: the control core of the open IP root (written by ip/generate.py).",
           "`include \"zarn_control/xq_zarn_con_top_define.v\"",
           "`include \"zarn_control/xq_zarn_identity.vh\"",
           "`include \"xq_zarn_hub.vh\"",
           "module xq_zarn_con_top(tck_i, tdi_i, tdo_o, rst_i,"]
    for i in range(CORES):
        out += ifdef(f"DEF_ZARN_{i}_EN", [f"    control{i},"])
    out += ["    enable_i, shift_dr_capture_dr_i, update_dr_i, tdo_select);",
            "`include \"zarn_control/xq_zarn_con_parameter.v\"",
            "input tck_i;", "input tdi_i;", "output tdo_o;", "input rst_i;",
            "input enable_i;", "input shift_dr_capture_dr_i;", "input update_dr_i;", "output tdo_select;",
            "localparam [31:0] IDENTITY = `ZARN_DESIGN_IDENTITY;",
            "wire [9*NUMBER_ZARNS-1:0] to_cores;",
            "wire [NUMBER_ZARNS-1:0] from_cores;",
            "xq_zarn_hub #(.CORES(NUMBER_ZARNS), .IDENTITY(IDENTITY)) hub(",
            "    .tck(tck_i), .tdi(tdi_i), .tdo(tdo_o), .rst(rst_i),",
            "    .enable(enable_i), .shift_dr_capture_dr(shift_dr_capture_dr_i), .update_dr(update_dr_i),",
            "    .tdo_select(tdo_select), .to_cores(to_cores), .from_cores(from_cores));"]
    for i in range(CORES):
        out += ifdef(f"DEF_ZARN_{i}_EN", [f"inout [9:0] control{i};",
                                           f"assign control{i}[8:0] = to_cores[{9 * i + 8}:{9 * i}];",
                                           f"assign from_cores[{i}] = control{i}[9];"])
    out += ["endmodule"]
    return out


def wrapper(n):
    out = [f"// xq_zarn_top_{n}: the virtual I/O core at position {n} (written by ip/generate.py).",
           f"`include \"zarn_{n}/xq_zarn_top_define.v\"",
           "`include \"xq_zarn_core.vh\"",
           f"`define ZW_POSITION {n}"]
    for kind in ("IN", "OUT"):
        for k in range(PROBES):
            out += ifdef(f"ZARN{n}_DEF_PROBE_{kind}{k}", [f"`define ZW_{kind}{k}"])
    out += [*ifdef(f"ZARN{n}_DEF_PROBE_OUT_SYNC", ["`define ZW_SYNC"]),
            f"module xq_zarn_top_{n}(",
            "`include \"xq_zarn_wrapper_ports.vh\"",
            ");",
            f"`include \"zarn_{n}/xq_zarn_parameter.v\"",
            "`include \"xq_zarn_wrapper_body.vh\"",
            "endmodule"]
    return out


def ports():
    out = ["// The port list of a core wrapper, from the ZW_ macros its file defined.", "    control"]
    for kind, name in (("IN", "probe_in"), ("OUT", "probe_out")):
        for k in range(PROBES):
            out += ifdef(f"ZW_{kind}{k}", [f"    , {name}{k}"])
    out += ifdef("ZW_SYNC", ["    , clk_i"])
    return out


def body():
    out = ["// The body of a core wrapper: the probes packed into the generic core's",
           "// buses, probe 0 in the low bits, and their initial values.",
           "inout [9:0] control;"]
    # Each probe's width (0 where absent) and its offset in the bus.
    for kind, direction, name in (("IN", "input", "probe_in"), ("OUT", "output", "probe_out")):
        out += [f"localparam ZW_O_{kind}0 = 0;"]
        for k in range(PROBES):
            out += ifdef(f"ZW_{kind}{k}", [f"localparam ZW_W_{kind}{k} = PROBE_{kind}{k}_WIDTH;",
                                           f"{direction} [ZW_W_{kind}{k}-1:0] {name}{k};"],
                         [f"localparam ZW_W_{kind}{k} = 0;"])
            out += [f"localparam ZW_O_{kind}{k + 1} = ZW_O_{kind}{k} + ZW_W_{kind}{k};"]
    out += [f"localparam ZW_IN_WIDTH = ZW_O_IN{PROBES};",
            f"localparam ZW_OUT_WIDTH = ZW_O_OUT{PROBES};",
            "localparam ZW_IN_BITS = ZW_IN_WIDTH > 0 ? ZW_IN_WIDTH : 1;",
            "localparam ZW_OUT_BITS = ZW_OUT_WIDTH > 0 ? ZW_OUT_WIDTH : 1;",
            "wire [ZW_IN_BITS-1:0] zw_in;",
            "wire [ZW_OUT_BITS-1:0] zw_out;",
            "generate",
            "    if (ZW_IN_WIDTH == 0) begin : no_inputs",
            "        assign zw_in = 1'b0;",
            "    end",
            "endgenerate"]
    for k in range(PROBES):
        out += ifdef(f"ZW_IN{k}", [f"assign zw_in[ZW_O_IN{k} +: ZW_W_IN{k}] = probe_in{k};"])
    out += ["localparam [ZW_OUT_BITS-1:0] ZW_I_OUT0 = 0;"]
    for k in range(PROBES):
        out += ifdef(f"ZW_OUT{k}", [f"localparam [ZW_OUT_BITS-1:0] ZW_E_OUT{k} = PROBE_OUT{k}_INIT;",
                                    f"localparam [ZW_OUT_BITS-1:0] ZW_I_OUT{k + 1} = ZW_I_OUT{k} | (ZW_E_OUT{k} << ZW_O_OUT{k});",
                                    f"assign probe_out{k} = zw_out[ZW_O_OUT{k} +: ZW_W_OUT{k}];"],
                     [f"localparam [ZW_OUT_BITS-1:0] ZW_I_OUT{k + 1} = ZW_I_OUT{k};"])
    out += [*ifdef("ZW_SYNC", ["input clk_i;", "localparam ZW_SYNC_ON = 1;", "wire zw_clk = clk_i;"],
                   ["localparam ZW_SYNC_ON = 0;", "wire zw_clk = 1'b0;"]),
            "xq_zarn_core #(",
            "    .POSITION(`ZW_POSITION), .IN_WIDTH(ZW_IN_WIDTH), .OUT_WIDTH(ZW_OUT_WIDTH),",
            f"    .OUT_INIT(ZW_I_OUT{PROBES}), .SYNC(ZW_SYNC_ON)",
            ") core(.control(control), .probe_in(zw_in), .probe_out(zw_out), .clk(zw_clk));",
            "`undef ZW_POSITION"]
    for kind in ("IN", "OUT"):
        for k in range(PROBES):
            out += ifdef(f"ZW_{kind}{k}", [f"`undef ZW_{kind}{k}"])
    out += ifdef("ZW_SYNC", ["`undef ZW_SYNC"])
    return out


write(os.path.join(zarn, "XQ_ZARN_CON", "xq_zarn_con_top.v"), control_core())
# The devices of the other variant take the same open control core.
write(os.path.join(zarn, "XQ_ZARN_CON", "xq_zarn_con_top_138.v"),
      ["// xq_zarn_con_top, as the devices that list this variant take it (written by ip/generate.py).",
       "`include \"XQ_ZARN_CON/xq_zarn_con_top.v\""])
write(os.path.join(zarn, "xq_zarn_wrapper_ports.vh"), ports())
write(os.path.join(zarn, "xq_zarn_wrapper_body.vh"), body())
for n in range(CORES):
    write(os.path.join(zarn, f"XQ_ZARN_{n}", "xq_zarn_ao_top.v"), wrapper(n))
