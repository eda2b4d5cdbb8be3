// The body of a core wrapper: the probes packed into the generic core's
// buses, probe 0 in the low bits, and their initial values.
inout [9:0] control;
localparam ZW_O_IN0 = 0;
`ifdef ZW_IN0
localparam ZW_W_IN0 = PROBE_IN0_WIDTH;
input [ZW_W_IN0-1:0] probe_in0;
`else
localparam ZW_W_IN0 = 0;
`endif
localparam ZW_O_IN1 = ZW_O_IN0 + ZW_W_IN0;
`ifdef ZW_IN1
localparam ZW_W_IN1 = PROBE_IN1_WIDTH;
input [ZW_W_IN1-1:0] probe_in1;
`else
localparam ZW_W_IN1 = 0;
`endif
localparam ZW_O_IN2 = ZW_O_IN1 + ZW_W_IN1;
`ifdef ZW_IN2
localparam ZW_W_IN2 = PROBE_IN2_WIDTH;
input [ZW_W_IN2-1:0] probe_in2;
`else
localparam ZW_W_IN2 = 0;
`endif
localparam ZW_O_IN3 = ZW_O_IN2 + ZW_W_IN2;
`ifdef ZW_IN3
localparam ZW_W_IN3 = PROBE_IN3_WIDTH;
input [ZW_W_IN3-1:0] probe_in3;
`else
localparam ZW_W_IN3 = 0;
`endif
localparam ZW_O_IN4 = ZW_O_IN3 + ZW_W_IN3;
`ifdef ZW_IN4
localparam ZW_W_IN4 = PROBE_IN4_WIDTH;
input [ZW_W_IN4-1:0] probe_in4;
`else
localparam ZW_W_IN4 = 0;
`endif
localparam ZW_O_IN5 = ZW_O_IN4 + ZW_W_IN4;
`ifdef ZW_IN5
localparam ZW_W_IN5 = PROBE_IN5_WIDTH;
input [ZW_W_IN5-1:0] probe_in5;
`else
localparam ZW_W_IN5 = 0;
`endif
localparam ZW_O_IN6 = ZW_O_IN5 + ZW_W_IN5;
`ifdef ZW_IN6
localparam ZW_W_IN6 = PROBE_IN6_WIDTH;
input [ZW_W_IN6-1:0] probe_in6;
`else
localparam ZW_W_IN6 = 0;
`endif
localparam ZW_O_IN7 = ZW_O_IN6 + ZW_W_IN6;
`ifdef ZW_IN7
localparam ZW_W_IN7 = PROBE_IN7_WIDTH;
input [ZW_W_IN7-1:0] probe_in7;
`else
localparam ZW_W_IN7 = 0;
`endif
localparam ZW_O_IN8 = ZW_O_IN7 + ZW_W_IN7;
`ifdef ZW_IN8
localparam ZW_W_IN8 = PROBE_IN8_WIDTH;
input [ZW_W_IN8-1:0] probe_in8;
`else
localparam ZW_W_IN8 = 0;
`endif
localparam ZW_O_IN9 = ZW_O_IN8 + ZW_W_IN8;
`ifdef ZW_IN9
localparam ZW_W_IN9 = PROBE_IN9_WIDTH;
input [ZW_W_IN9-1:0] probe_in9;
`else
localparam ZW_W_IN9 = 0;
`endif
localparam ZW_O_IN10 = ZW_O_IN9 + ZW_W_IN9;
`ifdef ZW_IN10
localparam ZW_W_IN10 = PROBE_IN10_WIDTH;
input [ZW_W_IN10-1:0] probe_in10;
`else
localparam ZW_W_IN10 = 0;
`endif
localparam ZW_O_IN11 = ZW_O_IN10 + ZW_W_IN10;
`ifdef ZW_IN11
localparam ZW_W_IN11 = PROBE_IN11_WIDTH;
input [ZW_W_IN11-1:0] probe_in11;
`else
localparam ZW_W_IN11 = 0;
`endif
localparam ZW_O_IN12 = ZW_O_IN11 + ZW_W_IN11;
`ifdef ZW_IN12
localparam ZW_W_IN12 = PROBE_IN12_WIDTH;
input [ZW_W_IN12-1:0] probe_in12;
`else
localparam ZW_W_IN12 = 0;
`endif
localparam ZW_O_IN13 = ZW_O_IN12 + ZW_W_IN12;
`ifdef ZW_IN13
localparam ZW_W_IN13 = PROBE_IN13_WIDTH;
input [ZW_W_IN13-1:0] probe_in13;
`else
localparam ZW_W_IN13 = 0;
`endif
localparam ZW_O_IN14 = ZW_O_IN13 + ZW_W_IN13;
`ifdef ZW_IN14
localparam ZW_W_IN14 = PROBE_IN14_WIDTH;
input [ZW_W_IN14-1:0] probe_in14;
`else
localparam ZW_W_IN14 = 0;
`endif
localparam ZW_O_IN15 = ZW_O_IN14 + ZW_W_IN14;
`ifdef ZW_IN15
localparam ZW_W_IN15 = PROBE_IN15_WIDTH;
input [ZW_W_IN15-1:0] probe_in15;
`else
localparam ZW_W_IN15 = 0;
`endif
localparam ZW_O_IN16 = ZW_O_IN15 + ZW_W_IN15;
`ifdef ZW_IN16
localparam ZW_W_IN16 = PROBE_IN16_WIDTH;
input [ZW_W_IN16-1:0] probe_in16;
`else
localparam ZW_W_IN16 = 0;
`endif
localparam ZW_O_IN17 = ZW_O_IN16 + ZW_W_IN16;
`ifdef ZW_IN17
localparam ZW_W_IN17 = PROBE_IN17_WIDTH;
input [ZW_W_IN17-1:0] probe_in17;
`else
localparam ZW_W_IN17 = 0;
`endif
localparam ZW_O_IN18 = ZW_O_IN17 + ZW_W_IN17;
`ifdef ZW_IN18
localparam ZW_W_IN18 = PROBE_IN18_WIDTH;
input [ZW_W_IN18-1:0] probe_in18;
`else
localparam ZW_W_IN18 = 0;
`endif
localparam ZW_O_IN19 = ZW_O_IN18 + ZW_W_IN18;
`ifdef ZW_IN19
localparam ZW_W_IN19 = PROBE_IN19_WIDTH;
input [ZW_W_IN19-1:0] probe_in19;
`else
localparam ZW_W_IN19 = 0;
`endif
localparam ZW_O_IN20 = ZW_O_IN19 + ZW_W_IN19;
`ifdef ZW_IN20
localparam ZW_W_IN20 = PROBE_IN20_WIDTH;
input [ZW_W_IN20-1:0] probe_in20;
`else
localparam ZW_W_IN20 = 0;
`endif
localparam ZW_O_IN21 = ZW_O_IN20 + ZW_W_IN20;
`ifdef ZW_IN21
localparam ZW_W_IN21 = PROBE_IN21_WIDTH;
input [ZW_W_IN21-1:0] probe_in21;
`else
localparam ZW_W_IN21 = 0;
`endif
localparam ZW_O_IN22 = ZW_O_IN21 + ZW_W_IN21;
`ifdef ZW_IN22
localparam ZW_W_IN22 = PROBE_IN22_WIDTH;
input [ZW_W_IN22-1:0] probe_in22;
`else
localparam ZW_W_IN22 = 0;
`endif
localparam ZW_O_IN23 = ZW_O_IN22 + ZW_W_IN22;
`ifdef ZW_IN23
localparam ZW_W_IN23 = PROBE_IN23_WIDTH;
input [ZW_W_IN23-1:0] probe_in23;
`else
localparam ZW_W_IN23 = 0;
`endif
localparam ZW_O_IN24 = ZW_O_IN23 + ZW_W_IN23;
`ifdef ZW_IN24
localparam ZW_W_IN24 = PROBE_IN24_WIDTH;
input [ZW_W_IN24-1:0] probe_in24;
`else
localparam ZW_W_IN24 = 0;
`endif
localparam ZW_O_IN25 = ZW_O_IN24 + ZW_W_IN24;
`ifdef ZW_IN25
localparam ZW_W_IN25 = PROBE_IN25_WIDTH;
input [ZW_W_IN25-1:0] probe_in25;
`else
localparam ZW_W_IN25 = 0;
`endif
localparam ZW_O_IN26 = ZW_O_IN25 + ZW_W_IN25;
`ifdef ZW_IN26
localparam ZW_W_IN26 = PROBE_IN26_WIDTH;
input [ZW_W_IN26-1:0] probe_in26;
`else
localparam ZW_W_IN26 = 0;
`endif
localparam ZW_O_IN27 = ZW_O_IN26 + ZW_W_IN26;
`ifdef ZW_IN27
localparam ZW_W_IN27 = PROBE_IN27_WIDTH;
input [ZW_W_IN27-1:0] probe_in27;
`else
localparam ZW_W_IN27 = 0;
`endif
localparam ZW_O_IN28 = ZW_O_IN27 + ZW_W_IN27;
`ifdef ZW_IN28
localparam ZW_W_IN28 = PROBE_IN28_WIDTH;
input [ZW_W_IN28-1:0] probe_in28;
`else
localparam ZW_W_IN28 = 0;
`endif
localparam ZW_O_IN29 = ZW_O_IN28 + ZW_W_IN28;
`ifdef ZW_IN29
localparam ZW_W_IN29 = PROBE_IN29_WIDTH;
input [ZW_W_IN29-1:0] probe_in29;
`else
localparam ZW_W_IN29 = 0;
`endif
localparam ZW_O_IN30 = ZW_O_IN29 + ZW_W_IN29;
`ifdef ZW_IN30
localparam ZW_W_IN30 = PROBE_IN30_WIDTH;
input [ZW_W_IN30-1:0] probe_in30;
`else
localparam ZW_W_IN30 = 0;
`endif
localparam ZW_O_IN31 = ZW_O_IN30 + ZW_W_IN30;
`ifdef ZW_IN31
localparam ZW_W_IN31 = PROBE_IN31_WIDTH;
input [ZW_W_IN31-1:0] probe_in31;
`else
localparam ZW_W_IN31 = 0;
`endif
localparam ZW_O_IN32 = ZW_O_IN31 + ZW_W_IN31;
`ifdef ZW_IN32
localparam ZW_W_IN32 = PROBE_IN32_WIDTH;
input [ZW_W_IN32-1:0] probe_in32;
`else
localparam ZW_W_IN32 = 0;
`endif
localparam ZW_O_IN33 = ZW_O_IN32 + ZW_W_IN32;
`ifdef ZW_IN33
localparam ZW_W_IN33 = PROBE_IN33_WIDTH;
input [ZW_W_IN33-1:0] probe_in33;
`else
localparam ZW_W_IN33 = 0;
`endif
localparam ZW_O_IN34 = ZW_O_IN33 + ZW_W_IN33;
`ifdef ZW_IN34
localparam ZW_W_IN34 = PROBE_IN34_WIDTH;
input [ZW_W_IN34-1:0] probe_in34;
`else
localparam ZW_W_IN34 = 0;
`endif
localparam ZW_O_IN35 = ZW_O_IN34 + ZW_W_IN34;
`ifdef ZW_IN35
localparam ZW_W_IN35 = PROBE_IN35_WIDTH;
input [ZW_W_IN35-1:0] probe_in35;
`else
localparam ZW_W_IN35 = 0;
`endif
localparam ZW_O_IN36 = ZW_O_IN35 + ZW_W_IN35;
`ifdef ZW_IN36
localparam ZW_W_IN36 = PROBE_IN36_WIDTH;
input [ZW_W_IN36-1:0] probe_in36;
`else
localparam ZW_W_IN36 = 0;
`endif
localparam ZW_O_IN37 = ZW_O_IN36 + ZW_W_IN36;
`ifdef ZW_IN37
localparam ZW_W_IN37 = PROBE_IN37_WIDTH;
input [ZW_W_IN37-1:0] probe_in37;
`else
localparam ZW_W_IN37 = 0;
`endif
localparam ZW_O_IN38 = ZW_O_IN37 + ZW_W_IN37;
`ifdef ZW_IN38
localparam ZW_W_IN38 = PROBE_IN38_WIDTH;
input [ZW_W_IN38-1:0] probe_in38;
`else
localparam ZW_W_IN38 = 0;
`endif
localparam ZW_O_IN39 = ZW_O_IN38 + ZW_W_IN38;
`ifdef ZW_IN39
localparam ZW_W_IN39 = PROBE_IN39_WIDTH;
input [ZW_W_IN39-1:0] probe_in39;
`else
localparam ZW_W_IN39 = 0;
`endif
localparam ZW_O_IN40 = ZW_O_IN39 + ZW_W_IN39;
`ifdef ZW_IN40
localparam ZW_W_IN40 = PROBE_IN40_WIDTH;
input [ZW_W_IN40-1:0] probe_in40;
`else
localparam ZW_W_IN40 = 0;
`endif
localparam ZW_O_IN41 = ZW_O_IN40 + ZW_W_IN40;
`ifdef ZW_IN41
localparam ZW_W_IN41 = PROBE_IN41_WIDTH;
input [ZW_W_IN41-1:0] probe_in41;
`else
localparam ZW_W_IN41 = 0;
`endif
localparam ZW_O_IN42 = ZW_O_IN41 + ZW_W_IN41;
`ifdef ZW_IN42
localparam ZW_W_IN42 = PROBE_IN42_WIDTH;
input [ZW_W_IN42-1:0] probe_in42;
`else
localparam ZW_W_IN42 = 0;
`endif
localparam ZW_O_IN43 = ZW_O_IN42 + ZW_W_IN42;
`ifdef ZW_IN43
localparam ZW_W_IN43 = PROBE_IN43_WIDTH;
input [ZW_W_IN43-1:0] probe_in43;
`else
localparam ZW_W_IN43 = 0;
`endif
localparam ZW_O_IN44 = ZW_O_IN43 + ZW_W_IN43;
`ifdef ZW_IN44
localparam ZW_W_IN44 = PROBE_IN44_WIDTH;
input [ZW_W_IN44-1:0] probe_in44;
`else
localparam ZW_W_IN44 = 0;
`endif
localparam ZW_O_IN45 = ZW_O_IN44 + ZW_W_IN44;
`ifdef ZW_IN45
localparam ZW_W_IN45 = PROBE_IN45_WIDTH;
input [ZW_W_IN45-1:0] probe_in45;
`else
localparam ZW_W_IN45 = 0;
`endif
localparam ZW_O_IN46 = ZW_O_IN45 + ZW_W_IN45;
`ifdef ZW_IN46
localparam ZW_W_IN46 = PROBE_IN46_WIDTH;
input [ZW_W_IN46-1:0] probe_in46;
`else
localparam ZW_W_IN46 = 0;
`endif
localparam ZW_O_IN47 = ZW_O_IN46 + ZW_W_IN46;
`ifdef ZW_IN47
localparam ZW_W_IN47 = PROBE_IN47_WIDTH;
input [ZW_W_IN47-1:0] probe_in47;
`else
localparam ZW_W_IN47 = 0;
`endif
localparam ZW_O_IN48 = ZW_O_IN47 + ZW_W_IN47;
`ifdef ZW_IN48
localparam ZW_W_IN48 = PROBE_IN48_WIDTH;
input [ZW_W_IN48-1:0] probe_in48;
`else
localparam ZW_W_IN48 = 0;
`endif
localparam ZW_O_IN49 = ZW_O_IN48 + ZW_W_IN48;
`ifdef ZW_IN49
localparam ZW_W_IN49 = PROBE_IN49_WIDTH;
input [ZW_W_IN49-1:0] probe_in49;
`else
localparam ZW_W_IN49 = 0;
`endif
localparam ZW_O_IN50 = ZW_O_IN49 + ZW_W_IN49;
`ifdef ZW_IN50
localparam ZW_W_IN50 = PROBE_IN50_WIDTH;
input [ZW_W_IN50-1:0] probe_in50;
`else
localparam ZW_W_IN50 = 0;
`endif
localparam ZW_O_IN51 = ZW_O_IN50 + ZW_W_IN50;
`ifdef ZW_IN51
localparam ZW_W_IN51 = PROBE_IN51_WIDTH;
input [ZW_W_IN51-1:0] probe_in51;
`else
localparam ZW_W_IN51 = 0;
`endif
localparam ZW_O_IN52 = ZW_O_IN51 + ZW_W_IN51;
`ifdef ZW_IN52
localparam ZW_W_IN52 = PROBE_IN52_WIDTH;
input [ZW_W_IN52-1:0] probe_in52;
`else
localparam ZW_W_IN52 = 0;
`endif
localparam ZW_O_IN53 = ZW_O_IN52 + ZW_W_IN52;
`ifdef ZW_IN53
localparam ZW_W_IN53 = PROBE_IN53_WIDTH;
input [ZW_W_IN53-1:0] probe_in53;
`else
localparam ZW_W_IN53 = 0;
`endif
localparam ZW_O_IN54 = ZW_O_IN53 + ZW_W_IN53;
`ifdef ZW_IN54
localparam ZW_W_IN54 = PROBE_IN54_WIDTH;
input [ZW_W_IN54-1:0] probe_in54;
`else
localparam ZW_W_IN54 = 0;
`endif
localparam ZW_O_IN55 = ZW_O_IN54 + ZW_W_IN54;
`ifdef ZW_IN55
localparam ZW_W_IN55 = PROBE_IN55_WIDTH;
input [ZW_W_IN55-1:0] probe_in55;
`else
localparam ZW_W_IN55 = 0;
`endif
localparam ZW_O_IN56 = ZW_O_IN55 + ZW_W_IN55;
`ifdef ZW_IN56
localparam ZW_W_IN56 = PROBE_IN56_WIDTH;
input [ZW_W_IN56-1:0] probe_in56;
`else
localparam ZW_W_IN56 = 0;
`endif
localparam ZW_O_IN57 = ZW_O_IN56 + ZW_W_IN56;
`ifdef ZW_IN57
localparam ZW_W_IN57 = PROBE_IN57_WIDTH;
input [ZW_W_IN57-1:0] probe_in57;
`else
localparam ZW_W_IN57 = 0;
`endif
localparam ZW_O_IN58 = ZW_O_IN57 + ZW_W_IN57;
`ifdef ZW_IN58
localparam ZW_W_IN58 = PROBE_IN58_WIDTH;
input [ZW_W_IN58-1:0] probe_in58;
`else
localparam ZW_W_IN58 = 0;
`endif
localparam ZW_O_IN59 = ZW_O_IN58 + ZW_W_IN58;
`ifdef ZW_IN59
localparam ZW_W_IN59 = PROBE_IN59_WIDTH;
input [ZW_W_IN59-1:0] probe_in59;
`else
localparam ZW_W_IN59 = 0;
`endif
localparam ZW_O_IN60 = ZW_O_IN59 + ZW_W_IN59;
`ifdef ZW_IN60
localparam ZW_W_IN60 = PROBE_IN60_WIDTH;
input [ZW_W_IN60-1:0] probe_in60;
`else
localparam ZW_W_IN60 = 0;
`endif
localparam ZW_O_IN61 = ZW_O_IN60 + ZW_W_IN60;
`ifdef ZW_IN61
localparam ZW_W_IN61 = PROBE_IN61_WIDTH;
input [ZW_W_IN61-1:0] probe_in61;
`else
localparam ZW_W_IN61 = 0;
`endif
localparam ZW_O_IN62 = ZW_O_IN61 + ZW_W_IN61;
`ifdef ZW_IN62
localparam ZW_W_IN62 = PROBE_IN62_WIDTH;
input [ZW_W_IN62-1:0] probe_in62;
`else
localparam ZW_W_IN62 = 0;
`endif
localparam ZW_O_IN63 = ZW_O_IN62 + ZW_W_IN62;
`ifdef ZW_IN63
localparam ZW_W_IN63 = PROBE_IN63_WIDTH;
input [ZW_W_IN63-1:0] probe_in63;
`else
localparam ZW_W_IN63 = 0;
`endif
localparam ZW_O_IN64 = ZW_O_IN63 + ZW_W_IN63;
`ifdef ZW_IN64
localparam ZW_W_IN64 = PROBE_IN64_WIDTH;
input [ZW_W_IN64-1:0] probe_in64;
`else
localparam ZW_W_IN64 = 0;
`endif
localparam ZW_O_IN65 = ZW_O_IN64 + ZW_W_IN64;
`ifdef ZW_IN65
localparam ZW_W_IN65 = PROBE_IN65_WIDTH;
input [ZW_W_IN65-1:0] probe_in65;
`else
localparam ZW_W_IN65 = 0;
`endif
localparam ZW_O_IN66 = ZW_O_IN65 + ZW_W_IN65;
`ifdef ZW_IN66
localparam ZW_W_IN66 = PROBE_IN66_WIDTH;
input [ZW_W_IN66-1:0] probe_in66;
`else
localparam ZW_W_IN66 = 0;
`endif
localparam ZW_O_IN67 = ZW_O_IN66 + ZW_W_IN66;
`ifdef ZW_IN67
localparam ZW_W_IN67 = PROBE_IN67_WIDTH;
input [ZW_W_IN67-1:0] probe_in67;
`else
localparam ZW_W_IN67 = 0;
`endif
localparam ZW_O_IN68 = ZW_O_IN67 + ZW_W_IN67;
`ifdef ZW_IN68
localparam ZW_W_IN68 = PROBE_IN68_WIDTH;
input [ZW_W_IN68-1:0] probe_in68;
`else
localparam ZW_W_IN68 = 0;
`endif
localparam ZW_O_IN69 = ZW_O_IN68 + ZW_W_IN68;
`ifdef ZW_IN69
localparam ZW_W_IN69 = PROBE_IN69_WIDTH;
input [ZW_W_IN69-1:0] probe_in69;
`else
localparam ZW_W_IN69 = 0;
`endif
localparam ZW_O_IN70 = ZW_O_IN69 + ZW_W_IN69;
`ifdef ZW_IN70
localparam ZW_W_IN70 = PROBE_IN70_WIDTH;
input [ZW_W_IN70-1:0] probe_in70;
`else
localparam ZW_W_IN70 = 0;
`endif
localparam ZW_O_IN71 = ZW_O_IN70 + ZW_W_IN70;
`ifdef ZW_IN71
localparam ZW_W_IN71 = PROBE_IN71_WIDTH;
input [ZW_W_IN71-1:0] probe_in71;
`else
localparam ZW_W_IN71 = 0;
`endif
localparam ZW_O_IN72 = ZW_O_IN71 + ZW_W_IN71;
`ifdef ZW_IN72
localparam ZW_W_IN72 = PROBE_IN72_WIDTH;
input [ZW_W_IN72-1:0] probe_in72;
`else
localparam ZW_W_IN72 = 0;
`endif
localparam ZW_O_IN73 = ZW_O_IN72 + ZW_W_IN72;
`ifdef ZW_IN73
localparam ZW_W_IN73 = PROBE_IN73_WIDTH;
input [ZW_W_IN73-1:0] probe_in73;
`else
localparam ZW_W_IN73 = 0;
`endif
localparam ZW_O_IN74 = ZW_O_IN73 + ZW_W_IN73;
`ifdef ZW_IN74
localparam ZW_W_IN74 = PROBE_IN74_WIDTH;
input [ZW_W_IN74-1:0] probe_in74;
`else
localparam ZW_W_IN74 = 0;
`endif
localparam ZW_O_IN75 = ZW_O_IN74 + ZW_W_IN74;
`ifdef ZW_IN75
localparam ZW_W_IN75 = PROBE_IN75_WIDTH;
input [ZW_W_IN75-1:0] probe_in75;
`else
localparam ZW_W_IN75 = 0;
`endif
localparam ZW_O_IN76 = ZW_O_IN75 + ZW_W_IN75;
`ifdef ZW_IN76
localparam ZW_W_IN76 = PROBE_IN76_WIDTH;
input [ZW_W_IN76-1:0] probe_in76;
`else
localparam ZW_W_IN76 = 0;
`endif
localparam ZW_O_IN77 = ZW_O_IN76 + ZW_W_IN76;
`ifdef ZW_IN77
localparam ZW_W_IN77 = PROBE_IN77_WIDTH;
input [ZW_W_IN77-1:0] probe_in77;
`else
localparam ZW_W_IN77 = 0;
`endif
localparam ZW_O_IN78 = ZW_O_IN77 + ZW_W_IN77;
`ifdef ZW_IN78
localparam ZW_W_IN78 = PROBE_IN78_WIDTH;
input [ZW_W_IN78-1:0] probe_in78;
`else
localparam ZW_W_IN78 = 0;
`endif
localparam ZW_O_IN79 = ZW_O_IN78 + ZW_W_IN78;
`ifdef ZW_IN79
localparam ZW_W_IN79 = PROBE_IN79_WIDTH;
input [ZW_W_IN79-1:0] probe_in79;
`else
localparam ZW_W_IN79 = 0;
`endif
localparam ZW_O_IN80 = ZW_O_IN79 + ZW_W_IN79;
`ifdef ZW_IN80
localparam ZW_W_IN80 = PROBE_IN80_WIDTH;
input [ZW_W_IN80-1:0] probe_in80;
`else
localparam ZW_W_IN80 = 0;
`endif
localparam ZW_O_IN81 = ZW_O_IN80 + ZW_W_IN80;
`ifdef ZW_IN81
localparam ZW_W_IN81 = PROBE_IN81_WIDTH;
input [ZW_W_IN81-1:0] probe_in81;
`else
localparam ZW_W_IN81 = 0;
`endif
localparam ZW_O_IN82 = ZW_O_IN81 + ZW_W_IN81;
`ifdef ZW_IN82
localparam ZW_W_IN82 = PROBE_IN82_WIDTH;
input [ZW_W_IN82-1:0] probe_in82;
`else
localparam ZW_W_IN82 = 0;
`endif
localparam ZW_O_IN83 = ZW_O_IN82 + ZW_W_IN82;
`ifdef ZW_IN83
localparam ZW_W_IN83 = PROBE_IN83_WIDTH;
input [ZW_W_IN83-1:0] probe_in83;
`else
localparam ZW_W_IN83 = 0;
`endif
localparam ZW_O_IN84 = ZW_O_IN83 + ZW_W_IN83;
`ifdef ZW_IN84
localparam ZW_W_IN84 = PROBE_IN84_WIDTH;
input [ZW_W_IN84-1:0] probe_in84;
`else
localparam ZW_W_IN84 = 0;
`endif
localparam ZW_O_IN85 = ZW_O_IN84 + ZW_W_IN84;
`ifdef ZW_IN85
localparam ZW_W_IN85 = PROBE_IN85_WIDTH;
input [ZW_W_IN85-1:0] probe_in85;
`else
localparam ZW_W_IN85 = 0;
`endif
localparam ZW_O_IN86 = ZW_O_IN85 + ZW_W_IN85;
`ifdef ZW_IN86
localparam ZW_W_IN86 = PROBE_IN86_WIDTH;
input [ZW_W_IN86-1:0] probe_in86;
`else
localparam ZW_W_IN86 = 0;
`endif
localparam ZW_O_IN87 = ZW_O_IN86 + ZW_W_IN86;
`ifdef ZW_IN87
localparam ZW_W_IN87 = PROBE_IN87_WIDTH;
input [ZW_W_IN87-1:0] probe_in87;
`else
localparam ZW_W_IN87 = 0;
`endif
localparam ZW_O_IN88 = ZW_O_IN87 + ZW_W_IN87;
`ifdef ZW_IN88
localparam ZW_W_IN88 = PROBE_IN88_WIDTH;
input [ZW_W_IN88-1:0] probe_in88;
`else
localparam ZW_W_IN88 = 0;
`endif
localparam ZW_O_IN89 = ZW_O_IN88 + ZW_W_IN88;
`ifdef ZW_IN89
localparam ZW_W_IN89 = PROBE_IN89_WIDTH;
input [ZW_W_IN89-1:0] probe_in89;
`else
localparam ZW_W_IN89 = 0;
`endif
localparam ZW_O_IN90 = ZW_O_IN89 + ZW_W_IN89;
`ifdef ZW_IN90
localparam ZW_W_IN90 = PROBE_IN90_WIDTH;
input [ZW_W_IN90-1:0] probe_in90;
`else
localparam ZW_W_IN90 = 0;
`endif
localparam ZW_O_IN91 = ZW_O_IN90 + ZW_W_IN90;
`ifdef ZW_IN91
localparam ZW_W_IN91 = PROBE_IN91_WIDTH;
input [ZW_W_IN91-1:0] probe_in91;
`else
localparam ZW_W_IN91 = 0;
`endif
localparam ZW_O_IN92 = ZW_O_IN91 + ZW_W_IN91;
`ifdef ZW_IN92
localparam ZW_W_IN92 = PROBE_IN92_WIDTH;
input [ZW_W_IN92-1:0] probe_in92;
`else
localparam ZW_W_IN92 = 0;
`endif
localparam ZW_O_IN93 = ZW_O_IN92 + ZW_W_IN92;
`ifdef ZW_IN93
localparam ZW_W_IN93 = PROBE_IN93_WIDTH;
input [ZW_W_IN93-1:0] probe_in93;
`else
localparam ZW_W_IN93 = 0;
`endif
localparam ZW_O_IN94 = ZW_O_IN93 + ZW_W_IN93;
`ifdef ZW_IN94
localparam ZW_W_IN94 = PROBE_IN94_WIDTH;
input [ZW_W_IN94-1:0] probe_in94;
`else
localparam ZW_W_IN94 = 0;
`endif
localparam ZW_O_IN95 = ZW_O_IN94 + ZW_W_IN94;
`ifdef ZW_IN95
localparam ZW_W_IN95 = PROBE_IN95_WIDTH;
input [ZW_W_IN95-1:0] probe_in95;
`else
localparam ZW_W_IN95 = 0;
`endif
localparam ZW_O_IN96 = ZW_O_IN95 + ZW_W_IN95;
`ifdef ZW_IN96
localparam ZW_W_IN96 = PROBE_IN96_WIDTH;
input [ZW_W_IN96-1:0] probe_in96;
`else
localparam ZW_W_IN96 = 0;
`endif
localparam ZW_O_IN97 = ZW_O_IN96 + ZW_W_IN96;
`ifdef ZW_IN97
localparam ZW_W_IN97 = PROBE_IN97_WIDTH;
input [ZW_W_IN97-1:0] probe_in97;
`else
localparam ZW_W_IN97 = 0;
`endif
localparam ZW_O_IN98 = ZW_O_IN97 + ZW_W_IN97;
`ifdef ZW_IN98
localparam ZW_W_IN98 = PROBE_IN98_WIDTH;
input [ZW_W_IN98-1:0] probe_in98;
`else
localparam ZW_W_IN98 = 0;
`endif
localparam ZW_O_IN99 = ZW_O_IN98 + ZW_W_IN98;
`ifdef ZW_IN99
localparam ZW_W_IN99 = PROBE_IN99_WIDTH;
input [ZW_W_IN99-1:0] probe_in99;
`else
localparam ZW_W_IN99 = 0;
`endif
localparam ZW_O_IN100 = ZW_O_IN99 + ZW_W_IN99;
`ifdef ZW_IN100
localparam ZW_W_IN100 = PROBE_IN100_WIDTH;
input [ZW_W_IN100-1:0] probe_in100;
`else
localparam ZW_W_IN100 = 0;
`endif
localparam ZW_O_IN101 = ZW_O_IN100 + ZW_W_IN100;
`ifdef ZW_IN101
localparam ZW_W_IN101 = PROBE_IN101_WIDTH;
input [ZW_W_IN101-1:0] probe_in101;
`else
localparam ZW_W_IN101 = 0;
`endif
localparam ZW_O_IN102 = ZW_O_IN101 + ZW_W_IN101;
`ifdef ZW_IN102
localparam ZW_W_IN102 = PROBE_IN102_WIDTH;
input [ZW_W_IN102-1:0] probe_in102;
`else
localparam ZW_W_IN102 = 0;
`endif
localparam ZW_O_IN103 = ZW_O_IN102 + ZW_W_IN102;
`ifdef ZW_IN103
localparam ZW_W_IN103 = PROBE_IN103_WIDTH;
input [ZW_W_IN103-1:0] probe_in103;
`else
localparam ZW_W_IN103 = 0;
`endif
localparam ZW_O_IN104 = ZW_O_IN103 + ZW_W_IN103;
`ifdef ZW_IN104
localparam ZW_W_IN104 = PROBE_IN104_WIDTH;
input [ZW_W_IN104-1:0] probe_in104;
`else
localparam ZW_W_IN104 = 0;
`endif
localparam ZW_O_IN105 = ZW_O_IN104 + ZW_W_IN104;
`ifdef ZW_IN105
localparam ZW_W_IN105 = PROBE_IN105_WIDTH;
input [ZW_W_IN105-1:0] probe_in105;
`else
localparam ZW_W_IN105 = 0;
`endif
localparam ZW_O_IN106 = ZW_O_IN105 + ZW_W_IN105;
`ifdef ZW_IN106
localparam ZW_W_IN106 = PROBE_IN106_WIDTH;
input [ZW_W_IN106-1:0] probe_in106;
`else
localparam ZW_W_IN106 = 0;
`endif
localparam ZW_O_IN107 = ZW_O_IN106 + ZW_W_IN106;
`ifdef ZW_IN107
localparam ZW_W_IN107 = PROBE_IN107_WIDTH;
input [ZW_W_IN107-1:0] probe_in107;
`else
localparam ZW_W_IN107 = 0;
`endif
localparam ZW_O_IN108 = ZW_O_IN107 + ZW_W_IN107;
`ifdef ZW_IN108
localparam ZW_W_IN108 = PROBE_IN108_WIDTH;
input [ZW_W_IN108-1:0] probe_in108;
`else
localparam ZW_W_IN108 = 0;
`endif
localparam ZW_O_IN109 = ZW_O_IN108 + ZW_W_IN108;
`ifdef ZW_IN109
localparam ZW_W_IN109 = PROBE_IN109_WIDTH;
input [ZW_W_IN109-1:0] probe_in109;
`else
localparam ZW_W_IN109 = 0;
`endif
localparam ZW_O_IN110 = ZW_O_IN109 + ZW_W_IN109;
`ifdef ZW_IN110
localparam ZW_W_IN110 = PROBE_IN110_WIDTH;
input [ZW_W_IN110-1:0] probe_in110;
`else
localparam ZW_W_IN110 = 0;
`endif
localparam ZW_O_IN111 = ZW_O_IN110 + ZW_W_IN110;
`ifdef ZW_IN111
localparam ZW_W_IN111 = PROBE_IN111_WIDTH;
input [ZW_W_IN111-1:0] probe_in111;
`else
localparam ZW_W_IN111 = 0;
`endif
localparam ZW_O_IN112 = ZW_O_IN111 + ZW_W_IN111;
`ifdef ZW_IN112
localparam ZW_W_IN112 = PROBE_IN112_WIDTH;
input [ZW_W_IN112-1:0] probe_in112;
`else
localparam ZW_W_IN112 = 0;
`endif
localparam ZW_O_IN113 = ZW_O_IN112 + ZW_W_IN112;
`ifdef ZW_IN113
localparam ZW_W_IN113 = PROBE_IN113_WIDTH;
input [ZW_W_IN113-1:0] probe_in113;
`else
localparam ZW_W_IN113 = 0;
`endif
localparam ZW_O_IN114 = ZW_O_IN113 + ZW_W_IN113;
`ifdef ZW_IN114
localparam ZW_W_IN114 = PROBE_IN114_WIDTH;
input [ZW_W_IN114-1:0] probe_in114;
`else
localparam ZW_W_IN114 = 0;
`endif
localparam ZW_O_IN115 = ZW_O_IN114 + ZW_W_IN114;
`ifdef ZW_IN115
localparam ZW_W_IN115 = PROBE_IN115_WIDTH;
input [ZW_W_IN115-1:0] probe_in115;
`else
localparam ZW_W_IN115 = 0;
`endif
localparam ZW_O_IN116 = ZW_O_IN115 + ZW_W_IN115;
`ifdef ZW_IN116
localparam ZW_W_IN116 = PROBE_IN116_WIDTH;
input [ZW_W_IN116-1:0] probe_in116;
`else
localparam ZW_W_IN116 = 0;
`endif
localparam ZW_O_IN117 = ZW_O_IN116 + ZW_W_IN116;
`ifdef ZW_IN117
localparam ZW_W_IN117 = PROBE_IN117_WIDTH;
input [ZW_W_IN117-1:0] probe_in117;
`else
localparam ZW_W_IN117 = 0;
`endif
localparam ZW_O_IN118 = ZW_O_IN117 + ZW_W_IN117;
`ifdef ZW_IN118
localparam ZW_W_IN118 = PROBE_IN118_WIDTH;
input [ZW_W_IN118-1:0] probe_in118;
`else
localparam ZW_W_IN118 = 0;
`endif
localparam ZW_O_IN119 = ZW_O_IN118 + ZW_W_IN118;
`ifdef ZW_IN119
localparam ZW_W_IN119 = PROBE_IN119_WIDTH;
input [ZW_W_IN119-1:0] probe_in119;
`else
localparam ZW_W_IN119 = 0;
`endif
localparam ZW_O_IN120 = ZW_O_IN119 + ZW_W_IN119;
`ifdef ZW_IN120
localparam ZW_W_IN120 = PROBE_IN120_WIDTH;
input [ZW_W_IN120-1:0] probe_in120;
`else
localparam ZW_W_IN120 = 0;
`endif
localparam ZW_O_IN121 = ZW_O_IN120 + ZW_W_IN120;
`ifdef ZW_IN121
localparam ZW_W_IN121 = PROBE_IN121_WIDTH;
input [ZW_W_IN121-1:0] probe_in121;
`else
localparam ZW_W_IN121 = 0;
`endif
localparam ZW_O_IN122 = ZW_O_IN121 + ZW_W_IN121;
`ifdef ZW_IN122
localparam ZW_W_IN122 = PROBE_IN122_WIDTH;
input [ZW_W_IN122-1:0] probe_in122;
`else
localparam ZW_W_IN122 = 0;
`endif
localparam ZW_O_IN123 = ZW_O_IN122 + ZW_W_IN122;
`ifdef ZW_IN123
localparam ZW_W_IN123 = PROBE_IN123_WIDTH;
input [ZW_W_IN123-1:0] probe_in123;
`else
localparam ZW_W_IN123 = 0;
`endif
localparam ZW_O_IN124 = ZW_O_IN123 + ZW_W_IN123;
`ifdef ZW_IN124
localparam ZW_W_IN124 = PROBE_IN124_WIDTH;
input [ZW_W_IN124-1:0] probe_in124;
`else
localparam ZW_W_IN124 = 0;
`endif
localparam ZW_O_IN125 = ZW_O_IN124 + ZW_W_IN124;
`ifdef ZW_IN125
localparam ZW_W_IN125 = PROBE_IN125_WIDTH;
input [ZW_W_IN125-1:0] probe_in125;
`else
localparam ZW_W_IN125 = 0;
`endif
localparam ZW_O_IN126 = ZW_O_IN125 + ZW_W_IN125;
`ifdef ZW_IN126
localparam ZW_W_IN126 = PROBE_IN126_WIDTH;
input [ZW_W_IN126-1:0] probe_in126;
`else
localparam ZW_W_IN126 = 0;
`endif
localparam ZW_O_IN127 = ZW_O_IN126 + ZW_W_IN126;
`ifdef ZW_IN127
localparam ZW_W_IN127 = PROBE_IN127_WIDTH;
input [ZW_W_IN127-1:0] probe_in127;
`else
localparam ZW_W_IN127 = 0;
`endif
localparam ZW_O_IN128 = ZW_O_IN127 + ZW_W_IN127;
`ifdef ZW_IN128
localparam ZW_W_IN128 = PROBE_IN128_WIDTH;
input [ZW_W_IN128-1:0] probe_in128;
`else
localparam ZW_W_IN128 = 0;
`endif
localparam ZW_O_IN129 = ZW_O_IN128 + ZW_W_IN128;
`ifdef ZW_IN129
localparam ZW_W_IN129 = PROBE_IN129_WIDTH;
input [ZW_W_IN129-1:0] probe_in129;
`else
localparam ZW_W_IN129 = 0;
`endif
localparam ZW_O_IN130 = ZW_O_IN129 + ZW_W_IN129;
`ifdef ZW_IN130
localparam ZW_W_IN130 = PROBE_IN130_WIDTH;
input [ZW_W_IN130-1:0] probe_in130;
`else
localparam ZW_W_IN130 = 0;
`endif
localparam ZW_O_IN131 = ZW_O_IN130 + ZW_W_IN130;
`ifdef ZW_IN131
localparam ZW_W_IN131 = PROBE_IN131_WIDTH;
input [ZW_W_IN131-1:0] probe_in131;
`else
localparam ZW_W_IN131 = 0;
`endif
localparam ZW_O_IN132 = ZW_O_IN131 + ZW_W_IN131;
`ifdef ZW_IN132
localparam ZW_W_IN132 = PROBE_IN132_WIDTH;
input [ZW_W_IN132-1:0] probe_in132;
`else
localparam ZW_W_IN132 = 0;
`endif
localparam ZW_O_IN133 = ZW_O_IN132 + ZW_W_IN132;
`ifdef ZW_IN133
localparam ZW_W_IN133 = PROBE_IN133_WIDTH;
input [ZW_W_IN133-1:0] probe_in133;
`else
localparam ZW_W_IN133 = 0;
`endif
localparam ZW_O_IN134 = ZW_O_IN133 + ZW_W_IN133;
`ifdef ZW_IN134
localparam ZW_W_IN134 = PROBE_IN134_WIDTH;
input [ZW_W_IN134-1:0] probe_in134;
`else
localparam ZW_W_IN134 = 0;
`endif
localparam ZW_O_IN135 = ZW_O_IN134 + ZW_W_IN134;
`ifdef ZW_IN135
localparam ZW_W_IN135 = PROBE_IN135_WIDTH;
input [ZW_W_IN135-1:0] probe_in135;
`else
localparam ZW_W_IN135 = 0;
`endif
localparam ZW_O_IN136 = ZW_O_IN135 + ZW_W_IN135;
`ifdef ZW_IN136
localparam ZW_W_IN136 = PROBE_IN136_WIDTH;
input [ZW_W_IN136-1:0] probe_in136;
`else
localparam ZW_W_IN136 = 0;
`endif
localparam ZW_O_IN137 = ZW_O_IN136 + ZW_W_IN136;
`ifdef ZW_IN137
localparam ZW_W_IN137 = PROBE_IN137_WIDTH;
input [ZW_W_IN137-1:0] probe_in137;
`else
localparam ZW_W_IN137 = 0;
`endif
localparam ZW_O_IN138 = ZW_O_IN137 + ZW_W_IN137;
`ifdef ZW_IN138
localparam ZW_W_IN138 = PROBE_IN138_WIDTH;
input [ZW_W_IN138-1:0] probe_in138;
`else
localparam ZW_W_IN138 = 0;
`endif
localparam ZW_O_IN139 = ZW_O_IN138 + ZW_W_IN138;
`ifdef ZW_IN139
localparam ZW_W_IN139 = PROBE_IN139_WIDTH;
input [ZW_W_IN139-1:0] probe_in139;
`else
localparam ZW_W_IN139 = 0;
`endif
localparam ZW_O_IN140 = ZW_O_IN139 + ZW_W_IN139;
`ifdef ZW_IN140
localparam ZW_W_IN140 = PROBE_IN140_WIDTH;
input [ZW_W_IN140-1:0] probe_in140;
`else
localparam ZW_W_IN140 = 0;
`endif
localparam ZW_O_IN141 = ZW_O_IN140 + ZW_W_IN140;
`ifdef ZW_IN141
localparam ZW_W_IN141 = PROBE_IN141_WIDTH;
input [ZW_W_IN141-1:0] probe_in141;
`else
localparam ZW_W_IN141 = 0;
`endif
localparam ZW_O_IN142 = ZW_O_IN141 + ZW_W_IN141;
`ifdef ZW_IN142
localparam ZW_W_IN142 = PROBE_IN142_WIDTH;
input [ZW_W_IN142-1:0] probe_in142;
`else
localparam ZW_W_IN142 = 0;
`endif
localparam ZW_O_IN143 = ZW_O_IN142 + ZW_W_IN142;
`ifdef ZW_IN143
localparam ZW_W_IN143 = PROBE_IN143_WIDTH;
input [ZW_W_IN143-1:0] probe_in143;
`else
localparam ZW_W_IN143 = 0;
`endif
localparam ZW_O_IN144 = ZW_O_IN143 + ZW_W_IN143;
`ifdef ZW_IN144
localparam ZW_W_IN144 = PROBE_IN144_WIDTH;
input [ZW_W_IN144-1:0] probe_in144;
`else
localparam ZW_W_IN144 = 0;
`endif
localparam ZW_O_IN145 = ZW_O_IN144 + ZW_W_IN144;
`ifdef ZW_IN145
localparam ZW_W_IN145 = PROBE_IN145_WIDTH;
input [ZW_W_IN145-1:0] probe_in145;
`else
localparam ZW_W_IN145 = 0;
`endif
localparam ZW_O_IN146 = ZW_O_IN145 + ZW_W_IN145;
`ifdef ZW_IN146
localparam ZW_W_IN146 = PROBE_IN146_WIDTH;
input [ZW_W_IN146-1:0] probe_in146;
`else
localparam ZW_W_IN146 = 0;
`endif
localparam ZW_O_IN147 = ZW_O_IN146 + ZW_W_IN146;
`ifdef ZW_IN147
localparam ZW_W_IN147 = PROBE_IN147_WIDTH;
input [ZW_W_IN147-1:0] probe_in147;
`else
localparam ZW_W_IN147 = 0;
`endif
localparam ZW_O_IN148 = ZW_O_IN147 + ZW_W_IN147;
`ifdef ZW_IN148
localparam ZW_W_IN148 = PROBE_IN148_WIDTH;
input [ZW_W_IN148-1:0] probe_in148;
`else
localparam ZW_W_IN148 = 0;
`endif
localparam ZW_O_IN149 = ZW_O_IN148 + ZW_W_IN148;
`ifdef ZW_IN149
localparam ZW_W_IN149 = PROBE_IN149_WIDTH;
input [ZW_W_IN149-1:0] probe_in149;
`else
localparam ZW_W_IN149 = 0;
`endif
localparam ZW_O_IN150 = ZW_O_IN149 + ZW_W_IN149;
`ifdef ZW_IN150
localparam ZW_W_IN150 = PROBE_IN150_WIDTH;
input [ZW_W_IN150-1:0] probe_in150;
`else
localparam ZW_W_IN150 = 0;
`endif
localparam ZW_O_IN151 = ZW_O_IN150 + ZW_W_IN150;
`ifdef ZW_IN151
localparam ZW_W_IN151 = PROBE_IN151_WIDTH;
input [ZW_W_IN151-1:0] probe_in151;
`else
localparam ZW_W_IN151 = 0;
`endif
localparam ZW_O_IN152 = ZW_O_IN151 + ZW_W_IN151;
`ifdef ZW_IN152
localparam ZW_W_IN152 = PROBE_IN152_WIDTH;
input [ZW_W_IN152-1:0] probe_in152;
`else
localparam ZW_W_IN152 = 0;
`endif
localparam ZW_O_IN153 = ZW_O_IN152 + ZW_W_IN152;
`ifdef ZW_IN153
localparam ZW_W_IN153 = PROBE_IN153_WIDTH;
input [ZW_W_IN153-1:0] probe_in153;
`else
localparam ZW_W_IN153 = 0;
`endif
localparam ZW_O_IN154 = ZW_O_IN153 + ZW_W_IN153;
`ifdef ZW_IN154
localparam ZW_W_IN154 = PROBE_IN154_WIDTH;
input [ZW_W_IN154-1:0] probe_in154;
`else
localparam ZW_W_IN154 = 0;
`endif
localparam ZW_O_IN155 = ZW_O_IN154 + ZW_W_IN154;
`ifdef ZW_IN155
localparam ZW_W_IN155 = PROBE_IN155_WIDTH;
input [ZW_W_IN155-1:0] probe_in155;
`else
localparam ZW_W_IN155 = 0;
`endif
localparam ZW_O_IN156 = ZW_O_IN155 + ZW_W_IN155;
`ifdef ZW_IN156
localparam ZW_W_IN156 = PROBE_IN156_WIDTH;
input [ZW_W_IN156-1:0] probe_in156;
`else
localparam ZW_W_IN156 = 0;
`endif
localparam ZW_O_IN157 = ZW_O_IN156 + ZW_W_IN156;
`ifdef ZW_IN157
localparam ZW_W_IN157 = PROBE_IN157_WIDTH;
input [ZW_W_IN157-1:0] probe_in157;
`else
localparam ZW_W_IN157 = 0;
`endif
localparam ZW_O_IN158 = ZW_O_IN157 + ZW_W_IN157;
`ifdef ZW_IN158
localparam ZW_W_IN158 = PROBE_IN158_WIDTH;
input [ZW_W_IN158-1:0] probe_in158;
`else
localparam ZW_W_IN158 = 0;
`endif
localparam ZW_O_IN159 = ZW_O_IN158 + ZW_W_IN158;
`ifdef ZW_IN159
localparam ZW_W_IN159 = PROBE_IN159_WIDTH;
input [ZW_W_IN159-1:0] probe_in159;
`else
localparam ZW_W_IN159 = 0;
`endif
localparam ZW_O_IN160 = ZW_O_IN159 + ZW_W_IN159;
`ifdef ZW_IN160
localparam ZW_W_IN160 = PROBE_IN160_WIDTH;
input [ZW_W_IN160-1:0] probe_in160;
`else
localparam ZW_W_IN160 = 0;
`endif
localparam ZW_O_IN161 = ZW_O_IN160 + ZW_W_IN160;
`ifdef ZW_IN161
localparam ZW_W_IN161 = PROBE_IN161_WIDTH;
input [ZW_W_IN161-1:0] probe_in161;
`else
localparam ZW_W_IN161 = 0;
`endif
localparam ZW_O_IN162 = ZW_O_IN161 + ZW_W_IN161;
`ifdef ZW_IN162
localparam ZW_W_IN162 = PROBE_IN162_WIDTH;
input [ZW_W_IN162-1:0] probe_in162;
`else
localparam ZW_W_IN162 = 0;
`endif
localparam ZW_O_IN163 = ZW_O_IN162 + ZW_W_IN162;
`ifdef ZW_IN163
localparam ZW_W_IN163 = PROBE_IN163_WIDTH;
input [ZW_W_IN163-1:0] probe_in163;
`else
localparam ZW_W_IN163 = 0;
`endif
localparam ZW_O_IN164 = ZW_O_IN163 + ZW_W_IN163;
`ifdef ZW_IN164
localparam ZW_W_IN164 = PROBE_IN164_WIDTH;
input [ZW_W_IN164-1:0] probe_in164;
`else
localparam ZW_W_IN164 = 0;
`endif
localparam ZW_O_IN165 = ZW_O_IN164 + ZW_W_IN164;
`ifdef ZW_IN165
localparam ZW_W_IN165 = PROBE_IN165_WIDTH;
input [ZW_W_IN165-1:0] probe_in165;
`else
localparam ZW_W_IN165 = 0;
`endif
localparam ZW_O_IN166 = ZW_O_IN165 + ZW_W_IN165;
`ifdef ZW_IN166
localparam ZW_W_IN166 = PROBE_IN166_WIDTH;
input [ZW_W_IN166-1:0] probe_in166;
`else
localparam ZW_W_IN166 = 0;
`endif
localparam ZW_O_IN167 = ZW_O_IN166 + ZW_W_IN166;
`ifdef ZW_IN167
localparam ZW_W_IN167 = PROBE_IN167_WIDTH;
input [ZW_W_IN167-1:0] probe_in167;
`else
localparam ZW_W_IN167 = 0;
`endif
localparam ZW_O_IN168 = ZW_O_IN167 + ZW_W_IN167;
`ifdef ZW_IN168
localparam ZW_W_IN168 = PROBE_IN168_WIDTH;
input [ZW_W_IN168-1:0] probe_in168;
`else
localparam ZW_W_IN168 = 0;
`endif
localparam ZW_O_IN169 = ZW_O_IN168 + ZW_W_IN168;
`ifdef ZW_IN169
localparam ZW_W_IN169 = PROBE_IN169_WIDTH;
input [ZW_W_IN169-1:0] probe_in169;
`else
localparam ZW_W_IN169 = 0;
`endif
localparam ZW_O_IN170 = ZW_O_IN169 + ZW_W_IN169;
`ifdef ZW_IN170
localparam ZW_W_IN170 = PROBE_IN170_WIDTH;
input [ZW_W_IN170-1:0] probe_in170;
`else
localparam ZW_W_IN170 = 0;
`endif
localparam ZW_O_IN171 = ZW_O_IN170 + ZW_W_IN170;
`ifdef ZW_IN171
localparam ZW_W_IN171 = PROBE_IN171_WIDTH;
input [ZW_W_IN171-1:0] probe_in171;
`else
localparam ZW_W_IN171 = 0;
`endif
localparam ZW_O_IN172 = ZW_O_IN171 + ZW_W_IN171;
`ifdef ZW_IN172
localparam ZW_W_IN172 = PROBE_IN172_WIDTH;
input [ZW_W_IN172-1:0] probe_in172;
`else
localparam ZW_W_IN172 = 0;
`endif
localparam ZW_O_IN173 = ZW_O_IN172 + ZW_W_IN172;
`ifdef ZW_IN173
localparam ZW_W_IN173 = PROBE_IN173_WIDTH;
input [ZW_W_IN173-1:0] probe_in173;
`else
localparam ZW_W_IN173 = 0;
`endif
localparam ZW_O_IN174 = ZW_O_IN173 + ZW_W_IN173;
`ifdef ZW_IN174
localparam ZW_W_IN174 = PROBE_IN174_WIDTH;
input [ZW_W_IN174-1:0] probe_in174;
`else
localparam ZW_W_IN174 = 0;
`endif
localparam ZW_O_IN175 = ZW_O_IN174 + ZW_W_IN174;
`ifdef ZW_IN175
localparam ZW_W_IN175 = PROBE_IN175_WIDTH;
input [ZW_W_IN175-1:0] probe_in175;
`else
localparam ZW_W_IN175 = 0;
`endif
localparam ZW_O_IN176 = ZW_O_IN175 + ZW_W_IN175;
`ifdef ZW_IN176
localparam ZW_W_IN176 = PROBE_IN176_WIDTH;
input [ZW_W_IN176-1:0] probe_in176;
`else
localparam ZW_W_IN176 = 0;
`endif
localparam ZW_O_IN177 = ZW_O_IN176 + ZW_W_IN176;
`ifdef ZW_IN177
localparam ZW_W_IN177 = PROBE_IN177_WIDTH;
input [ZW_W_IN177-1:0] probe_in177;
`else
localparam ZW_W_IN177 = 0;
`endif
localparam ZW_O_IN178 = ZW_O_IN177 + ZW_W_IN177;
`ifdef ZW_IN178
localparam ZW_W_IN178 = PROBE_IN178_WIDTH;
input [ZW_W_IN178-1:0] probe_in178;
`else
localparam ZW_W_IN178 = 0;
`endif
localparam ZW_O_IN179 = ZW_O_IN178 + ZW_W_IN178;
`ifdef ZW_IN179
localparam ZW_W_IN179 = PROBE_IN179_WIDTH;
input [ZW_W_IN179-1:0] probe_in179;
`else
localparam ZW_W_IN179 = 0;
`endif
localparam ZW_O_IN180 = ZW_O_IN179 + ZW_W_IN179;
`ifdef ZW_IN180
localparam ZW_W_IN180 = PROBE_IN180_WIDTH;
input [ZW_W_IN180-1:0] probe_in180;
`else
localparam ZW_W_IN180 = 0;
`endif
localparam ZW_O_IN181 = ZW_O_IN180 + ZW_W_IN180;
`ifdef ZW_IN181
localparam ZW_W_IN181 = PROBE_IN181_WIDTH;
input [ZW_W_IN181-1:0] probe_in181;
`else
localparam ZW_W_IN181 = 0;
`endif
localparam ZW_O_IN182 = ZW_O_IN181 + ZW_W_IN181;
`ifdef ZW_IN182
localparam ZW_W_IN182 = PROBE_IN182_WIDTH;
input [ZW_W_IN182-1:0] probe_in182;
`else
localparam ZW_W_IN182 = 0;
`endif
localparam ZW_O_IN183 = ZW_O_IN182 + ZW_W_IN182;
`ifdef ZW_IN183
localparam ZW_W_IN183 = PROBE_IN183_WIDTH;
input [ZW_W_IN183-1:0] probe_in183;
`else
localparam ZW_W_IN183 = 0;
`endif
localparam ZW_O_IN184 = ZW_O_IN183 + ZW_W_IN183;
`ifdef ZW_IN184
localparam ZW_W_IN184 = PROBE_IN184_WIDTH;
input [ZW_W_IN184-1:0] probe_in184;
`else
localparam ZW_W_IN184 = 0;
`endif
localparam ZW_O_IN185 = ZW_O_IN184 + ZW_W_IN184;
`ifdef ZW_IN185
localparam ZW_W_IN185 = PROBE_IN185_WIDTH;
input [ZW_W_IN185-1:0] probe_in185;
`else
localparam ZW_W_IN185 = 0;
`endif
localparam ZW_O_IN186 = ZW_O_IN185 + ZW_W_IN185;
`ifdef ZW_IN186
localparam ZW_W_IN186 = PROBE_IN186_WIDTH;
input [ZW_W_IN186-1:0] probe_in186;
`else
localparam ZW_W_IN186 = 0;
`endif
localparam ZW_O_IN187 = ZW_O_IN186 + ZW_W_IN186;
`ifdef ZW_IN187
localparam ZW_W_IN187 = PROBE_IN187_WIDTH;
input [ZW_W_IN187-1:0] probe_in187;
`else
localparam ZW_W_IN187 = 0;
`endif
localparam ZW_O_IN188 = ZW_O_IN187 + ZW_W_IN187;
`ifdef ZW_IN188
localparam ZW_W_IN188 = PROBE_IN188_WIDTH;
input [ZW_W_IN188-1:0] probe_in188;
`else
localparam ZW_W_IN188 = 0;
`endif
localparam ZW_O_IN189 = ZW_O_IN188 + ZW_W_IN188;
`ifdef ZW_IN189
localparam ZW_W_IN189 = PROBE_IN189_WIDTH;
input [ZW_W_IN189-1:0] probe_in189;
`else
localparam ZW_W_IN189 = 0;
`endif
localparam ZW_O_IN190 = ZW_O_IN189 + ZW_W_IN189;
`ifdef ZW_IN190
localparam ZW_W_IN190 = PROBE_IN190_WIDTH;
input [ZW_W_IN190-1:0] probe_in190;
`else
localparam ZW_W_IN190 = 0;
`endif
localparam ZW_O_IN191 = ZW_O_IN190 + ZW_W_IN190;
`ifdef ZW_IN191
localparam ZW_W_IN191 = PROBE_IN191_WIDTH;
input [ZW_W_IN191-1:0] probe_in191;
`else
localparam ZW_W_IN191 = 0;
`endif
localparam ZW_O_IN192 = ZW_O_IN191 + ZW_W_IN191;
`ifdef ZW_IN192
localparam ZW_W_IN192 = PROBE_IN192_WIDTH;
input [ZW_W_IN192-1:0] probe_in192;
`else
localparam ZW_W_IN192 = 0;
`endif
localparam ZW_O_IN193 = ZW_O_IN192 + ZW_W_IN192;
`ifdef ZW_IN193
localparam ZW_W_IN193 = PROBE_IN193_WIDTH;
input [ZW_W_IN193-1:0] probe_in193;
`else
localparam ZW_W_IN193 = 0;
`endif
localparam ZW_O_IN194 = ZW_O_IN193 + ZW_W_IN193;
`ifdef ZW_IN194
localparam ZW_W_IN194 = PROBE_IN194_WIDTH;
input [ZW_W_IN194-1:0] probe_in194;
`else
localparam ZW_W_IN194 = 0;
`endif
localparam ZW_O_IN195 = ZW_O_IN194 + ZW_W_IN194;
`ifdef ZW_IN195
localparam ZW_W_IN195 = PROBE_IN195_WIDTH;
input [ZW_W_IN195-1:0] probe_in195;
`else
localparam ZW_W_IN195 = 0;
`endif
localparam ZW_O_IN196 = ZW_O_IN195 + ZW_W_IN195;
`ifdef ZW_IN196
localparam ZW_W_IN196 = PROBE_IN196_WIDTH;
input [ZW_W_IN196-1:0] probe_in196;
`else
localparam ZW_W_IN196 = 0;
`endif
localparam ZW_O_IN197 = ZW_O_IN196 + ZW_W_IN196;
`ifdef ZW_IN197
localparam ZW_W_IN197 = PROBE_IN197_WIDTH;
input [ZW_W_IN197-1:0] probe_in197;
`else
localparam ZW_W_IN197 = 0;
`endif
localparam ZW_O_IN198 = ZW_O_IN197 + ZW_W_IN197;
`ifdef ZW_IN198
localparam ZW_W_IN198 = PROBE_IN198_WIDTH;
input [ZW_W_IN198-1:0] probe_in198;
`else
localparam ZW_W_IN198 = 0;
`endif
localparam ZW_O_IN199 = ZW_O_IN198 + ZW_W_IN198;
`ifdef ZW_IN199
localparam ZW_W_IN199 = PROBE_IN199_WIDTH;
input [ZW_W_IN199-1:0] probe_in199;
`else
localparam ZW_W_IN199 = 0;
`endif
localparam ZW_O_IN200 = ZW_O_IN199 + ZW_W_IN199;
`ifdef ZW_IN200
localparam ZW_W_IN200 = PROBE_IN200_WIDTH;
input [ZW_W_IN200-1:0] probe_in200;
`else
localparam ZW_W_IN200 = 0;
`endif
localparam ZW_O_IN201 = ZW_O_IN200 + ZW_W_IN200;
`ifdef ZW_IN201
localparam ZW_W_IN201 = PROBE_IN201_WIDTH;
input [ZW_W_IN201-1:0] probe_in201;
`else
localparam ZW_W_IN201 = 0;
`endif
localparam ZW_O_IN202 = ZW_O_IN201 + ZW_W_IN201;
`ifdef ZW_IN202
localparam ZW_W_IN202 = PROBE_IN202_WIDTH;
input [ZW_W_IN202-1:0] probe_in202;
`else
localparam ZW_W_IN202 = 0;
`endif
localparam ZW_O_IN203 = ZW_O_IN202 + ZW_W_IN202;
`ifdef ZW_IN203
localparam ZW_W_IN203 = PROBE_IN203_WIDTH;
input [ZW_W_IN203-1:0] probe_in203;
`else
localparam ZW_W_IN203 = 0;
`endif
localparam ZW_O_IN204 = ZW_O_IN203 + ZW_W_IN203;
`ifdef ZW_IN204
localparam ZW_W_IN204 = PROBE_IN204_WIDTH;
input [ZW_W_IN204-1:0] probe_in204;
`else
localparam ZW_W_IN204 = 0;
`endif
localparam ZW_O_IN205 = ZW_O_IN204 + ZW_W_IN204;
`ifdef ZW_IN205
localparam ZW_W_IN205 = PROBE_IN205_WIDTH;
input [ZW_W_IN205-1:0] probe_in205;
`else
localparam ZW_W_IN205 = 0;
`endif
localparam ZW_O_IN206 = ZW_O_IN205 + ZW_W_IN205;
`ifdef ZW_IN206
localparam ZW_W_IN206 = PROBE_IN206_WIDTH;
input [ZW_W_IN206-1:0] probe_in206;
`else
localparam ZW_W_IN206 = 0;
`endif
localparam ZW_O_IN207 = ZW_O_IN206 + ZW_W_IN206;
`ifdef ZW_IN207
localparam ZW_W_IN207 = PROBE_IN207_WIDTH;
input [ZW_W_IN207-1:0] probe_in207;
`else
localparam ZW_W_IN207 = 0;
`endif
localparam ZW_O_IN208 = ZW_O_IN207 + ZW_W_IN207;
`ifdef ZW_IN208
localparam ZW_W_IN208 = PROBE_IN208_WIDTH;
input [ZW_W_IN208-1:0] probe_in208;
`else
localparam ZW_W_IN208 = 0;
`endif
localparam ZW_O_IN209 = ZW_O_IN208 + ZW_W_IN208;
`ifdef ZW_IN209
localparam ZW_W_IN209 = PROBE_IN209_WIDTH;
input [ZW_W_IN209-1:0] probe_in209;
`else
localparam ZW_W_IN209 = 0;
`endif
localparam ZW_O_IN210 = ZW_O_IN209 + ZW_W_IN209;
`ifdef ZW_IN210
localparam ZW_W_IN210 = PROBE_IN210_WIDTH;
input [ZW_W_IN210-1:0] probe_in210;
`else
localparam ZW_W_IN210 = 0;
`endif
localparam ZW_O_IN211 = ZW_O_IN210 + ZW_W_IN210;
`ifdef ZW_IN211
localparam ZW_W_IN211 = PROBE_IN211_WIDTH;
input [ZW_W_IN211-1:0] probe_in211;
`else
localparam ZW_W_IN211 = 0;
`endif
localparam ZW_O_IN212 = ZW_O_IN211 + ZW_W_IN211;
`ifdef ZW_IN212
localparam ZW_W_IN212 = PROBE_IN212_WIDTH;
input [ZW_W_IN212-1:0] probe_in212;
`else
localparam ZW_W_IN212 = 0;
`endif
localparam ZW_O_IN213 = ZW_O_IN212 + ZW_W_IN212;
`ifdef ZW_IN213
localparam ZW_W_IN213 = PROBE_IN213_WIDTH;
input [ZW_W_IN213-1:0] probe_in213;
`else
localparam ZW_W_IN213 = 0;
`endif
localparam ZW_O_IN214 = ZW_O_IN213 + ZW_W_IN213;
`ifdef ZW_IN214
localparam ZW_W_IN214 = PROBE_IN214_WIDTH;
input [ZW_W_IN214-1:0] probe_in214;
`else
localparam ZW_W_IN214 = 0;
`endif
localparam ZW_O_IN215 = ZW_O_IN214 + ZW_W_IN214;
`ifdef ZW_IN215
localparam ZW_W_IN215 = PROBE_IN215_WIDTH;
input [ZW_W_IN215-1:0] probe_in215;
`else
localparam ZW_W_IN215 = 0;
`endif
localparam ZW_O_IN216 = ZW_O_IN215 + ZW_W_IN215;
`ifdef ZW_IN216
localparam ZW_W_IN216 = PROBE_IN216_WIDTH;
input [ZW_W_IN216-1:0] probe_in216;
`else
localparam ZW_W_IN216 = 0;
`endif
localparam ZW_O_IN217 = ZW_O_IN216 + ZW_W_IN216;
`ifdef ZW_IN217
localparam ZW_W_IN217 = PROBE_IN217_WIDTH;
input [ZW_W_IN217-1:0] probe_in217;
`else
localparam ZW_W_IN217 = 0;
`endif
localparam ZW_O_IN218 = ZW_O_IN217 + ZW_W_IN217;
`ifdef ZW_IN218
localparam ZW_W_IN218 = PROBE_IN218_WIDTH;
input [ZW_W_IN218-1:0] probe_in218;
`else
localparam ZW_W_IN218 = 0;
`endif
localparam ZW_O_IN219 = ZW_O_IN218 + ZW_W_IN218;
`ifdef ZW_IN219
localparam ZW_W_IN219 = PROBE_IN219_WIDTH;
input [ZW_W_IN219-1:0] probe_in219;
`else
localparam ZW_W_IN219 = 0;
`endif
localparam ZW_O_IN220 = ZW_O_IN219 + ZW_W_IN219;
`ifdef ZW_IN220
localparam ZW_W_IN220 = PROBE_IN220_WIDTH;
input [ZW_W_IN220-1:0] probe_in220;
`else
localparam ZW_W_IN220 = 0;
`endif
localparam ZW_O_IN221 = ZW_O_IN220 + ZW_W_IN220;
`ifdef ZW_IN221
localparam ZW_W_IN221 = PROBE_IN221_WIDTH;
input [ZW_W_IN221-1:0] probe_in221;
`else
localparam ZW_W_IN221 = 0;
`endif
localparam ZW_O_IN222 = ZW_O_IN221 + ZW_W_IN221;
`ifdef ZW_IN222
localparam ZW_W_IN222 = PROBE_IN222_WIDTH;
input [ZW_W_IN222-1:0] probe_in222;
`else
localparam ZW_W_IN222 = 0;
`endif
localparam ZW_O_IN223 = ZW_O_IN222 + ZW_W_IN222;
`ifdef ZW_IN223
localparam ZW_W_IN223 = PROBE_IN223_WIDTH;
input [ZW_W_IN223-1:0] probe_in223;
`else
localparam ZW_W_IN223 = 0;
`endif
localparam ZW_O_IN224 = ZW_O_IN223 + ZW_W_IN223;
`ifdef ZW_IN224
localparam ZW_W_IN224 = PROBE_IN224_WIDTH;
input [ZW_W_IN224-1:0] probe_in224;
`else
localparam ZW_W_IN224 = 0;
`endif
localparam ZW_O_IN225 = ZW_O_IN224 + ZW_W_IN224;
`ifdef ZW_IN225
localparam ZW_W_IN225 = PROBE_IN225_WIDTH;
input [ZW_W_IN225-1:0] probe_in225;
`else
localparam ZW_W_IN225 = 0;
`endif
localparam ZW_O_IN226 = ZW_O_IN225 + ZW_W_IN225;
`ifdef ZW_IN226
localparam ZW_W_IN226 = PROBE_IN226_WIDTH;
input [ZW_W_IN226-1:0] probe_in226;
`else
localparam ZW_W_IN226 = 0;
`endif
localparam ZW_O_IN227 = ZW_O_IN226 + ZW_W_IN226;
`ifdef ZW_IN227
localparam ZW_W_IN227 = PROBE_IN227_WIDTH;
input [ZW_W_IN227-1:0] probe_in227;
`else
localparam ZW_W_IN227 = 0;
`endif
localparam ZW_O_IN228 = ZW_O_IN227 + ZW_W_IN227;
`ifdef ZW_IN228
localparam ZW_W_IN228 = PROBE_IN228_WIDTH;
input [ZW_W_IN228-1:0] probe_in228;
`else
localparam ZW_W_IN228 = 0;
`endif
localparam ZW_O_IN229 = ZW_O_IN228 + ZW_W_IN228;
`ifdef ZW_IN229
localparam ZW_W_IN229 = PROBE_IN229_WIDTH;
input [ZW_W_IN229-1:0] probe_in229;
`else
localparam ZW_W_IN229 = 0;
`endif
localparam ZW_O_IN230 = ZW_O_IN229 + ZW_W_IN229;
`ifdef ZW_IN230
localparam ZW_W_IN230 = PROBE_IN230_WIDTH;
input [ZW_W_IN230-1:0] probe_in230;
`else
localparam ZW_W_IN230 = 0;
`endif
localparam ZW_O_IN231 = ZW_O_IN230 + ZW_W_IN230;
`ifdef ZW_IN231
localparam ZW_W_IN231 = PROBE_IN231_WIDTH;
input [ZW_W_IN231-1:0] probe_in231;
`else
localparam ZW_W_IN231 = 0;
`endif
localparam ZW_O_IN232 = ZW_O_IN231 + ZW_W_IN231;
`ifdef ZW_IN232
localparam ZW_W_IN232 = PROBE_IN232_WIDTH;
input [ZW_W_IN232-1:0] probe_in232;
`else
localparam ZW_W_IN232 = 0;
`endif
localparam ZW_O_IN233 = ZW_O_IN232 + ZW_W_IN232;
`ifdef ZW_IN233
localparam ZW_W_IN233 = PROBE_IN233_WIDTH;
input [ZW_W_IN233-1:0] probe_in233;
`else
localparam ZW_W_IN233 = 0;
`endif
localparam ZW_O_IN234 = ZW_O_IN233 + ZW_W_IN233;
`ifdef ZW_IN234
localparam ZW_W_IN234 = PROBE_IN234_WIDTH;
input [ZW_W_IN234-1:0] probe_in234;
`else
localparam ZW_W_IN234 = 0;
`endif
localparam ZW_O_IN235 = ZW_O_IN234 + ZW_W_IN234;
`ifdef ZW_IN235
localparam ZW_W_IN235 = PROBE_IN235_WIDTH;
input [ZW_W_IN235-1:0] probe_in235;
`else
localparam ZW_W_IN235 = 0;
`endif
localparam ZW_O_IN236 = ZW_O_IN235 + ZW_W_IN235;
`ifdef ZW_IN236
localparam ZW_W_IN236 = PROBE_IN236_WIDTH;
input [ZW_W_IN236-1:0] probe_in236;
`else
localparam ZW_W_IN236 = 0;
`endif
localparam ZW_O_IN237 = ZW_O_IN236 + ZW_W_IN236;
`ifdef ZW_IN237
localparam ZW_W_IN237 = PROBE_IN237_WIDTH;
input [ZW_W_IN237-1:0] probe_in237;
`else
localparam ZW_W_IN237 = 0;
`endif
localparam ZW_O_IN238 = ZW_O_IN237 + ZW_W_IN237;
`ifdef ZW_IN238
localparam ZW_W_IN238 = PROBE_IN238_WIDTH;
input [ZW_W_IN238-1:0] probe_in238;
`else
localparam ZW_W_IN238 = 0;
`endif
localparam ZW_O_IN239 = ZW_O_IN238 + ZW_W_IN238;
`ifdef ZW_IN239
localparam ZW_W_IN239 = PROBE_IN239_WIDTH;
input [ZW_W_IN239-1:0] probe_in239;
`else
localparam ZW_W_IN239 = 0;
`endif
localparam ZW_O_IN240 = ZW_O_IN239 + ZW_W_IN239;
`ifdef ZW_IN240
localparam ZW_W_IN240 = PROBE_IN240_WIDTH;
input [ZW_W_IN240-1:0] probe_in240;
`else
localparam ZW_W_IN240 = 0;
`endif
localparam ZW_O_IN241 = ZW_O_IN240 + ZW_W_IN240;
`ifdef ZW_IN241
localparam ZW_W_IN241 = PROBE_IN241_WIDTH;
input [ZW_W_IN241-1:0] probe_in241;
`else
localparam ZW_W_IN241 = 0;
`endif
localparam ZW_O_IN242 = ZW_O_IN241 + ZW_W_IN241;
`ifdef ZW_IN242
localparam ZW_W_IN242 = PROBE_IN242_WIDTH;
input [ZW_W_IN242-1:0] probe_in242;
`else
localparam ZW_W_IN242 = 0;
`endif
localparam ZW_O_IN243 = ZW_O_IN242 + ZW_W_IN242;
`ifdef ZW_IN243
localparam ZW_W_IN243 = PROBE_IN243_WIDTH;
input [ZW_W_IN243-1:0] probe_in243;
`else
localparam ZW_W_IN243 = 0;
`endif
localparam ZW_O_IN244 = ZW_O_IN243 + ZW_W_IN243;
`ifdef ZW_IN244
localparam ZW_W_IN244 = PROBE_IN244_WIDTH;
input [ZW_W_IN244-1:0] probe_in244;
`else
localparam ZW_W_IN244 = 0;
`endif
localparam ZW_O_IN245 = ZW_O_IN244 + ZW_W_IN244;
`ifdef ZW_IN245
localparam ZW_W_IN245 = PROBE_IN245_WIDTH;
input [ZW_W_IN245-1:0] probe_in245;
`else
localparam ZW_W_IN245 = 0;
`endif
localparam ZW_O_IN246 = ZW_O_IN245 + ZW_W_IN245;
`ifdef ZW_IN246
localparam ZW_W_IN246 = PROBE_IN246_WIDTH;
input [ZW_W_IN246-1:0] probe_in246;
`else
localparam ZW_W_IN246 = 0;
`endif
localparam ZW_O_IN247 = ZW_O_IN246 + ZW_W_IN246;
`ifdef ZW_IN247
localparam ZW_W_IN247 = PROBE_IN247_WIDTH;
input [ZW_W_IN247-1:0] probe_in247;
`else
localparam ZW_W_IN247 = 0;
`endif
localparam ZW_O_IN248 = ZW_O_IN247 + ZW_W_IN247;
`ifdef ZW_IN248
localparam ZW_W_IN248 = PROBE_IN248_WIDTH;
input [ZW_W_IN248-1:0] probe_in248;
`else
localparam ZW_W_IN248 = 0;
`endif
localparam ZW_O_IN249 = ZW_O_IN248 + ZW_W_IN248;
`ifdef ZW_IN249
localparam ZW_W_IN249 = PROBE_IN249_WIDTH;
input [ZW_W_IN249-1:0] probe_in249;
`else
localparam ZW_W_IN249 = 0;
`endif
localparam ZW_O_IN250 = ZW_O_IN249 + ZW_W_IN249;
`ifdef ZW_IN250
localparam ZW_W_IN250 = PROBE_IN250_WIDTH;
input [ZW_W_IN250-1:0] probe_in250;
`else
localparam ZW_W_IN250 = 0;
`endif
localparam ZW_O_IN251 = ZW_O_IN250 + ZW_W_IN250;
`ifdef ZW_IN251
localparam ZW_W_IN251 = PROBE_IN251_WIDTH;
input [ZW_W_IN251-1:0] probe_in251;
`else
localparam ZW_W_IN251 = 0;
`endif
localparam ZW_O_IN252 = ZW_O_IN251 + ZW_W_IN251;
`ifdef ZW_IN252
localparam ZW_W_IN252 = PROBE_IN252_WIDTH;
input [ZW_W_IN252-1:0] probe_in252;
`else
localparam ZW_W_IN252 = 0;
`endif
localparam ZW_O_IN253 = ZW_O_IN252 + ZW_W_IN252;
`ifdef ZW_IN253
localparam ZW_W_IN253 = PROBE_IN253_WIDTH;
input [ZW_W_IN253-1:0] probe_in253;
`else
localparam ZW_W_IN253 = 0;
`endif
localparam ZW_O_IN254 = ZW_O_IN253 + ZW_W_IN253;
`ifdef ZW_IN254
localparam ZW_W_IN254 = PROBE_IN254_WIDTH;
input [ZW_W_IN254-1:0] probe_in254;
`else
localparam ZW_W_IN254 = 0;
`endif
localparam ZW_O_IN255 = ZW_O_IN254 + ZW_W_IN254;
`ifdef ZW_IN255
localparam ZW_W_IN255 = PROBE_IN255_WIDTH;
input [ZW_W_IN255-1:0] probe_in255;
`else
localparam ZW_W_IN255 = 0;
`endif
localparam ZW_O_IN256 = ZW_O_IN255 + ZW_W_IN255;
localparam ZW_O_OUT0 = 0;
`ifdef ZW_OUT0
localparam ZW_W_OUT0 = PROBE_OUT0_WIDTH;
output [ZW_W_OUT0-1:0] probe_out0;
`else
localparam ZW_W_OUT0 = 0;
`endif
localparam ZW_O_OUT1 = ZW_O_OUT0 + ZW_W_OUT0;
`ifdef ZW_OUT1
localparam ZW_W_OUT1 = PROBE_OUT1_WIDTH;
output [ZW_W_OUT1-1:0] probe_out1;
`else
localparam ZW_W_OUT1 = 0;
`endif
localparam ZW_O_OUT2 = ZW_O_OUT1 + ZW_W_OUT1;
`ifdef ZW_OUT2
localparam ZW_W_OUT2 = PROBE_OUT2_WIDTH;
output [ZW_W_OUT2-1:0] probe_out2;
`else
localparam ZW_W_OUT2 = 0;
`endif
localparam ZW_O_OUT3 = ZW_O_OUT2 + ZW_W_OUT2;
`ifdef ZW_OUT3
localparam ZW_W_OUT3 = PROBE_OUT3_WIDTH;
output [ZW_W_OUT3-1:0] probe_out3;
`else
localparam ZW_W_OUT3 = 0;
`endif
localparam ZW_O_OUT4 = ZW_O_OUT3 + ZW_W_OUT3;
`ifdef ZW_OUT4
localparam ZW_W_OUT4 = PROBE_OUT4_WIDTH;
output [ZW_W_OUT4-1:0] probe_out4;
`else
localparam ZW_W_OUT4 = 0;
`endif
localparam ZW_O_OUT5 = ZW_O_OUT4 + ZW_W_OUT4;
`ifdef ZW_OUT5
localparam ZW_W_OUT5 = PROBE_OUT5_WIDTH;
output [ZW_W_OUT5-1:0] probe_out5;
`else
localparam ZW_W_OUT5 = 0;
`endif
localparam ZW_O_OUT6 = ZW_O_OUT5 + ZW_W_OUT5;
`ifdef ZW_OUT6
localparam ZW_W_OUT6 = PROBE_OUT6_WIDTH;
output [ZW_W_OUT6-1:0] probe_out6;
`else
localparam ZW_W_OUT6 = 0;
`endif
localparam ZW_O_OUT7 = ZW_O_OUT6 + ZW_W_OUT6;
`ifdef ZW_OUT7
localparam ZW_W_OUT7 = PROBE_OUT7_WIDTH;
output [ZW_W_OUT7-1:0] probe_out7;
`else
localparam ZW_W_OUT7 = 0;
`endif
localparam ZW_O_OUT8 = ZW_O_OUT7 + ZW_W_OUT7;
`ifdef ZW_OUT8
localparam ZW_W_OUT8 = PROBE_OUT8_WIDTH;
output [ZW_W_OUT8-1:0] probe_out8;
`else
localparam ZW_W_OUT8 = 0;
`endif
localparam ZW_O_OUT9 = ZW_O_OUT8 + ZW_W_OUT8;
`ifdef ZW_OUT9
localparam ZW_W_OUT9 = PROBE_OUT9_WIDTH;
output [ZW_W_OUT9-1:0] probe_out9;
`else
localparam ZW_W_OUT9 = 0;
`endif
localparam ZW_O_OUT10 = ZW_O_OUT9 + ZW_W_OUT9;
`ifdef ZW_OUT10
localparam ZW_W_OUT10 = PROBE_OUT10_WIDTH;
output [ZW_W_OUT10-1:0] probe_out10;
`else
localparam ZW_W_OUT10 = 0;
`endif
localparam ZW_O_OUT11 = ZW_O_OUT10 + ZW_W_OUT10;
`ifdef ZW_OUT11
localparam ZW_W_OUT11 = PROBE_OUT11_WIDTH;
output [ZW_W_OUT11-1:0] probe_out11;
`else
localparam ZW_W_OUT11 = 0;
`endif
localparam ZW_O_OUT12 = ZW_O_OUT11 + ZW_W_OUT11;
`ifdef ZW_OUT12
localparam ZW_W_OUT12 = PROBE_OUT12_WIDTH;
output [ZW_W_OUT12-1:0] probe_out12;
`else
localparam ZW_W_OUT12 = 0;
`endif
localparam ZW_O_OUT13 = ZW_O_OUT12 + ZW_W_OUT12;
`ifdef ZW_OUT13
localparam ZW_W_OUT13 = PROBE_OUT13_WIDTH;
output [ZW_W_OUT13-1:0] probe_out13;
`else
localparam ZW_W_OUT13 = 0;
`endif
localparam ZW_O_OUT14 = ZW_O_OUT13 + ZW_W_OUT13;
`ifdef ZW_OUT14
localparam ZW_W_OUT14 = PROBE_OUT14_WIDTH;
output [ZW_W_OUT14-1:0] probe_out14;
`else
localparam ZW_W_OUT14 = 0;
`endif
localparam ZW_O_OUT15 = ZW_O_OUT14 + ZW_W_OUT14;
`ifdef ZW_OUT15
localparam ZW_W_OUT15 = PROBE_OUT15_WIDTH;
output [ZW_W_OUT15-1:0] probe_out15;
`else
localparam ZW_W_OUT15 = 0;
`endif
localparam ZW_O_OUT16 = ZW_O_OUT15 + ZW_W_OUT15;
`ifdef ZW_OUT16
localparam ZW_W_OUT16 = PROBE_OUT16_WIDTH;
output [ZW_W_OUT16-1:0] probe_out16;
`else
localparam ZW_W_OUT16 = 0;
`endif
localparam ZW_O_OUT17 = ZW_O_OUT16 + ZW_W_OUT16;
`ifdef ZW_OUT17
localparam ZW_W_OUT17 = PROBE_OUT17_WIDTH;
output [ZW_W_OUT17-1:0] probe_out17;
`else
localparam ZW_W_OUT17 = 0;
`endif
localparam ZW_O_OUT18 = ZW_O_OUT17 + ZW_W_OUT17;
`ifdef ZW_OUT18
localparam ZW_W_OUT18 = PROBE_OUT18_WIDTH;
output [ZW_W_OUT18-1:0] probe_out18;
`else
localparam ZW_W_OUT18 = 0;
`endif
localparam ZW_O_OUT19 = ZW_O_OUT18 + ZW_W_OUT18;
`ifdef ZW_OUT19
localparam ZW_W_OUT19 = PROBE_OUT19_WIDTH;
output [ZW_W_OUT19-1:0] probe_out19;
`else
localparam ZW_W_OUT19 = 0;
`endif
localparam ZW_O_OUT20 = ZW_O_OUT19 + ZW_W_OUT19;
`ifdef ZW_OUT20
localparam ZW_W_OUT20 = PROBE_OUT20_WIDTH;
output [ZW_W_OUT20-1:0] probe_out20;
`else
localparam ZW_W_OUT20 = 0;
`endif
localparam ZW_O_OUT21 = ZW_O_OUT20 + ZW_W_OUT20;
`ifdef ZW_OUT21
localparam ZW_W_OUT21 = PROBE_OUT21_WIDTH;
output [ZW_W_OUT21-1:0] probe_out21;
`else
localparam ZW_W_OUT21 = 0;
`endif
localparam ZW_O_OUT22 = ZW_O_OUT21 + ZW_W_OUT21;
`ifdef ZW_OUT22
localparam ZW_W_OUT22 = PROBE_OUT22_WIDTH;
output [ZW_W_OUT22-1:0] probe_out22;
`else
localparam ZW_W_OUT22 = 0;
`endif
localparam ZW_O_OUT23 = ZW_O_OUT22 + ZW_W_OUT22;
`ifdef ZW_OUT23
localparam ZW_W_OUT23 = PROBE_OUT23_WIDTH;
output [ZW_W_OUT23-1:0] probe_out23;
`else
localparam ZW_W_OUT23 = 0;
`endif
localparam ZW_O_OUT24 = ZW_O_OUT23 + ZW_W_OUT23;
`ifdef ZW_OUT24
localparam ZW_W_OUT24 = PROBE_OUT24_WIDTH;
output [ZW_W_OUT24-1:0] probe_out24;
`else
localparam ZW_W_OUT24 = 0;
`endif
localparam ZW_O_OUT25 = ZW_O_OUT24 + ZW_W_OUT24;
`ifdef ZW_OUT25
localparam ZW_W_OUT25 = PROBE_OUT25_WIDTH;
output [ZW_W_OUT25-1:0] probe_out25;
`else
localparam ZW_W_OUT25 = 0;
`endif
localparam ZW_O_OUT26 = ZW_O_OUT25 + ZW_W_OUT25;
`ifdef ZW_OUT26
localparam ZW_W_OUT26 = PROBE_OUT26_WIDTH;
output [ZW_W_OUT26-1:0] probe_out26;
`else
localparam ZW_W_OUT26 = 0;
`endif
localparam ZW_O_OUT27 = ZW_O_OUT26 + ZW_W_OUT26;
`ifdef ZW_OUT27
localparam ZW_W_OUT27 = PROBE_OUT27_WIDTH;
output [ZW_W_OUT27-1:0] probe_out27;
`else
localparam ZW_W_OUT27 = 0;
`endif
localparam ZW_O_OUT28 = ZW_O_OUT27 + ZW_W_OUT27;
`ifdef ZW_OUT28
localparam ZW_W_OUT28 = PROBE_OUT28_WIDTH;
output [ZW_W_OUT28-1:0] probe_out28;
`else
localparam ZW_W_OUT28 = 0;
`endif
localparam ZW_O_OUT29 = ZW_O_OUT28 + ZW_W_OUT28;
`ifdef ZW_OUT29
localparam ZW_W_OUT29 = PROBE_OUT29_WIDTH;
output [ZW_W_OUT29-1:0] probe_out29;
`else
localparam ZW_W_OUT29 = 0;
`endif
localparam ZW_O_OUT30 = ZW_O_OUT29 + ZW_W_OUT29;
`ifdef ZW_OUT30
localparam ZW_W_OUT30 = PROBE_OUT30_WIDTH;
output [ZW_W_OUT30-1:0] probe_out30;
`else
localparam ZW_W_OUT30 = 0;
`endif
localparam ZW_O_OUT31 = ZW_O_OUT30 + ZW_W_OUT30;
`ifdef ZW_OUT31
localparam ZW_W_OUT31 = PROBE_OUT31_WIDTH;
output [ZW_W_OUT31-1:0] probe_out31;
`else
localparam ZW_W_OUT31 = 0;
`endif
localparam ZW_O_OUT32 = ZW_O_OUT31 + ZW_W_OUT31;
`ifdef ZW_OUT32
localparam ZW_W_OUT32 = PROBE_OUT32_WIDTH;
output [ZW_W_OUT32-1:0] probe_out32;
`else
localparam ZW_W_OUT32 = 0;
`endif
localparam ZW_O_OUT33 = ZW_O_OUT32 + ZW_W_OUT32;
`ifdef ZW_OUT33
localparam ZW_W_OUT33 = PROBE_OUT33_WIDTH;
output [ZW_W_OUT33-1:0] probe_out33;
`else
localparam ZW_W_OUT33 = 0;
`endif
localparam ZW_O_OUT34 = ZW_O_OUT33 + ZW_W_OUT33;
`ifdef ZW_OUT34
localparam ZW_W_OUT34 = PROBE_OUT34_WIDTH;
output [ZW_W_OUT34-1:0] probe_out34;
`else
localparam ZW_W_OUT34 = 0;
`endif
localparam ZW_O_OUT35 = ZW_O_OUT34 + ZW_W_OUT34;
`ifdef ZW_OUT35
localparam ZW_W_OUT35 = PROBE_OUT35_WIDTH;
output [ZW_W_OUT35-1:0] probe_out35;
`else
localparam ZW_W_OUT35 = 0;
`endif
localparam ZW_O_OUT36 = ZW_O_OUT35 + ZW_W_OUT35;
`ifdef ZW_OUT36
localparam ZW_W_OUT36 = PROBE_OUT36_WIDTH;
output [ZW_W_OUT36-1:0] probe_out36;
`else
localparam ZW_W_OUT36 = 0;
`endif
localparam ZW_O_OUT37 = ZW_O_OUT36 + ZW_W_OUT36;
`ifdef ZW_OUT37
localparam ZW_W_OUT37 = PROBE_OUT37_WIDTH;
output [ZW_W_OUT37-1:0] probe_out37;
`else
localparam ZW_W_OUT37 = 0;
`endif
localparam ZW_O_OUT38 = ZW_O_OUT37 + ZW_W_OUT37;
`ifdef ZW_OUT38
localparam ZW_W_OUT38 = PROBE_OUT38_WIDTH;
output [ZW_W_OUT38-1:0] probe_out38;
`else
localparam ZW_W_OUT38 = 0;
`endif
localparam ZW_O_OUT39 = ZW_O_OUT38 + ZW_W_OUT38;
`ifdef ZW_OUT39
localparam ZW_W_OUT39 = PROBE_OUT39_WIDTH;
output [ZW_W_OUT39-1:0] probe_out39;
`else
localparam ZW_W_OUT39 = 0;
`endif
localparam ZW_O_OUT40 = ZW_O_OUT39 + ZW_W_OUT39;
`ifdef ZW_OUT40
localparam ZW_W_OUT40 = PROBE_OUT40_WIDTH;
output [ZW_W_OUT40-1:0] probe_out40;
`else
localparam ZW_W_OUT40 = 0;
`endif
localparam ZW_O_OUT41 = ZW_O_OUT40 + ZW_W_OUT40;
`ifdef ZW_OUT41
localparam ZW_W_OUT41 = PROBE_OUT41_WIDTH;
output [ZW_W_OUT41-1:0] probe_out41;
`else
localparam ZW_W_OUT41 = 0;
`endif
localparam ZW_O_OUT42 = ZW_O_OUT41 + ZW_W_OUT41;
`ifdef ZW_OUT42
localparam ZW_W_OUT42 = PROBE_OUT42_WIDTH;
output [ZW_W_OUT42-1:0] probe_out42;
`else
localparam ZW_W_OUT42 = 0;
`endif
localparam ZW_O_OUT43 = ZW_O_OUT42 + ZW_W_OUT42;
`ifdef ZW_OUT43
localparam ZW_W_OUT43 = PROBE_OUT43_WIDTH;
output [ZW_W_OUT43-1:0] probe_out43;
`else
localparam ZW_W_OUT43 = 0;
`endif
localparam ZW_O_OUT44 = ZW_O_OUT43 + ZW_W_OUT43;
`ifdef ZW_OUT44
localparam ZW_W_OUT44 = PROBE_OUT44_WIDTH;
output [ZW_W_OUT44-1:0] probe_out44;
`else
localparam ZW_W_OUT44 = 0;
`endif
localparam ZW_O_OUT45 = ZW_O_OUT44 + ZW_W_OUT44;
`ifdef ZW_OUT45
localparam ZW_W_OUT45 = PROBE_OUT45_WIDTH;
output [ZW_W_OUT45-1:0] probe_out45;
`else
localparam ZW_W_OUT45 = 0;
`endif
localparam ZW_O_OUT46 = ZW_O_OUT45 + ZW_W_OUT45;
`ifdef ZW_OUT46
localparam ZW_W_OUT46 = PROBE_OUT46_WIDTH;
output [ZW_W_OUT46-1:0] probe_out46;
`else
localparam ZW_W_OUT46 = 0;
`endif
localparam ZW_O_OUT47 = ZW_O_OUT46 + ZW_W_OUT46;
`ifdef ZW_OUT47
localparam ZW_W_OUT47 = PROBE_OUT47_WIDTH;
output [ZW_W_OUT47-1:0] probe_out47;
`else
localparam ZW_W_OUT47 = 0;
`endif
localparam ZW_O_OUT48 = ZW_O_OUT47 + ZW_W_OUT47;
`ifdef ZW_OUT48
localparam ZW_W_OUT48 = PROBE_OUT48_WIDTH;
output [ZW_W_OUT48-1:0] probe_out48;
`else
localparam ZW_W_OUT48 = 0;
`endif
localparam ZW_O_OUT49 = ZW_O_OUT48 + ZW_W_OUT48;
`ifdef ZW_OUT49
localparam ZW_W_OUT49 = PROBE_OUT49_WIDTH;
output [ZW_W_OUT49-1:0] probe_out49;
`else
localparam ZW_W_OUT49 = 0;
`endif
localparam ZW_O_OUT50 = ZW_O_OUT49 + ZW_W_OUT49;
`ifdef ZW_OUT50
localparam ZW_W_OUT50 = PROBE_OUT50_WIDTH;
output [ZW_W_OUT50-1:0] probe_out50;
`else
localparam ZW_W_OUT50 = 0;
`endif
localparam ZW_O_OUT51 = ZW_O_OUT50 + ZW_W_OUT50;
`ifdef ZW_OUT51
localparam ZW_W_OUT51 = PROBE_OUT51_WIDTH;
output [ZW_W_OUT51-1:0] probe_out51;
`else
localparam ZW_W_OUT51 = 0;
`endif
localparam ZW_O_OUT52 = ZW_O_OUT51 + ZW_W_OUT51;
`ifdef ZW_OUT52
localparam ZW_W_OUT52 = PROBE_OUT52_WIDTH;
output [ZW_W_OUT52-1:0] probe_out52;
`else
localparam ZW_W_OUT52 = 0;
`endif
localparam ZW_O_OUT53 = ZW_O_OUT52 + ZW_W_OUT52;
`ifdef ZW_OUT53
localparam ZW_W_OUT53 = PROBE_OUT53_WIDTH;
output [ZW_W_OUT53-1:0] probe_out53;
`else
localparam ZW_W_OUT53 = 0;
`endif
localparam ZW_O_OUT54 = ZW_O_OUT53 + ZW_W_OUT53;
`ifdef ZW_OUT54
localparam ZW_W_OUT54 = PROBE_OUT54_WIDTH;
output [ZW_W_OUT54-1:0] probe_out54;
`else
localparam ZW_W_OUT54 = 0;
`endif
localparam ZW_O_OUT55 = ZW_O_OUT54 + ZW_W_OUT54;
`ifdef ZW_OUT55
localparam ZW_W_OUT55 = PROBE_OUT55_WIDTH;
output [ZW_W_OUT55-1:0] probe_out55;
`else
localparam ZW_W_OUT55 = 0;
`endif
localparam ZW_O_OUT56 = ZW_O_OUT55 + ZW_W_OUT55;
`ifdef ZW_OUT56
localparam ZW_W_OUT56 = PROBE_OUT56_WIDTH;
output [ZW_W_OUT56-1:0] probe_out56;
`else
localparam ZW_W_OUT56 = 0;
`endif
localparam ZW_O_OUT57 = ZW_O_OUT56 + ZW_W_OUT56;
`ifdef ZW_OUT57
localparam ZW_W_OUT57 = PROBE_OUT57_WIDTH;
output [ZW_W_OUT57-1:0] probe_out57;
`else
localparam ZW_W_OUT57 = 0;
`endif
localparam ZW_O_OUT58 = ZW_O_OUT57 + ZW_W_OUT57;
`ifdef ZW_OUT58
localparam ZW_W_OUT58 = PROBE_OUT58_WIDTH;
output [ZW_W_OUT58-1:0] probe_out58;
`else
localparam ZW_W_OUT58 = 0;
`endif
localparam ZW_O_OUT59 = ZW_O_OUT58 + ZW_W_OUT58;
`ifdef ZW_OUT59
localparam ZW_W_OUT59 = PROBE_OUT59_WIDTH;
output [ZW_W_OUT59-1:0] probe_out59;
`else
localparam ZW_W_OUT59 = 0;
`endif
localparam ZW_O_OUT60 = ZW_O_OUT59 + ZW_W_OUT59;
`ifdef ZW_OUT60
localparam ZW_W_OUT60 = PROBE_OUT60_WIDTH;
output [ZW_W_OUT60-1:0] probe_out60;
`else
localparam ZW_W_OUT60 = 0;
`endif
localparam ZW_O_OUT61 = ZW_O_OUT60 + ZW_W_OUT60;
`ifdef ZW_OUT61
localparam ZW_W_OUT61 = PROBE_OUT61_WIDTH;
output [ZW_W_OUT61-1:0] probe_out61;
`else
localparam ZW_W_OUT61 = 0;
`endif
localparam ZW_O_OUT62 = ZW_O_OUT61 + ZW_W_OUT61;
`ifdef ZW_OUT62
localparam ZW_W_OUT62 = PROBE_OUT62_WIDTH;
output [ZW_W_OUT62-1:0] probe_out62;
`else
localparam ZW_W_OUT62 = 0;
`endif
localparam ZW_O_OUT63 = ZW_O_OUT62 + ZW_W_OUT62;
`ifdef ZW_OUT63
localparam ZW_W_OUT63 = PROBE_OUT63_WIDTH;
output [ZW_W_OUT63-1:0] probe_out63;
`else
localparam ZW_W_OUT63 = 0;
`endif
localparam ZW_O_OUT64 = ZW_O_OUT63 + ZW_W_OUT63;
`ifdef ZW_OUT64
localparam ZW_W_OUT64 = PROBE_OUT64_WIDTH;
output [ZW_W_OUT64-1:0] probe_out64;
`else
localparam ZW_W_OUT64 = 0;
`endif
localparam ZW_O_OUT65 = ZW_O_OUT64 + ZW_W_OUT64;
`ifdef ZW_OUT65
localparam ZW_W_OUT65 = PROBE_OUT65_WIDTH;
output [ZW_W_OUT65-1:0] probe_out65;
`else
localparam ZW_W_OUT65 = 0;
`endif
localparam ZW_O_OUT66 = ZW_O_OUT65 + ZW_W_OUT65;
`ifdef ZW_OUT66
localparam ZW_W_OUT66 = PROBE_OUT66_WIDTH;
output [ZW_W_OUT66-1:0] probe_out66;
`else
localparam ZW_W_OUT66 = 0;
`endif
localparam ZW_O_OUT67 = ZW_O_OUT66 + ZW_W_OUT66;
`ifdef ZW_OUT67
localparam ZW_W_OUT67 = PROBE_OUT67_WIDTH;
output [ZW_W_OUT67-1:0] probe_out67;
`else
localparam ZW_W_OUT67 = 0;
`endif
localparam ZW_O_OUT68 = ZW_O_OUT67 + ZW_W_OUT67;
`ifdef ZW_OUT68
localparam ZW_W_OUT68 = PROBE_OUT68_WIDTH;
output [ZW_W_OUT68-1:0] probe_out68;
`else
localparam ZW_W_OUT68 = 0;
`endif
localparam ZW_O_OUT69 = ZW_O_OUT68 + ZW_W_OUT68;
`ifdef ZW_OUT69
localparam ZW_W_OUT69 = PROBE_OUT69_WIDTH;
output [ZW_W_OUT69-1:0] probe_out69;
`else
localparam ZW_W_OUT69 = 0;
`endif
localparam ZW_O_OUT70 = ZW_O_OUT69 + ZW_W_OUT69;
`ifdef ZW_OUT70
localparam ZW_W_OUT70 = PROBE_OUT70_WIDTH;
output [ZW_W_OUT70-1:0] probe_out70;
`else
localparam ZW_W_OUT70 = 0;
`endif
localparam ZW_O_OUT71 = ZW_O_OUT70 + ZW_W_OUT70;
`ifdef ZW_OUT71
localparam ZW_W_OUT71 = PROBE_OUT71_WIDTH;
output [ZW_W_OUT71-1:0] probe_out71;
`else
localparam ZW_W_OUT71 = 0;
`endif
localparam ZW_O_OUT72 = ZW_O_OUT71 + ZW_W_OUT71;
`ifdef ZW_OUT72
localparam ZW_W_OUT72 = PROBE_OUT72_WIDTH;
output [ZW_W_OUT72-1:0] probe_out72;
`else
localparam ZW_W_OUT72 = 0;
`endif
localparam ZW_O_OUT73 = ZW_O_OUT72 + ZW_W_OUT72;
`ifdef ZW_OUT73
localparam ZW_W_OUT73 = PROBE_OUT73_WIDTH;
output [ZW_W_OUT73-1:0] probe_out73;
`else
localparam ZW_W_OUT73 = 0;
`endif
localparam ZW_O_OUT74 = ZW_O_OUT73 + ZW_W_OUT73;
`ifdef ZW_OUT74
localparam ZW_W_OUT74 = PROBE_OUT74_WIDTH;
output [ZW_W_OUT74-1:0] probe_out74;
`else
localparam ZW_W_OUT74 = 0;
`endif
localparam ZW_O_OUT75 = ZW_O_OUT74 + ZW_W_OUT74;
`ifdef ZW_OUT75
localparam ZW_W_OUT75 = PROBE_OUT75_WIDTH;
output [ZW_W_OUT75-1:0] probe_out75;
`else
localparam ZW_W_OUT75 = 0;
`endif
localparam ZW_O_OUT76 = ZW_O_OUT75 + ZW_W_OUT75;
`ifdef ZW_OUT76
localparam ZW_W_OUT76 = PROBE_OUT76_WIDTH;
output [ZW_W_OUT76-1:0] probe_out76;
`else
localparam ZW_W_OUT76 = 0;
`endif
localparam ZW_O_OUT77 = ZW_O_OUT76 + ZW_W_OUT76;
`ifdef ZW_OUT77
localparam ZW_W_OUT77 = PROBE_OUT77_WIDTH;
output [ZW_W_OUT77-1:0] probe_out77;
`else
localparam ZW_W_OUT77 = 0;
`endif
localparam ZW_O_OUT78 = ZW_O_OUT77 + ZW_W_OUT77;
`ifdef ZW_OUT78
localparam ZW_W_OUT78 = PROBE_OUT78_WIDTH;
output [ZW_W_OUT78-1:0] probe_out78;
`else
localparam ZW_W_OUT78 = 0;
`endif
localparam ZW_O_OUT79 = ZW_O_OUT78 + ZW_W_OUT78;
`ifdef ZW_OUT79
localparam ZW_W_OUT79 = PROBE_OUT79_WIDTH;
output [ZW_W_OUT79-1:0] probe_out79;
`else
localparam ZW_W_OUT79 = 0;
`endif
localparam ZW_O_OUT80 = ZW_O_OUT79 + ZW_W_OUT79;
`ifdef ZW_OUT80
localparam ZW_W_OUT80 = PROBE_OUT80_WIDTH;
output [ZW_W_OUT80-1:0] probe_out80;
`else
localparam ZW_W_OUT80 = 0;
`endif
localparam ZW_O_OUT81 = ZW_O_OUT80 + ZW_W_OUT80;
`ifdef ZW_OUT81
localparam ZW_W_OUT81 = PROBE_OUT81_WIDTH;
output [ZW_W_OUT81-1:0] probe_out81;
`else
localparam ZW_W_OUT81 = 0;
`endif
localparam ZW_O_OUT82 = ZW_O_OUT81 + ZW_W_OUT81;
`ifdef ZW_OUT82
localparam ZW_W_OUT82 = PROBE_OUT82_WIDTH;
output [ZW_W_OUT82-1:0] probe_out82;
`else
localparam ZW_W_OUT82 = 0;
`endif
localparam ZW_O_OUT83 = ZW_O_OUT82 + ZW_W_OUT82;
`ifdef ZW_OUT83
localparam ZW_W_OUT83 = PROBE_OUT83_WIDTH;
output [ZW_W_OUT83-1:0] probe_out83;
`else
localparam ZW_W_OUT83 = 0;
`endif
localparam ZW_O_OUT84 = ZW_O_OUT83 + ZW_W_OUT83;
`ifdef ZW_OUT84
localparam ZW_W_OUT84 = PROBE_OUT84_WIDTH;
output [ZW_W_OUT84-1:0] probe_out84;
`else
localparam ZW_W_OUT84 = 0;
`endif
localparam ZW_O_OUT85 = ZW_O_OUT84 + ZW_W_OUT84;
`ifdef ZW_OUT85
localparam ZW_W_OUT85 = PROBE_OUT85_WIDTH;
output [ZW_W_OUT85-1:0] probe_out85;
`else
localparam ZW_W_OUT85 = 0;
`endif
localparam ZW_O_OUT86 = ZW_O_OUT85 + ZW_W_OUT85;
`ifdef ZW_OUT86
localparam ZW_W_OUT86 = PROBE_OUT86_WIDTH;
output [ZW_W_OUT86-1:0] probe_out86;
`else
localparam ZW_W_OUT86 = 0;
`endif
localparam ZW_O_OUT87 = ZW_O_OUT86 + ZW_W_OUT86;
`ifdef ZW_OUT87
localparam ZW_W_OUT87 = PROBE_OUT87_WIDTH;
output [ZW_W_OUT87-1:0] probe_out87;
`else
localparam ZW_W_OUT87 = 0;
`endif
localparam ZW_O_OUT88 = ZW_O_OUT87 + ZW_W_OUT87;
`ifdef ZW_OUT88
localparam ZW_W_OUT88 = PROBE_OUT88_WIDTH;
output [ZW_W_OUT88-1:0] probe_out88;
`else
localparam ZW_W_OUT88 = 0;
`endif
localparam ZW_O_OUT89 = ZW_O_OUT88 + ZW_W_OUT88;
`ifdef ZW_OUT89
localparam ZW_W_OUT89 = PROBE_OUT89_WIDTH;
output [ZW_W_OUT89-1:0] probe_out89;
`else
localparam ZW_W_OUT89 = 0;
`endif
localparam ZW_O_OUT90 = ZW_O_OUT89 + ZW_W_OUT89;
`ifdef ZW_OUT90
localparam ZW_W_OUT90 = PROBE_OUT90_WIDTH;
output [ZW_W_OUT90-1:0] probe_out90;
`else
localparam ZW_W_OUT90 = 0;
`endif
localparam ZW_O_OUT91 = ZW_O_OUT90 + ZW_W_OUT90;
`ifdef ZW_OUT91
localparam ZW_W_OUT91 = PROBE_OUT91_WIDTH;
output [ZW_W_OUT91-1:0] probe_out91;
`else
localparam ZW_W_OUT91 = 0;
`endif
localparam ZW_O_OUT92 = ZW_O_OUT91 + ZW_W_OUT91;
`ifdef ZW_OUT92
localparam ZW_W_OUT92 = PROBE_OUT92_WIDTH;
output [ZW_W_OUT92-1:0] probe_out92;
`else
localparam ZW_W_OUT92 = 0;
`endif
localparam ZW_O_OUT93 = ZW_O_OUT92 + ZW_W_OUT92;
`ifdef ZW_OUT93
localparam ZW_W_OUT93 = PROBE_OUT93_WIDTH;
output [ZW_W_OUT93-1:0] probe_out93;
`else
localparam ZW_W_OUT93 = 0;
`endif
localparam ZW_O_OUT94 = ZW_O_OUT93 + ZW_W_OUT93;
`ifdef ZW_OUT94
localparam ZW_W_OUT94 = PROBE_OUT94_WIDTH;
output [ZW_W_OUT94-1:0] probe_out94;
`else
localparam ZW_W_OUT94 = 0;
`endif
localparam ZW_O_OUT95 = ZW_O_OUT94 + ZW_W_OUT94;
`ifdef ZW_OUT95
localparam ZW_W_OUT95 = PROBE_OUT95_WIDTH;
output [ZW_W_OUT95-1:0] probe_out95;
`else
localparam ZW_W_OUT95 = 0;
`endif
localparam ZW_O_OUT96 = ZW_O_OUT95 + ZW_W_OUT95;
`ifdef ZW_OUT96
localparam ZW_W_OUT96 = PROBE_OUT96_WIDTH;
output [ZW_W_OUT96-1:0] probe_out96;
`else
localparam ZW_W_OUT96 = 0;
`endif
localparam ZW_O_OUT97 = ZW_O_OUT96 + ZW_W_OUT96;
`ifdef ZW_OUT97
localparam ZW_W_OUT97 = PROBE_OUT97_WIDTH;
output [ZW_W_OUT97-1:0] probe_out97;
`else
localparam ZW_W_OUT97 = 0;
`endif
localparam ZW_O_OUT98 = ZW_O_OUT97 + ZW_W_OUT97;
`ifdef ZW_OUT98
localparam ZW_W_OUT98 = PROBE_OUT98_WIDTH;
output [ZW_W_OUT98-1:0] probe_out98;
`else
localparam ZW_W_OUT98 = 0;
`endif
localparam ZW_O_OUT99 = ZW_O_OUT98 + ZW_W_OUT98;
`ifdef ZW_OUT99
localparam ZW_W_OUT99 = PROBE_OUT99_WIDTH;
output [ZW_W_OUT99-1:0] probe_out99;
`else
localparam ZW_W_OUT99 = 0;
`endif
localparam ZW_O_OUT100 = ZW_O_OUT99 + ZW_W_OUT99;
`ifdef ZW_OUT100
localparam ZW_W_OUT100 = PROBE_OUT100_WIDTH;
output [ZW_W_OUT100-1:0] probe_out100;
`else
localparam ZW_W_OUT100 = 0;
`endif
localparam ZW_O_OUT101 = ZW_O_OUT100 + ZW_W_OUT100;
`ifdef ZW_OUT101
localparam ZW_W_OUT101 = PROBE_OUT101_WIDTH;
output [ZW_W_OUT101-1:0] probe_out101;
`else
localparam ZW_W_OUT101 = 0;
`endif
localparam ZW_O_OUT102 = ZW_O_OUT101 + ZW_W_OUT101;
`ifdef ZW_OUT102
localparam ZW_W_OUT102 = PROBE_OUT102_WIDTH;
output [ZW_W_OUT102-1:0] probe_out102;
`else
localparam ZW_W_OUT102 = 0;
`endif
localparam ZW_O_OUT103 = ZW_O_OUT102 + ZW_W_OUT102;
`ifdef ZW_OUT103
localparam ZW_W_OUT103 = PROBE_OUT103_WIDTH;
output [ZW_W_OUT103-1:0] probe_out103;
`else
localparam ZW_W_OUT103 = 0;
`endif
localparam ZW_O_OUT104 = ZW_O_OUT103 + ZW_W_OUT103;
`ifdef ZW_OUT104
localparam ZW_W_OUT104 = PROBE_OUT104_WIDTH;
output [ZW_W_OUT104-1:0] probe_out104;
`else
localparam ZW_W_OUT104 = 0;
`endif
localparam ZW_O_OUT105 = ZW_O_OUT104 + ZW_W_OUT104;
`ifdef ZW_OUT105
localparam ZW_W_OUT105 = PROBE_OUT105_WIDTH;
output [ZW_W_OUT105-1:0] probe_out105;
`else
localparam ZW_W_OUT105 = 0;
`endif
localparam ZW_O_OUT106 = ZW_O_OUT105 + ZW_W_OUT105;
`ifdef ZW_OUT106
localparam ZW_W_OUT106 = PROBE_OUT106_WIDTH;
output [ZW_W_OUT106-1:0] probe_out106;
`else
localparam ZW_W_OUT106 = 0;
`endif
localparam ZW_O_OUT107 = ZW_O_OUT106 + ZW_W_OUT106;
`ifdef ZW_OUT107
localparam ZW_W_OUT107 = PROBE_OUT107_WIDTH;
output [ZW_W_OUT107-1:0] probe_out107;
`else
localparam ZW_W_OUT107 = 0;
`endif
localparam ZW_O_OUT108 = ZW_O_OUT107 + ZW_W_OUT107;
`ifdef ZW_OUT108
localparam ZW_W_OUT108 = PROBE_OUT108_WIDTH;
output [ZW_W_OUT108-1:0] probe_out108;
`else
localparam ZW_W_OUT108 = 0;
`endif
localparam ZW_O_OUT109 = ZW_O_OUT108 + ZW_W_OUT108;
`ifdef ZW_OUT109
localparam ZW_W_OUT109 = PROBE_OUT109_WIDTH;
output [ZW_W_OUT109-1:0] probe_out109;
`else
localparam ZW_W_OUT109 = 0;
`endif
localparam ZW_O_OUT110 = ZW_O_OUT109 + ZW_W_OUT109;
`ifdef ZW_OUT110
localparam ZW_W_OUT110 = PROBE_OUT110_WIDTH;
output [ZW_W_OUT110-1:0] probe_out110;
`else
localparam ZW_W_OUT110 = 0;
`endif
localparam ZW_O_OUT111 = ZW_O_OUT110 + ZW_W_OUT110;
`ifdef ZW_OUT111
localparam ZW_W_OUT111 = PROBE_OUT111_WIDTH;
output [ZW_W_OUT111-1:0] probe_out111;
`else
localparam ZW_W_OUT111 = 0;
`endif
localparam ZW_O_OUT112 = ZW_O_OUT111 + ZW_W_OUT111;
`ifdef ZW_OUT112
localparam ZW_W_OUT112 = PROBE_OUT112_WIDTH;
output [ZW_W_OUT112-1:0] probe_out112;
`else
localparam ZW_W_OUT112 = 0;
`endif
localparam ZW_O_OUT113 = ZW_O_OUT112 + ZW_W_OUT112;
`ifdef ZW_OUT113
localparam ZW_W_OUT113 = PROBE_OUT113_WIDTH;
output [ZW_W_OUT113-1:0] probe_out113;
`else
localparam ZW_W_OUT113 = 0;
`endif
localparam ZW_O_OUT114 = ZW_O_OUT113 + ZW_W_OUT113;
`ifdef ZW_OUT114
localparam ZW_W_OUT114 = PROBE_OUT114_WIDTH;
output [ZW_W_OUT114-1:0] probe_out114;
`else
localparam ZW_W_OUT114 = 0;
`endif
localparam ZW_O_OUT115 = ZW_O_OUT114 + ZW_W_OUT114;
`ifdef ZW_OUT115
localparam ZW_W_OUT115 = PROBE_OUT115_WIDTH;
output [ZW_W_OUT115-1:0] probe_out115;
`else
localparam ZW_W_OUT115 = 0;
`endif
localparam ZW_O_OUT116 = ZW_O_OUT115 + ZW_W_OUT115;
`ifdef ZW_OUT116
localparam ZW_W_OUT116 = PROBE_OUT116_WIDTH;
output [ZW_W_OUT116-1:0] probe_out116;
`else
localparam ZW_W_OUT116 = 0;
`endif
localparam ZW_O_OUT117 = ZW_O_OUT116 + ZW_W_OUT116;
`ifdef ZW_OUT117
localparam ZW_W_OUT117 = PROBE_OUT117_WIDTH;
output [ZW_W_OUT117-1:0] probe_out117;
`else
localparam ZW_W_OUT117 = 0;
`endif
localparam ZW_O_OUT118 = ZW_O_OUT117 + ZW_W_OUT117;
`ifdef ZW_OUT118
localparam ZW_W_OUT118 = PROBE_OUT118_WIDTH;
output [ZW_W_OUT118-1:0] probe_out118;
`else
localparam ZW_W_OUT118 = 0;
`endif
localparam ZW_O_OUT119 = ZW_O_OUT118 + ZW_W_OUT118;
`ifdef ZW_OUT119
localparam ZW_W_OUT119 = PROBE_OUT119_WIDTH;
output [ZW_W_OUT119-1:0] probe_out119;
`else
localparam ZW_W_OUT119 = 0;
`endif
localparam ZW_O_OUT120 = ZW_O_OUT119 + ZW_W_OUT119;
`ifdef ZW_OUT120
localparam ZW_W_OUT120 = PROBE_OUT120_WIDTH;
output [ZW_W_OUT120-1:0] probe_out120;
`else
localparam ZW_W_OUT120 = 0;
`endif
localparam ZW_O_OUT121 = ZW_O_OUT120 + ZW_W_OUT120;
`ifdef ZW_OUT121
localparam ZW_W_OUT121 = PROBE_OUT121_WIDTH;
output [ZW_W_OUT121-1:0] probe_out121;
`else
localparam ZW_W_OUT121 = 0;
`endif
localparam ZW_O_OUT122 = ZW_O_OUT121 + ZW_W_OUT121;
`ifdef ZW_OUT122
localparam ZW_W_OUT122 = PROBE_OUT122_WIDTH;
output [ZW_W_OUT122-1:0] probe_out122;
`else
localparam ZW_W_OUT122 = 0;
`endif
localparam ZW_O_OUT123 = ZW_O_OUT122 + ZW_W_OUT122;
`ifdef ZW_OUT123
localparam ZW_W_OUT123 = PROBE_OUT123_WIDTH;
output [ZW_W_OUT123-1:0] probe_out123;
`else
localparam ZW_W_OUT123 = 0;
`endif
localparam ZW_O_OUT124 = ZW_O_OUT123 + ZW_W_OUT123;
`ifdef ZW_OUT124
localparam ZW_W_OUT124 = PROBE_OUT124_WIDTH;
output [ZW_W_OUT124-1:0] probe_out124;
`else
localparam ZW_W_OUT124 = 0;
`endif
localparam ZW_O_OUT125 = ZW_O_OUT124 + ZW_W_OUT124;
`ifdef ZW_OUT125
localparam ZW_W_OUT125 = PROBE_OUT125_WIDTH;
output [ZW_W_OUT125-1:0] probe_out125;
`else
localparam ZW_W_OUT125 = 0;
`endif
localparam ZW_O_OUT126 = ZW_O_OUT125 + ZW_W_OUT125;
`ifdef ZW_OUT126
localparam ZW_W_OUT126 = PROBE_OUT126_WIDTH;
output [ZW_W_OUT126-1:0] probe_out126;
`else
localparam ZW_W_OUT126 = 0;
`endif
localparam ZW_O_OUT127 = ZW_O_OUT126 + ZW_W_OUT126;
`ifdef ZW_OUT127
localparam ZW_W_OUT127 = PROBE_OUT127_WIDTH;
output [ZW_W_OUT127-1:0] probe_out127;
`else
localparam ZW_W_OUT127 = 0;
`endif
localparam ZW_O_OUT128 = ZW_O_OUT127 + ZW_W_OUT127;
`ifdef ZW_OUT128
localparam ZW_W_OUT128 = PROBE_OUT128_WIDTH;
output [ZW_W_OUT128-1:0] probe_out128;
`else
localparam ZW_W_OUT128 = 0;
`endif
localparam ZW_O_OUT129 = ZW_O_OUT128 + ZW_W_OUT128;
`ifdef ZW_OUT129
localparam ZW_W_OUT129 = PROBE_OUT129_WIDTH;
output [ZW_W_OUT129-1:0] probe_out129;
`else
localparam ZW_W_OUT129 = 0;
`endif
localparam ZW_O_OUT130 = ZW_O_OUT129 + ZW_W_OUT129;
`ifdef ZW_OUT130
localparam ZW_W_OUT130 = PROBE_OUT130_WIDTH;
output [ZW_W_OUT130-1:0] probe_out130;
`else
localparam ZW_W_OUT130 = 0;
`endif
localparam ZW_O_OUT131 = ZW_O_OUT130 + ZW_W_OUT130;
`ifdef ZW_OUT131
localparam ZW_W_OUT131 = PROBE_OUT131_WIDTH;
output [ZW_W_OUT131-1:0] probe_out131;
`else
localparam ZW_W_OUT131 = 0;
`endif
localparam ZW_O_OUT132 = ZW_O_OUT131 + ZW_W_OUT131;
`ifdef ZW_OUT132
localparam ZW_W_OUT132 = PROBE_OUT132_WIDTH;
output [ZW_W_OUT132-1:0] probe_out132;
`else
localparam ZW_W_OUT132 = 0;
`endif
localparam ZW_O_OUT133 = ZW_O_OUT132 + ZW_W_OUT132;
`ifdef ZW_OUT133
localparam ZW_W_OUT133 = PROBE_OUT133_WIDTH;
output [ZW_W_OUT133-1:0] probe_out133;
`else
localparam ZW_W_OUT133 = 0;
`endif
localparam ZW_O_OUT134 = ZW_O_OUT133 + ZW_W_OUT133;
`ifdef ZW_OUT134
localparam ZW_W_OUT134 = PROBE_OUT134_WIDTH;
output [ZW_W_OUT134-1:0] probe_out134;
`else
localparam ZW_W_OUT134 = 0;
`endif
localparam ZW_O_OUT135 = ZW_O_OUT134 + ZW_W_OUT134;
`ifdef ZW_OUT135
localparam ZW_W_OUT135 = PROBE_OUT135_WIDTH;
output [ZW_W_OUT135-1:0] probe_out135;
`else
localparam ZW_W_OUT135 = 0;
`endif
localparam ZW_O_OUT136 = ZW_O_OUT135 + ZW_W_OUT135;
`ifdef ZW_OUT136
localparam ZW_W_OUT136 = PROBE_OUT136_WIDTH;
output [ZW_W_OUT136-1:0] probe_out136;
`else
localparam ZW_W_OUT136 = 0;
`endif
localparam ZW_O_OUT137 = ZW_O_OUT136 + ZW_W_OUT136;
`ifdef ZW_OUT137
localparam ZW_W_OUT137 = PROBE_OUT137_WIDTH;
output [ZW_W_OUT137-1:0] probe_out137;
`else
localparam ZW_W_OUT137 = 0;
`endif
localparam ZW_O_OUT138 = ZW_O_OUT137 + ZW_W_OUT137;
`ifdef ZW_OUT138
localparam ZW_W_OUT138 = PROBE_OUT138_WIDTH;
output [ZW_W_OUT138-1:0] probe_out138;
`else
localparam ZW_W_OUT138 = 0;
`endif
localparam ZW_O_OUT139 = ZW_O_OUT138 + ZW_W_OUT138;
`ifdef ZW_OUT139
localparam ZW_W_OUT139 = PROBE_OUT139_WIDTH;
output [ZW_W_OUT139-1:0] probe_out139;
`else
localparam ZW_W_OUT139 = 0;
`endif
localparam ZW_O_OUT140 = ZW_O_OUT139 + ZW_W_OUT139;
`ifdef ZW_OUT140
localparam ZW_W_OUT140 = PROBE_OUT140_WIDTH;
output [ZW_W_OUT140-1:0] probe_out140;
`else
localparam ZW_W_OUT140 = 0;
`endif
localparam ZW_O_OUT141 = ZW_O_OUT140 + ZW_W_OUT140;
`ifdef ZW_OUT141
localparam ZW_W_OUT141 = PROBE_OUT141_WIDTH;
output [ZW_W_OUT141-1:0] probe_out141;
`else
localparam ZW_W_OUT141 = 0;
`endif
localparam ZW_O_OUT142 = ZW_O_OUT141 + ZW_W_OUT141;
`ifdef ZW_OUT142
localparam ZW_W_OUT142 = PROBE_OUT142_WIDTH;
output [ZW_W_OUT142-1:0] probe_out142;
`else
localparam ZW_W_OUT142 = 0;
`endif
localparam ZW_O_OUT143 = ZW_O_OUT142 + ZW_W_OUT142;
`ifdef ZW_OUT143
localparam ZW_W_OUT143 = PROBE_OUT143_WIDTH;
output [ZW_W_OUT143-1:0] probe_out143;
`else
localparam ZW_W_OUT143 = 0;
`endif
localparam ZW_O_OUT144 = ZW_O_OUT143 + ZW_W_OUT143;
`ifdef ZW_OUT144
localparam ZW_W_OUT144 = PROBE_OUT144_WIDTH;
output [ZW_W_OUT144-1:0] probe_out144;
`else
localparam ZW_W_OUT144 = 0;
`endif
localparam ZW_O_OUT145 = ZW_O_OUT144 + ZW_W_OUT144;
`ifdef ZW_OUT145
localparam ZW_W_OUT145 = PROBE_OUT145_WIDTH;
output [ZW_W_OUT145-1:0] probe_out145;
`else
localparam ZW_W_OUT145 = 0;
`endif
localparam ZW_O_OUT146 = ZW_O_OUT145 + ZW_W_OUT145;
`ifdef ZW_OUT146
localparam ZW_W_OUT146 = PROBE_OUT146_WIDTH;
output [ZW_W_OUT146-1:0] probe_out146;
`else
localparam ZW_W_OUT146 = 0;
`endif
localparam ZW_O_OUT147 = ZW_O_OUT146 + ZW_W_OUT146;
`ifdef ZW_OUT147
localparam ZW_W_OUT147 = PROBE_OUT147_WIDTH;
output [ZW_W_OUT147-1:0] probe_out147;
`else
localparam ZW_W_OUT147 = 0;
`endif
localparam ZW_O_OUT148 = ZW_O_OUT147 + ZW_W_OUT147;
`ifdef ZW_OUT148
localparam ZW_W_OUT148 = PROBE_OUT148_WIDTH;
output [ZW_W_OUT148-1:0] probe_out148;
`else
localparam ZW_W_OUT148 = 0;
`endif
localparam ZW_O_OUT149 = ZW_O_OUT148 + ZW_W_OUT148;
`ifdef ZW_OUT149
localparam ZW_W_OUT149 = PROBE_OUT149_WIDTH;
output [ZW_W_OUT149-1:0] probe_out149;
`else
localparam ZW_W_OUT149 = 0;
`endif
localparam ZW_O_OUT150 = ZW_O_OUT149 + ZW_W_OUT149;
`ifdef ZW_OUT150
localparam ZW_W_OUT150 = PROBE_OUT150_WIDTH;
output [ZW_W_OUT150-1:0] probe_out150;
`else
localparam ZW_W_OUT150 = 0;
`endif
localparam ZW_O_OUT151 = ZW_O_OUT150 + ZW_W_OUT150;
`ifdef ZW_OUT151
localparam ZW_W_OUT151 = PROBE_OUT151_WIDTH;
output [ZW_W_OUT151-1:0] probe_out151;
`else
localparam ZW_W_OUT151 = 0;
`endif
localparam ZW_O_OUT152 = ZW_O_OUT151 + ZW_W_OUT151;
`ifdef ZW_OUT152
localparam ZW_W_OUT152 = PROBE_OUT152_WIDTH;
output [ZW_W_OUT152-1:0] probe_out152;
`else
localparam ZW_W_OUT152 = 0;
`endif
localparam ZW_O_OUT153 = ZW_O_OUT152 + ZW_W_OUT152;
`ifdef ZW_OUT153
localparam ZW_W_OUT153 = PROBE_OUT153_WIDTH;
output [ZW_W_OUT153-1:0] probe_out153;
`else
localparam ZW_W_OUT153 = 0;
`endif
localparam ZW_O_OUT154 = ZW_O_OUT153 + ZW_W_OUT153;
`ifdef ZW_OUT154
localparam ZW_W_OUT154 = PROBE_OUT154_WIDTH;
output [ZW_W_OUT154-1:0] probe_out154;
`else
localparam ZW_W_OUT154 = 0;
`endif
localparam ZW_O_OUT155 = ZW_O_OUT154 + ZW_W_OUT154;
`ifdef ZW_OUT155
localparam ZW_W_OUT155 = PROBE_OUT155_WIDTH;
output [ZW_W_OUT155-1:0] probe_out155;
`else
localparam ZW_W_OUT155 = 0;
`endif
localparam ZW_O_OUT156 = ZW_O_OUT155 + ZW_W_OUT155;
`ifdef ZW_OUT156
localparam ZW_W_OUT156 = PROBE_OUT156_WIDTH;
output [ZW_W_OUT156-1:0] probe_out156;
`else
localparam ZW_W_OUT156 = 0;
`endif
localparam ZW_O_OUT157 = ZW_O_OUT156 + ZW_W_OUT156;
`ifdef ZW_OUT157
localparam ZW_W_OUT157 = PROBE_OUT157_WIDTH;
output [ZW_W_OUT157-1:0] probe_out157;
`else
localparam ZW_W_OUT157 = 0;
`endif
localparam ZW_O_OUT158 = ZW_O_OUT157 + ZW_W_OUT157;
`ifdef ZW_OUT158
localparam ZW_W_OUT158 = PROBE_OUT158_WIDTH;
output [ZW_W_OUT158-1:0] probe_out158;
`else
localparam ZW_W_OUT158 = 0;
`endif
localparam ZW_O_OUT159 = ZW_O_OUT158 + ZW_W_OUT158;
`ifdef ZW_OUT159
localparam ZW_W_OUT159 = PROBE_OUT159_WIDTH;
output [ZW_W_OUT159-1:0] probe_out159;
`else
localparam ZW_W_OUT159 = 0;
`endif
localparam ZW_O_OUT160 = ZW_O_OUT159 + ZW_W_OUT159;
`ifdef ZW_OUT160
localparam ZW_W_OUT160 = PROBE_OUT160_WIDTH;
output [ZW_W_OUT160-1:0] probe_out160;
`else
localparam ZW_W_OUT160 = 0;
`endif
localparam ZW_O_OUT161 = ZW_O_OUT160 + ZW_W_OUT160;
`ifdef ZW_OUT161
localparam ZW_W_OUT161 = PROBE_OUT161_WIDTH;
output [ZW_W_OUT161-1:0] probe_out161;
`else
localparam ZW_W_OUT161 = 0;
`endif
localparam ZW_O_OUT162 = ZW_O_OUT161 + ZW_W_OUT161;
`ifdef ZW_OUT162
localparam ZW_W_OUT162 = PROBE_OUT162_WIDTH;
output [ZW_W_OUT162-1:0] probe_out162;
`else
localparam ZW_W_OUT162 = 0;
`endif
localparam ZW_O_OUT163 = ZW_O_OUT162 + ZW_W_OUT162;
`ifdef ZW_OUT163
localparam ZW_W_OUT163 = PROBE_OUT163_WIDTH;
output [ZW_W_OUT163-1:0] probe_out163;
`else
localparam ZW_W_OUT163 = 0;
`endif
localparam ZW_O_OUT164 = ZW_O_OUT163 + ZW_W_OUT163;
`ifdef ZW_OUT164
localparam ZW_W_OUT164 = PROBE_OUT164_WIDTH;
output [ZW_W_OUT164-1:0] probe_out164;
`else
localparam ZW_W_OUT164 = 0;
`endif
localparam ZW_O_OUT165 = ZW_O_OUT164 + ZW_W_OUT164;
`ifdef ZW_OUT165
localparam ZW_W_OUT165 = PROBE_OUT165_WIDTH;
output [ZW_W_OUT165-1:0] probe_out165;
`else
localparam ZW_W_OUT165 = 0;
`endif
localparam ZW_O_OUT166 = ZW_O_OUT165 + ZW_W_OUT165;
`ifdef ZW_OUT166
localparam ZW_W_OUT166 = PROBE_OUT166_WIDTH;
output [ZW_W_OUT166-1:0] probe_out166;
`else
localparam ZW_W_OUT166 = 0;
`endif
localparam ZW_O_OUT167 = ZW_O_OUT166 + ZW_W_OUT166;
`ifdef ZW_OUT167
localparam ZW_W_OUT167 = PROBE_OUT167_WIDTH;
output [ZW_W_OUT167-1:0] probe_out167;
`else
localparam ZW_W_OUT167 = 0;
`endif
localparam ZW_O_OUT168 = ZW_O_OUT167 + ZW_W_OUT167;
`ifdef ZW_OUT168
localparam ZW_W_OUT168 = PROBE_OUT168_WIDTH;
output [ZW_W_OUT168-1:0] probe_out168;
`else
localparam ZW_W_OUT168 = 0;
`endif
localparam ZW_O_OUT169 = ZW_O_OUT168 + ZW_W_OUT168;
`ifdef ZW_OUT169
localparam ZW_W_OUT169 = PROBE_OUT169_WIDTH;
output [ZW_W_OUT169-1:0] probe_out169;
`else
localparam ZW_W_OUT169 = 0;
`endif
localparam ZW_O_OUT170 = ZW_O_OUT169 + ZW_W_OUT169;
`ifdef ZW_OUT170
localparam ZW_W_OUT170 = PROBE_OUT170_WIDTH;
output [ZW_W_OUT170-1:0] probe_out170;
`else
localparam ZW_W_OUT170 = 0;
`endif
localparam ZW_O_OUT171 = ZW_O_OUT170 + ZW_W_OUT170;
`ifdef ZW_OUT171
localparam ZW_W_OUT171 = PROBE_OUT171_WIDTH;
output [ZW_W_OUT171-1:0] probe_out171;
`else
localparam ZW_W_OUT171 = 0;
`endif
localparam ZW_O_OUT172 = ZW_O_OUT171 + ZW_W_OUT171;
`ifdef ZW_OUT172
localparam ZW_W_OUT172 = PROBE_OUT172_WIDTH;
output [ZW_W_OUT172-1:0] probe_out172;
`else
localparam ZW_W_OUT172 = 0;
`endif
localparam ZW_O_OUT173 = ZW_O_OUT172 + ZW_W_OUT172;
`ifdef ZW_OUT173
localparam ZW_W_OUT173 = PROBE_OUT173_WIDTH;
output [ZW_W_OUT173-1:0] probe_out173;
`else
localparam ZW_W_OUT173 = 0;
`endif
localparam ZW_O_OUT174 = ZW_O_OUT173 + ZW_W_OUT173;
`ifdef ZW_OUT174
localparam ZW_W_OUT174 = PROBE_OUT174_WIDTH;
output [ZW_W_OUT174-1:0] probe_out174;
`else
localparam ZW_W_OUT174 = 0;
`endif
localparam ZW_O_OUT175 = ZW_O_OUT174 + ZW_W_OUT174;
`ifdef ZW_OUT175
localparam ZW_W_OUT175 = PROBE_OUT175_WIDTH;
output [ZW_W_OUT175-1:0] probe_out175;
`else
localparam ZW_W_OUT175 = 0;
`endif
localparam ZW_O_OUT176 = ZW_O_OUT175 + ZW_W_OUT175;
`ifdef ZW_OUT176
localparam ZW_W_OUT176 = PROBE_OUT176_WIDTH;
output [ZW_W_OUT176-1:0] probe_out176;
`else
localparam ZW_W_OUT176 = 0;
`endif
localparam ZW_O_OUT177 = ZW_O_OUT176 + ZW_W_OUT176;
`ifdef ZW_OUT177
localparam ZW_W_OUT177 = PROBE_OUT177_WIDTH;
output [ZW_W_OUT177-1:0] probe_out177;
`else
localparam ZW_W_OUT177 = 0;
`endif
localparam ZW_O_OUT178 = ZW_O_OUT177 + ZW_W_OUT177;
`ifdef ZW_OUT178
localparam ZW_W_OUT178 = PROBE_OUT178_WIDTH;
output [ZW_W_OUT178-1:0] probe_out178;
`else
localparam ZW_W_OUT178 = 0;
`endif
localparam ZW_O_OUT179 = ZW_O_OUT178 + ZW_W_OUT178;
`ifdef ZW_OUT179
localparam ZW_W_OUT179 = PROBE_OUT179_WIDTH;
output [ZW_W_OUT179-1:0] probe_out179;
`else
localparam ZW_W_OUT179 = 0;
`endif
localparam ZW_O_OUT180 = ZW_O_OUT179 + ZW_W_OUT179;
`ifdef ZW_OUT180
localparam ZW_W_OUT180 = PROBE_OUT180_WIDTH;
output [ZW_W_OUT180-1:0] probe_out180;
`else
localparam ZW_W_OUT180 = 0;
`endif
localparam ZW_O_OUT181 = ZW_O_OUT180 + ZW_W_OUT180;
`ifdef ZW_OUT181
localparam ZW_W_OUT181 = PROBE_OUT181_WIDTH;
output [ZW_W_OUT181-1:0] probe_out181;
`else
localparam ZW_W_OUT181 = 0;
`endif
localparam ZW_O_OUT182 = ZW_O_OUT181 + ZW_W_OUT181;
`ifdef ZW_OUT182
localparam ZW_W_OUT182 = PROBE_OUT182_WIDTH;
output [ZW_W_OUT182-1:0] probe_out182;
`else
localparam ZW_W_OUT182 = 0;
`endif
localparam ZW_O_OUT183 = ZW_O_OUT182 + ZW_W_OUT182;
`ifdef ZW_OUT183
localparam ZW_W_OUT183 = PROBE_OUT183_WIDTH;
output [ZW_W_OUT183-1:0] probe_out183;
`else
localparam ZW_W_OUT183 = 0;
`endif
localparam ZW_O_OUT184 = ZW_O_OUT183 + ZW_W_OUT183;
`ifdef ZW_OUT184
localparam ZW_W_OUT184 = PROBE_OUT184_WIDTH;
output [ZW_W_OUT184-1:0] probe_out184;
`else
localparam ZW_W_OUT184 = 0;
`endif
localparam ZW_O_OUT185 = ZW_O_OUT184 + ZW_W_OUT184;
`ifdef ZW_OUT185
localparam ZW_W_OUT185 = PROBE_OUT185_WIDTH;
output [ZW_W_OUT185-1:0] probe_out185;
`else
localparam ZW_W_OUT185 = 0;
`endif
localparam ZW_O_OUT186 = ZW_O_OUT185 + ZW_W_OUT185;
`ifdef ZW_OUT186
localparam ZW_W_OUT186 = PROBE_OUT186_WIDTH;
output [ZW_W_OUT186-1:0] probe_out186;
`else
localparam ZW_W_OUT186 = 0;
`endif
localparam ZW_O_OUT187 = ZW_O_OUT186 + ZW_W_OUT186;
`ifdef ZW_OUT187
localparam ZW_W_OUT187 = PROBE_OUT187_WIDTH;
output [ZW_W_OUT187-1:0] probe_out187;
`else
localparam ZW_W_OUT187 = 0;
`endif
localparam ZW_O_OUT188 = ZW_O_OUT187 + ZW_W_OUT187;
`ifdef ZW_OUT188
localparam ZW_W_OUT188 = PROBE_OUT188_WIDTH;
output [ZW_W_OUT188-1:0] probe_out188;
`else
localparam ZW_W_OUT188 = 0;
`endif
localparam ZW_O_OUT189 = ZW_O_OUT188 + ZW_W_OUT188;
`ifdef ZW_OUT189
localparam ZW_W_OUT189 = PROBE_OUT189_WIDTH;
output [ZW_W_OUT189-1:0] probe_out189;
`else
localparam ZW_W_OUT189 = 0;
`endif
localparam ZW_O_OUT190 = ZW_O_OUT189 + ZW_W_OUT189;
`ifdef ZW_OUT190
localparam ZW_W_OUT190 = PROBE_OUT190_WIDTH;
output [ZW_W_OUT190-1:0] probe_out190;
`else
localparam ZW_W_OUT190 = 0;
`endif
localparam ZW_O_OUT191 = ZW_O_OUT190 + ZW_W_OUT190;
`ifdef ZW_OUT191
localparam ZW_W_OUT191 = PROBE_OUT191_WIDTH;
output [ZW_W_OUT191-1:0] probe_out191;
`else
localparam ZW_W_OUT191 = 0;
`endif
localparam ZW_O_OUT192 = ZW_O_OUT191 + ZW_W_OUT191;
`ifdef ZW_OUT192
localparam ZW_W_OUT192 = PROBE_OUT192_WIDTH;
output [ZW_W_OUT192-1:0] probe_out192;
`else
localparam ZW_W_OUT192 = 0;
`endif
localparam ZW_O_OUT193 = ZW_O_OUT192 + ZW_W_OUT192;
`ifdef ZW_OUT193
localparam ZW_W_OUT193 = PROBE_OUT193_WIDTH;
output [ZW_W_OUT193-1:0] probe_out193;
`else
localparam ZW_W_OUT193 = 0;
`endif
localparam ZW_O_OUT194 = ZW_O_OUT193 + ZW_W_OUT193;
`ifdef ZW_OUT194
localparam ZW_W_OUT194 = PROBE_OUT194_WIDTH;
output [ZW_W_OUT194-1:0] probe_out194;
`else
localparam ZW_W_OUT194 = 0;
`endif
localparam ZW_O_OUT195 = ZW_O_OUT194 + ZW_W_OUT194;
`ifdef ZW_OUT195
localparam ZW_W_OUT195 = PROBE_OUT195_WIDTH;
output [ZW_W_OUT195-1:0] probe_out195;
`else
localparam ZW_W_OUT195 = 0;
`endif
localparam ZW_O_OUT196 = ZW_O_OUT195 + ZW_W_OUT195;
`ifdef ZW_OUT196
localparam ZW_W_OUT196 = PROBE_OUT196_WIDTH;
output [ZW_W_OUT196-1:0] probe_out196;
`else
localparam ZW_W_OUT196 = 0;
`endif
localparam ZW_O_OUT197 = ZW_O_OUT196 + ZW_W_OUT196;
`ifdef ZW_OUT197
localparam ZW_W_OUT197 = PROBE_OUT197_WIDTH;
output [ZW_W_OUT197-1:0] probe_out197;
`else
localparam ZW_W_OUT197 = 0;
`endif
localparam ZW_O_OUT198 = ZW_O_OUT197 + ZW_W_OUT197;
`ifdef ZW_OUT198
localparam ZW_W_OUT198 = PROBE_OUT198_WIDTH;
output [ZW_W_OUT198-1:0] probe_out198;
`else
localparam ZW_W_OUT198 = 0;
`endif
localparam ZW_O_OUT199 = ZW_O_OUT198 + ZW_W_OUT198;
`ifdef ZW_OUT199
localparam ZW_W_OUT199 = PROBE_OUT199_WIDTH;
output [ZW_W_OUT199-1:0] probe_out199;
`else
localparam ZW_W_OUT199 = 0;
`endif
localparam ZW_O_OUT200 = ZW_O_OUT199 + ZW_W_OUT199;
`ifdef ZW_OUT200
localparam ZW_W_OUT200 = PROBE_OUT200_WIDTH;
output [ZW_W_OUT200-1:0] probe_out200;
`else
localparam ZW_W_OUT200 = 0;
`endif
localparam ZW_O_OUT201 = ZW_O_OUT200 + ZW_W_OUT200;
`ifdef ZW_OUT201
localparam ZW_W_OUT201 = PROBE_OUT201_WIDTH;
output [ZW_W_OUT201-1:0] probe_out201;
`else
localparam ZW_W_OUT201 = 0;
`endif
localparam ZW_O_OUT202 = ZW_O_OUT201 + ZW_W_OUT201;
`ifdef ZW_OUT202
localparam ZW_W_OUT202 = PROBE_OUT202_WIDTH;
output [ZW_W_OUT202-1:0] probe_out202;
`else
localparam ZW_W_OUT202 = 0;
`endif
localparam ZW_O_OUT203 = ZW_O_OUT202 + ZW_W_OUT202;
`ifdef ZW_OUT203
localparam ZW_W_OUT203 = PROBE_OUT203_WIDTH;
output [ZW_W_OUT203-1:0] probe_out203;
`else
localparam ZW_W_OUT203 = 0;
`endif
localparam ZW_O_OUT204 = ZW_O_OUT203 + ZW_W_OUT203;
`ifdef ZW_OUT204
localparam ZW_W_OUT204 = PROBE_OUT204_WIDTH;
output [ZW_W_OUT204-1:0] probe_out204;
`else
localparam ZW_W_OUT204 = 0;
`endif
localparam ZW_O_OUT205 = ZW_O_OUT204 + ZW_W_OUT204;
`ifdef ZW_OUT205
localparam ZW_W_OUT205 = PROBE_OUT205_WIDTH;
output [ZW_W_OUT205-1:0] probe_out205;
`else
localparam ZW_W_OUT205 = 0;
`endif
localparam ZW_O_OUT206 = ZW_O_OUT205 + ZW_W_OUT205;
`ifdef ZW_OUT206
localparam ZW_W_OUT206 = PROBE_OUT206_WIDTH;
output [ZW_W_OUT206-1:0] probe_out206;
`else
localparam ZW_W_OUT206 = 0;
`endif
localparam ZW_O_OUT207 = ZW_O_OUT206 + ZW_W_OUT206;
`ifdef ZW_OUT207
localparam ZW_W_OUT207 = PROBE_OUT207_WIDTH;
output [ZW_W_OUT207-1:0] probe_out207;
`else
localparam ZW_W_OUT207 = 0;
`endif
localparam ZW_O_OUT208 = ZW_O_OUT207 + ZW_W_OUT207;
`ifdef ZW_OUT208
localparam ZW_W_OUT208 = PROBE_OUT208_WIDTH;
output [ZW_W_OUT208-1:0] probe_out208;
`else
localparam ZW_W_OUT208 = 0;
`endif
localparam ZW_O_OUT209 = ZW_O_OUT208 + ZW_W_OUT208;
`ifdef ZW_OUT209
localparam ZW_W_OUT209 = PROBE_OUT209_WIDTH;
output [ZW_W_OUT209-1:0] probe_out209;
`else
localparam ZW_W_OUT209 = 0;
`endif
localparam ZW_O_OUT210 = ZW_O_OUT209 + ZW_W_OUT209;
`ifdef ZW_OUT210
localparam ZW_W_OUT210 = PROBE_OUT210_WIDTH;
output [ZW_W_OUT210-1:0] probe_out210;
`else
localparam ZW_W_OUT210 = 0;
`endif
localparam ZW_O_OUT211 = ZW_O_OUT210 + ZW_W_OUT210;
`ifdef ZW_OUT211
localparam ZW_W_OUT211 = PROBE_OUT211_WIDTH;
output [ZW_W_OUT211-1:0] probe_out211;
`else
localparam ZW_W_OUT211 = 0;
`endif
localparam ZW_O_OUT212 = ZW_O_OUT211 + ZW_W_OUT211;
`ifdef ZW_OUT212
localparam ZW_W_OUT212 = PROBE_OUT212_WIDTH;
output [ZW_W_OUT212-1:0] probe_out212;
`else
localparam ZW_W_OUT212 = 0;
`endif
localparam ZW_O_OUT213 = ZW_O_OUT212 + ZW_W_OUT212;
`ifdef ZW_OUT213
localparam ZW_W_OUT213 = PROBE_OUT213_WIDTH;
output [ZW_W_OUT213-1:0] probe_out213;
`else
localparam ZW_W_OUT213 = 0;
`endif
localparam ZW_O_OUT214 = ZW_O_OUT213 + ZW_W_OUT213;
`ifdef ZW_OUT214
localparam ZW_W_OUT214 = PROBE_OUT214_WIDTH;
output [ZW_W_OUT214-1:0] probe_out214;
`else
localparam ZW_W_OUT214 = 0;
`endif
localparam ZW_O_OUT215 = ZW_O_OUT214 + ZW_W_OUT214;
`ifdef ZW_OUT215
localparam ZW_W_OUT215 = PROBE_OUT215_WIDTH;
output [ZW_W_OUT215-1:0] probe_out215;
`else
localparam ZW_W_OUT215 = 0;
`endif
localparam ZW_O_OUT216 = ZW_O_OUT215 + ZW_W_OUT215;
`ifdef ZW_OUT216
localparam ZW_W_OUT216 = PROBE_OUT216_WIDTH;
output [ZW_W_OUT216-1:0] probe_out216;
`else
localparam ZW_W_OUT216 = 0;
`endif
localparam ZW_O_OUT217 = ZW_O_OUT216 + ZW_W_OUT216;
`ifdef ZW_OUT217
localparam ZW_W_OUT217 = PROBE_OUT217_WIDTH;
output [ZW_W_OUT217-1:0] probe_out217;
`else
localparam ZW_W_OUT217 = 0;
`endif
localparam ZW_O_OUT218 = ZW_O_OUT217 + ZW_W_OUT217;
`ifdef ZW_OUT218
localparam ZW_W_OUT218 = PROBE_OUT218_WIDTH;
output [ZW_W_OUT218-1:0] probe_out218;
`else
localparam ZW_W_OUT218 = 0;
`endif
localparam ZW_O_OUT219 = ZW_O_OUT218 + ZW_W_OUT218;
`ifdef ZW_OUT219
localparam ZW_W_OUT219 = PROBE_OUT219_WIDTH;
output [ZW_W_OUT219-1:0] probe_out219;
`else
localparam ZW_W_OUT219 = 0;
`endif
localparam ZW_O_OUT220 = ZW_O_OUT219 + ZW_W_OUT219;
`ifdef ZW_OUT220
localparam ZW_W_OUT220 = PROBE_OUT220_WIDTH;
output [ZW_W_OUT220-1:0] probe_out220;
`else
localparam ZW_W_OUT220 = 0;
`endif
localparam ZW_O_OUT221 = ZW_O_OUT220 + ZW_W_OUT220;
`ifdef ZW_OUT221
localparam ZW_W_OUT221 = PROBE_OUT221_WIDTH;
output [ZW_W_OUT221-1:0] probe_out221;
`else
localparam ZW_W_OUT221 = 0;
`endif
localparam ZW_O_OUT222 = ZW_O_OUT221 + ZW_W_OUT221;
`ifdef ZW_OUT222
localparam ZW_W_OUT222 = PROBE_OUT222_WIDTH;
output [ZW_W_OUT222-1:0] probe_out222;
`else
localparam ZW_W_OUT222 = 0;
`endif
localparam ZW_O_OUT223 = ZW_O_OUT222 + ZW_W_OUT222;
`ifdef ZW_OUT223
localparam ZW_W_OUT223 = PROBE_OUT223_WIDTH;
output [ZW_W_OUT223-1:0] probe_out223;
`else
localparam ZW_W_OUT223 = 0;
`endif
localparam ZW_O_OUT224 = ZW_O_OUT223 + ZW_W_OUT223;
`ifdef ZW_OUT224
localparam ZW_W_OUT224 = PROBE_OUT224_WIDTH;
output [ZW_W_OUT224-1:0] probe_out224;
`else
localparam ZW_W_OUT224 = 0;
`endif
localparam ZW_O_OUT225 = ZW_O_OUT224 + ZW_W_OUT224;
`ifdef ZW_OUT225
localparam ZW_W_OUT225 = PROBE_OUT225_WIDTH;
output [ZW_W_OUT225-1:0] probe_out225;
`else
localparam ZW_W_OUT225 = 0;
`endif
localparam ZW_O_OUT226 = ZW_O_OUT225 + ZW_W_OUT225;
`ifdef ZW_OUT226
localparam ZW_W_OUT226 = PROBE_OUT226_WIDTH;
output [ZW_W_OUT226-1:0] probe_out226;
`else
localparam ZW_W_OUT226 = 0;
`endif
localparam ZW_O_OUT227 = ZW_O_OUT226 + ZW_W_OUT226;
`ifdef ZW_OUT227
localparam ZW_W_OUT227 = PROBE_OUT227_WIDTH;
output [ZW_W_OUT227-1:0] probe_out227;
`else
localparam ZW_W_OUT227 = 0;
`endif
localparam ZW_O_OUT228 = ZW_O_OUT227 + ZW_W_OUT227;
`ifdef ZW_OUT228
localparam ZW_W_OUT228 = PROBE_OUT228_WIDTH;
output [ZW_W_OUT228-1:0] probe_out228;
`else
localparam ZW_W_OUT228 = 0;
`endif
localparam ZW_O_OUT229 = ZW_O_OUT228 + ZW_W_OUT228;
`ifdef ZW_OUT229
localparam ZW_W_OUT229 = PROBE_OUT229_WIDTH;
output [ZW_W_OUT229-1:0] probe_out229;
`else
localparam ZW_W_OUT229 = 0;
`endif
localparam ZW_O_OUT230 = ZW_O_OUT229 + ZW_W_OUT229;
`ifdef ZW_OUT230
localparam ZW_W_OUT230 = PROBE_OUT230_WIDTH;
output [ZW_W_OUT230-1:0] probe_out230;
`else
localparam ZW_W_OUT230 = 0;
`endif
localparam ZW_O_OUT231 = ZW_O_OUT230 + ZW_W_OUT230;
`ifdef ZW_OUT231
localparam ZW_W_OUT231 = PROBE_OUT231_WIDTH;
output [ZW_W_OUT231-1:0] probe_out231;
`else
localparam ZW_W_OUT231 = 0;
`endif
localparam ZW_O_OUT232 = ZW_O_OUT231 + ZW_W_OUT231;
`ifdef ZW_OUT232
localparam ZW_W_OUT232 = PROBE_OUT232_WIDTH;
output [ZW_W_OUT232-1:0] probe_out232;
`else
localparam ZW_W_OUT232 = 0;
`endif
localparam ZW_O_OUT233 = ZW_O_OUT232 + ZW_W_OUT232;
`ifdef ZW_OUT233
localparam ZW_W_OUT233 = PROBE_OUT233_WIDTH;
output [ZW_W_OUT233-1:0] probe_out233;
`else
localparam ZW_W_OUT233 = 0;
`endif
localparam ZW_O_OUT234 = ZW_O_OUT233 + ZW_W_OUT233;
`ifdef ZW_OUT234
localparam ZW_W_OUT234 = PROBE_OUT234_WIDTH;
output [ZW_W_OUT234-1:0] probe_out234;
`else
localparam ZW_W_OUT234 = 0;
`endif
localparam ZW_O_OUT235 = ZW_O_OUT234 + ZW_W_OUT234;
`ifdef ZW_OUT235
localparam ZW_W_OUT235 = PROBE_OUT235_WIDTH;
output [ZW_W_OUT235-1:0] probe_out235;
`else
localparam ZW_W_OUT235 = 0;
`endif
localparam ZW_O_OUT236 = ZW_O_OUT235 + ZW_W_OUT235;
`ifdef ZW_OUT236
localparam ZW_W_OUT236 = PROBE_OUT236_WIDTH;
output [ZW_W_OUT236-1:0] probe_out236;
`else
localparam ZW_W_OUT236 = 0;
`endif
localparam ZW_O_OUT237 = ZW_O_OUT236 + ZW_W_OUT236;
`ifdef ZW_OUT237
localparam ZW_W_OUT237 = PROBE_OUT237_WIDTH;
output [ZW_W_OUT237-1:0] probe_out237;
`else
localparam ZW_W_OUT237 = 0;
`endif
localparam ZW_O_OUT238 = ZW_O_OUT237 + ZW_W_OUT237;
`ifdef ZW_OUT238
localparam ZW_W_OUT238 = PROBE_OUT238_WIDTH;
output [ZW_W_OUT238-1:0] probe_out238;
`else
localparam ZW_W_OUT238 = 0;
`endif
localparam ZW_O_OUT239 = ZW_O_OUT238 + ZW_W_OUT238;
`ifdef ZW_OUT239
localparam ZW_W_OUT239 = PROBE_OUT239_WIDTH;
output [ZW_W_OUT239-1:0] probe_out239;
`else
localparam ZW_W_OUT239 = 0;
`endif
localparam ZW_O_OUT240 = ZW_O_OUT239 + ZW_W_OUT239;
`ifdef ZW_OUT240
localparam ZW_W_OUT240 = PROBE_OUT240_WIDTH;
output [ZW_W_OUT240-1:0] probe_out240;
`else
localparam ZW_W_OUT240 = 0;
`endif
localparam ZW_O_OUT241 = ZW_O_OUT240 + ZW_W_OUT240;
`ifdef ZW_OUT241
localparam ZW_W_OUT241 = PROBE_OUT241_WIDTH;
output [ZW_W_OUT241-1:0] probe_out241;
`else
localparam ZW_W_OUT241 = 0;
`endif
localparam ZW_O_OUT242 = ZW_O_OUT241 + ZW_W_OUT241;
`ifdef ZW_OUT242
localparam ZW_W_OUT242 = PROBE_OUT242_WIDTH;
output [ZW_W_OUT242-1:0] probe_out242;
`else
localparam ZW_W_OUT242 = 0;
`endif
localparam ZW_O_OUT243 = ZW_O_OUT242 + ZW_W_OUT242;
`ifdef ZW_OUT243
localparam ZW_W_OUT243 = PROBE_OUT243_WIDTH;
output [ZW_W_OUT243-1:0] probe_out243;
`else
localparam ZW_W_OUT243 = 0;
`endif
localparam ZW_O_OUT244 = ZW_O_OUT243 + ZW_W_OUT243;
`ifdef ZW_OUT244
localparam ZW_W_OUT244 = PROBE_OUT244_WIDTH;
output [ZW_W_OUT244-1:0] probe_out244;
`else
localparam ZW_W_OUT244 = 0;
`endif
localparam ZW_O_OUT245 = ZW_O_OUT244 + ZW_W_OUT244;
`ifdef ZW_OUT245
localparam ZW_W_OUT245 = PROBE_OUT245_WIDTH;
output [ZW_W_OUT245-1:0] probe_out245;
`else
localparam ZW_W_OUT245 = 0;
`endif
localparam ZW_O_OUT246 = ZW_O_OUT245 + ZW_W_OUT245;
`ifdef ZW_OUT246
localparam ZW_W_OUT246 = PROBE_OUT246_WIDTH;
output [ZW_W_OUT246-1:0] probe_out246;
`else
localparam ZW_W_OUT246 = 0;
`endif
localparam ZW_O_OUT247 = ZW_O_OUT246 + ZW_W_OUT246;
`ifdef ZW_OUT247
localparam ZW_W_OUT247 = PROBE_OUT247_WIDTH;
output [ZW_W_OUT247-1:0] probe_out247;
`else
localparam ZW_W_OUT247 = 0;
`endif
localparam ZW_O_OUT248 = ZW_O_OUT247 + ZW_W_OUT247;
`ifdef ZW_OUT248
localparam ZW_W_OUT248 = PROBE_OUT248_WIDTH;
output [ZW_W_OUT248-1:0] probe_out248;
`else
localparam ZW_W_OUT248 = 0;
`endif
localparam ZW_O_OUT249 = ZW_O_OUT248 + ZW_W_OUT248;
`ifdef ZW_OUT249
localparam ZW_W_OUT249 = PROBE_OUT249_WIDTH;
output [ZW_W_OUT249-1:0] probe_out249;
`else
localparam ZW_W_OUT249 = 0;
`endif
localparam ZW_O_OUT250 = ZW_O_OUT249 + ZW_W_OUT249;
`ifdef ZW_OUT250
localparam ZW_W_OUT250 = PROBE_OUT250_WIDTH;
output [ZW_W_OUT250-1:0] probe_out250;
`else
localparam ZW_W_OUT250 = 0;
`endif
localparam ZW_O_OUT251 = ZW_O_OUT250 + ZW_W_OUT250;
`ifdef ZW_OUT251
localparam ZW_W_OUT251 = PROBE_OUT251_WIDTH;
output [ZW_W_OUT251-1:0] probe_out251;
`else
localparam ZW_W_OUT251 = 0;
`endif
localparam ZW_O_OUT252 = ZW_O_OUT251 + ZW_W_OUT251;
`ifdef ZW_OUT252
localparam ZW_W_OUT252 = PROBE_OUT252_WIDTH;
output [ZW_W_OUT252-1:0] probe_out252;
`else
localparam ZW_W_OUT252 = 0;
`endif
localparam ZW_O_OUT253 = ZW_O_OUT252 + ZW_W_OUT252;
`ifdef ZW_OUT253
localparam ZW_W_OUT253 = PROBE_OUT253_WIDTH;
output [ZW_W_OUT253-1:0] probe_out253;
`else
localparam ZW_W_OUT253 = 0;
`endif
localparam ZW_O_OUT254 = ZW_O_OUT253 + ZW_W_OUT253;
`ifdef ZW_OUT254
localparam ZW_W_OUT254 = PROBE_OUT254_WIDTH;
output [ZW_W_OUT254-1:0] probe_out254;
`else
localparam ZW_W_OUT254 = 0;
`endif
localparam ZW_O_OUT255 = ZW_O_OUT254 + ZW_W_OUT254;
`ifdef ZW_OUT255
localparam ZW_W_OUT255 = PROBE_OUT255_WIDTH;
output [ZW_W_OUT255-1:0] probe_out255;
`else
localparam ZW_W_OUT255 = 0;
`endif
localparam ZW_O_OUT256 = ZW_O_OUT255 + ZW_W_OUT255;
localparam ZW_IN_WIDTH = ZW_O_IN256;
localparam ZW_OUT_WIDTH = ZW_O_OUT256;
localparam ZW_IN_BITS = ZW_IN_WIDTH > 0 ? ZW_IN_WIDTH : 1;
localparam ZW_OUT_BITS = ZW_OUT_WIDTH > 0 ? ZW_OUT_WIDTH : 1;
wire [ZW_IN_BITS-1:0] zw_in;
wire [ZW_OUT_BITS-1:0] zw_out;
generate
    if (ZW_IN_WIDTH == 0) begin : no_inputs
        assign zw_in = 1'b0;
    end
