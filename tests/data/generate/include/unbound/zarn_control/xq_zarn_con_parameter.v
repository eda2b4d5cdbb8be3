parameter NUMBER_ZARNS = 1;
