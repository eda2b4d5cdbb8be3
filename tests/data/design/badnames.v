// Marked nets whose names a configuration cannot carry, refused where they are declared.
module badnames(input clk);
    (* zarn_in *) wire \wire  = clk;
    (* zarn_in *) wire \u_zarn0_top  = clk;
    (* zarn_in *) wire fine = clk;
endmodule
