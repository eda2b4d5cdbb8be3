parameter STORAGE_DEPTH = 1;
parameter PROBE_IN0_WIDTH = 1;
parameter DATA_OUT_SHIFT_WIDTH = 11;
parameter PROBE_OUT0_WIDTH = 1;
parameter PROBE_OUT0_INIT = 1'h1;
