parameter NUMBER_ZARNS = 3;
