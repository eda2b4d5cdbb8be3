parameter NUMBER_ZARNS = 2;
