// The control core's logic: every ER1 scan is one operation on one core.
//
// A scan begins with a 24-bit header, LSB first: a 16-bit magic (16'h5A3C),
// the operation (2 bits) and the position of the core (6 bits). While the
// header shifts in, the hub's status shifts out: an 8-bit marker (8'hA5), the
// protocol version (4 bits), the number of cores (6 bits) and 6 reserved
// zeros. With the magic right and a core at that position, the rest of the
// scan is that core's: it gets TDI, the shift and update strobes, and its
// TDO is the hub's. Position 63 answers the design's identity (32 bits).
// Anything else selects nobody and TDO reads 0.
`ifndef XQ_ZARN_HUB_VH
`define XQ_ZARN_HUB_VH
module xq_zarn_hub #(
    parameter CORES = 1,
    parameter [31:0] IDENTITY = 32'd0
) (
    input tck, input tdi, output tdo, input rst,
    input enable, input shift_dr_capture_dr, input update_dr,
    output tdo_select,
    // Per core, bits 8:0 of its control bus: 0 tck, 1 tdi, 2 rst, 3 sel,
    // 4 start, 5 shift, 6 update, 8:7 operation; bit 9, its TDO, comes back.
    output [9*CORES-1:0] to_cores,
    input [CORES-1:0] from_cores
);
    localparam [15:0] MAGIC = 16'h5A3C;
    localparam [5:0] IDENTITY_POSITION = 6'd63;
    localparam [23:0] STATUS = {6'd0, CORES[5:0], 4'd1, 8'hA5};

    reg in_scan = 1'b0;   // past Capture-DR of an ER1 scan
    reg [4:0] count = 5'd0;
    reg [23:0] header = 24'd0;
    reg active = 1'b0;    // the header selected a core, or the identity
    reg [5:0] position = 6'd0;
    reg [1:0] operation = 2'd0;
    // The identity's bit on TDO: 32 of them, then zeros. A count rather
    // than a copy of the identity costs 6 flip-flops instead of 32.
    reg [5:0] identity_bit = 6'd0;

    wire capture = enable && shift_dr_capture_dr && !in_scan;
    wire shift = enable && shift_dr_capture_dr && in_scan;
    wire [23:0] next_header = {tdi, header[23:1]};
    wire header_ends = shift && count == 5'd23;
    wire [5:0] next_position = next_header[23:18];
    wire magic_right = next_header[15:0] == MAGIC;
    wire selects_core = magic_right && next_position < CORES;
    wire selects_identity = magic_right && next_position == IDENTITY_POSITION;
    wire data_shift = shift && active;

    always @(posedge tck) begin
        if (rst || !(enable && shift_dr_capture_dr)) begin
            in_scan <= 1'b0;
            if (rst || update_dr)
                active <= 1'b0;
        end else if (capture) begin
            in_scan <= 1'b1;
            count <= 5'd0;
            header <= STATUS;
            active <= 1'b0;
        end else if (!active && count != 5'd24) begin
            header <= next_header;
            count <= count + 5'd1;
            if (header_ends) begin
                active <= selects_core || selects_identity;
                position <= next_position;
                operation <= next_header[17:16];
                identity_bit <= 6'd0;
            end
        end else if (position == IDENTITY_POSITION && !identity_bit[5]) begin
            identity_bit <= identity_bit + 6'd1;
        end
    end

    genvar i;
    generate
        for (i = 0; i < CORES; i = i + 1) begin : core
            wire starts = header_ends && selects_core && next_position == i;
            wire mine = active && position == i;
            assign to_cores[9*i +: 9] = {
                starts ? next_header[17:16] : operation,
                mine && update_dr,
                mine && data_shift,
                starts,
                mine || starts,
                rst,
                tdi,
                tck
            };
        end
    endgenerate

    wire core_tdo = position < CORES ? from_cores[position] : 1'b0;
    assign tdo = !active ? count != 5'd24 && header[0] : position == IDENTITY_POSITION ? !identity_bit[5] && IDENTITY[identity_bit[4:0]] : core_tdo;
    // The analyzer's control core owns TDO but for our data phases.
    assign tdo_select = !(active && enable);
endmodule
`endif
