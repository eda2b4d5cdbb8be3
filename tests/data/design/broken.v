module broken(input a, output b);
    assign b = a +;
endmodule
