parameter STORAGE_DEPTH = 1;
parameter DATA_OUT_SHIFT_WIDTH = 10;
