// XQ_JTAG as a soft IEEE 1149.1 test access port on four ordinary pins, and
// the MUX2 that the combined top modules put between two control cores.
//
// IR: 4 bits, captures 4'b0101. IDCODE (4'b0001, selected after reset),
// ER1 (4'b1000), ER2 (4'b1001); every other code selects BYPASS.
// There is no TRST pin: five TCK cycles with TMS high reset the port, and it
// starts in Test-Logic-Reset at power-up.
//
// The state outputs are decodes of the state register, to be sampled at
// TCK's rising edge; none of them may serve as an asynchronous reset.
module XQ_JTAG #(
    parameter [31:0] IDCODE = 32'h15A52001
) (
    input tms_pad_i, input tck_pad_i, input tdi_pad_i, output reg tdo_pad_o = 1'b0,
    output tck_o, output test_logic_reset_o,
    output run_test_idle_er1_o, output run_test_idle_er2_o,
    output shift_dr_capture_dr_o, output update_dr_o, output pause_dr_o,
    output enable_er1_o, output enable_er2_o, output tdi_o,
    input tdo_er1_i, input tdo_er2_i
);
    // The state assignment of the standard's example controller, every bit
    // inverted so that Test-Logic-Reset is 0, the value every flip-flop of an
    // iCE40 starts at. Its next-state logic is small, and from Capture to
    // Update each DR state and its IR twin differ in bit 3 alone, so one
    // decode of bits 2:0 serves both columns.
    localparam [3:0] TLR = 4'h0, RTI = 4'h3,
                     SELECT_DR = 4'h8, CAPTURE_DR = 4'h9, SHIFT_DR = 4'hD, EXIT1_DR = 4'hE,
                     PAUSE_DR = 4'hC, EXIT2_DR = 4'hF, UPDATE_DR = 4'hA,
                     SELECT_IR = 4'hB, CAPTURE_IR = 4'h1, SHIFT_IR = 4'h5, EXIT1_IR = 4'h6,
                     PAUSE_IR = 4'h4, EXIT2_IR = 4'h7, UPDATE_IR = 4'h2;
    localparam [3:0] IR_IDCODE = 4'b0001, IR_ER1 = 4'b1000, IR_ER2 = 4'b1001;
    // The instruction is kept as which of the four registers it selects, not
    // as its code, which is never read back: IDCODE 0 (after reset and at
    // power-up), BYPASS 1, ER1 2, ER2 3.
    localparam [1:0] SEL_IDCODE = 2'd0, SEL_BYPASS = 2'd1, SEL_ER1 = 2'd2, SEL_ER2 = 2'd3;

    reg [3:0] state = TLR;
    reg [1:0] selected = SEL_IDCODE;
    // One shift register serves every scan: a scan reaches Shift only
    // through its Capture, which reloads what it shifts, so an IR scan never
    // needs what a DR scan left, nor the other way round. An IR scan shifts
    // through bits 3:0 (TDI entering at bit 3), a DR scan through all 32
    // (IDCODE) or bit 0 alone (BYPASS). It stays a true 32-bit register for
    // IDCODE: what a host shifts in comes out 32 bits later, as chain
    // probing expects.
    reg [31:0] shifter = 32'd0;

    always @(posedge tck_pad_i) begin
        case (state)
            TLR:        state <= tms_pad_i ? TLR : RTI;
            RTI:        state <= tms_pad_i ? SELECT_DR : RTI;
            SELECT_DR:  state <= tms_pad_i ? SELECT_IR : CAPTURE_DR;
            CAPTURE_DR: state <= tms_pad_i ? EXIT1_DR : SHIFT_DR;
            SHIFT_DR:   state <= tms_pad_i ? EXIT1_DR : SHIFT_DR;
            EXIT1_DR:   state <= tms_pad_i ? UPDATE_DR : PAUSE_DR;
            PAUSE_DR:   state <= tms_pad_i ? EXIT2_DR : PAUSE_DR;
            EXIT2_DR:   state <= tms_pad_i ? UPDATE_DR : SHIFT_DR;
            UPDATE_DR:  state <= tms_pad_i ? SELECT_DR : RTI;
            SELECT_IR:  state <= tms_pad_i ? TLR : CAPTURE_IR;
            CAPTURE_IR: state <= tms_pad_i ? EXIT1_IR : SHIFT_IR;
            SHIFT_IR:   state <= tms_pad_i ? EXIT1_IR : SHIFT_IR;
            EXIT1_IR:   state <= tms_pad_i ? UPDATE_IR : PAUSE_IR;
            PAUSE_IR:   state <= tms_pad_i ? EXIT2_IR : PAUSE_IR;
            EXIT2_IR:   state <= tms_pad_i ? UPDATE_IR : SHIFT_IR;
            default:    state <= tms_pad_i ? SELECT_DR : RTI; // UPDATE_IR
        endcase
    end

    wire capture_ir = state == CAPTURE_IR;
    wire shift_ir = state == SHIFT_IR;
    wire capture = capture_ir || state == CAPTURE_DR;
    wire shift = shift_ir || state == SHIFT_DR;
    // Bit 0 is the bypass register for BYPASS, the IDCODE's bit 0 for
    // IDCODE. ER1 and ER2 never read it, so one bit of the selection tells
    // the two apart: ER2 takes it as BYPASS does, ER1 as IDCODE does.
    wire bypass = selected[0];
    wire [3:0] code = shifter[3:0];

    always @(posedge tck_pad_i) begin
        if (state == TLR)
            selected <= SEL_IDCODE;
        else if (state == UPDATE_IR)
            selected <= code == IR_IDCODE ? SEL_IDCODE : code == IR_ER1 ? SEL_ER1 : code == IR_ER2 ? SEL_ER2 : SEL_BYPASS;
        // Bits 31:4 load the IDCODE on every capture, bits 3:1 on every DR
        // capture: when another register is selected, nothing reads them.
        if (capture)
            shifter <= capture_ir ? {IDCODE[31:4], 4'b0101} : {IDCODE[31:1], IDCODE[0] && !bypass};
        else if (shift)
            shifter <= {tdi_pad_i, shifter[31:5], shift_ir ? tdi_pad_i : shifter[4], shifter[3:2],
                        bypass && !shift_ir ? tdi_pad_i : shifter[1]};
    end

    wire dr_out = selected == SEL_ER1 ? tdo_er1_i : selected == SEL_ER2 ? tdo_er2_i : shifter[0];
    // TDO reads 0 outside Shift-IR and Shift-DR, and from power-up on.
    always @(negedge tck_pad_i)
        tdo_pad_o <= shift_ir ? shifter[0] : state == SHIFT_DR ? dr_out : 1'b0;

    assign tck_o = tck_pad_i;
    assign tdi_o = tdi_pad_i;
    assign test_logic_reset_o = state == TLR;
    assign enable_er1_o = selected == SEL_ER1;
    assign enable_er2_o = selected == SEL_ER2;
    assign run_test_idle_er1_o = state == RTI && enable_er1_o;
    assign run_test_idle_er2_o = state == RTI && enable_er2_o;
    assign shift_dr_capture_dr_o = state == CAPTURE_DR || state == SHIFT_DR;
    assign update_dr_o = state == UPDATE_DR;
    assign pause_dr_o = state == PAUSE_DR;
endmodule

module MUX2(output O, input I0, input I1, input S0);
    assign O = S0 ? I1 : I0;
endmodule
