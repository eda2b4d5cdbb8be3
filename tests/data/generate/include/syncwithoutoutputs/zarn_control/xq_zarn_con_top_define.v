`define DEF_ZARN_0_EN
