// One virtual I/O core: its input probes packed into one bus (probe_in0 in
// the low bits), its output probes likewise, and the operations the control
// core addresses to it. Shared by every per-position wrapper.
//
// Operations (the data phase of an ER1 scan, LSB first; S and T the widths
// of the input and output buses; every answer begins with the 10-bit status):
//   0 status         10 bits           at Update-DR: clears "refused"
//   1 read inputs    S + 10 bits       at Update-DR: asks for the next snapshot
//   2 write outputs  T + 10 bits in: the key, then the T output bits; out: the
//                    status and the outputs. Applied at Update-DR only when
//                    exactly T + 10 bits came, the key matches and no write is
//                    still crossing; else "refused"
//   3 read outputs   T + 10 bits       at Update-DR: clears "refused"
// Status: [1:0] 2'b10, [2] has a user clock, [3] the snapshot is fresh,
// [4] a write is crossing, [5] a write was refused, [9:6] position[3:0].
`ifndef XQ_ZARN_CORE_VH
`define XQ_ZARN_CORE_VH
module xq_zarn_core #(
    parameter POSITION = 0,
    parameter IN_WIDTH = 0,
    parameter OUT_WIDTH = 0,
    parameter [(OUT_WIDTH > 0 ? OUT_WIDTH : 1) - 1:0] OUT_INIT = 0,
    parameter SYNC = 0
) (
    inout [9:0] control,
    input [(IN_WIDTH > 0 ? IN_WIDTH : 1) - 1:0] probe_in,
    output [(OUT_WIDTH > 0 ? OUT_WIDTH : 1) - 1:0] probe_out,
    input clk
);
    localparam IN_BITS = IN_WIDTH > 0 ? IN_WIDTH : 1;
    localparam OUT_BITS = OUT_WIDTH > 0 ? OUT_WIDTH : 1;
    localparam DATA = IN_BITS > OUT_BITS ? IN_BITS : OUT_BITS;
    localparam WIDTH = DATA + 10;
    localparam [31:0] WRITE_LENGTH = OUT_WIDTH + 10;
    // The bit count need only tell WRITE_LENGTH from fewer and from more: it
    // stops at its all-ones, which is past WRITE_LENGTH.
    localparam COUNT_BITS = $clog2(WRITE_LENGTH + 2);
    localparam [COUNT_BITS-1:0] WRITE_COUNT = WRITE_LENGTH[COUNT_BITS-1:0], ONE = 1;
    localparam [9:0] KEY = {4'b1001, POSITION[5:0]};
    localparam [1:0] STATUS = 2'd0, READ_INPUTS = 2'd1, WRITE_OUTPUTS = 2'd2, READ_OUTPUTS = 2'd3;

    wire tck = control[0];
    wire tdi = control[1];
    wire start = control[4];
    wire shift = control[5];
    wire update = control[6];
    // The control core holds the operation on the bus from start to the end
    // of the scan.
    wire [1:0] op = control[8:7];

    reg [WIDTH-1:0] scan = {WIDTH{1'b0}};
    reg [COUNT_BITS-1:0] count = {COUNT_BITS{1'b0}};
    reg refused = 1'b0;
    wire fresh;
    wire busy;
    wire [IN_BITS-1:0] snapshot;
    reg [OUT_BITS-1:0] shadow = OUT_INIT;
    wire [9:0] status = {POSITION[3:0], refused, busy, fresh, SYNC != 0, 2'b10};

    assign control[9] = scan[0];

    // A write's bits must end at the bottom after exactly WRITE_LENGTH
    // shifts, whatever the register's width.
    wire [WIDTH-1:0] shifted = {tdi, scan[WIDTH-1:1]};
    wire [WIDTH-1:0] shifted_write = (scan >> 1) | ({{WIDTH-1{1'b0}}, tdi} << (WRITE_LENGTH - 1));
    wire write_applies = op == WRITE_OUTPUTS && count == WRITE_COUNT && scan[9:0] == KEY && !busy;

    always @(posedge tck) begin
        if (start) begin
            count <= {COUNT_BITS{1'b0}};
            case (op)
                // Narrower values fill the register from the bottom.
                STATUS:      scan <= status;
                READ_INPUTS: scan <= {snapshot, status};
                default:     scan <= {shadow, status};
            endcase
        end else if (shift) begin
            scan <= op == WRITE_OUTPUTS ? shifted_write : shifted;
            if (!(&count))
                count <= count + ONE;
        end
        if (update) begin
            if (op == WRITE_OUTPUTS) begin
                refused <= !write_applies;
                if (write_applies)
                    shadow <= scan[OUT_BITS+9:10];
            end else if (op != READ_INPUTS) begin
                refused <= 1'b0;
            end
        end
    end

    generate
        if (SYNC != 0) begin : synchronised
            // Inputs: a toggle asks the user clock for a snapshot of every bit
            // on one edge; "fresh" once its acknowledge has come back. The
            // first one is asked for at power-up.
            reg ask = 1'b1;
            reg [1:0] ack_tck = 2'b00;
            reg [1:0] ask_user = 2'b00;
            reg ack = 1'b0;
            reg [IN_BITS-1:0] hold = {IN_BITS{1'b0}};
            assign fresh = ack_tck[1] == ask;
            assign snapshot = hold;
            always @(posedge tck) begin
                ack_tck <= {ack_tck[0], ack};
                if (update && op == READ_INPUTS && fresh)
                    ask <= !ask;
            end
            always @(posedge clk) begin
                ask_user <= {ask_user[0], ask};
                if (ask_user[1] != ack) begin
                    hold <= probe_in;
                    ack <= ask_user[1];
                end
            end

            // Outputs: the shadow crosses on one user edge; while it crosses,
            // a write is refused, so the shadow never changes under the copy.
            reg request = 1'b0;
            reg [1:0] done_tck = 2'b00;
            reg [1:0] request_user = 2'b00;
            reg done = 1'b0;
            reg [OUT_BITS-1:0] applied = OUT_INIT;
            assign busy = done_tck[1] != request;
            assign probe_out = applied;
            always @(posedge tck) begin
                done_tck <= {done_tck[0], done};
                if (update && write_applies)
                    request <= !request;
            end
            always @(posedge clk) begin
                request_user <= {request_user[0], request};
                if (request_user[1] != done) begin
                    applied <= shadow;
                    done <= request_user[1];
                end
            end
        end else begin : unsynchronised
            // No user clock: each input bit through two TCK flip-flops (the
            // scan register is the second), the outputs straight from the
            // shadow, every bit changing on one TCK edge.
            reg [IN_BITS-1:0] sampled = {IN_BITS{1'b0}};
            always @(posedge tck)
                sampled <= probe_in;
            assign snapshot = sampled;
            assign fresh = 1'b1;
            assign busy = 1'b0;
            assign probe_out = shadow;
        end
    endgenerate
endmodule
`endif
