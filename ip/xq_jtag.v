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
    input tms_pad_i, input tck_pad_i, input tdi_pad_i, output reg tdo_pad_o,
    output tck_o, output test_logic_reset_o,
    output run_test_idle_er1_o, output run_test_idle_er2_o,
    output shift_dr_capture_dr_o, output update_dr_o, output pause_dr_o,
    output enable_er1_o, output enable_er2_o, output tdi_o,
    input tdo_er1_i, input tdo_er2_i
);
    // Test-Logic-Reset is 0, the value every flip-flop of an iCE40 starts at.
    localparam [3:0] TLR = 4'd0, RTI = 4'd1,
                     SELECT_DR = 4'd2, CAPTURE_DR = 4'd3, SHIFT_DR = 4'd4, EXIT1_DR = 4'd5,
                     PAUSE_DR = 4'd6, EXIT2_DR = 4'd7, UPDATE_DR = 4'd8,
                     SELECT_IR = 4'd9, CAPTURE_IR = 4'd10, SHIFT_IR = 4'd11, EXIT1_IR = 4'd12,
                     PAUSE_IR = 4'd13, EXIT2_IR = 4'd14, UPDATE_IR = 4'd15;
    localparam [3:0] IR_IDCODE = 4'b0001, IR_ER1 = 4'b1000, IR_ER2 = 4'b1001;

    reg [3:0] state = TLR;
    reg [3:0] ir = IR_IDCODE;
    reg [3:0] ir_shift = 4'd0;
    reg [31:0] dr_shift = 32'd0;

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

    // The instruction register and the two data registers of the port itself.
    always @(posedge tck_pad_i) begin
        if (state == TLR)
            ir <= IR_IDCODE;
        else if (state == UPDATE_IR)
            ir <= ir_shift;
        if (state == CAPTURE_IR)
            ir_shift <= 4'b0101;
        else if (state == SHIFT_IR)
            ir_shift <= {tdi_pad_i, ir_shift[3:1]};
        if (state == CAPTURE_DR)
            dr_shift <= ir == IR_IDCODE ? IDCODE : 32'd0;
        else if (state == SHIFT_DR)
            dr_shift <= ir == IR_IDCODE ? {tdi_pad_i, dr_shift[31:1]} : {31'd0, tdi_pad_i};
    end

    wire dr_out = ir == IR_ER1 ? tdo_er1_i : ir == IR_ER2 ? tdo_er2_i : dr_shift[0];
    always @(negedge tck_pad_i)
        tdo_pad_o <= state == SHIFT_IR ? ir_shift[0] : state == SHIFT_DR ? dr_out : 1'b0;

    assign tck_o = tck_pad_i;
    assign tdi_o = tdi_pad_i;
    assign test_logic_reset_o = state == TLR;
    assign enable_er1_o = ir == IR_ER1;
    assign enable_er2_o = ir == IR_ER2;
    assign run_test_idle_er1_o = state == RTI && enable_er1_o;
    assign run_test_idle_er2_o = state == RTI && enable_er2_o;
    assign shift_dr_capture_dr_o = state == CAPTURE_DR || state == SHIFT_DR;
    assign update_dr_o = state == UPDATE_DR;
    assign pause_dr_o = state == PAUSE_DR;
endmodule

module MUX2(output O, input I0, input I1, input S0);
    assign O = S0 ? I1 : I0;
endmodule
