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
    // What the hub itself answers, by the scan's bit count: the status while
    // the header shifts in, then the identity's 32 bits, then zeros. Both are
    // constants, so the count indexes them and no register holds them.
    localparam [63:0] ANSWER = {8'd0, IDENTITY, STATUS};
    localparam [63:0] ANSWER_NEXT = ANSWER >> 1; // the answer at the count's next value
    // The low bits of a position, enough to tell our cores apart.
    localparam [5:0] CORE_BITS = CORES > 1 ? (6'd1 << $clog2(CORES)) - 6'd1 : 6'd0;

    reg in_scan = 1'b0;       // past Capture-DR of an ER1 scan
    // Bits of the scan shifted so far, up to 56: the header's 24, then the
    // identity's 32. It counts on past the header whatever was selected, so
    // the identity needs no count of its own.
    reg [5:0] count = 6'd0;
    // In the header: the magic has been right so far, checked bit by bit as
    // it arrives, so that no register holds it. Past the header: the header
    // selected a core or the identity, until Update-DR, a TAP reset or the
    // next capture.
    reg right = 1'b0;
    // The header selected one of our cores; cleared with "right".
    reg for_core = 1'b0;
    // Header bits 17:16, shifted in while the count is below 18 and held from
    // then on: the cores read the operation at the header's end and after it
    // straight from these flip-flops.
    reg [1:0] operation = 2'd0;
    // Shifted in for the whole header, so that its last 6 bits stay.
    reg [5:0] position = 6'd0;
    // The hub's own TDO, the answer at the count (zeros past the header
    // unless it selected the identity), loaded one bit ahead. With for_core
    // it makes TDO's path to the TAP's falling edge start at flip-flops
    // rather than at the count's decode. A TAP reset or an Update-DR leaves
    // it: nothing reads it before the next capture loads it.
    reg own = 1'b0;

    wire capture = enable && shift_dr_capture_dr && !in_scan;
    wire shift = enable && shift_dr_capture_dr && in_scan;
    // The count never passes 56 (6'b111000), which lets these look at few
    // of its bits.
    wire in_header = !count[5] && !(count[4] && count[3]);           // below 24
    wire in_magic = !count[5] && !count[4];                          // below 16
    wire in_operation = in_header && !(count[4] && (count[2] || count[1])); // below 18
    wire counting = !(count[5] && count[4] && count[3]);             // below 56
    wire active = right && !in_header;
    wire header_ends = shift && count == 6'd23;
    wire [5:0] next_position = {tdi, position[5:1]};
    wire selects_core = {1'b0, next_position} < CORES[6:0];
    wire selects = selects_core || next_position == IDENTITY_POSITION;
    wire header_goes_on = in_header && count != 6'd23;

    always @(posedge tck) begin
        if (rst || !(enable && shift_dr_capture_dr)) begin
            in_scan <= 1'b0;
            if (rst || update_dr) begin
                right <= 1'b0;
                for_core <= 1'b0;
            end
        end else if (capture) begin
            in_scan <= 1'b1;
            count <= 6'd0;
            right <= 1'b1;
            for_core <= 1'b0;
            own <= ANSWER[0];
        end else begin
            if (counting)
                count <= count + 6'd1;
            if (in_header)
                position <= next_position;
            if (in_operation)
                operation <= {tdi, operation[1]};
            if (in_magic && tdi != MAGIC[count[3:0]])
                right <= 1'b0;
            if (header_ends && !selects)
                right <= 1'b0;
            if (header_ends && right && selects_core)
                for_core <= 1'b1;
            own <= ANSWER_NEXT[count] && (header_goes_on || right && !(header_ends && !selects));
        end
    end

    // While for_core, the position is one of our cores': its low bits tell
    // which.
    genvar i;
    generate
        for (i = 0; i < CORES; i = i + 1) begin : core
            localparam [5:0] INDEX = i;
            wire starts = header_ends && right && next_position == INDEX;
            wire mine = for_core && (position & CORE_BITS) == INDEX;
            assign to_cores[9*i +: 9] = {
                operation,
                mine && update_dr,
                mine && shift,
                starts,
                mine || starts,
                rst,
                tdi,
                tck
            };
        end
    endgenerate

    wire core_tdo;
    generate
        if (CORES == 1) begin : one_core
            assign core_tdo = from_cores[0];
        end else begin : cores
            localparam BITS = $clog2(CORES);
            wire [(1 << BITS) - 1:0] padded;
            assign padded[CORES-1:0] = from_cores;
            if ((1 << BITS) > CORES) begin : pad
                assign padded[(1 << BITS) - 1:CORES] = {(1 << BITS) - CORES{1'b0}};
            end
            assign core_tdo = padded[position[BITS-1:0]];
        end
    endgenerate
    assign tdo = for_core ? core_tdo : own;
    // The analyzer's control core owns TDO but for our data phases.
    assign tdo_select = !(active && enable);
endmodule
`endif
