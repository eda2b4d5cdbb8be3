// xq_zarn_con_top: the control core of the open IP root (written by ip/generate.py).
`include "zarn_control/xq_zarn_con_top_define.v"
`include "zarn_control/xq_zarn_identity.vh"
`include "xq_zarn_hub.vh"
module xq_zarn_con_top(tck_i, tdi_i, tdo_o, rst_i,
`ifdef DEF_ZARN_0_EN
    control0,
`endif
`ifdef DEF_ZARN_1_EN
    control1,
`endif
`ifdef DEF_ZARN_2_EN
    control2,
`endif
`ifdef DEF_ZARN_3_EN
    control3,
`endif
`ifdef DEF_ZARN_4_EN
    control4,
`endif
`ifdef DEF_ZARN_5_EN
    control5,
`endif
`ifdef DEF_ZARN_6_EN
    control6,
`endif
`ifdef DEF_ZARN_7_EN
    control7,
`endif
`ifdef DEF_ZARN_8_EN
    control8,
`endif
`ifdef DEF_ZARN_9_EN
    control9,
`endif
`ifdef DEF_ZARN_10_EN
    control10,
`endif
`ifdef DEF_ZARN_11_EN
    control11,
`endif
`ifdef DEF_ZARN_12_EN
    control12,
`endif
`ifdef DEF_ZARN_13_EN
    control13,
`endif
`ifdef DEF_ZARN_14_EN
    control14,
`endif
`ifdef DEF_ZARN_15_EN
    control15,
`endif
`ifdef DEF_ZARN_16_EN
    control16,
`endif
`ifdef DEF_ZARN_17_EN
    control17,
`endif
`ifdef DEF_ZARN_18_EN
    control18,
`endif
`ifdef DEF_ZARN_19_EN
    control19,
`endif
`ifdef DEF_ZARN_20_EN
    control20,
`endif
`ifdef DEF_ZARN_21_EN
    control21,
`endif
`ifdef DEF_ZARN_22_EN
    control22,
`endif
`ifdef DEF_ZARN_23_EN
    control23,
`endif
`ifdef DEF_ZARN_24_EN
    control24,
`endif
`ifdef DEF_ZARN_25_EN
    control25,
`endif
`ifdef DEF_ZARN_26_EN
    control26,
`endif
`ifdef DEF_ZARN_27_EN
    control27,
`endif
`ifdef DEF_ZARN_28_EN
    control28,
`endif
`ifdef DEF_ZARN_29_EN
    control29,
`endif
`ifdef DEF_ZARN_30_EN
    control30,
`endif
`ifdef DEF_ZARN_31_EN
    control31,
`endif
`ifdef DEF_ZARN_32_EN
    control32,
`endif
`ifdef DEF_ZARN_33_EN
    control33,
`endif
`ifdef DEF_ZARN_34_EN
    control34,
`endif
`ifdef DEF_ZARN_35_EN
    control35,
`endif
`ifdef DEF_ZARN_36_EN
    control36,
`endif
`ifdef DEF_ZARN_37_EN
    control37,
`endif
`ifdef DEF_ZARN_38_EN
    control38,
`endif
`ifdef DEF_ZARN_39_EN
    control39,
`endif
`ifdef DEF_ZARN_40_EN
    control40,
`endif
`ifdef DEF_ZARN_41_EN
    control41,
`endif
`ifdef DEF_ZARN_42_EN
    control42,
`endif
`ifdef DEF_ZARN_43_EN
    control43,
`endif
`ifdef DEF_ZARN_44_EN
    control44,
`endif
`ifdef DEF_ZARN_45_EN
    control45,
`endif
`ifdef DEF_ZARN_46_EN
    control46,
`endif
`ifdef DEF_ZARN_47_EN
    control47,
`endif
`ifdef DEF_ZARN_48_EN
    control48,
`endif
`ifdef DEF_ZARN_49_EN
    control49,
`endif
`ifdef DEF_ZARN_50_EN
    control50,
`endif
`ifdef DEF_ZARN_51_EN
    control51,
`endif
`ifdef DEF_ZARN_52_EN
    control52,
`endif
`ifdef DEF_ZARN_53_EN
    control53,
`endif
`ifdef DEF_ZARN_54_EN
    control54,
