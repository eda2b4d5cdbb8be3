parameter NUMBER_ZARNS = 0;
