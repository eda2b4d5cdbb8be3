parameter STORAGE_DEPTH = 1;
parameter PROBE_IN0_WIDTH = 2;
parameter DATA_OUT_SHIFT_WIDTH = 12;
