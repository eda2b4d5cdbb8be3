// The example design: a counter whose enable comes from a divider, and a
// small UART receiver.  The wires load_value, cnt_clear and uart_enable are
// driven by nothing here: they wait for the debug core's output probes.
module demo_top(
    input clk,
    input sys_clk,
    input rst,
    input uart_rx,
    output uart_tx,
    output [3:0] leds
);
    wire [3:0] cnt;
    wire cnt_en;
    wire overflow;
    wire [3:0] load_value;
    wire cnt_clear;
    wire [2:0] rx_state;
    wire tx_busy;
    wire uart_enable;

    divider u_divider(.clk(clk), .rst(rst), .tick(cnt_en));
    counter u_counter(.clk(clk), .rst(rst), .en(cnt_en), .clear(cnt_clear), .load_value(load_value),
                      .count(cnt), .overflow(overflow));
    uart_rx u_uart(.clk(sys_clk), .rst(rst), .enable(uart_enable), .rx(uart_rx), .state(rx_state), .busy(tx_busy));

    assign leds = cnt;
    assign uart_tx = uart_rx | ~uart_enable;
endmodule