endgenerate
`ifdef ZW_IN0
assign zw_in[ZW_O_IN0 +: ZW_W_IN0] = probe_in0;
`endif
`ifdef ZW_IN1
assign zw_in[ZW_O_IN1 +: ZW_W_IN1] = probe_in1;
`endif
`ifdef ZW_IN2
assign zw_in[ZW_O_IN2 +: ZW_W_IN2] = probe_in2;
`endif
`ifdef ZW_IN3
assign zw_in[ZW_O_IN3 +: ZW_W_IN3] = probe_in3;
`endif
`ifdef ZW_IN4
assign zw_in[ZW_O_IN4 +: ZW_W_IN4] = probe_in4;
`endif
`ifdef ZW_IN5
assign zw_in[ZW_O_IN5 +: ZW_W_IN5] = probe_in5;
`endif
`ifdef ZW_IN6
assign zw_in[ZW_O_IN6 +: ZW_W_IN6] = probe_in6;
`endif
`ifdef ZW_IN7
assign zw_in[ZW_O_IN7 +: ZW_W_IN7] = probe_in7;
`endif
`ifdef ZW_IN8
assign zw_in[ZW_O_IN8 +: ZW_W_IN8] = probe_in8;
`endif
`ifdef ZW_IN9
assign zw_in[ZW_O_IN9 +: ZW_W_IN9] = probe_in9;
`endif
`ifdef ZW_IN10
assign zw_in[ZW_O_IN10 +: ZW_W_IN10] = probe_in10;
`endif
`ifdef ZW_IN11
assign zw_in[ZW_O_IN11 +: ZW_W_IN11] = probe_in11;
`endif
`ifdef ZW_IN12
assign zw_in[ZW_O_IN12 +: ZW_W_IN12] = probe_in12;
`endif
`ifdef ZW_IN13
assign zw_in[ZW_O_IN13 +: ZW_W_IN13] = probe_in13;
`endif
`ifdef ZW_IN14
assign zw_in[ZW_O_IN14 +: ZW_W_IN14] = probe_in14;
`endif
`ifdef ZW_IN15
assign zw_in[ZW_O_IN15 +: ZW_W_IN15] = probe_in15;
`endif
`ifdef ZW_IN16
assign zw_in[ZW_O_IN16 +: ZW_W_IN16] = probe_in16;
`endif
`ifdef ZW_IN17
assign zw_in[ZW_O_IN17 +: ZW_W_IN17] = probe_in17;
`endif
`ifdef ZW_IN18
assign zw_in[ZW_O_IN18 +: ZW_W_IN18] = probe_in18;
`endif
`ifdef ZW_IN19
assign zw_in[ZW_O_IN19 +: ZW_W_IN19] = probe_in19;
`endif
`ifdef ZW_IN20
assign zw_in[ZW_O_IN20 +: ZW_W_IN20] = probe_in20;
`endif
`ifdef ZW_IN21
assign zw_in[ZW_O_IN21 +: ZW_W_IN21] = probe_in21;
`endif
`ifdef ZW_IN22
assign zw_in[ZW_O_IN22 +: ZW_W_IN22] = probe_in22;
`endif
`ifdef ZW_IN23
assign zw_in[ZW_O_IN23 +: ZW_W_IN23] = probe_in23;
`endif
`ifdef ZW_IN24
assign zw_in[ZW_O_IN24 +: ZW_W_IN24] = probe_in24;
`endif
`ifdef ZW_IN25
assign zw_in[ZW_O_IN25 +: ZW_W_IN25] = probe_in25;
`endif
`ifdef ZW_IN26
assign zw_in[ZW_O_IN26 +: ZW_W_IN26] = probe_in26;
`endif
`ifdef ZW_IN27
assign zw_in[ZW_O_IN27 +: ZW_W_IN27] = probe_in27;
`endif
`ifdef ZW_IN28
assign zw_in[ZW_O_IN28 +: ZW_W_IN28] = probe_in28;
`endif
`ifdef ZW_IN29
assign zw_in[ZW_O_IN29 +: ZW_W_IN29] = probe_in29;
`endif
`ifdef ZW_IN30
assign zw_in[ZW_O_IN30 +: ZW_W_IN30] = probe_in30;
`endif
`ifdef ZW_IN31
assign zw_in[ZW_O_IN31 +: ZW_W_IN31] = probe_in31;
`endif
`ifdef ZW_IN32
assign zw_in[ZW_O_IN32 +: ZW_W_IN32] = probe_in32;
`endif
`ifdef ZW_IN33
assign zw_in[ZW_O_IN33 +: ZW_W_IN33] = probe_in33;
`endif
`ifdef ZW_IN34
assign zw_in[ZW_O_IN34 +: ZW_W_IN34] = probe_in34;
`endif
`ifdef ZW_IN35
assign zw_in[ZW_O_IN35 +: ZW_W_IN35] = probe_in35;
`endif
`ifdef ZW_IN36
assign zw_in[ZW_O_IN36 +: ZW_W_IN36] = probe_in36;
`endif
`ifdef ZW_IN37
assign zw_in[ZW_O_IN37 +: ZW_W_IN37] = probe_in37;
`endif
`ifdef ZW_IN38
assign zw_in[ZW_O_IN38 +: ZW_W_IN38] = probe_in38;
`endif
`ifdef ZW_IN39
assign zw_in[ZW_O_IN39 +: ZW_W_IN39] = probe_in39;
`endif
`ifdef ZW_IN40
assign zw_in[ZW_O_IN40 +: ZW_W_IN40] = probe_in40;
`endif
`ifdef ZW_IN41
assign zw_in[ZW_O_IN41 +: ZW_W_IN41] = probe_in41;
`endif
`ifdef ZW_IN42
assign zw_in[ZW_O_IN42 +: ZW_W_IN42] = probe_in42;
`endif
`ifdef ZW_IN43
assign zw_in[ZW_O_IN43 +: ZW_W_IN43] = probe_in43;
`endif
`ifdef ZW_IN44
assign zw_in[ZW_O_IN44 +: ZW_W_IN44] = probe_in44;
`endif
`ifdef ZW_IN45
assign zw_in[ZW_O_IN45 +: ZW_W_IN45] = probe_in45;
`endif
`ifdef ZW_IN46
assign zw_in[ZW_O_IN46 +: ZW_W_IN46] = probe_in46;
`endif
`ifdef ZW_IN47
assign zw_in[ZW_O_IN47 +: ZW_W_IN47] = probe_in47;
`endif
`ifdef ZW_IN48
assign zw_in[ZW_O_IN48 +: ZW_W_IN48] = probe_in48;
`endif
`ifdef ZW_IN49
assign zw_in[ZW_O_IN49 +: ZW_W_IN49] = probe_in49;
`endif
`ifdef ZW_IN50
assign zw_in[ZW_O_IN50 +: ZW_W_IN50] = probe_in50;
`endif
`ifdef ZW_IN51
assign zw_in[ZW_O_IN51 +: ZW_W_IN51] = probe_in51;
`endif
`ifdef ZW_IN52
assign zw_in[ZW_O_IN52 +: ZW_W_IN52] = probe_in52;
`endif
`ifdef ZW_IN53
assign zw_in[ZW_O_IN53 +: ZW_W_IN53] = probe_in53;
`endif
`ifdef ZW_IN54
assign zw_in[ZW_O_IN54 +: ZW_W_IN54] = probe_in54;
`endif
`ifdef ZW_IN55
assign zw_in[ZW_O_IN55 +: ZW_W_IN55] = probe_in55;
`endif
`ifdef ZW_IN56
assign zw_in[ZW_O_IN56 +: ZW_W_IN56] = probe_in56;
`endif
`ifdef ZW_IN57
assign zw_in[ZW_O_IN57 +: ZW_W_IN57] = probe_in57;
`endif
`ifdef ZW_IN58
assign zw_in[ZW_O_IN58 +: ZW_W_IN58] = probe_in58;
`endif
`ifdef ZW_IN59
assign zw_in[ZW_O_IN59 +: ZW_W_IN59] = probe_in59;
`endif
`ifdef ZW_IN60
assign zw_in[ZW_O_IN60 +: ZW_W_IN60] = probe_in60;
`endif
`ifdef ZW_IN61
assign zw_in[ZW_O_IN61 +: ZW_W_IN61] = probe_in61;
`endif
`ifdef ZW_IN62
assign zw_in[ZW_O_IN62 +: ZW_W_IN62] = probe_in62;
`endif
`ifdef ZW_IN63
assign zw_in[ZW_O_IN63 +: ZW_W_IN63] = probe_in63;
`endif
`ifdef ZW_IN64
assign zw_in[ZW_O_IN64 +: ZW_W_IN64] = probe_in64;
`endif
`ifdef ZW_IN65
assign zw_in[ZW_O_IN65 +: ZW_W_IN65] = probe_in65;
`endif
`ifdef ZW_IN66
assign zw_in[ZW_O_IN66 +: ZW_W_IN66] = probe_in66;
`endif
`ifdef ZW_IN67
assign zw_in[ZW_O_IN67 +: ZW_W_IN67] = probe_in67;
`endif
`ifdef ZW_IN68
assign zw_in[ZW_O_IN68 +: ZW_W_IN68] = probe_in68;
`endif
`ifdef ZW_IN69
assign zw_in[ZW_O_IN69 +: ZW_W_IN69] = probe_in69;
`endif
`ifdef ZW_IN70
assign zw_in[ZW_O_IN70 +: ZW_W_IN70] = probe_in70;
`endif
`ifdef ZW_IN71
assign zw_in[ZW_O_IN71 +: ZW_W_IN71] = probe_in71;
`endif
`ifdef ZW_IN72
assign zw_in[ZW_O_IN72 +: ZW_W_IN72] = probe_in72;
`endif
`ifdef ZW_IN73
assign zw_in[ZW_O_IN73 +: ZW_W_IN73] = probe_in73;
`endif
`ifdef ZW_IN74
assign zw_in[ZW_O_IN74 +: ZW_W_IN74] = probe_in74;
`endif
`ifdef ZW_IN75
assign zw_in[ZW_O_IN75 +: ZW_W_IN75] = probe_in75;
`endif
`ifdef ZW_IN76
assign zw_in[ZW_O_IN76 +: ZW_W_IN76] = probe_in76;
`endif
`ifdef ZW_IN77
assign zw_in[ZW_O_IN77 +: ZW_W_IN77] = probe_in77;
`endif
`ifdef ZW_IN78
assign zw_in[ZW_O_IN78 +: ZW_W_IN78] = probe_in78;
`endif
`ifdef ZW_IN79
assign zw_in[ZW_O_IN79 +: ZW_W_IN79] = probe_in79;
`endif
`ifdef ZW_IN80
assign zw_in[ZW_O_IN80 +: ZW_W_IN80] = probe_in80;
`endif
`ifdef ZW_IN81
assign zw_in[ZW_O_IN81 +: ZW_W_IN81] = probe_in81;
`endif
`ifdef ZW_IN82
assign zw_in[ZW_O_IN82 +: ZW_W_IN82] = probe_in82;
`endif
`ifdef ZW_IN83
assign zw_in[ZW_O_IN83 +: ZW_W_IN83] = probe_in83;
`endif
`ifdef ZW_IN84
assign zw_in[ZW_O_IN84 +: ZW_W_IN84] = probe_in84;
`endif
`ifdef ZW_IN85
assign zw_in[ZW_O_IN85 +: ZW_W_IN85] = probe_in85;
`endif
`ifdef ZW_IN86
assign zw_in[ZW_O_IN86 +: ZW_W_IN86] = probe_in86;
`endif
`ifdef ZW_IN87
assign zw_in[ZW_O_IN87 +: ZW_W_IN87] = probe_in87;
`endif
`ifdef ZW_IN88
assign zw_in[ZW_O_IN88 +: ZW_W_IN88] = probe_in88;
`endif
`ifdef ZW_IN89
assign zw_in[ZW_O_IN89 +: ZW_W_IN89] = probe_in89;
`endif
`ifdef ZW_IN90
assign zw_in[ZW_O_IN90 +: ZW_W_IN90] = probe_in90;
`endif
`ifdef ZW_IN91
assign zw_in[ZW_O_IN91 +: ZW_W_IN91] = probe_in91;
`endif
`ifdef ZW_IN92
assign zw_in[ZW_O_IN92 +: ZW_W_IN92] = probe_in92;
`endif
`ifdef ZW_IN93
assign zw_in[ZW_O_IN93 +: ZW_W_IN93] = probe_in93;
`endif
`ifdef ZW_IN94
assign zw_in[ZW_O_IN94 +: ZW_W_IN94] = probe_in94;
`endif
`ifdef ZW_IN95
assign zw_in[ZW_O_IN95 +: ZW_W_IN95] = probe_in95;
`endif
`ifdef ZW_IN96
assign zw_in[ZW_O_IN96 +: ZW_W_IN96] = probe_in96;
`endif
`ifdef ZW_IN97
assign zw_in[ZW_O_IN97 +: ZW_W_IN97] = probe_in97;
`endif
`ifdef ZW_IN98
assign zw_in[ZW_O_IN98 +: ZW_W_IN98] = probe_in98;
`endif
`ifdef ZW_IN99
assign zw_in[ZW_O_IN99 +: ZW_W_IN99] = probe_in99;
`endif
`ifdef ZW_IN100
assign zw_in[ZW_O_IN100 +: ZW_W_IN100] = probe_in100;
`endif
`ifdef ZW_IN101
assign zw_in[ZW_O_IN101 +: ZW_W_IN101] = probe_in101;
`endif
`ifdef ZW_IN102
assign zw_in[ZW_O_IN102 +: ZW_W_IN102] = probe_in102;
`endif
`ifdef ZW_IN103
assign zw_in[ZW_O_IN103 +: ZW_W_IN103] = probe_in103;
`endif
`ifdef ZW_IN104
assign zw_in[ZW_O_IN104 +: ZW_W_IN104] = probe_in104;
`endif
`ifdef ZW_IN105
assign zw_in[ZW_O_IN105 +: ZW_W_IN105] = probe_in105;
`endif
`ifdef ZW_IN106
assign zw_in[ZW_O_IN106 +: ZW_W_IN106] = probe_in106;
`endif
`ifdef ZW_IN107
assign zw_in[ZW_O_IN107 +: ZW_W_IN107] = probe_in107;
`endif
`ifdef ZW_IN108
assign zw_in[ZW_O_IN108 +: ZW_W_IN108] = probe_in108;
`endif
`ifdef ZW_IN109
assign zw_in[ZW_O_IN109 +: ZW_W_IN109] = probe_in109;
`endif
`ifdef ZW_IN110
assign zw_in[ZW_O_IN110 +: ZW_W_IN110] = probe_in110;
`endif
`ifdef ZW_IN111
assign zw_in[ZW_O_IN111 +: ZW_W_IN111] = probe_in111;
`endif
`ifdef ZW_IN112
assign zw_in[ZW_O_IN112 +: ZW_W_IN112] = probe_in112;
`endif
`ifdef ZW_IN113
assign zw_in[ZW_O_IN113 +: ZW_W_IN113] = probe_in113;
`endif
`ifdef ZW_IN114
assign zw_in[ZW_O_IN114 +: ZW_W_IN114] = probe_in114;
`endif
`ifdef ZW_IN115
assign zw_in[ZW_O_IN115 +: ZW_W_IN115] = probe_in115;
`endif
`ifdef ZW_IN116
assign zw_in[ZW_O_IN116 +: ZW_W_IN116] = probe_in116;
`endif
`ifdef ZW_IN117
assign zw_in[ZW_O_IN117 +: ZW_W_IN117] = probe_in117;
`endif
`ifdef ZW_IN118
assign zw_in[ZW_O_IN118 +: ZW_W_IN118] = probe_in118;
`endif
`ifdef ZW_IN119
assign zw_in[ZW_O_IN119 +: ZW_W_IN119] = probe_in119;
`endif
`ifdef ZW_IN120
assign zw_in[ZW_O_IN120 +: ZW_W_IN120] = probe_in120;
`endif
`ifdef ZW_IN121
assign zw_in[ZW_O_IN121 +: ZW_W_IN121] = probe_in121;
`endif
`ifdef ZW_IN122
assign zw_in[ZW_O_IN122 +: ZW_W_IN122] = probe_in122;
`endif
`ifdef ZW_IN123
assign zw_in[ZW_O_IN123 +: ZW_W_IN123] = probe_in123;
`endif
`ifdef ZW_IN124
assign zw_in[ZW_O_IN124 +: ZW_W_IN124] = probe_in124;
`endif
`ifdef ZW_IN125
assign zw_in[ZW_O_IN125 +: ZW_W_IN125] = probe_in125;
`endif
`ifdef ZW_IN126
assign zw_in[ZW_O_IN126 +: ZW_W_IN126] = probe_in126;
`endif
`ifdef ZW_IN127
assign zw_in[ZW_O_IN127 +: ZW_W_IN127] = probe_in127;
`endif
`ifdef ZW_IN128
assign zw_in[ZW_O_IN128 +: ZW_W_IN128] = probe_in128;
`endif
`ifdef ZW_IN129
assign zw_in[ZW_O_IN129 +: ZW_W_IN129] = probe_in129;
`endif
`ifdef ZW_IN130
assign zw_in[ZW_O_IN130 +: ZW_W_IN130] = probe_in130;
`endif
`ifdef ZW_IN131
assign zw_in[ZW_O_IN131 +: ZW_W_IN131] = probe_in131;
`endif
`ifdef ZW_IN132
assign zw_in[ZW_O_IN132 +: ZW_W_IN132] = probe_in132;
`endif
`ifdef ZW_IN133
assign zw_in[ZW_O_IN133 +: ZW_W_IN133] = probe_in133;
`endif
`ifdef ZW_IN134
assign zw_in[ZW_O_IN134 +: ZW_W_IN134] = probe_in134;
`endif
`ifdef ZW_IN135
assign zw_in[ZW_O_IN135 +: ZW_W_IN135] = probe_in135;
`endif
`ifdef ZW_IN136
assign zw_in[ZW_O_IN136 +: ZW_W_IN136] = probe_in136;
`endif
`ifdef ZW_IN137
assign zw_in[ZW_O_IN137 +: ZW_W_IN137] = probe_in137;
`endif
`ifdef ZW_IN138
assign zw_in[ZW_O_IN138 +: ZW_W_IN138] = probe_in138;
`endif
`ifdef ZW_IN139
assign zw_in[ZW_O_IN139 +: ZW_W_IN139] = probe_in139;
`endif
`ifdef ZW_IN140
assign zw_in[ZW_O_IN140 +: ZW_W_IN140] = probe_in140;
`endif
`ifdef ZW_IN141
assign zw_in[ZW_O_IN141 +: ZW_W_IN141] = probe_in141;
`endif
`ifdef ZW_IN142
assign zw_in[ZW_O_IN142 +: ZW_W_IN142] = probe_in142;
`endif
`ifdef ZW_IN143
assign zw_in[ZW_O_IN143 +: ZW_W_IN143] = probe_in143;
`endif
`ifdef ZW_IN144
assign zw_in[ZW_O_IN144 +: ZW_W_IN144] = probe_in144;
`endif
`ifdef ZW_IN145
assign zw_in[ZW_O_IN145 +: ZW_W_IN145] = probe_in145;
`endif
`ifdef ZW_IN146
assign zw_in[ZW_O_IN146 +: ZW_W_IN146] = probe_in146;
`endif
`ifdef ZW_IN147
assign zw_in[ZW_O_IN147 +: ZW_W_IN147] = probe_in147;
`endif
`ifdef ZW_IN148
assign zw_in[ZW_O_IN148 +: ZW_W_IN148] = probe_in148;
`endif
`ifdef ZW_IN149
assign zw_in[ZW_O_IN149 +: ZW_W_IN149] = probe_in149;
`endif
`ifdef ZW_IN150
assign zw_in[ZW_O_IN150 +: ZW_W_IN150] = probe_in150;
`endif
`ifdef ZW_IN151
assign zw_in[ZW_O_IN151 +: ZW_W_IN151] = probe_in151;
`endif
`ifdef ZW_IN152
assign zw_in[ZW_O_IN152 +: ZW_W_IN152] = probe_in152;
`endif
`ifdef ZW_IN153
assign zw_in[ZW_O_IN153 +: ZW_W_IN153] = probe_in153;
`endif
`ifdef ZW_IN154
assign zw_in[ZW_O_IN154 +: ZW_W_IN154] = probe_in154;
`endif
`ifdef ZW_IN155
assign zw_in[ZW_O_IN155 +: ZW_W_IN155] = probe_in155;
`endif
`ifdef ZW_IN156
assign zw_in[ZW_O_IN156 +: ZW_W_IN156] = probe_in156;
`endif
`ifdef ZW_IN157
assign zw_in[ZW_O_IN157 +: ZW_W_IN157] = probe_in157;
`endif
`ifdef ZW_IN158
assign zw_in[ZW_O_IN158 +: ZW_W_IN158] = probe_in158;
`endif
`ifdef ZW_IN159
assign zw_in[ZW_O_IN159 +: ZW_W_IN159] = probe_in159;
`endif
`ifdef ZW_IN160
assign zw_in[ZW_O_IN160 +: ZW_W_IN160] = probe_in160;
`endif
`ifdef ZW_IN161
assign zw_in[ZW_O_IN161 +: ZW_W_IN161] = probe_in161;
`endif
`ifdef ZW_IN162
assign zw_in[ZW_O_IN162 +: ZW_W_IN162] = probe_in162;
`endif
`ifdef ZW_IN163
assign zw_in[ZW_O_IN163 +: ZW_W_IN163] = probe_in163;
`endif
`ifdef ZW_IN164
assign zw_in[ZW_O_IN164 +: ZW_W_IN164] = probe_in164;
`endif
`ifdef ZW_IN165
assign zw_in[ZW_O_IN165 +: ZW_W_IN165] = probe_in165;
`endif
`ifdef ZW_IN166
assign zw_in[ZW_O_IN166 +: ZW_W_IN166] = probe_in166;
`endif
`ifdef ZW_IN167
assign zw_in[ZW_O_IN167 +: ZW_W_IN167] = probe_in167;
`endif
`ifdef ZW_IN168
assign zw_in[ZW_O_IN168 +: ZW_W_IN168] = probe_in168;
`endif
`ifdef ZW_IN169
assign zw_in[ZW_O_IN169 +: ZW_W_IN169] = probe_in169;
`endif
`ifdef ZW_IN170
assign zw_in[ZW_O_IN170 +: ZW_W_IN170] = probe_in170;
`endif
`ifdef ZW_IN171
assign zw_in[ZW_O_IN171 +: ZW_W_IN171] = probe_in171;
`endif
`ifdef ZW_IN172
assign zw_in[ZW_O_IN172 +: ZW_W_IN172] = probe_in172;
`endif
`ifdef ZW_IN173
assign zw_in[ZW_O_IN173 +: ZW_W_IN173] = probe_in173;
`endif
`ifdef ZW_IN174
assign zw_in[ZW_O_IN174 +: ZW_W_IN174] = probe_in174;
`endif
`ifdef ZW_IN175
assign zw_in[ZW_O_IN175 +: ZW_W_IN175] = probe_in175;
`endif
`ifdef ZW_IN176
assign zw_in[ZW_O_IN176 +: ZW_W_IN176] = probe_in176;
`endif
`ifdef ZW_IN177
assign zw_in[ZW_O_IN177 +: ZW_W_IN177] = probe_in177;
`endif
`ifdef ZW_IN178
assign zw_in[ZW_O_IN178 +: ZW_W_IN178] = probe_in178;
`endif
`ifdef ZW_IN179
assign zw_in[ZW_O_IN179 +: ZW_W_IN179] = probe_in179;
`endif
`ifdef ZW_IN180
assign zw_in[ZW_O_IN180 +: ZW_W_IN180] = probe_in180;
`endif
`ifdef ZW_IN181
assign zw_in[ZW_O_IN181 +: ZW_W_IN181] = probe_in181;
`endif
`ifdef ZW_IN182
assign zw_in[ZW_O_IN182 +: ZW_W_IN182] = probe_in182;
`endif
`ifdef ZW_IN183
assign zw_in[ZW_O_IN183 +: ZW_W_IN183] = probe_in183;
`endif
`ifdef ZW_IN184
assign zw_in[ZW_O_IN184 +: ZW_W_IN184] = probe_in184;
`endif
`ifdef ZW_IN185
assign zw_in[ZW_O_IN185 +: ZW_W_IN185] = probe_in185;
`endif
`ifdef ZW_IN186
assign zw_in[ZW_O_IN186 +: ZW_W_IN186] = probe_in186;
`endif
`ifdef ZW_IN187
assign zw_in[ZW_O_IN187 +: ZW_W_IN187] = probe_in187;
`endif
`ifdef ZW_IN188
assign zw_in[ZW_O_IN188 +: ZW_W_IN188] = probe_in188;
`endif
`ifdef ZW_IN189
assign zw_in[ZW_O_IN189 +: ZW_W_IN189] = probe_in189;
`endif
`ifdef ZW_IN190
assign zw_in[ZW_O_IN190 +: ZW_W_IN190] = probe_in190;
`endif
`ifdef ZW_IN191
assign zw_in[ZW_O_IN191 +: ZW_W_IN191] = probe_in191;
`endif
`ifdef ZW_IN192
assign zw_in[ZW_O_IN192 +: ZW_W_IN192] = probe_in192;
`endif
`ifdef ZW_IN193
assign zw_in[ZW_O_IN193 +: ZW_W_IN193] = probe_in193;
`endif
`ifdef ZW_IN194
assign zw_in[ZW_O_IN194 +: ZW_W_IN194] = probe_in194;
`endif
`ifdef ZW_IN195
assign zw_in[ZW_O_IN195 +: ZW_W_IN195] = probe_in195;
`endif
`ifdef ZW_IN196
assign zw_in[ZW_O_IN196 +: ZW_W_IN196] = probe_in196;
`endif
`ifdef ZW_IN197
assign zw_in[ZW_O_IN197 +: ZW_W_IN197] = probe_in197;
`endif
`ifdef ZW_IN198
assign zw_in[ZW_O_IN198 +: ZW_W_IN198] = probe_in198;
`endif
`ifdef ZW_IN199
assign zw_in[ZW_O_IN199 +: ZW_W_IN199] = probe_in199;
`endif
`ifdef ZW_IN200
assign zw_in[ZW_O_IN200 +: ZW_W_IN200] = probe_in200;
`endif
`ifdef ZW_IN201
assign zw_in[ZW_O_IN201 +: ZW_W_IN201] = probe_in201;
`endif
`ifdef ZW_IN202
assign zw_in[ZW_O_IN202 +: ZW_W_IN202] = probe_in202;
`endif
`ifdef ZW_IN203
assign zw_in[ZW_O_IN203 +: ZW_W_IN203] = probe_in203;
`endif
`ifdef ZW_IN204
assign zw_in[ZW_O_IN204 +: ZW_W_IN204] = probe_in204;
`endif
`ifdef ZW_IN205
assign zw_in[ZW_O_IN205 +: ZW_W_IN205] = probe_in205;
`endif
`ifdef ZW_IN206
assign zw_in[ZW_O_IN206 +: ZW_W_IN206] = probe_in206;
`endif
`ifdef ZW_IN207
assign zw_in[ZW_O_IN207 +: ZW_W_IN207] = probe_in207;
`endif
`ifdef ZW_IN208
assign zw_in[ZW_O_IN208 +: ZW_W_IN208] = probe_in208;
`endif
`ifdef ZW_IN209
assign zw_in[ZW_O_IN209 +: ZW_W_IN209] = probe_in209;
`endif
`ifdef ZW_IN210
assign zw_in[ZW_O_IN210 +: ZW_W_IN210] = probe_in210;
`endif
`ifdef ZW_IN211
assign zw_in[ZW_O_IN211 +: ZW_W_IN211] = probe_in211;
`endif
`ifdef ZW_IN212
assign zw_in[ZW_O_IN212 +: ZW_W_IN212] = probe_in212;
`endif
`ifdef ZW_IN213
assign zw_in[ZW_O_IN213 +: ZW_W_IN213] = probe_in213;
`endif
`ifdef ZW_IN214
assign zw_in[ZW_O_IN214 +: ZW_W_IN214] = probe_in214;
`endif
`ifdef ZW_IN215
assign zw_in[ZW_O_IN215 +: ZW_W_IN215] = probe_in215;
`endif
`ifdef ZW_IN216
assign zw_in[ZW_O_IN216 +: ZW_W_IN216] = probe_in216;
`endif
`ifdef ZW_IN217
assign zw_in[ZW_O_IN217 +: ZW_W_IN217] = probe_in217;
`endif
`ifdef ZW_IN218
assign zw_in[ZW_O_IN218 +: ZW_W_IN218] = probe_in218;
`endif
`ifdef ZW_IN219
assign zw_in[ZW_O_IN219 +: ZW_W_IN219] = probe_in219;
`endif
`ifdef ZW_IN220
assign zw_in[ZW_O_IN220 +: ZW_W_IN220] = probe_in220;
`endif
`ifdef ZW_IN221
assign zw_in[ZW_O_IN221 +: ZW_W_IN221] = probe_in221;
`endif
`ifdef ZW_IN222
assign zw_in[ZW_O_IN222 +: ZW_W_IN222] = probe_in222;
`endif
`ifdef ZW_IN223
assign zw_in[ZW_O_IN223 +: ZW_W_IN223] = probe_in223;
`endif
`ifdef ZW_IN224
assign zw_in[ZW_O_IN224 +: ZW_W_IN224] = probe_in224;
`endif
`ifdef ZW_IN225
assign zw_in[ZW_O_IN225 +: ZW_W_IN225] = probe_in225;
`endif
`ifdef ZW_IN226
assign zw_in[ZW_O_IN226 +: ZW_W_IN226] = probe_in226;
`endif
`ifdef ZW_IN227
assign zw_in[ZW_O_IN227 +: ZW_W_IN227] = probe_in227;
`endif
`ifdef ZW_IN228
assign zw_in[ZW_O_IN228 +: ZW_W_IN228] = probe_in228;
`endif
`ifdef ZW_IN229
assign zw_in[ZW_O_IN229 +: ZW_W_IN229] = probe_in229;
`endif
`ifdef ZW_IN230
assign zw_in[ZW_O_IN230 +: ZW_W_IN230] = probe_in230;
`endif
`ifdef ZW_IN231
assign zw_in[ZW_O_IN231 +: ZW_W_IN231] = probe_in231;
`endif
`ifdef ZW_IN232
assign zw_in[ZW_O_IN232 +: ZW_W_IN232] = probe_in232;
`endif
`ifdef ZW_IN233
assign zw_in[ZW_O_IN233 +: ZW_W_IN233] = probe_in233;
`endif
`ifdef ZW_IN234
assign zw_in[ZW_O_IN234 +: ZW_W_IN234] = probe_in234;
`endif
`ifdef ZW_IN235
assign zw_in[ZW_O_IN235 +: ZW_W_IN235] = probe_in235;
`endif
`ifdef ZW_IN236
assign zw_in[ZW_O_IN236 +: ZW_W_IN236] = probe_in236;
`endif
`ifdef ZW_IN237
assign zw_in[ZW_O_IN237 +: ZW_W_IN237] = probe_in237;
`endif
`ifdef ZW_IN238
assign zw_in[ZW_O_IN238 +: ZW_W_IN238] = probe_in238;
`endif
`ifdef ZW_IN239
assign zw_in[ZW_O_IN239 +: ZW_W_IN239] = probe_in239;
`endif
`ifdef ZW_IN240
assign zw_in[ZW_O_IN240 +: ZW_W_IN240] = probe_in240;
`endif
`ifdef ZW_IN241
assign zw_in[ZW_O_IN241 +: ZW_W_IN241] = probe_in241;
`endif
`ifdef ZW_IN242
assign zw_in[ZW_O_IN242 +: ZW_W_IN242] = probe_in242;
`endif
`ifdef ZW_IN243
assign zw_in[ZW_O_IN243 +: ZW_W_IN243] = probe_in243;
`endif
`ifdef ZW_IN244
assign zw_in[ZW_O_IN244 +: ZW_W_IN244] = probe_in244;
`endif
`ifdef ZW_IN245
assign zw_in[ZW_O_IN245 +: ZW_W_IN245] = probe_in245;
`endif
`ifdef ZW_IN246
assign zw_in[ZW_O_IN246 +: ZW_W_IN246] = probe_in246;
`endif
`ifdef ZW_IN247
assign zw_in[ZW_O_IN247 +: ZW_W_IN247] = probe_in247;
`endif
`ifdef ZW_IN248
assign zw_in[ZW_O_IN248 +: ZW_W_IN248] = probe_in248;
`endif
`ifdef ZW_IN249
assign zw_in[ZW_O_IN249 +: ZW_W_IN249] = probe_in249;
`endif
`ifdef ZW_IN250
assign zw_in[ZW_O_IN250 +: ZW_W_IN250] = probe_in250;
`endif
`ifdef ZW_IN251
assign zw_in[ZW_O_IN251 +: ZW_W_IN251] = probe_in251;
`endif
`ifdef ZW_IN252
assign zw_in[ZW_O_IN252 +: ZW_W_IN252] = probe_in252;
`endif
`ifdef ZW_IN253
assign zw_in[ZW_O_IN253 +: ZW_W_IN253] = probe_in253;
`endif
`ifdef ZW_IN254
assign zw_in[ZW_O_IN254 +: ZW_W_IN254] = probe_in254;
`endif
`ifdef ZW_IN255
assign zw_in[ZW_O_IN255 +: ZW_W_IN255] = probe_in255;
`endif
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT0 = 0;
`ifdef ZW_OUT0
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT0 = PROBE_OUT0_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT1 = ZW_I_OUT0 | (ZW_E_OUT0 << ZW_O_OUT0);
assign probe_out0 = zw_out[ZW_O_OUT0 +: ZW_W_OUT0];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT1 = ZW_I_OUT0;
`endif
`ifdef ZW_OUT1
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT1 = PROBE_OUT1_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT2 = ZW_I_OUT1 | (ZW_E_OUT1 << ZW_O_OUT1);
assign probe_out1 = zw_out[ZW_O_OUT1 +: ZW_W_OUT1];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT2 = ZW_I_OUT1;
`endif
`ifdef ZW_OUT2
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT2 = PROBE_OUT2_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT3 = ZW_I_OUT2 | (ZW_E_OUT2 << ZW_O_OUT2);
assign probe_out2 = zw_out[ZW_O_OUT2 +: ZW_W_OUT2];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT3 = ZW_I_OUT2;
`endif
`ifdef ZW_OUT3
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT3 = PROBE_OUT3_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT4 = ZW_I_OUT3 | (ZW_E_OUT3 << ZW_O_OUT3);
assign probe_out3 = zw_out[ZW_O_OUT3 +: ZW_W_OUT3];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT4 = ZW_I_OUT3;
`endif
`ifdef ZW_OUT4
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT4 = PROBE_OUT4_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT5 = ZW_I_OUT4 | (ZW_E_OUT4 << ZW_O_OUT4);
assign probe_out4 = zw_out[ZW_O_OUT4 +: ZW_W_OUT4];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT5 = ZW_I_OUT4;
`endif
`ifdef ZW_OUT5
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT5 = PROBE_OUT5_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT6 = ZW_I_OUT5 | (ZW_E_OUT5 << ZW_O_OUT5);
assign probe_out5 = zw_out[ZW_O_OUT5 +: ZW_W_OUT5];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT6 = ZW_I_OUT5;
`endif
`ifdef ZW_OUT6
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT6 = PROBE_OUT6_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT7 = ZW_I_OUT6 | (ZW_E_OUT6 << ZW_O_OUT6);
assign probe_out6 = zw_out[ZW_O_OUT6 +: ZW_W_OUT6];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT7 = ZW_I_OUT6;
`endif
`ifdef ZW_OUT7
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT7 = PROBE_OUT7_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT8 = ZW_I_OUT7 | (ZW_E_OUT7 << ZW_O_OUT7);
assign probe_out7 = zw_out[ZW_O_OUT7 +: ZW_W_OUT7];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT8 = ZW_I_OUT7;
`endif
`ifdef ZW_OUT8
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT8 = PROBE_OUT8_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT9 = ZW_I_OUT8 | (ZW_E_OUT8 << ZW_O_OUT8);
assign probe_out8 = zw_out[ZW_O_OUT8 +: ZW_W_OUT8];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT9 = ZW_I_OUT8;
`endif
`ifdef ZW_OUT9
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT9 = PROBE_OUT9_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT10 = ZW_I_OUT9 | (ZW_E_OUT9 << ZW_O_OUT9);
assign probe_out9 = zw_out[ZW_O_OUT9 +: ZW_W_OUT9];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT10 = ZW_I_OUT9;
`endif
`ifdef ZW_OUT10
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT10 = PROBE_OUT10_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT11 = ZW_I_OUT10 | (ZW_E_OUT10 << ZW_O_OUT10);
assign probe_out10 = zw_out[ZW_O_OUT10 +: ZW_W_OUT10];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT11 = ZW_I_OUT10;
`endif
`ifdef ZW_OUT11
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT11 = PROBE_OUT11_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT12 = ZW_I_OUT11 | (ZW_E_OUT11 << ZW_O_OUT11);
assign probe_out11 = zw_out[ZW_O_OUT11 +: ZW_W_OUT11];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT12 = ZW_I_OUT11;
`endif
`ifdef ZW_OUT12
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT12 = PROBE_OUT12_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT13 = ZW_I_OUT12 | (ZW_E_OUT12 << ZW_O_OUT12);
assign probe_out12 = zw_out[ZW_O_OUT12 +: ZW_W_OUT12];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT13 = ZW_I_OUT12;
`endif
`ifdef ZW_OUT13
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT13 = PROBE_OUT13_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT14 = ZW_I_OUT13 | (ZW_E_OUT13 << ZW_O_OUT13);
assign probe_out13 = zw_out[ZW_O_OUT13 +: ZW_W_OUT13];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT14 = ZW_I_OUT13;
`endif
`ifdef ZW_OUT14
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT14 = PROBE_OUT14_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT15 = ZW_I_OUT14 | (ZW_E_OUT14 << ZW_O_OUT14);
assign probe_out14 = zw_out[ZW_O_OUT14 +: ZW_W_OUT14];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT15 = ZW_I_OUT14;
`endif
`ifdef ZW_OUT15
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT15 = PROBE_OUT15_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT16 = ZW_I_OUT15 | (ZW_E_OUT15 << ZW_O_OUT15);
assign probe_out15 = zw_out[ZW_O_OUT15 +: ZW_W_OUT15];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT16 = ZW_I_OUT15;
`endif
`ifdef ZW_OUT16
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT16 = PROBE_OUT16_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT17 = ZW_I_OUT16 | (ZW_E_OUT16 << ZW_O_OUT16);
assign probe_out16 = zw_out[ZW_O_OUT16 +: ZW_W_OUT16];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT17 = ZW_I_OUT16;
`endif
`ifdef ZW_OUT17
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT17 = PROBE_OUT17_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT18 = ZW_I_OUT17 | (ZW_E_OUT17 << ZW_O_OUT17);
assign probe_out17 = zw_out[ZW_O_OUT17 +: ZW_W_OUT17];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT18 = ZW_I_OUT17;
`endif
`ifdef ZW_OUT18
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT18 = PROBE_OUT18_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT19 = ZW_I_OUT18 | (ZW_E_OUT18 << ZW_O_OUT18);
assign probe_out18 = zw_out[ZW_O_OUT18 +: ZW_W_OUT18];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT19 = ZW_I_OUT18;
`endif
`ifdef ZW_OUT19
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT19 = PROBE_OUT19_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT20 = ZW_I_OUT19 | (ZW_E_OUT19 << ZW_O_OUT19);
assign probe_out19 = zw_out[ZW_O_OUT19 +: ZW_W_OUT19];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT20 = ZW_I_OUT19;
`endif
`ifdef ZW_OUT20
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT20 = PROBE_OUT20_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT21 = ZW_I_OUT20 | (ZW_E_OUT20 << ZW_O_OUT20);
assign probe_out20 = zw_out[ZW_O_OUT20 +: ZW_W_OUT20];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT21 = ZW_I_OUT20;
`endif
`ifdef ZW_OUT21
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT21 = PROBE_OUT21_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT22 = ZW_I_OUT21 | (ZW_E_OUT21 << ZW_O_OUT21);
assign probe_out21 = zw_out[ZW_O_OUT21 +: ZW_W_OUT21];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT22 = ZW_I_OUT21;
`endif
`ifdef ZW_OUT22
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT22 = PROBE_OUT22_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT23 = ZW_I_OUT22 | (ZW_E_OUT22 << ZW_O_OUT22);
assign probe_out22 = zw_out[ZW_O_OUT22 +: ZW_W_OUT22];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT23 = ZW_I_OUT22;
`endif
`ifdef ZW_OUT23
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT23 = PROBE_OUT23_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT24 = ZW_I_OUT23 | (ZW_E_OUT23 << ZW_O_OUT23);
assign probe_out23 = zw_out[ZW_O_OUT23 +: ZW_W_OUT23];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT24 = ZW_I_OUT23;
`endif
`ifdef ZW_OUT24
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT24 = PROBE_OUT24_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT25 = ZW_I_OUT24 | (ZW_E_OUT24 << ZW_O_OUT24);
assign probe_out24 = zw_out[ZW_O_OUT24 +: ZW_W_OUT24];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT25 = ZW_I_OUT24;
`endif
`ifdef ZW_OUT25
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT25 = PROBE_OUT25_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT26 = ZW_I_OUT25 | (ZW_E_OUT25 << ZW_O_OUT25);
assign probe_out25 = zw_out[ZW_O_OUT25 +: ZW_W_OUT25];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT26 = ZW_I_OUT25;
`endif
`ifdef ZW_OUT26
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT26 = PROBE_OUT26_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT27 = ZW_I_OUT26 | (ZW_E_OUT26 << ZW_O_OUT26);
assign probe_out26 = zw_out[ZW_O_OUT26 +: ZW_W_OUT26];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT27 = ZW_I_OUT26;
`endif
`ifdef ZW_OUT27
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT27 = PROBE_OUT27_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT28 = ZW_I_OUT27 | (ZW_E_OUT27 << ZW_O_OUT27);
assign probe_out27 = zw_out[ZW_O_OUT27 +: ZW_W_OUT27];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT28 = ZW_I_OUT27;
`endif
`ifdef ZW_OUT28
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT28 = PROBE_OUT28_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT29 = ZW_I_OUT28 | (ZW_E_OUT28 << ZW_O_OUT28);
assign probe_out28 = zw_out[ZW_O_OUT28 +: ZW_W_OUT28];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT29 = ZW_I_OUT28;
`endif
`ifdef ZW_OUT29
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT29 = PROBE_OUT29_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT30 = ZW_I_OUT29 | (ZW_E_OUT29 << ZW_O_OUT29);
assign probe_out29 = zw_out[ZW_O_OUT29 +: ZW_W_OUT29];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT30 = ZW_I_OUT29;
`endif
`ifdef ZW_OUT30
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT30 = PROBE_OUT30_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT31 = ZW_I_OUT30 | (ZW_E_OUT30 << ZW_O_OUT30);
assign probe_out30 = zw_out[ZW_O_OUT30 +: ZW_W_OUT30];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT31 = ZW_I_OUT30;
`endif
`ifdef ZW_OUT31
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT31 = PROBE_OUT31_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT32 = ZW_I_OUT31 | (ZW_E_OUT31 << ZW_O_OUT31);
assign probe_out31 = zw_out[ZW_O_OUT31 +: ZW_W_OUT31];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT32 = ZW_I_OUT31;
`endif
`ifdef ZW_OUT32
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT32 = PROBE_OUT32_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT33 = ZW_I_OUT32 | (ZW_E_OUT32 << ZW_O_OUT32);
assign probe_out32 = zw_out[ZW_O_OUT32 +: ZW_W_OUT32];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT33 = ZW_I_OUT32;
`endif
`ifdef ZW_OUT33
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT33 = PROBE_OUT33_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT34 = ZW_I_OUT33 | (ZW_E_OUT33 << ZW_O_OUT33);
assign probe_out33 = zw_out[ZW_O_OUT33 +: ZW_W_OUT33];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT34 = ZW_I_OUT33;
`endif
`ifdef ZW_OUT34
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT34 = PROBE_OUT34_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT35 = ZW_I_OUT34 | (ZW_E_OUT34 << ZW_O_OUT34);
assign probe_out34 = zw_out[ZW_O_OUT34 +: ZW_W_OUT34];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT35 = ZW_I_OUT34;
`endif
`ifdef ZW_OUT35
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT35 = PROBE_OUT35_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT36 = ZW_I_OUT35 | (ZW_E_OUT35 << ZW_O_OUT35);
assign probe_out35 = zw_out[ZW_O_OUT35 +: ZW_W_OUT35];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT36 = ZW_I_OUT35;
`endif
`ifdef ZW_OUT36
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT36 = PROBE_OUT36_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT37 = ZW_I_OUT36 | (ZW_E_OUT36 << ZW_O_OUT36);
assign probe_out36 = zw_out[ZW_O_OUT36 +: ZW_W_OUT36];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT37 = ZW_I_OUT36;
`endif
`ifdef ZW_OUT37
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT37 = PROBE_OUT37_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT38 = ZW_I_OUT37 | (ZW_E_OUT37 << ZW_O_OUT37);
assign probe_out37 = zw_out[ZW_O_OUT37 +: ZW_W_OUT37];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT38 = ZW_I_OUT37;
`endif
`ifdef ZW_OUT38
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT38 = PROBE_OUT38_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT39 = ZW_I_OUT38 | (ZW_E_OUT38 << ZW_O_OUT38);
assign probe_out38 = zw_out[ZW_O_OUT38 +: ZW_W_OUT38];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT39 = ZW_I_OUT38;
`endif
`ifdef ZW_OUT39
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT39 = PROBE_OUT39_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT40 = ZW_I_OUT39 | (ZW_E_OUT39 << ZW_O_OUT39);
assign probe_out39 = zw_out[ZW_O_OUT39 +: ZW_W_OUT39];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT40 = ZW_I_OUT39;
`endif
`ifdef ZW_OUT40
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT40 = PROBE_OUT40_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT41 = ZW_I_OUT40 | (ZW_E_OUT40 << ZW_O_OUT40);
assign probe_out40 = zw_out[ZW_O_OUT40 +: ZW_W_OUT40];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT41 = ZW_I_OUT40;
`endif
`ifdef ZW_OUT41
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT41 = PROBE_OUT41_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT42 = ZW_I_OUT41 | (ZW_E_OUT41 << ZW_O_OUT41);
assign probe_out41 = zw_out[ZW_O_OUT41 +: ZW_W_OUT41];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT42 = ZW_I_OUT41;
`endif
`ifdef ZW_OUT42
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT42 = PROBE_OUT42_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT43 = ZW_I_OUT42 | (ZW_E_OUT42 << ZW_O_OUT42);
assign probe_out42 = zw_out[ZW_O_OUT42 +: ZW_W_OUT42];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT43 = ZW_I_OUT42;
`endif
`ifdef ZW_OUT43
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT43 = PROBE_OUT43_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT44 = ZW_I_OUT43 | (ZW_E_OUT43 << ZW_O_OUT43);
assign probe_out43 = zw_out[ZW_O_OUT43 +: ZW_W_OUT43];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT44 = ZW_I_OUT43;
`endif
`ifdef ZW_OUT44
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT44 = PROBE_OUT44_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT45 = ZW_I_OUT44 | (ZW_E_OUT44 << ZW_O_OUT44);
assign probe_out44 = zw_out[ZW_O_OUT44 +: ZW_W_OUT44];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT45 = ZW_I_OUT44;
`endif
`ifdef ZW_OUT45
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT45 = PROBE_OUT45_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT46 = ZW_I_OUT45 | (ZW_E_OUT45 << ZW_O_OUT45);
assign probe_out45 = zw_out[ZW_O_OUT45 +: ZW_W_OUT45];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT46 = ZW_I_OUT45;
`endif
`ifdef ZW_OUT46
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT46 = PROBE_OUT46_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT47 = ZW_I_OUT46 | (ZW_E_OUT46 << ZW_O_OUT46);
assign probe_out46 = zw_out[ZW_O_OUT46 +: ZW_W_OUT46];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT47 = ZW_I_OUT46;
`endif
`ifdef ZW_OUT47
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT47 = PROBE_OUT47_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT48 = ZW_I_OUT47 | (ZW_E_OUT47 << ZW_O_OUT47);
assign probe_out47 = zw_out[ZW_O_OUT47 +: ZW_W_OUT47];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT48 = ZW_I_OUT47;
`endif
`ifdef ZW_OUT48
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT48 = PROBE_OUT48_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT49 = ZW_I_OUT48 | (ZW_E_OUT48 << ZW_O_OUT48);
assign probe_out48 = zw_out[ZW_O_OUT48 +: ZW_W_OUT48];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT49 = ZW_I_OUT48;
`endif
`ifdef ZW_OUT49
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT49 = PROBE_OUT49_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT50 = ZW_I_OUT49 | (ZW_E_OUT49 << ZW_O_OUT49);
assign probe_out49 = zw_out[ZW_O_OUT49 +: ZW_W_OUT49];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT50 = ZW_I_OUT49;
`endif
`ifdef ZW_OUT50
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT50 = PROBE_OUT50_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT51 = ZW_I_OUT50 | (ZW_E_OUT50 << ZW_O_OUT50);
assign probe_out50 = zw_out[ZW_O_OUT50 +: ZW_W_OUT50];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT51 = ZW_I_OUT50;
`endif
`ifdef ZW_OUT51
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT51 = PROBE_OUT51_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT52 = ZW_I_OUT51 | (ZW_E_OUT51 << ZW_O_OUT51);
assign probe_out51 = zw_out[ZW_O_OUT51 +: ZW_W_OUT51];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT52 = ZW_I_OUT51;
`endif
`ifdef ZW_OUT52
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT52 = PROBE_OUT52_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT53 = ZW_I_OUT52 | (ZW_E_OUT52 << ZW_O_OUT52);
assign probe_out52 = zw_out[ZW_O_OUT52 +: ZW_W_OUT52];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT53 = ZW_I_OUT52;
`endif
`ifdef ZW_OUT53
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT53 = PROBE_OUT53_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT54 = ZW_I_OUT53 | (ZW_E_OUT53 << ZW_O_OUT53);
assign probe_out53 = zw_out[ZW_O_OUT53 +: ZW_W_OUT53];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT54 = ZW_I_OUT53;
`endif
`ifdef ZW_OUT54
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT54 = PROBE_OUT54_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT55 = ZW_I_OUT54 | (ZW_E_OUT54 << ZW_O_OUT54);
assign probe_out54 = zw_out[ZW_O_OUT54 +: ZW_W_OUT54];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT55 = ZW_I_OUT54;
`endif
`ifdef ZW_OUT55
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT55 = PROBE_OUT55_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT56 = ZW_I_OUT55 | (ZW_E_OUT55 << ZW_O_OUT55);
assign probe_out55 = zw_out[ZW_O_OUT55 +: ZW_W_OUT55];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT56 = ZW_I_OUT55;
`endif
`ifdef ZW_OUT56
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT56 = PROBE_OUT56_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT57 = ZW_I_OUT56 | (ZW_E_OUT56 << ZW_O_OUT56);
assign probe_out56 = zw_out[ZW_O_OUT56 +: ZW_W_OUT56];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT57 = ZW_I_OUT56;
`endif
`ifdef ZW_OUT57
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT57 = PROBE_OUT57_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT58 = ZW_I_OUT57 | (ZW_E_OUT57 << ZW_O_OUT57);
assign probe_out57 = zw_out[ZW_O_OUT57 +: ZW_W_OUT57];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT58 = ZW_I_OUT57;
`endif
`ifdef ZW_OUT58
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT58 = PROBE_OUT58_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT59 = ZW_I_OUT58 | (ZW_E_OUT58 << ZW_O_OUT58);
assign probe_out58 = zw_out[ZW_O_OUT58 +: ZW_W_OUT58];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT59 = ZW_I_OUT58;
`endif
`ifdef ZW_OUT59
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT59 = PROBE_OUT59_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT60 = ZW_I_OUT59 | (ZW_E_OUT59 << ZW_O_OUT59);
assign probe_out59 = zw_out[ZW_O_OUT59 +: ZW_W_OUT59];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT60 = ZW_I_OUT59;
`endif
`ifdef ZW_OUT60
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT60 = PROBE_OUT60_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT61 = ZW_I_OUT60 | (ZW_E_OUT60 << ZW_O_OUT60);
assign probe_out60 = zw_out[ZW_O_OUT60 +: ZW_W_OUT60];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT61 = ZW_I_OUT60;
`endif
`ifdef ZW_OUT61
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT61 = PROBE_OUT61_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT62 = ZW_I_OUT61 | (ZW_E_OUT61 << ZW_O_OUT61);
assign probe_out61 = zw_out[ZW_O_OUT61 +: ZW_W_OUT61];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT62 = ZW_I_OUT61;
`endif
`ifdef ZW_OUT62
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT62 = PROBE_OUT62_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT63 = ZW_I_OUT62 | (ZW_E_OUT62 << ZW_O_OUT62);
assign probe_out62 = zw_out[ZW_O_OUT62 +: ZW_W_OUT62];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT63 = ZW_I_OUT62;
`endif
`ifdef ZW_OUT63
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT63 = PROBE_OUT63_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT64 = ZW_I_OUT63 | (ZW_E_OUT63 << ZW_O_OUT63);
assign probe_out63 = zw_out[ZW_O_OUT63 +: ZW_W_OUT63];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT64 = ZW_I_OUT63;
`endif
`ifdef ZW_OUT64
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT64 = PROBE_OUT64_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT65 = ZW_I_OUT64 | (ZW_E_OUT64 << ZW_O_OUT64);
assign probe_out64 = zw_out[ZW_O_OUT64 +: ZW_W_OUT64];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT65 = ZW_I_OUT64;
`endif
`ifdef ZW_OUT65
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT65 = PROBE_OUT65_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT66 = ZW_I_OUT65 | (ZW_E_OUT65 << ZW_O_OUT65);
assign probe_out65 = zw_out[ZW_O_OUT65 +: ZW_W_OUT65];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT66 = ZW_I_OUT65;
`endif
`ifdef ZW_OUT66
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT66 = PROBE_OUT66_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT67 = ZW_I_OUT66 | (ZW_E_OUT66 << ZW_O_OUT66);
assign probe_out66 = zw_out[ZW_O_OUT66 +: ZW_W_OUT66];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT67 = ZW_I_OUT66;
`endif
`ifdef ZW_OUT67
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT67 = PROBE_OUT67_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT68 = ZW_I_OUT67 | (ZW_E_OUT67 << ZW_O_OUT67);
assign probe_out67 = zw_out[ZW_O_OUT67 +: ZW_W_OUT67];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT68 = ZW_I_OUT67;
`endif
`ifdef ZW_OUT68
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT68 = PROBE_OUT68_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT69 = ZW_I_OUT68 | (ZW_E_OUT68 << ZW_O_OUT68);
assign probe_out68 = zw_out[ZW_O_OUT68 +: ZW_W_OUT68];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT69 = ZW_I_OUT68;
`endif
`ifdef ZW_OUT69
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT69 = PROBE_OUT69_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT70 = ZW_I_OUT69 | (ZW_E_OUT69 << ZW_O_OUT69);
assign probe_out69 = zw_out[ZW_O_OUT69 +: ZW_W_OUT69];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT70 = ZW_I_OUT69;
`endif
`ifdef ZW_OUT70
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT70 = PROBE_OUT70_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT71 = ZW_I_OUT70 | (ZW_E_OUT70 << ZW_O_OUT70);
assign probe_out70 = zw_out[ZW_O_OUT70 +: ZW_W_OUT70];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT71 = ZW_I_OUT70;
`endif
`ifdef ZW_OUT71
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT71 = PROBE_OUT71_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT72 = ZW_I_OUT71 | (ZW_E_OUT71 << ZW_O_OUT71);
assign probe_out71 = zw_out[ZW_O_OUT71 +: ZW_W_OUT71];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT72 = ZW_I_OUT71;
`endif
`ifdef ZW_OUT72
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT72 = PROBE_OUT72_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT73 = ZW_I_OUT72 | (ZW_E_OUT72 << ZW_O_OUT72);
assign probe_out72 = zw_out[ZW_O_OUT72 +: ZW_W_OUT72];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT73 = ZW_I_OUT72;
`endif
`ifdef ZW_OUT73
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT73 = PROBE_OUT73_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT74 = ZW_I_OUT73 | (ZW_E_OUT73 << ZW_O_OUT73);
assign probe_out73 = zw_out[ZW_O_OUT73 +: ZW_W_OUT73];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT74 = ZW_I_OUT73;
`endif
`ifdef ZW_OUT74
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT74 = PROBE_OUT74_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT75 = ZW_I_OUT74 | (ZW_E_OUT74 << ZW_O_OUT74);
assign probe_out74 = zw_out[ZW_O_OUT74 +: ZW_W_OUT74];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT75 = ZW_I_OUT74;
`endif
`ifdef ZW_OUT75
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT75 = PROBE_OUT75_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT76 = ZW_I_OUT75 | (ZW_E_OUT75 << ZW_O_OUT75);
assign probe_out75 = zw_out[ZW_O_OUT75 +: ZW_W_OUT75];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT76 = ZW_I_OUT75;
`endif
`ifdef ZW_OUT76
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT76 = PROBE_OUT76_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT77 = ZW_I_OUT76 | (ZW_E_OUT76 << ZW_O_OUT76);
assign probe_out76 = zw_out[ZW_O_OUT76 +: ZW_W_OUT76];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT77 = ZW_I_OUT76;
`endif
`ifdef ZW_OUT77
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT77 = PROBE_OUT77_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT78 = ZW_I_OUT77 | (ZW_E_OUT77 << ZW_O_OUT77);
assign probe_out77 = zw_out[ZW_O_OUT77 +: ZW_W_OUT77];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT78 = ZW_I_OUT77;
`endif
`ifdef ZW_OUT78
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT78 = PROBE_OUT78_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT79 = ZW_I_OUT78 | (ZW_E_OUT78 << ZW_O_OUT78);
assign probe_out78 = zw_out[ZW_O_OUT78 +: ZW_W_OUT78];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT79 = ZW_I_OUT78;
`endif
`ifdef ZW_OUT79
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT79 = PROBE_OUT79_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT80 = ZW_I_OUT79 | (ZW_E_OUT79 << ZW_O_OUT79);
assign probe_out79 = zw_out[ZW_O_OUT79 +: ZW_W_OUT79];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT80 = ZW_I_OUT79;
`endif
`ifdef ZW_OUT80
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT80 = PROBE_OUT80_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT81 = ZW_I_OUT80 | (ZW_E_OUT80 << ZW_O_OUT80);
assign probe_out80 = zw_out[ZW_O_OUT80 +: ZW_W_OUT80];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT81 = ZW_I_OUT80;
`endif
`ifdef ZW_OUT81
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT81 = PROBE_OUT81_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT82 = ZW_I_OUT81 | (ZW_E_OUT81 << ZW_O_OUT81);
assign probe_out81 = zw_out[ZW_O_OUT81 +: ZW_W_OUT81];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT82 = ZW_I_OUT81;
`endif
`ifdef ZW_OUT82
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT82 = PROBE_OUT82_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT83 = ZW_I_OUT82 | (ZW_E_OUT82 << ZW_O_OUT82);
assign probe_out82 = zw_out[ZW_O_OUT82 +: ZW_W_OUT82];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT83 = ZW_I_OUT82;
`endif
`ifdef ZW_OUT83
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT83 = PROBE_OUT83_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT84 = ZW_I_OUT83 | (ZW_E_OUT83 << ZW_O_OUT83);
assign probe_out83 = zw_out[ZW_O_OUT83 +: ZW_W_OUT83];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT84 = ZW_I_OUT83;
`endif
`ifdef ZW_OUT84
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT84 = PROBE_OUT84_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT85 = ZW_I_OUT84 | (ZW_E_OUT84 << ZW_O_OUT84);
assign probe_out84 = zw_out[ZW_O_OUT84 +: ZW_W_OUT84];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT85 = ZW_I_OUT84;
`endif
`ifdef ZW_OUT85
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT85 = PROBE_OUT85_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT86 = ZW_I_OUT85 | (ZW_E_OUT85 << ZW_O_OUT85);
assign probe_out85 = zw_out[ZW_O_OUT85 +: ZW_W_OUT85];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT86 = ZW_I_OUT85;
`endif
`ifdef ZW_OUT86
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT86 = PROBE_OUT86_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT87 = ZW_I_OUT86 | (ZW_E_OUT86 << ZW_O_OUT86);
assign probe_out86 = zw_out[ZW_O_OUT86 +: ZW_W_OUT86];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT87 = ZW_I_OUT86;
`endif
`ifdef ZW_OUT87
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT87 = PROBE_OUT87_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT88 = ZW_I_OUT87 | (ZW_E_OUT87 << ZW_O_OUT87);
assign probe_out87 = zw_out[ZW_O_OUT87 +: ZW_W_OUT87];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT88 = ZW_I_OUT87;
`endif
`ifdef ZW_OUT88
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT88 = PROBE_OUT88_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT89 = ZW_I_OUT88 | (ZW_E_OUT88 << ZW_O_OUT88);
assign probe_out88 = zw_out[ZW_O_OUT88 +: ZW_W_OUT88];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT89 = ZW_I_OUT88;
`endif
`ifdef ZW_OUT89
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT89 = PROBE_OUT89_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT90 = ZW_I_OUT89 | (ZW_E_OUT89 << ZW_O_OUT89);
assign probe_out89 = zw_out[ZW_O_OUT89 +: ZW_W_OUT89];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT90 = ZW_I_OUT89;
`endif
`ifdef ZW_OUT90
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT90 = PROBE_OUT90_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT91 = ZW_I_OUT90 | (ZW_E_OUT90 << ZW_O_OUT90);
assign probe_out90 = zw_out[ZW_O_OUT90 +: ZW_W_OUT90];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT91 = ZW_I_OUT90;
`endif
`ifdef ZW_OUT91
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT91 = PROBE_OUT91_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT92 = ZW_I_OUT91 | (ZW_E_OUT91 << ZW_O_OUT91);
assign probe_out91 = zw_out[ZW_O_OUT91 +: ZW_W_OUT91];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT92 = ZW_I_OUT91;
`endif
`ifdef ZW_OUT92
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT92 = PROBE_OUT92_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT93 = ZW_I_OUT92 | (ZW_E_OUT92 << ZW_O_OUT92);
assign probe_out92 = zw_out[ZW_O_OUT92 +: ZW_W_OUT92];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT93 = ZW_I_OUT92;
`endif
`ifdef ZW_OUT93
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT93 = PROBE_OUT93_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT94 = ZW_I_OUT93 | (ZW_E_OUT93 << ZW_O_OUT93);
assign probe_out93 = zw_out[ZW_O_OUT93 +: ZW_W_OUT93];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT94 = ZW_I_OUT93;
`endif
`ifdef ZW_OUT94
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT94 = PROBE_OUT94_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT95 = ZW_I_OUT94 | (ZW_E_OUT94 << ZW_O_OUT94);
assign probe_out94 = zw_out[ZW_O_OUT94 +: ZW_W_OUT94];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT95 = ZW_I_OUT94;
`endif
`ifdef ZW_OUT95
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT95 = PROBE_OUT95_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT96 = ZW_I_OUT95 | (ZW_E_OUT95 << ZW_O_OUT95);
assign probe_out95 = zw_out[ZW_O_OUT95 +: ZW_W_OUT95];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT96 = ZW_I_OUT95;
`endif
`ifdef ZW_OUT96
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT96 = PROBE_OUT96_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT97 = ZW_I_OUT96 | (ZW_E_OUT96 << ZW_O_OUT96);
assign probe_out96 = zw_out[ZW_O_OUT96 +: ZW_W_OUT96];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT97 = ZW_I_OUT96;
`endif
`ifdef ZW_OUT97
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT97 = PROBE_OUT97_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT98 = ZW_I_OUT97 | (ZW_E_OUT97 << ZW_O_OUT97);
assign probe_out97 = zw_out[ZW_O_OUT97 +: ZW_W_OUT97];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT98 = ZW_I_OUT97;
`endif
`ifdef ZW_OUT98
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT98 = PROBE_OUT98_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT99 = ZW_I_OUT98 | (ZW_E_OUT98 << ZW_O_OUT98);
assign probe_out98 = zw_out[ZW_O_OUT98 +: ZW_W_OUT98];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT99 = ZW_I_OUT98;
`endif
`ifdef ZW_OUT99
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT99 = PROBE_OUT99_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT100 = ZW_I_OUT99 | (ZW_E_OUT99 << ZW_O_OUT99);
assign probe_out99 = zw_out[ZW_O_OUT99 +: ZW_W_OUT99];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT100 = ZW_I_OUT99;
`endif
`ifdef ZW_OUT100
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT100 = PROBE_OUT100_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT101 = ZW_I_OUT100 | (ZW_E_OUT100 << ZW_O_OUT100);
assign probe_out100 = zw_out[ZW_O_OUT100 +: ZW_W_OUT100];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT101 = ZW_I_OUT100;
`endif
`ifdef ZW_OUT101
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT101 = PROBE_OUT101_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT102 = ZW_I_OUT101 | (ZW_E_OUT101 << ZW_O_OUT101);
assign probe_out101 = zw_out[ZW_O_OUT101 +: ZW_W_OUT101];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT102 = ZW_I_OUT101;
`endif
`ifdef ZW_OUT102
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT102 = PROBE_OUT102_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT103 = ZW_I_OUT102 | (ZW_E_OUT102 << ZW_O_OUT102);
assign probe_out102 = zw_out[ZW_O_OUT102 +: ZW_W_OUT102];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT103 = ZW_I_OUT102;
`endif
`ifdef ZW_OUT103
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT103 = PROBE_OUT103_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT104 = ZW_I_OUT103 | (ZW_E_OUT103 << ZW_O_OUT103);
assign probe_out103 = zw_out[ZW_O_OUT103 +: ZW_W_OUT103];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT104 = ZW_I_OUT103;
`endif
`ifdef ZW_OUT104
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT104 = PROBE_OUT104_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT105 = ZW_I_OUT104 | (ZW_E_OUT104 << ZW_O_OUT104);
assign probe_out104 = zw_out[ZW_O_OUT104 +: ZW_W_OUT104];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT105 = ZW_I_OUT104;
`endif
`ifdef ZW_OUT105
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT105 = PROBE_OUT105_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT106 = ZW_I_OUT105 | (ZW_E_OUT105 << ZW_O_OUT105);
assign probe_out105 = zw_out[ZW_O_OUT105 +: ZW_W_OUT105];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT106 = ZW_I_OUT105;
`endif
`ifdef ZW_OUT106
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT106 = PROBE_OUT106_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT107 = ZW_I_OUT106 | (ZW_E_OUT106 << ZW_O_OUT106);
assign probe_out106 = zw_out[ZW_O_OUT106 +: ZW_W_OUT106];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT107 = ZW_I_OUT106;
`endif
`ifdef ZW_OUT107
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT107 = PROBE_OUT107_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT108 = ZW_I_OUT107 | (ZW_E_OUT107 << ZW_O_OUT107);
assign probe_out107 = zw_out[ZW_O_OUT107 +: ZW_W_OUT107];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT108 = ZW_I_OUT107;
`endif
`ifdef ZW_OUT108
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT108 = PROBE_OUT108_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT109 = ZW_I_OUT108 | (ZW_E_OUT108 << ZW_O_OUT108);
assign probe_out108 = zw_out[ZW_O_OUT108 +: ZW_W_OUT108];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT109 = ZW_I_OUT108;
`endif
`ifdef ZW_OUT109
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT109 = PROBE_OUT109_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT110 = ZW_I_OUT109 | (ZW_E_OUT109 << ZW_O_OUT109);
assign probe_out109 = zw_out[ZW_O_OUT109 +: ZW_W_OUT109];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT110 = ZW_I_OUT109;
`endif
`ifdef ZW_OUT110
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT110 = PROBE_OUT110_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT111 = ZW_I_OUT110 | (ZW_E_OUT110 << ZW_O_OUT110);
assign probe_out110 = zw_out[ZW_O_OUT110 +: ZW_W_OUT110];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT111 = ZW_I_OUT110;
`endif
`ifdef ZW_OUT111
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT111 = PROBE_OUT111_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT112 = ZW_I_OUT111 | (ZW_E_OUT111 << ZW_O_OUT111);
assign probe_out111 = zw_out[ZW_O_OUT111 +: ZW_W_OUT111];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT112 = ZW_I_OUT111;
`endif
`ifdef ZW_OUT112
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT112 = PROBE_OUT112_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT113 = ZW_I_OUT112 | (ZW_E_OUT112 << ZW_O_OUT112);
assign probe_out112 = zw_out[ZW_O_OUT112 +: ZW_W_OUT112];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT113 = ZW_I_OUT112;
`endif
`ifdef ZW_OUT113
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT113 = PROBE_OUT113_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT114 = ZW_I_OUT113 | (ZW_E_OUT113 << ZW_O_OUT113);
assign probe_out113 = zw_out[ZW_O_OUT113 +: ZW_W_OUT113];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT114 = ZW_I_OUT113;
`endif
`ifdef ZW_OUT114
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT114 = PROBE_OUT114_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT115 = ZW_I_OUT114 | (ZW_E_OUT114 << ZW_O_OUT114);
assign probe_out114 = zw_out[ZW_O_OUT114 +: ZW_W_OUT114];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT115 = ZW_I_OUT114;
`endif
`ifdef ZW_OUT115
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT115 = PROBE_OUT115_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT116 = ZW_I_OUT115 | (ZW_E_OUT115 << ZW_O_OUT115);
assign probe_out115 = zw_out[ZW_O_OUT115 +: ZW_W_OUT115];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT116 = ZW_I_OUT115;
`endif
`ifdef ZW_OUT116
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT116 = PROBE_OUT116_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT117 = ZW_I_OUT116 | (ZW_E_OUT116 << ZW_O_OUT116);
assign probe_out116 = zw_out[ZW_O_OUT116 +: ZW_W_OUT116];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT117 = ZW_I_OUT116;
`endif
`ifdef ZW_OUT117
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT117 = PROBE_OUT117_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT118 = ZW_I_OUT117 | (ZW_E_OUT117 << ZW_O_OUT117);
assign probe_out117 = zw_out[ZW_O_OUT117 +: ZW_W_OUT117];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT118 = ZW_I_OUT117;
`endif
`ifdef ZW_OUT118
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT118 = PROBE_OUT118_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT119 = ZW_I_OUT118 | (ZW_E_OUT118 << ZW_O_OUT118);
assign probe_out118 = zw_out[ZW_O_OUT118 +: ZW_W_OUT118];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT119 = ZW_I_OUT118;
`endif
`ifdef ZW_OUT119
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT119 = PROBE_OUT119_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT120 = ZW_I_OUT119 | (ZW_E_OUT119 << ZW_O_OUT119);
assign probe_out119 = zw_out[ZW_O_OUT119 +: ZW_W_OUT119];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT120 = ZW_I_OUT119;
`endif
`ifdef ZW_OUT120
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT120 = PROBE_OUT120_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT121 = ZW_I_OUT120 | (ZW_E_OUT120 << ZW_O_OUT120);
assign probe_out120 = zw_out[ZW_O_OUT120 +: ZW_W_OUT120];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT121 = ZW_I_OUT120;
`endif
`ifdef ZW_OUT121
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT121 = PROBE_OUT121_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT122 = ZW_I_OUT121 | (ZW_E_OUT121 << ZW_O_OUT121);
assign probe_out121 = zw_out[ZW_O_OUT121 +: ZW_W_OUT121];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT122 = ZW_I_OUT121;
`endif
`ifdef ZW_OUT122
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT122 = PROBE_OUT122_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT123 = ZW_I_OUT122 | (ZW_E_OUT122 << ZW_O_OUT122);
assign probe_out122 = zw_out[ZW_O_OUT122 +: ZW_W_OUT122];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT123 = ZW_I_OUT122;
`endif
`ifdef ZW_OUT123
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT123 = PROBE_OUT123_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT124 = ZW_I_OUT123 | (ZW_E_OUT123 << ZW_O_OUT123);
assign probe_out123 = zw_out[ZW_O_OUT123 +: ZW_W_OUT123];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT124 = ZW_I_OUT123;
`endif
`ifdef ZW_OUT124
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT124 = PROBE_OUT124_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT125 = ZW_I_OUT124 | (ZW_E_OUT124 << ZW_O_OUT124);
assign probe_out124 = zw_out[ZW_O_OUT124 +: ZW_W_OUT124];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT125 = ZW_I_OUT124;
`endif
`ifdef ZW_OUT125
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT125 = PROBE_OUT125_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT126 = ZW_I_OUT125 | (ZW_E_OUT125 << ZW_O_OUT125);
assign probe_out125 = zw_out[ZW_O_OUT125 +: ZW_W_OUT125];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT126 = ZW_I_OUT125;
`endif
`ifdef ZW_OUT126
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT126 = PROBE_OUT126_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT127 = ZW_I_OUT126 | (ZW_E_OUT126 << ZW_O_OUT126);
assign probe_out126 = zw_out[ZW_O_OUT126 +: ZW_W_OUT126];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT127 = ZW_I_OUT126;
`endif
`ifdef ZW_OUT127
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT127 = PROBE_OUT127_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT128 = ZW_I_OUT127 | (ZW_E_OUT127 << ZW_O_OUT127);
assign probe_out127 = zw_out[ZW_O_OUT127 +: ZW_W_OUT127];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT128 = ZW_I_OUT127;
`endif
`ifdef ZW_OUT128
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT128 = PROBE_OUT128_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT129 = ZW_I_OUT128 | (ZW_E_OUT128 << ZW_O_OUT128);
assign probe_out128 = zw_out[ZW_O_OUT128 +: ZW_W_OUT128];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT129 = ZW_I_OUT128;
`endif
`ifdef ZW_OUT129
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT129 = PROBE_OUT129_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT130 = ZW_I_OUT129 | (ZW_E_OUT129 << ZW_O_OUT129);
assign probe_out129 = zw_out[ZW_O_OUT129 +: ZW_W_OUT129];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT130 = ZW_I_OUT129;
`endif
`ifdef ZW_OUT130
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT130 = PROBE_OUT130_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT131 = ZW_I_OUT130 | (ZW_E_OUT130 << ZW_O_OUT130);
assign probe_out130 = zw_out[ZW_O_OUT130 +: ZW_W_OUT130];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT131 = ZW_I_OUT130;
`endif
`ifdef ZW_OUT131
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT131 = PROBE_OUT131_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT132 = ZW_I_OUT131 | (ZW_E_OUT131 << ZW_O_OUT131);
assign probe_out131 = zw_out[ZW_O_OUT131 +: ZW_W_OUT131];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT132 = ZW_I_OUT131;
`endif
`ifdef ZW_OUT132
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT132 = PROBE_OUT132_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT133 = ZW_I_OUT132 | (ZW_E_OUT132 << ZW_O_OUT132);
assign probe_out132 = zw_out[ZW_O_OUT132 +: ZW_W_OUT132];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT133 = ZW_I_OUT132;
`endif
`ifdef ZW_OUT133
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT133 = PROBE_OUT133_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT134 = ZW_I_OUT133 | (ZW_E_OUT133 << ZW_O_OUT133);
assign probe_out133 = zw_out[ZW_O_OUT133 +: ZW_W_OUT133];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT134 = ZW_I_OUT133;
`endif
`ifdef ZW_OUT134
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT134 = PROBE_OUT134_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT135 = ZW_I_OUT134 | (ZW_E_OUT134 << ZW_O_OUT134);
assign probe_out134 = zw_out[ZW_O_OUT134 +: ZW_W_OUT134];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT135 = ZW_I_OUT134;
`endif
`ifdef ZW_OUT135
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT135 = PROBE_OUT135_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT136 = ZW_I_OUT135 | (ZW_E_OUT135 << ZW_O_OUT135);
assign probe_out135 = zw_out[ZW_O_OUT135 +: ZW_W_OUT135];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT136 = ZW_I_OUT135;
`endif
`ifdef ZW_OUT136
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT136 = PROBE_OUT136_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT137 = ZW_I_OUT136 | (ZW_E_OUT136 << ZW_O_OUT136);
assign probe_out136 = zw_out[ZW_O_OUT136 +: ZW_W_OUT136];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT137 = ZW_I_OUT136;
`endif
`ifdef ZW_OUT137
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT137 = PROBE_OUT137_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT138 = ZW_I_OUT137 | (ZW_E_OUT137 << ZW_O_OUT137);
assign probe_out137 = zw_out[ZW_O_OUT137 +: ZW_W_OUT137];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT138 = ZW_I_OUT137;
`endif
`ifdef ZW_OUT138
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT138 = PROBE_OUT138_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT139 = ZW_I_OUT138 | (ZW_E_OUT138 << ZW_O_OUT138);
assign probe_out138 = zw_out[ZW_O_OUT138 +: ZW_W_OUT138];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT139 = ZW_I_OUT138;
`endif
`ifdef ZW_OUT139
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT139 = PROBE_OUT139_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT140 = ZW_I_OUT139 | (ZW_E_OUT139 << ZW_O_OUT139);
assign probe_out139 = zw_out[ZW_O_OUT139 +: ZW_W_OUT139];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT140 = ZW_I_OUT139;
`endif
`ifdef ZW_OUT140
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT140 = PROBE_OUT140_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT141 = ZW_I_OUT140 | (ZW_E_OUT140 << ZW_O_OUT140);
assign probe_out140 = zw_out[ZW_O_OUT140 +: ZW_W_OUT140];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT141 = ZW_I_OUT140;
`endif
`ifdef ZW_OUT141
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT141 = PROBE_OUT141_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT142 = ZW_I_OUT141 | (ZW_E_OUT141 << ZW_O_OUT141);
assign probe_out141 = zw_out[ZW_O_OUT141 +: ZW_W_OUT141];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT142 = ZW_I_OUT141;
`endif
`ifdef ZW_OUT142
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT142 = PROBE_OUT142_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT143 = ZW_I_OUT142 | (ZW_E_OUT142 << ZW_O_OUT142);
assign probe_out142 = zw_out[ZW_O_OUT142 +: ZW_W_OUT142];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT143 = ZW_I_OUT142;
`endif
`ifdef ZW_OUT143
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT143 = PROBE_OUT143_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT144 = ZW_I_OUT143 | (ZW_E_OUT143 << ZW_O_OUT143);
assign probe_out143 = zw_out[ZW_O_OUT143 +: ZW_W_OUT143];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT144 = ZW_I_OUT143;
`endif
`ifdef ZW_OUT144
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT144 = PROBE_OUT144_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT145 = ZW_I_OUT144 | (ZW_E_OUT144 << ZW_O_OUT144);
assign probe_out144 = zw_out[ZW_O_OUT144 +: ZW_W_OUT144];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT145 = ZW_I_OUT144;
`endif
`ifdef ZW_OUT145
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT145 = PROBE_OUT145_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT146 = ZW_I_OUT145 | (ZW_E_OUT145 << ZW_O_OUT145);
assign probe_out145 = zw_out[ZW_O_OUT145 +: ZW_W_OUT145];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT146 = ZW_I_OUT145;
`endif
`ifdef ZW_OUT146
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT146 = PROBE_OUT146_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT147 = ZW_I_OUT146 | (ZW_E_OUT146 << ZW_O_OUT146);
assign probe_out146 = zw_out[ZW_O_OUT146 +: ZW_W_OUT146];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT147 = ZW_I_OUT146;
`endif
`ifdef ZW_OUT147
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT147 = PROBE_OUT147_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT148 = ZW_I_OUT147 | (ZW_E_OUT147 << ZW_O_OUT147);
assign probe_out147 = zw_out[ZW_O_OUT147 +: ZW_W_OUT147];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT148 = ZW_I_OUT147;
`endif
`ifdef ZW_OUT148
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT148 = PROBE_OUT148_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT149 = ZW_I_OUT148 | (ZW_E_OUT148 << ZW_O_OUT148);
assign probe_out148 = zw_out[ZW_O_OUT148 +: ZW_W_OUT148];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT149 = ZW_I_OUT148;
`endif
`ifdef ZW_OUT149
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT149 = PROBE_OUT149_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT150 = ZW_I_OUT149 | (ZW_E_OUT149 << ZW_O_OUT149);
assign probe_out149 = zw_out[ZW_O_OUT149 +: ZW_W_OUT149];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT150 = ZW_I_OUT149;
`endif
`ifdef ZW_OUT150
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT150 = PROBE_OUT150_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT151 = ZW_I_OUT150 | (ZW_E_OUT150 << ZW_O_OUT150);
assign probe_out150 = zw_out[ZW_O_OUT150 +: ZW_W_OUT150];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT151 = ZW_I_OUT150;
`endif
`ifdef ZW_OUT151
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT151 = PROBE_OUT151_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT152 = ZW_I_OUT151 | (ZW_E_OUT151 << ZW_O_OUT151);
assign probe_out151 = zw_out[ZW_O_OUT151 +: ZW_W_OUT151];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT152 = ZW_I_OUT151;
`endif
`ifdef ZW_OUT152
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT152 = PROBE_OUT152_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT153 = ZW_I_OUT152 | (ZW_E_OUT152 << ZW_O_OUT152);
assign probe_out152 = zw_out[ZW_O_OUT152 +: ZW_W_OUT152];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT153 = ZW_I_OUT152;
`endif
`ifdef ZW_OUT153
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT153 = PROBE_OUT153_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT154 = ZW_I_OUT153 | (ZW_E_OUT153 << ZW_O_OUT153);
assign probe_out153 = zw_out[ZW_O_OUT153 +: ZW_W_OUT153];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT154 = ZW_I_OUT153;
`endif
`ifdef ZW_OUT154
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT154 = PROBE_OUT154_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT155 = ZW_I_OUT154 | (ZW_E_OUT154 << ZW_O_OUT154);
assign probe_out154 = zw_out[ZW_O_OUT154 +: ZW_W_OUT154];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT155 = ZW_I_OUT154;
`endif
`ifdef ZW_OUT155
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT155 = PROBE_OUT155_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT156 = ZW_I_OUT155 | (ZW_E_OUT155 << ZW_O_OUT155);
assign probe_out155 = zw_out[ZW_O_OUT155 +: ZW_W_OUT155];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT156 = ZW_I_OUT155;
`endif
`ifdef ZW_OUT156
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT156 = PROBE_OUT156_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT157 = ZW_I_OUT156 | (ZW_E_OUT156 << ZW_O_OUT156);
assign probe_out156 = zw_out[ZW_O_OUT156 +: ZW_W_OUT156];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT157 = ZW_I_OUT156;
`endif
`ifdef ZW_OUT157
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT157 = PROBE_OUT157_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT158 = ZW_I_OUT157 | (ZW_E_OUT157 << ZW_O_OUT157);
assign probe_out157 = zw_out[ZW_O_OUT157 +: ZW_W_OUT157];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT158 = ZW_I_OUT157;
`endif
`ifdef ZW_OUT158
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT158 = PROBE_OUT158_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT159 = ZW_I_OUT158 | (ZW_E_OUT158 << ZW_O_OUT158);
assign probe_out158 = zw_out[ZW_O_OUT158 +: ZW_W_OUT158];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT159 = ZW_I_OUT158;
`endif
`ifdef ZW_OUT159
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT159 = PROBE_OUT159_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT160 = ZW_I_OUT159 | (ZW_E_OUT159 << ZW_O_OUT159);
assign probe_out159 = zw_out[ZW_O_OUT159 +: ZW_W_OUT159];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT160 = ZW_I_OUT159;
`endif
`ifdef ZW_OUT160
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT160 = PROBE_OUT160_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT161 = ZW_I_OUT160 | (ZW_E_OUT160 << ZW_O_OUT160);
assign probe_out160 = zw_out[ZW_O_OUT160 +: ZW_W_OUT160];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT161 = ZW_I_OUT160;
`endif
`ifdef ZW_OUT161
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT161 = PROBE_OUT161_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT162 = ZW_I_OUT161 | (ZW_E_OUT161 << ZW_O_OUT161);
assign probe_out161 = zw_out[ZW_O_OUT161 +: ZW_W_OUT161];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT162 = ZW_I_OUT161;
`endif
`ifdef ZW_OUT162
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT162 = PROBE_OUT162_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT163 = ZW_I_OUT162 | (ZW_E_OUT162 << ZW_O_OUT162);
assign probe_out162 = zw_out[ZW_O_OUT162 +: ZW_W_OUT162];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT163 = ZW_I_OUT162;
`endif
`ifdef ZW_OUT163
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT163 = PROBE_OUT163_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT164 = ZW_I_OUT163 | (ZW_E_OUT163 << ZW_O_OUT163);
assign probe_out163 = zw_out[ZW_O_OUT163 +: ZW_W_OUT163];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT164 = ZW_I_OUT163;
`endif
`ifdef ZW_OUT164
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT164 = PROBE_OUT164_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT165 = ZW_I_OUT164 | (ZW_E_OUT164 << ZW_O_OUT164);
assign probe_out164 = zw_out[ZW_O_OUT164 +: ZW_W_OUT164];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT165 = ZW_I_OUT164;
`endif
`ifdef ZW_OUT165
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT165 = PROBE_OUT165_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT166 = ZW_I_OUT165 | (ZW_E_OUT165 << ZW_O_OUT165);
assign probe_out165 = zw_out[ZW_O_OUT165 +: ZW_W_OUT165];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT166 = ZW_I_OUT165;
`endif
`ifdef ZW_OUT166
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT166 = PROBE_OUT166_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT167 = ZW_I_OUT166 | (ZW_E_OUT166 << ZW_O_OUT166);
assign probe_out166 = zw_out[ZW_O_OUT166 +: ZW_W_OUT166];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT167 = ZW_I_OUT166;
`endif
`ifdef ZW_OUT167
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT167 = PROBE_OUT167_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT168 = ZW_I_OUT167 | (ZW_E_OUT167 << ZW_O_OUT167);
assign probe_out167 = zw_out[ZW_O_OUT167 +: ZW_W_OUT167];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT168 = ZW_I_OUT167;
`endif
`ifdef ZW_OUT168
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT168 = PROBE_OUT168_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT169 = ZW_I_OUT168 | (ZW_E_OUT168 << ZW_O_OUT168);
assign probe_out168 = zw_out[ZW_O_OUT168 +: ZW_W_OUT168];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT169 = ZW_I_OUT168;
`endif
`ifdef ZW_OUT169
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT169 = PROBE_OUT169_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT170 = ZW_I_OUT169 | (ZW_E_OUT169 << ZW_O_OUT169);
assign probe_out169 = zw_out[ZW_O_OUT169 +: ZW_W_OUT169];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT170 = ZW_I_OUT169;
`endif
`ifdef ZW_OUT170
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT170 = PROBE_OUT170_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT171 = ZW_I_OUT170 | (ZW_E_OUT170 << ZW_O_OUT170);
assign probe_out170 = zw_out[ZW_O_OUT170 +: ZW_W_OUT170];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT171 = ZW_I_OUT170;
`endif
`ifdef ZW_OUT171
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT171 = PROBE_OUT171_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT172 = ZW_I_OUT171 | (ZW_E_OUT171 << ZW_O_OUT171);
assign probe_out171 = zw_out[ZW_O_OUT171 +: ZW_W_OUT171];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT172 = ZW_I_OUT171;
`endif
`ifdef ZW_OUT172
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT172 = PROBE_OUT172_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT173 = ZW_I_OUT172 | (ZW_E_OUT172 << ZW_O_OUT172);
assign probe_out172 = zw_out[ZW_O_OUT172 +: ZW_W_OUT172];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT173 = ZW_I_OUT172;
`endif
`ifdef ZW_OUT173
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT173 = PROBE_OUT173_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT174 = ZW_I_OUT173 | (ZW_E_OUT173 << ZW_O_OUT173);
assign probe_out173 = zw_out[ZW_O_OUT173 +: ZW_W_OUT173];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT174 = ZW_I_OUT173;
`endif
`ifdef ZW_OUT174
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT174 = PROBE_OUT174_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT175 = ZW_I_OUT174 | (ZW_E_OUT174 << ZW_O_OUT174);
assign probe_out174 = zw_out[ZW_O_OUT174 +: ZW_W_OUT174];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT175 = ZW_I_OUT174;
`endif
`ifdef ZW_OUT175
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT175 = PROBE_OUT175_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT176 = ZW_I_OUT175 | (ZW_E_OUT175 << ZW_O_OUT175);
assign probe_out175 = zw_out[ZW_O_OUT175 +: ZW_W_OUT175];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT176 = ZW_I_OUT175;
`endif
`ifdef ZW_OUT176
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT176 = PROBE_OUT176_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT177 = ZW_I_OUT176 | (ZW_E_OUT176 << ZW_O_OUT176);
assign probe_out176 = zw_out[ZW_O_OUT176 +: ZW_W_OUT176];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT177 = ZW_I_OUT176;
`endif
`ifdef ZW_OUT177
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT177 = PROBE_OUT177_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT178 = ZW_I_OUT177 | (ZW_E_OUT177 << ZW_O_OUT177);
assign probe_out177 = zw_out[ZW_O_OUT177 +: ZW_W_OUT177];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT178 = ZW_I_OUT177;
`endif
`ifdef ZW_OUT178
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT178 = PROBE_OUT178_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT179 = ZW_I_OUT178 | (ZW_E_OUT178 << ZW_O_OUT178);
assign probe_out178 = zw_out[ZW_O_OUT178 +: ZW_W_OUT178];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT179 = ZW_I_OUT178;
`endif
`ifdef ZW_OUT179
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT179 = PROBE_OUT179_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT180 = ZW_I_OUT179 | (ZW_E_OUT179 << ZW_O_OUT179);
assign probe_out179 = zw_out[ZW_O_OUT179 +: ZW_W_OUT179];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT180 = ZW_I_OUT179;
`endif
`ifdef ZW_OUT180
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT180 = PROBE_OUT180_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT181 = ZW_I_OUT180 | (ZW_E_OUT180 << ZW_O_OUT180);
assign probe_out180 = zw_out[ZW_O_OUT180 +: ZW_W_OUT180];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT181 = ZW_I_OUT180;
`endif
`ifdef ZW_OUT181
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT181 = PROBE_OUT181_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT182 = ZW_I_OUT181 | (ZW_E_OUT181 << ZW_O_OUT181);
assign probe_out181 = zw_out[ZW_O_OUT181 +: ZW_W_OUT181];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT182 = ZW_I_OUT181;
`endif
`ifdef ZW_OUT182
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT182 = PROBE_OUT182_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT183 = ZW_I_OUT182 | (ZW_E_OUT182 << ZW_O_OUT182);
assign probe_out182 = zw_out[ZW_O_OUT182 +: ZW_W_OUT182];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT183 = ZW_I_OUT182;
`endif
`ifdef ZW_OUT183
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT183 = PROBE_OUT183_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT184 = ZW_I_OUT183 | (ZW_E_OUT183 << ZW_O_OUT183);
assign probe_out183 = zw_out[ZW_O_OUT183 +: ZW_W_OUT183];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT184 = ZW_I_OUT183;
`endif
`ifdef ZW_OUT184
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT184 = PROBE_OUT184_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT185 = ZW_I_OUT184 | (ZW_E_OUT184 << ZW_O_OUT184);
assign probe_out184 = zw_out[ZW_O_OUT184 +: ZW_W_OUT184];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT185 = ZW_I_OUT184;
`endif
`ifdef ZW_OUT185
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT185 = PROBE_OUT185_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT186 = ZW_I_OUT185 | (ZW_E_OUT185 << ZW_O_OUT185);
assign probe_out185 = zw_out[ZW_O_OUT185 +: ZW_W_OUT185];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT186 = ZW_I_OUT185;
`endif
`ifdef ZW_OUT186
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT186 = PROBE_OUT186_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT187 = ZW_I_OUT186 | (ZW_E_OUT186 << ZW_O_OUT186);
assign probe_out186 = zw_out[ZW_O_OUT186 +: ZW_W_OUT186];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT187 = ZW_I_OUT186;
`endif
`ifdef ZW_OUT187
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT187 = PROBE_OUT187_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT188 = ZW_I_OUT187 | (ZW_E_OUT187 << ZW_O_OUT187);
assign probe_out187 = zw_out[ZW_O_OUT187 +: ZW_W_OUT187];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT188 = ZW_I_OUT187;
`endif
`ifdef ZW_OUT188
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT188 = PROBE_OUT188_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT189 = ZW_I_OUT188 | (ZW_E_OUT188 << ZW_O_OUT188);
assign probe_out188 = zw_out[ZW_O_OUT188 +: ZW_W_OUT188];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT189 = ZW_I_OUT188;
`endif
`ifdef ZW_OUT189
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT189 = PROBE_OUT189_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT190 = ZW_I_OUT189 | (ZW_E_OUT189 << ZW_O_OUT189);
assign probe_out189 = zw_out[ZW_O_OUT189 +: ZW_W_OUT189];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT190 = ZW_I_OUT189;
`endif
`ifdef ZW_OUT190
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT190 = PROBE_OUT190_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT191 = ZW_I_OUT190 | (ZW_E_OUT190 << ZW_O_OUT190);
assign probe_out190 = zw_out[ZW_O_OUT190 +: ZW_W_OUT190];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT191 = ZW_I_OUT190;
`endif
`ifdef ZW_OUT191
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT191 = PROBE_OUT191_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT192 = ZW_I_OUT191 | (ZW_E_OUT191 << ZW_O_OUT191);
assign probe_out191 = zw_out[ZW_O_OUT191 +: ZW_W_OUT191];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT192 = ZW_I_OUT191;
`endif
`ifdef ZW_OUT192
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT192 = PROBE_OUT192_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT193 = ZW_I_OUT192 | (ZW_E_OUT192 << ZW_O_OUT192);
assign probe_out192 = zw_out[ZW_O_OUT192 +: ZW_W_OUT192];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT193 = ZW_I_OUT192;
`endif
`ifdef ZW_OUT193
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT193 = PROBE_OUT193_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT194 = ZW_I_OUT193 | (ZW_E_OUT193 << ZW_O_OUT193);
assign probe_out193 = zw_out[ZW_O_OUT193 +: ZW_W_OUT193];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT194 = ZW_I_OUT193;
`endif
`ifdef ZW_OUT194
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT194 = PROBE_OUT194_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT195 = ZW_I_OUT194 | (ZW_E_OUT194 << ZW_O_OUT194);
assign probe_out194 = zw_out[ZW_O_OUT194 +: ZW_W_OUT194];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT195 = ZW_I_OUT194;
`endif
`ifdef ZW_OUT195
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT195 = PROBE_OUT195_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT196 = ZW_I_OUT195 | (ZW_E_OUT195 << ZW_O_OUT195);
assign probe_out195 = zw_out[ZW_O_OUT195 +: ZW_W_OUT195];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT196 = ZW_I_OUT195;
`endif
`ifdef ZW_OUT196
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT196 = PROBE_OUT196_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT197 = ZW_I_OUT196 | (ZW_E_OUT196 << ZW_O_OUT196);
assign probe_out196 = zw_out[ZW_O_OUT196 +: ZW_W_OUT196];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT197 = ZW_I_OUT196;
`endif
`ifdef ZW_OUT197
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT197 = PROBE_OUT197_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT198 = ZW_I_OUT197 | (ZW_E_OUT197 << ZW_O_OUT197);
assign probe_out197 = zw_out[ZW_O_OUT197 +: ZW_W_OUT197];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT198 = ZW_I_OUT197;
`endif
`ifdef ZW_OUT198
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT198 = PROBE_OUT198_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT199 = ZW_I_OUT198 | (ZW_E_OUT198 << ZW_O_OUT198);
assign probe_out198 = zw_out[ZW_O_OUT198 +: ZW_W_OUT198];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT199 = ZW_I_OUT198;
`endif
`ifdef ZW_OUT199
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT199 = PROBE_OUT199_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT200 = ZW_I_OUT199 | (ZW_E_OUT199 << ZW_O_OUT199);
assign probe_out199 = zw_out[ZW_O_OUT199 +: ZW_W_OUT199];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT200 = ZW_I_OUT199;
`endif
`ifdef ZW_OUT200
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT200 = PROBE_OUT200_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT201 = ZW_I_OUT200 | (ZW_E_OUT200 << ZW_O_OUT200);
assign probe_out200 = zw_out[ZW_O_OUT200 +: ZW_W_OUT200];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT201 = ZW_I_OUT200;
`endif
`ifdef ZW_OUT201
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT201 = PROBE_OUT201_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT202 = ZW_I_OUT201 | (ZW_E_OUT201 << ZW_O_OUT201);
assign probe_out201 = zw_out[ZW_O_OUT201 +: ZW_W_OUT201];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT202 = ZW_I_OUT201;
`endif
`ifdef ZW_OUT202
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT202 = PROBE_OUT202_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT203 = ZW_I_OUT202 | (ZW_E_OUT202 << ZW_O_OUT202);
assign probe_out202 = zw_out[ZW_O_OUT202 +: ZW_W_OUT202];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT203 = ZW_I_OUT202;
`endif
`ifdef ZW_OUT203
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT203 = PROBE_OUT203_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT204 = ZW_I_OUT203 | (ZW_E_OUT203 << ZW_O_OUT203);
assign probe_out203 = zw_out[ZW_O_OUT203 +: ZW_W_OUT203];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT204 = ZW_I_OUT203;
`endif
`ifdef ZW_OUT204
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT204 = PROBE_OUT204_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT205 = ZW_I_OUT204 | (ZW_E_OUT204 << ZW_O_OUT204);
assign probe_out204 = zw_out[ZW_O_OUT204 +: ZW_W_OUT204];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT205 = ZW_I_OUT204;
`endif
`ifdef ZW_OUT205
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT205 = PROBE_OUT205_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT206 = ZW_I_OUT205 | (ZW_E_OUT205 << ZW_O_OUT205);
assign probe_out205 = zw_out[ZW_O_OUT205 +: ZW_W_OUT205];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT206 = ZW_I_OUT205;
`endif
`ifdef ZW_OUT206
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT206 = PROBE_OUT206_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT207 = ZW_I_OUT206 | (ZW_E_OUT206 << ZW_O_OUT206);
assign probe_out206 = zw_out[ZW_O_OUT206 +: ZW_W_OUT206];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT207 = ZW_I_OUT206;
`endif
`ifdef ZW_OUT207
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT207 = PROBE_OUT207_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT208 = ZW_I_OUT207 | (ZW_E_OUT207 << ZW_O_OUT207);
assign probe_out207 = zw_out[ZW_O_OUT207 +: ZW_W_OUT207];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT208 = ZW_I_OUT207;
`endif
`ifdef ZW_OUT208
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT208 = PROBE_OUT208_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT209 = ZW_I_OUT208 | (ZW_E_OUT208 << ZW_O_OUT208);
assign probe_out208 = zw_out[ZW_O_OUT208 +: ZW_W_OUT208];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT209 = ZW_I_OUT208;
`endif
`ifdef ZW_OUT209
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT209 = PROBE_OUT209_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT210 = ZW_I_OUT209 | (ZW_E_OUT209 << ZW_O_OUT209);
assign probe_out209 = zw_out[ZW_O_OUT209 +: ZW_W_OUT209];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT210 = ZW_I_OUT209;
`endif
`ifdef ZW_OUT210
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT210 = PROBE_OUT210_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT211 = ZW_I_OUT210 | (ZW_E_OUT210 << ZW_O_OUT210);
assign probe_out210 = zw_out[ZW_O_OUT210 +: ZW_W_OUT210];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT211 = ZW_I_OUT210;
`endif
`ifdef ZW_OUT211
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT211 = PROBE_OUT211_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT212 = ZW_I_OUT211 | (ZW_E_OUT211 << ZW_O_OUT211);
assign probe_out211 = zw_out[ZW_O_OUT211 +: ZW_W_OUT211];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT212 = ZW_I_OUT211;
`endif
`ifdef ZW_OUT212
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT212 = PROBE_OUT212_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT213 = ZW_I_OUT212 | (ZW_E_OUT212 << ZW_O_OUT212);
assign probe_out212 = zw_out[ZW_O_OUT212 +: ZW_W_OUT212];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT213 = ZW_I_OUT212;
`endif
`ifdef ZW_OUT213
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT213 = PROBE_OUT213_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT214 = ZW_I_OUT213 | (ZW_E_OUT213 << ZW_O_OUT213);
assign probe_out213 = zw_out[ZW_O_OUT213 +: ZW_W_OUT213];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT214 = ZW_I_OUT213;
`endif
`ifdef ZW_OUT214
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT214 = PROBE_OUT214_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT215 = ZW_I_OUT214 | (ZW_E_OUT214 << ZW_O_OUT214);
assign probe_out214 = zw_out[ZW_O_OUT214 +: ZW_W_OUT214];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT215 = ZW_I_OUT214;
`endif
`ifdef ZW_OUT215
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT215 = PROBE_OUT215_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT216 = ZW_I_OUT215 | (ZW_E_OUT215 << ZW_O_OUT215);
assign probe_out215 = zw_out[ZW_O_OUT215 +: ZW_W_OUT215];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT216 = ZW_I_OUT215;
`endif
`ifdef ZW_OUT216
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT216 = PROBE_OUT216_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT217 = ZW_I_OUT216 | (ZW_E_OUT216 << ZW_O_OUT216);
assign probe_out216 = zw_out[ZW_O_OUT216 +: ZW_W_OUT216];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT217 = ZW_I_OUT216;
`endif
`ifdef ZW_OUT217
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT217 = PROBE_OUT217_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT218 = ZW_I_OUT217 | (ZW_E_OUT217 << ZW_O_OUT217);
assign probe_out217 = zw_out[ZW_O_OUT217 +: ZW_W_OUT217];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT218 = ZW_I_OUT217;
`endif
`ifdef ZW_OUT218
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT218 = PROBE_OUT218_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT219 = ZW_I_OUT218 | (ZW_E_OUT218 << ZW_O_OUT218);
assign probe_out218 = zw_out[ZW_O_OUT218 +: ZW_W_OUT218];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT219 = ZW_I_OUT218;
`endif
`ifdef ZW_OUT219
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT219 = PROBE_OUT219_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT220 = ZW_I_OUT219 | (ZW_E_OUT219 << ZW_O_OUT219);
assign probe_out219 = zw_out[ZW_O_OUT219 +: ZW_W_OUT219];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT220 = ZW_I_OUT219;
`endif
`ifdef ZW_OUT220
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT220 = PROBE_OUT220_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT221 = ZW_I_OUT220 | (ZW_E_OUT220 << ZW_O_OUT220);
assign probe_out220 = zw_out[ZW_O_OUT220 +: ZW_W_OUT220];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT221 = ZW_I_OUT220;
`endif
`ifdef ZW_OUT221
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT221 = PROBE_OUT221_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT222 = ZW_I_OUT221 | (ZW_E_OUT221 << ZW_O_OUT221);
assign probe_out221 = zw_out[ZW_O_OUT221 +: ZW_W_OUT221];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT222 = ZW_I_OUT221;
`endif
`ifdef ZW_OUT222
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT222 = PROBE_OUT222_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT223 = ZW_I_OUT222 | (ZW_E_OUT222 << ZW_O_OUT222);
assign probe_out222 = zw_out[ZW_O_OUT222 +: ZW_W_OUT222];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT223 = ZW_I_OUT222;
`endif
`ifdef ZW_OUT223
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT223 = PROBE_OUT223_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT224 = ZW_I_OUT223 | (ZW_E_OUT223 << ZW_O_OUT223);
assign probe_out223 = zw_out[ZW_O_OUT223 +: ZW_W_OUT223];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT224 = ZW_I_OUT223;
`endif
`ifdef ZW_OUT224
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT224 = PROBE_OUT224_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT225 = ZW_I_OUT224 | (ZW_E_OUT224 << ZW_O_OUT224);
assign probe_out224 = zw_out[ZW_O_OUT224 +: ZW_W_OUT224];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT225 = ZW_I_OUT224;
`endif
`ifdef ZW_OUT225
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT225 = PROBE_OUT225_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT226 = ZW_I_OUT225 | (ZW_E_OUT225 << ZW_O_OUT225);
assign probe_out225 = zw_out[ZW_O_OUT225 +: ZW_W_OUT225];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT226 = ZW_I_OUT225;
`endif
`ifdef ZW_OUT226
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT226 = PROBE_OUT226_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT227 = ZW_I_OUT226 | (ZW_E_OUT226 << ZW_O_OUT226);
assign probe_out226 = zw_out[ZW_O_OUT226 +: ZW_W_OUT226];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT227 = ZW_I_OUT226;
`endif
`ifdef ZW_OUT227
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT227 = PROBE_OUT227_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT228 = ZW_I_OUT227 | (ZW_E_OUT227 << ZW_O_OUT227);
assign probe_out227 = zw_out[ZW_O_OUT227 +: ZW_W_OUT227];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT228 = ZW_I_OUT227;
`endif
`ifdef ZW_OUT228
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT228 = PROBE_OUT228_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT229 = ZW_I_OUT228 | (ZW_E_OUT228 << ZW_O_OUT228);
assign probe_out228 = zw_out[ZW_O_OUT228 +: ZW_W_OUT228];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT229 = ZW_I_OUT228;
`endif
`ifdef ZW_OUT229
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT229 = PROBE_OUT229_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT230 = ZW_I_OUT229 | (ZW_E_OUT229 << ZW_O_OUT229);
assign probe_out229 = zw_out[ZW_O_OUT229 +: ZW_W_OUT229];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT230 = ZW_I_OUT229;
`endif
`ifdef ZW_OUT230
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT230 = PROBE_OUT230_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT231 = ZW_I_OUT230 | (ZW_E_OUT230 << ZW_O_OUT230);
assign probe_out230 = zw_out[ZW_O_OUT230 +: ZW_W_OUT230];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT231 = ZW_I_OUT230;
`endif
`ifdef ZW_OUT231
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT231 = PROBE_OUT231_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT232 = ZW_I_OUT231 | (ZW_E_OUT231 << ZW_O_OUT231);
assign probe_out231 = zw_out[ZW_O_OUT231 +: ZW_W_OUT231];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT232 = ZW_I_OUT231;
`endif
`ifdef ZW_OUT232
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT232 = PROBE_OUT232_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT233 = ZW_I_OUT232 | (ZW_E_OUT232 << ZW_O_OUT232);
assign probe_out232 = zw_out[ZW_O_OUT232 +: ZW_W_OUT232];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT233 = ZW_I_OUT232;
`endif
`ifdef ZW_OUT233
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT233 = PROBE_OUT233_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT234 = ZW_I_OUT233 | (ZW_E_OUT233 << ZW_O_OUT233);
assign probe_out233 = zw_out[ZW_O_OUT233 +: ZW_W_OUT233];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT234 = ZW_I_OUT233;
`endif
`ifdef ZW_OUT234
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT234 = PROBE_OUT234_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT235 = ZW_I_OUT234 | (ZW_E_OUT234 << ZW_O_OUT234);
assign probe_out234 = zw_out[ZW_O_OUT234 +: ZW_W_OUT234];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT235 = ZW_I_OUT234;
`endif
`ifdef ZW_OUT235
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT235 = PROBE_OUT235_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT236 = ZW_I_OUT235 | (ZW_E_OUT235 << ZW_O_OUT235);
assign probe_out235 = zw_out[ZW_O_OUT235 +: ZW_W_OUT235];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT236 = ZW_I_OUT235;
`endif
`ifdef ZW_OUT236
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT236 = PROBE_OUT236_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT237 = ZW_I_OUT236 | (ZW_E_OUT236 << ZW_O_OUT236);
assign probe_out236 = zw_out[ZW_O_OUT236 +: ZW_W_OUT236];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT237 = ZW_I_OUT236;
`endif
`ifdef ZW_OUT237
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT237 = PROBE_OUT237_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT238 = ZW_I_OUT237 | (ZW_E_OUT237 << ZW_O_OUT237);
assign probe_out237 = zw_out[ZW_O_OUT237 +: ZW_W_OUT237];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT238 = ZW_I_OUT237;
`endif
`ifdef ZW_OUT238
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT238 = PROBE_OUT238_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT239 = ZW_I_OUT238 | (ZW_E_OUT238 << ZW_O_OUT238);
assign probe_out238 = zw_out[ZW_O_OUT238 +: ZW_W_OUT238];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT239 = ZW_I_OUT238;
`endif
`ifdef ZW_OUT239
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT239 = PROBE_OUT239_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT240 = ZW_I_OUT239 | (ZW_E_OUT239 << ZW_O_OUT239);
assign probe_out239 = zw_out[ZW_O_OUT239 +: ZW_W_OUT239];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT240 = ZW_I_OUT239;
`endif
`ifdef ZW_OUT240
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT240 = PROBE_OUT240_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT241 = ZW_I_OUT240 | (ZW_E_OUT240 << ZW_O_OUT240);
assign probe_out240 = zw_out[ZW_O_OUT240 +: ZW_W_OUT240];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT241 = ZW_I_OUT240;
`endif
`ifdef ZW_OUT241
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT241 = PROBE_OUT241_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT242 = ZW_I_OUT241 | (ZW_E_OUT241 << ZW_O_OUT241);
assign probe_out241 = zw_out[ZW_O_OUT241 +: ZW_W_OUT241];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT242 = ZW_I_OUT241;
`endif
`ifdef ZW_OUT242
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT242 = PROBE_OUT242_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT243 = ZW_I_OUT242 | (ZW_E_OUT242 << ZW_O_OUT242);
assign probe_out242 = zw_out[ZW_O_OUT242 +: ZW_W_OUT242];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT243 = ZW_I_OUT242;
`endif
`ifdef ZW_OUT243
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT243 = PROBE_OUT243_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT244 = ZW_I_OUT243 | (ZW_E_OUT243 << ZW_O_OUT243);
assign probe_out243 = zw_out[ZW_O_OUT243 +: ZW_W_OUT243];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT244 = ZW_I_OUT243;
`endif
`ifdef ZW_OUT244
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT244 = PROBE_OUT244_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT245 = ZW_I_OUT244 | (ZW_E_OUT244 << ZW_O_OUT244);
assign probe_out244 = zw_out[ZW_O_OUT244 +: ZW_W_OUT244];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT245 = ZW_I_OUT244;
`endif
`ifdef ZW_OUT245
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT245 = PROBE_OUT245_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT246 = ZW_I_OUT245 | (ZW_E_OUT245 << ZW_O_OUT245);
assign probe_out245 = zw_out[ZW_O_OUT245 +: ZW_W_OUT245];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT246 = ZW_I_OUT245;
`endif
`ifdef ZW_OUT246
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT246 = PROBE_OUT246_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT247 = ZW_I_OUT246 | (ZW_E_OUT246 << ZW_O_OUT246);
assign probe_out246 = zw_out[ZW_O_OUT246 +: ZW_W_OUT246];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT247 = ZW_I_OUT246;
`endif
`ifdef ZW_OUT247
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT247 = PROBE_OUT247_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT248 = ZW_I_OUT247 | (ZW_E_OUT247 << ZW_O_OUT247);
assign probe_out247 = zw_out[ZW_O_OUT247 +: ZW_W_OUT247];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT248 = ZW_I_OUT247;
`endif
`ifdef ZW_OUT248
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT248 = PROBE_OUT248_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT249 = ZW_I_OUT248 | (ZW_E_OUT248 << ZW_O_OUT248);
assign probe_out248 = zw_out[ZW_O_OUT248 +: ZW_W_OUT248];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT249 = ZW_I_OUT248;
`endif
`ifdef ZW_OUT249
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT249 = PROBE_OUT249_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT250 = ZW_I_OUT249 | (ZW_E_OUT249 << ZW_O_OUT249);
assign probe_out249 = zw_out[ZW_O_OUT249 +: ZW_W_OUT249];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT250 = ZW_I_OUT249;
`endif
`ifdef ZW_OUT250
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT250 = PROBE_OUT250_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT251 = ZW_I_OUT250 | (ZW_E_OUT250 << ZW_O_OUT250);
assign probe_out250 = zw_out[ZW_O_OUT250 +: ZW_W_OUT250];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT251 = ZW_I_OUT250;
`endif
`ifdef ZW_OUT251
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT251 = PROBE_OUT251_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT252 = ZW_I_OUT251 | (ZW_E_OUT251 << ZW_O_OUT251);
assign probe_out251 = zw_out[ZW_O_OUT251 +: ZW_W_OUT251];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT252 = ZW_I_OUT251;
`endif
`ifdef ZW_OUT252
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT252 = PROBE_OUT252_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT253 = ZW_I_OUT252 | (ZW_E_OUT252 << ZW_O_OUT252);
assign probe_out252 = zw_out[ZW_O_OUT252 +: ZW_W_OUT252];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT253 = ZW_I_OUT252;
`endif
`ifdef ZW_OUT253
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT253 = PROBE_OUT253_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT254 = ZW_I_OUT253 | (ZW_E_OUT253 << ZW_O_OUT253);
assign probe_out253 = zw_out[ZW_O_OUT253 +: ZW_W_OUT253];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT254 = ZW_I_OUT253;
`endif
`ifdef ZW_OUT254
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT254 = PROBE_OUT254_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT255 = ZW_I_OUT254 | (ZW_E_OUT254 << ZW_O_OUT254);
assign probe_out254 = zw_out[ZW_O_OUT254 +: ZW_W_OUT254];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT255 = ZW_I_OUT254;
`endif
`ifdef ZW_OUT255
localparam [ZW_OUT_BITS-1:0] ZW_E_OUT255 = PROBE_OUT255_INIT;
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT256 = ZW_I_OUT255 | (ZW_E_OUT255 << ZW_O_OUT255);
assign probe_out255 = zw_out[ZW_O_OUT255 +: ZW_W_OUT255];
`else
localparam [ZW_OUT_BITS-1:0] ZW_I_OUT256 = ZW_I_OUT255;
`endif
`ifdef ZW_SYNC
input clk_i;
localparam ZW_SYNC_ON = 1;
wire zw_clk = clk_i;
`else
localparam ZW_SYNC_ON = 0;
wire zw_clk = 1'b0;
`endif
xq_zarn_core #(
    .POSITION(`ZW_POSITION), .IN_WIDTH(ZW_IN_WIDTH), .OUT_WIDTH(ZW_OUT_WIDTH),
    .OUT_INIT(ZW_I_OUT256), .SYNC(ZW_SYNC_ON)
) core(.control(control), .probe_in(zw_in), .probe_out(zw_out), .clk(zw_clk));
`undef ZW_POSITION
`ifdef ZW_IN0
`undef ZW_IN0
`endif
`ifdef ZW_IN1
`undef ZW_IN1
`endif
`ifdef ZW_IN2
`undef ZW_IN2
`endif
`ifdef ZW_IN3
`undef ZW_IN3
`endif
`ifdef ZW_IN4
`undef ZW_IN4
`endif
`ifdef ZW_IN5
`undef ZW_IN5
`endif
`ifdef ZW_IN6
`undef ZW_IN6
`endif
`ifdef ZW_IN7
`undef ZW_IN7
`endif
`ifdef ZW_IN8
`undef ZW_IN8
`endif
`ifdef ZW_IN9
`undef ZW_IN9
`endif
`ifdef ZW_IN10
`undef ZW_IN10
`endif
`ifdef ZW_IN11
`undef ZW_IN11
`endif
`ifdef ZW_IN12
`undef ZW_IN12
`endif
`ifdef ZW_IN13
`undef ZW_IN13
`endif
`ifdef ZW_IN14
`undef ZW_IN14
`endif
`ifdef ZW_IN15
`undef ZW_IN15
`endif
`ifdef ZW_IN16
`undef ZW_IN16
`endif
`ifdef ZW_IN17
`undef ZW_IN17
`endif
`ifdef ZW_IN18
`undef ZW_IN18
`endif
`ifdef ZW_IN19
`undef ZW_IN19
`endif
`ifdef ZW_IN20
`undef ZW_IN20
`endif
`ifdef ZW_IN21
`undef ZW_IN21
`endif
`ifdef ZW_IN22
`undef ZW_IN22
`endif
`ifdef ZW_IN23
`undef ZW_IN23
`endif
`ifdef ZW_IN24
`undef ZW_IN24
`endif
`ifdef ZW_IN25
`undef ZW_IN25
`endif
`ifdef ZW_IN26
`undef ZW_IN26
`endif
`ifdef ZW_IN27
`undef ZW_IN27
`endif
`ifdef ZW_IN28
`undef ZW_IN28
`endif
`ifdef ZW_IN29
`undef ZW_IN29
`endif
`ifdef ZW_IN30
`undef ZW_IN30
`endif
`ifdef ZW_IN31
`undef ZW_IN31
`endif
`ifdef ZW_IN32
`undef ZW_IN32
`endif
`ifdef ZW_IN33
`undef ZW_IN33
`endif
`ifdef ZW_IN34
`undef ZW_IN34
`endif
`ifdef ZW_IN35
`undef ZW_IN35
`endif
`ifdef ZW_IN36
`undef ZW_IN36
`endif
`ifdef ZW_IN37
`undef ZW_IN37
`endif
`ifdef ZW_IN38
`undef ZW_IN38
`endif
`ifdef ZW_IN39
`undef ZW_IN39
`endif
`ifdef ZW_IN40
`undef ZW_IN40
`endif
`ifdef ZW_IN41
`undef ZW_IN41
`endif
`ifdef ZW_IN42
`undef ZW_IN42
`endif
`ifdef ZW_IN43
`undef ZW_IN43
`endif
`ifdef ZW_IN44
`undef ZW_IN44
`endif
`ifdef ZW_IN45
`undef ZW_IN45
`endif
`ifdef ZW_IN46
`undef ZW_IN46
`endif
`ifdef ZW_IN47
`undef ZW_IN47
`endif
`ifdef ZW_IN48
`undef ZW_IN48
`endif
`ifdef ZW_IN49
`undef ZW_IN49
`endif
`ifdef ZW_IN50
`undef ZW_IN50
`endif
`ifdef ZW_IN51
`undef ZW_IN51
`endif
`ifdef ZW_IN52
`undef ZW_IN52
`endif
`ifdef ZW_IN53
`undef ZW_IN53
`endif
`ifdef ZW_IN54
`undef ZW_IN54
`endif
`ifdef ZW_IN55
`undef ZW_IN55
`endif
`ifdef ZW_IN56
`undef ZW_IN56
`endif
`ifdef ZW_IN57
`undef ZW_IN57
`endif
`ifdef ZW_IN58
`undef ZW_IN58
`endif
`ifdef ZW_IN59
`undef ZW_IN59
`endif
`ifdef ZW_IN60
`undef ZW_IN60
`endif
`ifdef ZW_IN61
`undef ZW_IN61
`endif
`ifdef ZW_IN62
`undef ZW_IN62
`endif
`ifdef ZW_IN63
`undef ZW_IN63
`endif
`ifdef ZW_IN64
`undef ZW_IN64
`endif
`ifdef ZW_IN65
`undef ZW_IN65
`endif
`ifdef ZW_IN66
`undef ZW_IN66
`endif
`ifdef ZW_IN67
`undef ZW_IN67
`endif
`ifdef ZW_IN68
`undef ZW_IN68
`endif
`ifdef ZW_IN69
`undef ZW_IN69
`endif
`ifdef ZW_IN70
`undef ZW_IN70
`endif
`ifdef ZW_IN71
`undef ZW_IN71
`endif
`ifdef ZW_IN72
`undef ZW_IN72
`endif
`ifdef ZW_IN73
`undef ZW_IN73
`endif
`ifdef ZW_IN74
`undef ZW_IN74
`endif
`ifdef ZW_IN75
`undef ZW_IN75
`endif
`ifdef ZW_IN76
`undef ZW_IN76
`endif
`ifdef ZW_IN77
`undef ZW_IN77
`endif
`ifdef ZW_IN78
`undef ZW_IN78
`endif
`ifdef ZW_IN79
`undef ZW_IN79
`endif
`ifdef ZW_IN80
`undef ZW_IN80
`endif
`ifdef ZW_IN81
`undef ZW_IN81
`endif
`ifdef ZW_IN82
`undef ZW_IN82
`endif
`ifdef ZW_IN83
`undef ZW_IN83
`endif
`ifdef ZW_IN84
`undef ZW_IN84
`endif
`ifdef ZW_IN85
`undef ZW_IN85
`endif
`ifdef ZW_IN86
`undef ZW_IN86
`endif
`ifdef ZW_IN87
`undef ZW_IN87
`endif
`ifdef ZW_IN88
`undef ZW_IN88
`endif
`ifdef ZW_IN89
`undef ZW_IN89
`endif
`ifdef ZW_IN90
`undef ZW_IN90
`endif
`ifdef ZW_IN91
`undef ZW_IN91
`endif
`ifdef ZW_IN92
`undef ZW_IN92
`endif
`ifdef ZW_IN93
`undef ZW_IN93
`endif
`ifdef ZW_IN94
`undef ZW_IN94
`endif
`ifdef ZW_IN95
`undef ZW_IN95
`endif
`ifdef ZW_IN96
`undef ZW_IN96
`endif
`ifdef ZW_IN97
`undef ZW_IN97
`endif
`ifdef ZW_IN98
`undef ZW_IN98
`endif
`ifdef ZW_IN99
`undef ZW_IN99
`endif
`ifdef ZW_IN100
`undef ZW_IN100
`endif
`ifdef ZW_IN101
`undef ZW_IN101
`endif
`ifdef ZW_IN102
`undef ZW_IN102
`endif
`ifdef ZW_IN103
`undef ZW_IN103
`endif
`ifdef ZW_IN104
`undef ZW_IN104
`endif
`ifdef ZW_IN105
`undef ZW_IN105
`endif
`ifdef ZW_IN106
`undef ZW_IN106
`endif
`ifdef ZW_IN107
`undef ZW_IN107
`endif
`ifdef ZW_IN108
`undef ZW_IN108
`endif
`ifdef ZW_IN109
`undef ZW_IN109
`endif
`ifdef ZW_IN110
`undef ZW_IN110
`endif
`ifdef ZW_IN111
`undef ZW_IN111
`endif
`ifdef ZW_IN112
`undef ZW_IN112
`endif
`ifdef ZW_IN113
`undef ZW_IN113
`endif
`ifdef ZW_IN114
`undef ZW_IN114
`endif
`ifdef ZW_IN115
`undef ZW_IN115
`endif
`ifdef ZW_IN116
`undef ZW_IN116
`endif
`ifdef ZW_IN117
`undef ZW_IN117
`endif
`ifdef ZW_IN118
`undef ZW_IN118
`endif
`ifdef ZW_IN119
`undef ZW_IN119
`endif
`ifdef ZW_IN120
`undef ZW_IN120
`endif
`ifdef ZW_IN121
`undef ZW_IN121
`endif
`ifdef ZW_IN122
`undef ZW_IN122
`endif
`ifdef ZW_IN123
`undef ZW_IN123
`endif
`ifdef ZW_IN124
`undef ZW_IN124
`endif
`ifdef ZW_IN125
`undef ZW_IN125
`endif
`ifdef ZW_IN126
`undef ZW_IN126
`endif
`ifdef ZW_IN127
`undef ZW_IN127
`endif
`ifdef ZW_IN128
`undef ZW_IN128
`endif
`ifdef ZW_IN129
`undef ZW_IN129
`endif
`ifdef ZW_IN130
`undef ZW_IN130
`endif
`ifdef ZW_IN131
`undef ZW_IN131
`endif
`ifdef ZW_IN132
`undef ZW_IN132
`endif
`ifdef ZW_IN133
`undef ZW_IN133
`endif
`ifdef ZW_IN134
`undef ZW_IN134
`endif
`ifdef ZW_IN135
`undef ZW_IN135
`endif
`ifdef ZW_IN136
`undef ZW_IN136
`endif
`ifdef ZW_IN137
`undef ZW_IN137
`endif
`ifdef ZW_IN138
`undef ZW_IN138
`endif
`ifdef ZW_IN139
`undef ZW_IN139
`endif
`ifdef ZW_IN140
`undef ZW_IN140
`endif
`ifdef ZW_IN141
`undef ZW_IN141
`endif
`ifdef ZW_IN142
`undef ZW_IN142
`endif
`ifdef ZW_IN143
`undef ZW_IN143
`endif
`ifdef ZW_IN144
`undef ZW_IN144
`endif
`ifdef ZW_IN145
`undef ZW_IN145
`endif
`ifdef ZW_IN146
`undef ZW_IN146
`endif
`ifdef ZW_IN147
`undef ZW_IN147
`endif
`ifdef ZW_IN148
`undef ZW_IN148
`endif
`ifdef ZW_IN149
`undef ZW_IN149
`endif
`ifdef ZW_IN150
`undef ZW_IN150
`endif
`ifdef ZW_IN151
`undef ZW_IN151
`endif
`ifdef ZW_IN152
`undef ZW_IN152
`endif
`ifdef ZW_IN153
`undef ZW_IN153
`endif
`ifdef ZW_IN154
`undef ZW_IN154
`endif
`ifdef ZW_IN155
`undef ZW_IN155
`endif
`ifdef ZW_IN156
`undef ZW_IN156
`endif
`ifdef ZW_IN157
`undef ZW_IN157
`endif
`ifdef ZW_IN158
`undef ZW_IN158
`endif
`ifdef ZW_IN159
`undef ZW_IN159
`endif
`ifdef ZW_IN160
`undef ZW_IN160
`endif
`ifdef ZW_IN161
`undef ZW_IN161
`endif
`ifdef ZW_IN162
`undef ZW_IN162
`endif
`ifdef ZW_IN163
`undef ZW_IN163
`endif
`ifdef ZW_IN164
`undef ZW_IN164
`endif
`ifdef ZW_IN165
`undef ZW_IN165
`endif
`ifdef ZW_IN166
`undef ZW_IN166
`endif
`ifdef ZW_IN167
`undef ZW_IN167
`endif
`ifdef ZW_IN168
`undef ZW_IN168
`endif
`ifdef ZW_IN169
`undef ZW_IN169
`endif
`ifdef ZW_IN170
`undef ZW_IN170
`endif
`ifdef ZW_IN171
`undef ZW_IN171
`endif
`ifdef ZW_IN172
`undef ZW_IN172
`endif
`ifdef ZW_IN173
`undef ZW_IN173
`endif
`ifdef ZW_IN174
`undef ZW_IN174
`endif
`ifdef ZW_IN175
`undef ZW_IN175
`endif
`ifdef ZW_IN176
`undef ZW_IN176
`endif
`ifdef ZW_IN177
`undef ZW_IN177
`endif
`ifdef ZW_IN178
`undef ZW_IN178
`endif
`ifdef ZW_IN179
`undef ZW_IN179
`endif
`ifdef ZW_IN180
`undef ZW_IN180
`endif
`ifdef ZW_IN181
`undef ZW_IN181
`endif
`ifdef ZW_IN182
`undef ZW_IN182
`endif
`ifdef ZW_IN183
`undef ZW_IN183
`endif
`ifdef ZW_IN184
`undef ZW_IN184
`endif
`ifdef ZW_IN185
`undef ZW_IN185
`endif
`ifdef ZW_IN186
`undef ZW_IN186
`endif
`ifdef ZW_IN187
`undef ZW_IN187
`endif
`ifdef ZW_IN188
`undef ZW_IN188
`endif
`ifdef ZW_IN189
`undef ZW_IN189
`endif
`ifdef ZW_IN190
`undef ZW_IN190
`endif
`ifdef ZW_IN191
`undef ZW_IN191
`endif
`ifdef ZW_IN192
`undef ZW_IN192
`endif
`ifdef ZW_IN193
`undef ZW_IN193
`endif
`ifdef ZW_IN194
`undef ZW_IN194
`endif
`ifdef ZW_IN195
`undef ZW_IN195
`endif
`ifdef ZW_IN196
`undef ZW_IN196
`endif
`ifdef ZW_IN197
`undef ZW_IN197
`endif
`ifdef ZW_IN198
`undef ZW_IN198
`endif
`ifdef ZW_IN199
`undef ZW_IN199
`endif
`ifdef ZW_IN200
`undef ZW_IN200
`endif
`ifdef ZW_IN201
`undef ZW_IN201
`endif
`ifdef ZW_IN202
`undef ZW_IN202
`endif
`ifdef ZW_IN203
`undef ZW_IN203
`endif
`ifdef ZW_IN204
`undef ZW_IN204
`endif
`ifdef ZW_IN205
`undef ZW_IN205
`endif
`ifdef ZW_IN206
`undef ZW_IN206
`endif
`ifdef ZW_IN207
`undef ZW_IN207
`endif
`ifdef ZW_IN208
`undef ZW_IN208
`endif
`ifdef ZW_IN209
`undef ZW_IN209
`endif
`ifdef ZW_IN210
`undef ZW_IN210
`endif
`ifdef ZW_IN211
`undef ZW_IN211
`endif
`ifdef ZW_IN212
`undef ZW_IN212
`endif
`ifdef ZW_IN213
`undef ZW_IN213
`endif
`ifdef ZW_IN214
`undef ZW_IN214
`endif
`ifdef ZW_IN215
`undef ZW_IN215
`endif
`ifdef ZW_IN216
`undef ZW_IN216
`endif
`ifdef ZW_IN217
`undef ZW_IN217
`endif
`ifdef ZW_IN218
`undef ZW_IN218
`endif
`ifdef ZW_IN219
`undef ZW_IN219
`endif
`ifdef ZW_IN220
`undef ZW_IN220
`endif
`ifdef ZW_IN221
`undef ZW_IN221
`endif
`ifdef ZW_IN222
`undef ZW_IN222
`endif
`ifdef ZW_IN223
`undef ZW_IN223
`endif
`ifdef ZW_IN224
`undef ZW_IN224
`endif
`ifdef ZW_IN225
`undef ZW_IN225
`endif
`ifdef ZW_IN226
`undef ZW_IN226
`endif
`ifdef ZW_IN227
`undef ZW_IN227
`endif
`ifdef ZW_IN228
`undef ZW_IN228
`endif
`ifdef ZW_IN229
`undef ZW_IN229
`endif
`ifdef ZW_IN230
`undef ZW_IN230
`endif
`ifdef ZW_IN231
`undef ZW_IN231
`endif
`ifdef ZW_IN232
`undef ZW_IN232
`endif
`ifdef ZW_IN233
`undef ZW_IN233
`endif
`ifdef ZW_IN234
`undef ZW_IN234
`endif
`ifdef ZW_IN235
`undef ZW_IN235
`endif
`ifdef ZW_IN236
`undef ZW_IN236
`endif
`ifdef ZW_IN237
`undef ZW_IN237
`endif
`ifdef ZW_IN238
`undef ZW_IN238
`endif
`ifdef ZW_IN239
`undef ZW_IN239
`endif
`ifdef ZW_IN240
`undef ZW_IN240
`endif
`ifdef ZW_IN241
`undef ZW_IN241
`endif
`ifdef ZW_IN242
`undef ZW_IN242
`endif
`ifdef ZW_IN243
`undef ZW_IN243
`endif
`ifdef ZW_IN244
`undef ZW_IN244
`endif
`ifdef ZW_IN245
`undef ZW_IN245
`endif
`ifdef ZW_IN246
`undef ZW_IN246
`endif
`ifdef ZW_IN247
`undef ZW_IN247
`endif
`ifdef ZW_IN248
`undef ZW_IN248
`endif
`ifdef ZW_IN249
`undef ZW_IN249
`endif
`ifdef ZW_IN250
`undef ZW_IN250
`endif
`ifdef ZW_IN251
`undef ZW_IN251
`endif
`ifdef ZW_IN252
`undef ZW_IN252
`endif
`ifdef ZW_IN253
`undef ZW_IN253
`endif
`ifdef ZW_IN254
`undef ZW_IN254
`endif
`ifdef ZW_IN255
`undef ZW_IN255
`endif
`ifdef ZW_OUT0
`undef ZW_OUT0
`endif
`ifdef ZW_OUT1
`undef ZW_OUT1
`endif
`ifdef ZW_OUT2
`undef ZW_OUT2
`endif
`ifdef ZW_OUT3
`undef ZW_OUT3
`endif
`ifdef ZW_OUT4
`undef ZW_OUT4
`endif
`ifdef ZW_OUT5
`undef ZW_OUT5
`endif
`ifdef ZW_OUT6
`undef ZW_OUT6
`endif
`ifdef ZW_OUT7
`undef ZW_OUT7
`endif
`ifdef ZW_OUT8
`undef ZW_OUT8
`endif
`ifdef ZW_OUT9
`undef ZW_OUT9
`endif
`ifdef ZW_OUT10
`undef ZW_OUT10
`endif
`ifdef ZW_OUT11
`undef ZW_OUT11
`endif
`ifdef ZW_OUT12
`undef ZW_OUT12
`endif
`ifdef ZW_OUT13
`undef ZW_OUT13
`endif
`ifdef ZW_OUT14
`undef ZW_OUT14
`endif
`ifdef ZW_OUT15
`undef ZW_OUT15
`endif
`ifdef ZW_OUT16
`undef ZW_OUT16
`endif
`ifdef ZW_OUT17
`undef ZW_OUT17
`endif
`ifdef ZW_OUT18
`undef ZW_OUT18
`endif
`ifdef ZW_OUT19
`undef ZW_OUT19
`endif
`ifdef ZW_OUT20
`undef ZW_OUT20
`endif
`ifdef ZW_OUT21
`undef ZW_OUT21
`endif
`ifdef ZW_OUT22
`undef ZW_OUT22
`endif
`ifdef ZW_OUT23
`undef ZW_OUT23
`endif
`ifdef ZW_OUT24
`undef ZW_OUT24
`endif
`ifdef ZW_OUT25
`undef ZW_OUT25
`endif
`ifdef ZW_OUT26
`undef ZW_OUT26
`endif
`ifdef ZW_OUT27
`undef ZW_OUT27
`endif
`ifdef ZW_OUT28
`undef ZW_OUT28
`endif
`ifdef ZW_OUT29
`undef ZW_OUT29
`endif
`ifdef ZW_OUT30
`undef ZW_OUT30
`endif
`ifdef ZW_OUT31
`undef ZW_OUT31
`endif
`ifdef ZW_OUT32
`undef ZW_OUT32
`endif
`ifdef ZW_OUT33
`undef ZW_OUT33
`endif
`ifdef ZW_OUT34
`undef ZW_OUT34
`endif
`ifdef ZW_OUT35
`undef ZW_OUT35
`endif
`ifdef ZW_OUT36
`undef ZW_OUT36
`endif
`ifdef ZW_OUT37
`undef ZW_OUT37
`endif
`ifdef ZW_OUT38
`undef ZW_OUT38
`endif
`ifdef ZW_OUT39
`undef ZW_OUT39
`endif
`ifdef ZW_OUT40
`undef ZW_OUT40
`endif
`ifdef ZW_OUT41
`undef ZW_OUT41
`endif
`ifdef ZW_OUT42
`undef ZW_OUT42
`endif
`ifdef ZW_OUT43
`undef ZW_OUT43
`endif
`ifdef ZW_OUT44
`undef ZW_OUT44
`endif
`ifdef ZW_OUT45
`undef ZW_OUT45
`endif
`ifdef ZW_OUT46
`undef ZW_OUT46
`endif
`ifdef ZW_OUT47
`undef ZW_OUT47
`endif
`ifdef ZW_OUT48
`undef ZW_OUT48
`endif
`ifdef ZW_OUT49
`undef ZW_OUT49
`endif
`ifdef ZW_OUT50
`undef ZW_OUT50
`endif
`ifdef ZW_OUT51
`undef ZW_OUT51
`endif
`ifdef ZW_OUT52
`undef ZW_OUT52
`endif
`ifdef ZW_OUT53
`undef ZW_OUT53
`endif
`ifdef ZW_OUT54
`undef ZW_OUT54
`endif
`ifdef ZW_OUT55
`undef ZW_OUT55
`endif
`ifdef ZW_OUT56
`undef ZW_OUT56
`endif
`ifdef ZW_OUT57
`undef ZW_OUT57
`endif
`ifdef ZW_OUT58
`undef ZW_OUT58
`endif
`ifdef ZW_OUT59
`undef ZW_OUT59
`endif
`ifdef ZW_OUT60
`undef ZW_OUT60
`endif
`ifdef ZW_OUT61
`undef ZW_OUT61
`endif
`ifdef ZW_OUT62
`undef ZW_OUT62
`endif
`ifdef ZW_OUT63
`undef ZW_OUT63
`endif
`ifdef ZW_OUT64
`undef ZW_OUT64
`endif
`ifdef ZW_OUT65
`undef ZW_OUT65
`endif
`ifdef ZW_OUT66
`undef ZW_OUT66
`endif
`ifdef ZW_OUT67
`undef ZW_OUT67
`endif
`ifdef ZW_OUT68
`undef ZW_OUT68
`endif
`ifdef ZW_OUT69
`undef ZW_OUT69
`endif
`ifdef ZW_OUT70
`undef ZW_OUT70
`endif
`ifdef ZW_OUT71
`undef ZW_OUT71
`endif
`ifdef ZW_OUT72
`undef ZW_OUT72
`endif
`ifdef ZW_OUT73
`undef ZW_OUT73
`endif
`ifdef ZW_OUT74
`undef ZW_OUT74
`endif
`ifdef ZW_OUT75
`undef ZW_OUT75
`endif
`ifdef ZW_OUT76
`undef ZW_OUT76
`endif
`ifdef ZW_OUT77
`undef ZW_OUT77
`endif
`ifdef ZW_OUT78
`undef ZW_OUT78
`endif
`ifdef ZW_OUT79
`undef ZW_OUT79
`endif
`ifdef ZW_OUT80
`undef ZW_OUT80
`endif
`ifdef ZW_OUT81
`undef ZW_OUT81
`endif
`ifdef ZW_OUT82
`undef ZW_OUT82
`endif
`ifdef ZW_OUT83
`undef ZW_OUT83
`endif
`ifdef ZW_OUT84
`undef ZW_OUT84
`endif
`ifdef ZW_OUT85
`undef ZW_OUT85
`endif
`ifdef ZW_OUT86
`undef ZW_OUT86
`endif
`ifdef ZW_OUT87
`undef ZW_OUT87
`endif
`ifdef ZW_OUT88
`undef ZW_OUT88
`endif
`ifdef ZW_OUT89
`undef ZW_OUT89
`endif
`ifdef ZW_OUT90
`undef ZW_OUT90
`endif
`ifdef ZW_OUT91
`undef ZW_OUT91
`endif
`ifdef ZW_OUT92
`undef ZW_OUT92
`endif
`ifdef ZW_OUT93
`undef ZW_OUT93
`endif
`ifdef ZW_OUT94
`undef ZW_OUT94
`endif
`ifdef ZW_OUT95
`undef ZW_OUT95
`endif
`ifdef ZW_OUT96
`undef ZW_OUT96
`endif
`ifdef ZW_OUT97
`undef ZW_OUT97
`endif
`ifdef ZW_OUT98
`undef ZW_OUT98
`endif
`ifdef ZW_OUT99
`undef ZW_OUT99
`endif
`ifdef ZW_OUT100
`undef ZW_OUT100
`endif
`ifdef ZW_OUT101
`undef ZW_OUT101
`endif
`ifdef ZW_OUT102
`undef ZW_OUT102
`endif
`ifdef ZW_OUT103
`undef ZW_OUT103
`endif
`ifdef ZW_OUT104
`undef ZW_OUT104
`endif
`ifdef ZW_OUT105
`undef ZW_OUT105
`endif
`ifdef ZW_OUT106
`undef ZW_OUT106
`endif
`ifdef ZW_OUT107
`undef ZW_OUT107
`endif
`ifdef ZW_OUT108
`undef ZW_OUT108
`endif
`ifdef ZW_OUT109
`undef ZW_OUT109
`endif
`ifdef ZW_OUT110
`undef ZW_OUT110
`endif
`ifdef ZW_OUT111
`undef ZW_OUT111
`endif
`ifdef ZW_OUT112
`undef ZW_OUT112
`endif
`ifdef ZW_OUT113
`undef ZW_OUT113
`endif
`ifdef ZW_OUT114
`undef ZW_OUT114
`endif
`ifdef ZW_OUT115
`undef ZW_OUT115
`endif
`ifdef ZW_OUT116
`undef ZW_OUT116
`endif
`ifdef ZW_OUT117
`undef ZW_OUT117
`endif
`ifdef ZW_OUT118
`undef ZW_OUT118
`endif
`ifdef ZW_OUT119
`undef ZW_OUT119
`endif
`ifdef ZW_OUT120
`undef ZW_OUT120
`endif
`ifdef ZW_OUT121
`undef ZW_OUT121
`endif
`ifdef ZW_OUT122
`undef ZW_OUT122
`endif
`ifdef ZW_OUT123
`undef ZW_OUT123
`endif
`ifdef ZW_OUT124
`undef ZW_OUT124
`endif
`ifdef ZW_OUT125
`undef ZW_OUT125
`endif
`ifdef ZW_OUT126
`undef ZW_OUT126
`endif
`ifdef ZW_OUT127
`undef ZW_OUT127
`endif
`ifdef ZW_OUT128
`undef ZW_OUT128
`endif
`ifdef ZW_OUT129
`undef ZW_OUT129
`endif
`ifdef ZW_OUT130
`undef ZW_OUT130
`endif
`ifdef ZW_OUT131
`undef ZW_OUT131
`endif
`ifdef ZW_OUT132
`undef ZW_OUT132
`endif
`ifdef ZW_OUT133
`undef ZW_OUT133
`endif
`ifdef ZW_OUT134
`undef ZW_OUT134
`endif
`ifdef ZW_OUT135
`undef ZW_OUT135
`endif
`ifdef ZW_OUT136
`undef ZW_OUT136
`endif
`ifdef ZW_OUT137
`undef ZW_OUT137
`endif
`ifdef ZW_OUT138
`undef ZW_OUT138
`endif
`ifdef ZW_OUT139
`undef ZW_OUT139
`endif
`ifdef ZW_OUT140
`undef ZW_OUT140
`endif
`ifdef ZW_OUT141
`undef ZW_OUT141
`endif
`ifdef ZW_OUT142
`undef ZW_OUT142
`endif
`ifdef ZW_OUT143
`undef ZW_OUT143
`endif
`ifdef ZW_OUT144
`undef ZW_OUT144
`endif
`ifdef ZW_OUT145
`undef ZW_OUT145
`endif
`ifdef ZW_OUT146
`undef ZW_OUT146
`endif
`ifdef ZW_OUT147
`undef ZW_OUT147
`endif
`ifdef ZW_OUT148
`undef ZW_OUT148
`endif
`ifdef ZW_OUT149
`undef ZW_OUT149
`endif
`ifdef ZW_OUT150
`undef ZW_OUT150
`endif
`ifdef ZW_OUT151
`undef ZW_OUT151
`endif
`ifdef ZW_OUT152
`undef ZW_OUT152
`endif
`ifdef ZW_OUT153
`undef ZW_OUT153
`endif
`ifdef ZW_OUT154
`undef ZW_OUT154
`endif
`ifdef ZW_OUT155
`undef ZW_OUT155
`endif
`ifdef ZW_OUT156
`undef ZW_OUT156
`endif
`ifdef ZW_OUT157
`undef ZW_OUT157
`endif
`ifdef ZW_OUT158
`undef ZW_OUT158
`endif
`ifdef ZW_OUT159
`undef ZW_OUT159
`endif
`ifdef ZW_OUT160
`undef ZW_OUT160
`endif
`ifdef ZW_OUT161
`undef ZW_OUT161
`endif
`ifdef ZW_OUT162
`undef ZW_OUT162
`endif
`ifdef ZW_OUT163
`undef ZW_OUT163
`endif
`ifdef ZW_OUT164
`undef ZW_OUT164
`endif
`ifdef ZW_OUT165
`undef ZW_OUT165
`endif
`ifdef ZW_OUT166
`undef ZW_OUT166
`endif
`ifdef ZW_OUT167
`undef ZW_OUT167
`endif
`ifdef ZW_OUT168
`undef ZW_OUT168
`endif
`ifdef ZW_OUT169
`undef ZW_OUT169
`endif
`ifdef ZW_OUT170
`undef ZW_OUT170
`endif
`ifdef ZW_OUT171
`undef ZW_OUT171
`endif
`ifdef ZW_OUT172
`undef ZW_OUT172
`endif
`ifdef ZW_OUT173
`undef ZW_OUT173
`endif
`ifdef ZW_OUT174
`undef ZW_OUT174
`endif
`ifdef ZW_OUT175
`undef ZW_OUT175
`endif
`ifdef ZW_OUT176
`undef ZW_OUT176
`endif
`ifdef ZW_OUT177
`undef ZW_OUT177
`endif
`ifdef ZW_OUT178
`undef ZW_OUT178
`endif
`ifdef ZW_OUT179
`undef ZW_OUT179
`endif
`ifdef ZW_OUT180
`undef ZW_OUT180
`endif
`ifdef ZW_OUT181
`undef ZW_OUT181
`endif
`ifdef ZW_OUT182
`undef ZW_OUT182
`endif
`ifdef ZW_OUT183
`undef ZW_OUT183
`endif
`ifdef ZW_OUT184
`undef ZW_OUT184
`endif
`ifdef ZW_OUT185
`undef ZW_OUT185
`endif
`ifdef ZW_OUT186
`undef ZW_OUT186
`endif
`ifdef ZW_OUT187
`undef ZW_OUT187
`endif
`ifdef ZW_OUT188
`undef ZW_OUT188
`endif
`ifdef ZW_OUT189
`undef ZW_OUT189
`endif
`ifdef ZW_OUT190
`undef ZW_OUT190
`endif
`ifdef ZW_OUT191
`undef ZW_OUT191
`endif
`ifdef ZW_OUT192
`undef ZW_OUT192
`endif
`ifdef ZW_OUT193
`undef ZW_OUT193
`endif
`ifdef ZW_OUT194
`undef ZW_OUT194
`endif
`ifdef ZW_OUT195
`undef ZW_OUT195
`endif
`ifdef ZW_OUT196
`undef ZW_OUT196
`endif
`ifdef ZW_OUT197
`undef ZW_OUT197
`endif
`ifdef ZW_OUT198
`undef ZW_OUT198
`endif
`ifdef ZW_OUT199
`undef ZW_OUT199
`endif
`ifdef ZW_OUT200
`undef ZW_OUT200
`endif
`ifdef ZW_OUT201
`undef ZW_OUT201
`endif
`ifdef ZW_OUT202
`undef ZW_OUT202
`endif
`ifdef ZW_OUT203
`undef ZW_OUT203
`endif
`ifdef ZW_OUT204
`undef ZW_OUT204
`endif
`ifdef ZW_OUT205
`undef ZW_OUT205
`endif
`ifdef ZW_OUT206
`undef ZW_OUT206
`endif
`ifdef ZW_OUT207
`undef ZW_OUT207
`endif
`ifdef ZW_OUT208
`undef ZW_OUT208
`endif
`ifdef ZW_OUT209
`undef ZW_OUT209
`endif
`ifdef ZW_OUT210
`undef ZW_OUT210
`endif
`ifdef ZW_OUT211
`undef ZW_OUT211
`endif
`ifdef ZW_OUT212
`undef ZW_OUT212
`endif
`ifdef ZW_OUT213
`undef ZW_OUT213
`endif
`ifdef ZW_OUT214
`undef ZW_OUT214
`endif
`ifdef ZW_OUT215
`undef ZW_OUT215
`endif
`ifdef ZW_OUT216
`undef ZW_OUT216
`endif
`ifdef ZW_OUT217
`undef ZW_OUT217
`endif
`ifdef ZW_OUT218
`undef ZW_OUT218
`endif
`ifdef ZW_OUT219
`undef ZW_OUT219
`endif
`ifdef ZW_OUT220
`undef ZW_OUT220
`endif
`ifdef ZW_OUT221
`undef ZW_OUT221
`endif
`ifdef ZW_OUT222
`undef ZW_OUT222
`endif
`ifdef ZW_OUT223
`undef ZW_OUT223
`endif
`ifdef ZW_OUT224
`undef ZW_OUT224
`endif
`ifdef ZW_OUT225
`undef ZW_OUT225
`endif
`ifdef ZW_OUT226
`undef ZW_OUT226
`endif
`ifdef ZW_OUT227
`undef ZW_OUT227
`endif
`ifdef ZW_OUT228
`undef ZW_OUT228
`endif
`ifdef ZW_OUT229
`undef ZW_OUT229
`endif
`ifdef ZW_OUT230
`undef ZW_OUT230
`endif
`ifdef ZW_OUT231
`undef ZW_OUT231
`endif
`ifdef ZW_OUT232
`undef ZW_OUT232
`endif
`ifdef ZW_OUT233
`undef ZW_OUT233
`endif
`ifdef ZW_OUT234
`undef ZW_OUT234
`endif
`ifdef ZW_OUT235
`undef ZW_OUT235
`endif
`ifdef ZW_OUT236
`undef ZW_OUT236
`endif
`ifdef ZW_OUT237
`undef ZW_OUT237
`endif
`ifdef ZW_OUT238
`undef ZW_OUT238
`endif
`ifdef ZW_OUT239
`undef ZW_OUT239
`endif
`ifdef ZW_OUT240
`undef ZW_OUT240
`endif
`ifdef ZW_OUT241
`undef ZW_OUT241
`endif
`ifdef ZW_OUT242
`undef ZW_OUT242
`endif
`ifdef ZW_OUT243
`undef ZW_OUT243
`endif
`ifdef ZW_OUT244
`undef ZW_OUT244
`endif
`ifdef ZW_OUT245
`undef ZW_OUT245
`endif
`ifdef ZW_OUT246
`undef ZW_OUT246
`endif
`ifdef ZW_OUT247
`undef ZW_OUT247
`endif
`ifdef ZW_OUT248
`undef ZW_OUT248
`endif
`ifdef ZW_OUT249
`undef ZW_OUT249
`endif
`ifdef ZW_OUT250
`undef ZW_OUT250
`endif
`ifdef ZW_OUT251
`undef ZW_OUT251
`endif
`ifdef ZW_OUT252
`undef ZW_OUT252
`endif
`ifdef ZW_OUT253
`undef ZW_OUT253
`endif
`ifdef ZW_OUT254
`undef ZW_OUT254
`endif
`ifdef ZW_OUT255
`undef ZW_OUT255
`endif
`ifdef ZW_SYNC
`undef ZW_SYNC
`endif
