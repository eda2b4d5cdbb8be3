parameter STORAGE_DEPTH = 1;
parameter PROBE_IN0_WIDTH = 4;
parameter DATA_OUT_SHIFT_WIDTH = 14;
parameter PROBE_OUT0_WIDTH = 8;
parameter PROBE_OUT0_INIT = 8'h0F;
