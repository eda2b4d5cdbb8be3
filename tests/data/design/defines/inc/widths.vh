`define WIDTH 6
