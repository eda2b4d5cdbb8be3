// xq_zarn_con_top, as the devices that list this variant take it (written by ip/generate.py).
`include "XQ_ZARN_CON/xq_zarn_con_top.v"
