`define DEF_ZARN_0_EN
`define DEF_ZARN_1_EN
