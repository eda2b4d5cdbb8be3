// A Latin-1 byte in an attribute costs that attribute, not the design.
module latin1(input a, output y);
    (* note = "café" *) wire t = a;
    assign y = t;
endmodule