`endif
`ifdef DEF_ZARN_55_EN
    control55,
`endif
`ifdef DEF_ZARN_56_EN
    control56,
`endif
`ifdef DEF_ZARN_57_EN
    control57,
`endif
`ifdef DEF_ZARN_58_EN
    control58,
`endif
`ifdef DEF_ZARN_59_EN
    control59,
`endif
`ifdef DEF_ZARN_60_EN
    control60,
`endif
`ifdef DEF_ZARN_61_EN
    control61,
`endif
`ifdef DEF_ZARN_62_EN
    control62,
`endif
    enable_i, shift_dr_capture_dr_i, update_dr_i, tdo_select);
`include "zarn_control/xq_zarn_con_parameter.v"
input tck_i;
input tdi_i;
output tdo_o;
input rst_i;
input enable_i;
input shift_dr_capture_dr_i;
input update_dr_i;
output tdo_select;
localparam [31:0] IDENTITY = `ZARN_DESIGN_IDENTITY;
wire [9*NUMBER_ZARNS-1:0] to_cores;
wire [NUMBER_ZARNS-1:0] from_cores;
xq_zarn_hub #(.CORES(NUMBER_ZARNS), .IDENTITY(IDENTITY)) hub(
    .tck(tck_i), .tdi(tdi_i), .tdo(tdo_o), .rst(rst_i),
    .enable(enable_i), .shift_dr_capture_dr(shift_dr_capture_dr_i), .update_dr(update_dr_i),
    .tdo_select(tdo_select), .to_cores(to_cores), .from_cores(from_cores));
`ifdef DEF_ZARN_0_EN
inout [9:0] control0;
assign control0[8:0] = to_cores[8:0];
assign from_cores[0] = control0[9];
`endif
`ifdef DEF_ZARN_1_EN
inout [9:0] control1;
assign control1[8:0] = to_cores[17:9];
assign from_cores[1] = control1[9];
`endif
`ifdef DEF_ZARN_2_EN
inout [9:0] control2;
assign control2[8:0] = to_cores[26:18];
assign from_cores[2] = control2[9];
`endif
`ifdef DEF_ZARN_3_EN
inout [9:0] control3;
assign control3[8:0] = to_cores[35:27];
assign from_cores[3] = control3[9];
`endif
`ifdef DEF_ZARN_4_EN
inout [9:0] control4;
assign control4[8:0] = to_cores[44:36];
assign from_cores[4] = control4[9];
`endif
`ifdef DEF_ZARN_5_EN
inout [9:0] control5;
assign control5[8:0] = to_cores[53:45];
assign from_cores[5] = control5[9];
`endif
`ifdef DEF_ZARN_6_EN
inout [9:0] control6;
assign control6[8:0] = to_cores[62:54];
assign from_cores[6] = control6[9];
`endif
`ifdef DEF_ZARN_7_EN
inout [9:0] control7;
assign control7[8:0] = to_cores[71:63];
assign from_cores[7] = control7[9];
`endif
`ifdef DEF_ZARN_8_EN
inout [9:0] control8;
assign control8[8:0] = to_cores[80:72];
assign from_cores[8] = control8[9];
`endif
`ifdef DEF_ZARN_9_EN
inout [9:0] control9;
assign control9[8:0] = to_cores[89:81];
assign from_cores[9] = control9[9];
`endif
`ifdef DEF_ZARN_10_EN
inout [9:0] control10;
assign control10[8:0] = to_cores[98:90];
assign from_cores[10] = control10[9];
`endif
`ifdef DEF_ZARN_11_EN
inout [9:0] control11;
assign control11[8:0] = to_cores[107:99];
assign from_cores[11] = control11[9];
`endif
`ifdef DEF_ZARN_12_EN
inout [9:0] control12;
assign control12[8:0] = to_cores[116:108];
assign from_cores[12] = control12[9];
`endif
`ifdef DEF_ZARN_13_EN
inout [9:0] control13;
assign control13[8:0] = to_cores[125:117];
assign from_cores[13] = control13[9];
`endif
`ifdef DEF_ZARN_14_EN
inout [9:0] control14;
assign control14[8:0] = to_cores[134:126];
assign from_cores[14] = control14[9];
`endif
`ifdef DEF_ZARN_15_EN
inout [9:0] control15;
assign control15[8:0] = to_cores[143:135];
assign from_cores[15] = control15[9];
`endif
`ifdef DEF_ZARN_16_EN
inout [9:0] control16;
assign control16[8:0] = to_cores[152:144];
assign from_cores[16] = control16[9];
`endif
`ifdef DEF_ZARN_17_EN
inout [9:0] control17;
assign control17[8:0] = to_cores[161:153];
assign from_cores[17] = control17[9];
`endif
`ifdef DEF_ZARN_18_EN
inout [9:0] control18;
assign control18[8:0] = to_cores[170:162];
assign from_cores[18] = control18[9];
`endif
`ifdef DEF_ZARN_19_EN
inout [9:0] control19;
assign control19[8:0] = to_cores[179:171];
assign from_cores[19] = control19[9];
`endif
`ifdef DEF_ZARN_20_EN
inout [9:0] control20;
assign control20[8:0] = to_cores[188:180];
assign from_cores[20] = control20[9];
`endif
`ifdef DEF_ZARN_21_EN
inout [9:0] control21;
assign control21[8:0] = to_cores[197:189];
assign from_cores[21] = control21[9];
`endif
`ifdef DEF_ZARN_22_EN
inout [9:0] control22;
assign control22[8:0] = to_cores[206:198];
assign from_cores[22] = control22[9];
`endif
`ifdef DEF_ZARN_23_EN
inout [9:0] control23;
assign control23[8:0] = to_cores[215:207];
assign from_cores[23] = control23[9];
`endif
`ifdef DEF_ZARN_24_EN
inout [9:0] control24;
assign control24[8:0] = to_cores[224:216];
assign from_cores[24] = control24[9];
`endif
`ifdef DEF_ZARN_25_EN
inout [9:0] control25;
assign control25[8:0] = to_cores[233:225];
assign from_cores[25] = control25[9];
`endif
`ifdef DEF_ZARN_26_EN
inout [9:0] control26;
assign control26[8:0] = to_cores[242:234];
assign from_cores[26] = control26[9];
`endif
`ifdef DEF_ZARN_27_EN
inout [9:0] control27;
assign control27[8:0] = to_cores[251:243];
assign from_cores[27] = control27[9];
`endif
`ifdef DEF_ZARN_28_EN
inout [9:0] control28;
assign control28[8:0] = to_cores[260:252];
assign from_cores[28] = control28[9];
`endif
`ifdef DEF_ZARN_29_EN
inout [9:0] control29;
assign control29[8:0] = to_cores[269:261];
assign from_cores[29] = control29[9];
`endif
`ifdef DEF_ZARN_30_EN
inout [9:0] control30;
assign control30[8:0] = to_cores[278:270];
assign from_cores[30] = control30[9];
`endif
`ifdef DEF_ZARN_31_EN
inout [9:0] control31;
assign control31[8:0] = to_cores[287:279];
assign from_cores[31] = control31[9];
`endif
`ifdef DEF_ZARN_32_EN
inout [9:0] control32;
assign control32[8:0] = to_cores[296:288];
assign from_cores[32] = control32[9];
`endif
`ifdef DEF_ZARN_33_EN
inout [9:0] control33;
assign control33[8:0] = to_cores[305:297];
assign from_cores[33] = control33[9];
`endif
`ifdef DEF_ZARN_34_EN
inout [9:0] control34;
assign control34[8:0] = to_cores[314:306];
assign from_cores[34] = control34[9];
`endif
`ifdef DEF_ZARN_35_EN
inout [9:0] control35;
assign control35[8:0] = to_cores[323:315];
assign from_cores[35] = control35[9];
`endif
`ifdef DEF_ZARN_36_EN
inout [9:0] control36;
assign control36[8:0] = to_cores[332:324];
assign from_cores[36] = control36[9];
`endif
`ifdef DEF_ZARN_37_EN
inout [9:0] control37;
assign control37[8:0] = to_cores[341:333];
assign from_cores[37] = control37[9];
`endif
`ifdef DEF_ZARN_38_EN
inout [9:0] control38;
assign control38[8:0] = to_cores[350:342];
assign from_cores[38] = control38[9];
`endif
`ifdef DEF_ZARN_39_EN
inout [9:0] control39;
assign control39[8:0] = to_cores[359:351];
assign from_cores[39] = control39[9];
`endif
`ifdef DEF_ZARN_40_EN
inout [9:0] control40;
assign control40[8:0] = to_cores[368:360];
assign from_cores[40] = control40[9];
`endif
`ifdef DEF_ZARN_41_EN
inout [9:0] control41;
assign control41[8:0] = to_cores[377:369];
assign from_cores[41] = control41[9];
`endif
`ifdef DEF_ZARN_42_EN
inout [9:0] control42;
assign control42[8:0] = to_cores[386:378];
assign from_cores[42] = control42[9];
`endif
`ifdef DEF_ZARN_43_EN
inout [9:0] control43;
assign control43[8:0] = to_cores[395:387];
assign from_cores[43] = control43[9];
`endif
`ifdef DEF_ZARN_44_EN
inout [9:0] control44;
assign control44[8:0] = to_cores[404:396];
assign from_cores[44] = control44[9];
`endif
`ifdef DEF_ZARN_45_EN
inout [9:0] control45;
assign control45[8:0] = to_cores[413:405];
assign from_cores[45] = control45[9];
`endif
`ifdef DEF_ZARN_46_EN
inout [9:0] control46;
assign control46[8:0] = to_cores[422:414];
assign from_cores[46] = control46[9];
`endif
`ifdef DEF_ZARN_47_EN
inout [9:0] control47;
assign control47[8:0] = to_cores[431:423];
assign from_cores[47] = control47[9];
`endif
`ifdef DEF_ZARN_48_EN
inout [9:0] control48;
assign control48[8:0] = to_cores[440:432];
assign from_cores[48] = control48[9];
`endif
`ifdef DEF_ZARN_49_EN
inout [9:0] control49;
assign control49[8:0] = to_cores[449:441];
assign from_cores[49] = control49[9];
`endif
`ifdef DEF_ZARN_50_EN
inout [9:0] control50;
assign control50[8:0] = to_cores[458:450];
assign from_cores[50] = control50[9];
`endif
`ifdef DEF_ZARN_51_EN
inout [9:0] control51;
assign control51[8:0] = to_cores[467:459];
assign from_cores[51] = control51[9];
`endif
`ifdef DEF_ZARN_52_EN
inout [9:0] control52;
assign control52[8:0] = to_cores[476:468];
assign from_cores[52] = control52[9];
`endif
`ifdef DEF_ZARN_53_EN
inout [9:0] control53;
assign control53[8:0] = to_cores[485:477];
assign from_cores[53] = control53[9];
`endif
`ifdef DEF_ZARN_54_EN
inout [9:0] control54;
assign control54[8:0] = to_cores[494:486];
assign from_cores[54] = control54[9];
`endif
`ifdef DEF_ZARN_55_EN
inout [9:0] control55;
assign control55[8:0] = to_cores[503:495];
assign from_cores[55] = control55[9];
`endif
`ifdef DEF_ZARN_56_EN
inout [9:0] control56;
assign control56[8:0] = to_cores[512:504];
assign from_cores[56] = control56[9];
`endif
`ifdef DEF_ZARN_57_EN
inout [9:0] control57;
assign control57[8:0] = to_cores[521:513];
assign from_cores[57] = control57[9];
`endif
`ifdef DEF_ZARN_58_EN
inout [9:0] control58;
assign control58[8:0] = to_cores[530:522];
assign from_cores[58] = control58[9];
`endif
`ifdef DEF_ZARN_59_EN
inout [9:0] control59;
assign control59[8:0] = to_cores[539:531];
assign from_cores[59] = control59[9];
`endif
`ifdef DEF_ZARN_60_EN
inout [9:0] control60;
assign control60[8:0] = to_cores[548:540];
assign from_cores[60] = control60[9];
`endif
`ifdef DEF_ZARN_61_EN
inout [9:0] control61;
assign control61[8:0] = to_cores[557:549];
assign from_cores[61] = control61[9];
`endif
`ifdef DEF_ZARN_62_EN
inout [9:0] control62;
assign control62[8:0] = to_cores[566:558];
assign from_cores[62] = control62[9];
`endif
endmodule
