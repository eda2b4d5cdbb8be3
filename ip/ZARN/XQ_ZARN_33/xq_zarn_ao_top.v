// xq_zarn_top_33: the virtual I/O core at position 33 (written by ip/generate.py).
`include "zarn_33/xq_zarn_top_define.v"
`include "xq_zarn_core.vh"
`define ZW_POSITION 33
`ifdef ZARN33_DEF_PROBE_IN0
`define ZW_IN0
`endif
`ifdef ZARN33_DEF_PROBE_IN1
`define ZW_IN1
`endif
`ifdef ZARN33_DEF_PROBE_IN2
`define ZW_IN2
`endif
`ifdef ZARN33_DEF_PROBE_IN3
`define ZW_IN3
`endif
`ifdef ZARN33_DEF_PROBE_IN4
`define ZW_IN4
`endif
`ifdef ZARN33_DEF_PROBE_IN5
`define ZW_IN5
`endif
`ifdef ZARN33_DEF_PROBE_IN6
`define ZW_IN6
`endif
`ifdef ZARN33_DEF_PROBE_IN7
`define ZW_IN7
`endif
`ifdef ZARN33_DEF_PROBE_IN8
`define ZW_IN8
`endif
`ifdef ZARN33_DEF_PROBE_IN9
`define ZW_IN9
`endif
`ifdef ZARN33_DEF_PROBE_IN10
`define ZW_IN10
`endif
`ifdef ZARN33_DEF_PROBE_IN11
`define ZW_IN11
`endif
`ifdef ZARN33_DEF_PROBE_IN12
`define ZW_IN12
`endif
`ifdef ZARN33_DEF_PROBE_IN13
`define ZW_IN13
`endif
`ifdef ZARN33_DEF_PROBE_IN14
`define ZW_IN14
`endif
`ifdef ZARN33_DEF_PROBE_IN15
`define ZW_IN15
`endif
`ifdef ZARN33_DEF_PROBE_IN16
`define ZW_IN16
`endif
`ifdef ZARN33_DEF_PROBE_IN17
`define ZW_IN17
`endif
`ifdef ZARN33_DEF_PROBE_IN18
`define ZW_IN18
`endif
`ifdef ZARN33_DEF_PROBE_IN19
`define ZW_IN19
`endif
`ifdef ZARN33_DEF_PROBE_IN20
`define ZW_IN20
`endif
`ifdef ZARN33_DEF_PROBE_IN21
`define ZW_IN21
`endif
`ifdef ZARN33_DEF_PROBE_IN22
`define ZW_IN22
`endif
`ifdef ZARN33_DEF_PROBE_IN23
`define ZW_IN23
`endif
`ifdef ZARN33_DEF_PROBE_IN24
`define ZW_IN24
`endif
`ifdef ZARN33_DEF_PROBE_IN25
`define ZW_IN25
`endif
`ifdef ZARN33_DEF_PROBE_IN26
`define ZW_IN26
`endif
`ifdef ZARN33_DEF_PROBE_IN27
`define ZW_IN27
`endif
`ifdef ZARN33_DEF_PROBE_IN28
`define ZW_IN28
`endif
`ifdef ZARN33_DEF_PROBE_IN29
`define ZW_IN29
`endif
`ifdef ZARN33_DEF_PROBE_IN30
`define ZW_IN30
`endif
`ifdef ZARN33_DEF_PROBE_IN31
`define ZW_IN31
`endif
`ifdef ZARN33_DEF_PROBE_IN32
`define ZW_IN32
`endif
`ifdef ZARN33_DEF_PROBE_IN33
`define ZW_IN33
`endif
`ifdef ZARN33_DEF_PROBE_IN34
`define ZW_IN34
`endif
`ifdef ZARN33_DEF_PROBE_IN35
`define ZW_IN35
`endif
`ifdef ZARN33_DEF_PROBE_IN36
`define ZW_IN36
`endif
`ifdef ZARN33_DEF_PROBE_IN37
`define ZW_IN37
`endif
`ifdef ZARN33_DEF_PROBE_IN38
`define ZW_IN38
`endif
`ifdef ZARN33_DEF_PROBE_IN39
`define ZW_IN39
`endif
`ifdef ZARN33_DEF_PROBE_IN40
`define ZW_IN40
`endif
`ifdef ZARN33_DEF_PROBE_IN41
`define ZW_IN41
`endif
`ifdef ZARN33_DEF_PROBE_IN42
`define ZW_IN42
`endif
`ifdef ZARN33_DEF_PROBE_IN43
`define ZW_IN43
`endif
`ifdef ZARN33_DEF_PROBE_IN44
`define ZW_IN44
`endif
`ifdef ZARN33_DEF_PROBE_IN45
`define ZW_IN45
`endif
`ifdef ZARN33_DEF_PROBE_IN46
`define ZW_IN46
`endif
`ifdef ZARN33_DEF_PROBE_IN47
`define ZW_IN47
`endif
`ifdef ZARN33_DEF_PROBE_IN48
`define ZW_IN48
`endif
`ifdef ZARN33_DEF_PROBE_IN49
`define ZW_IN49
`endif
`ifdef ZARN33_DEF_PROBE_IN50
`define ZW_IN50
`endif
`ifdef ZARN33_DEF_PROBE_IN51
`define ZW_IN51
`endif
`ifdef ZARN33_DEF_PROBE_IN52
`define ZW_IN52
`endif
`ifdef ZARN33_DEF_PROBE_IN53
`define ZW_IN53
`endif
`ifdef ZARN33_DEF_PROBE_IN54
`define ZW_IN54
`endif
`ifdef ZARN33_DEF_PROBE_IN55
`define ZW_IN55
`endif
`ifdef ZARN33_DEF_PROBE_IN56
`define ZW_IN56
`endif
`ifdef ZARN33_DEF_PROBE_IN57
`define ZW_IN57
`endif
`ifdef ZARN33_DEF_PROBE_IN58
`define ZW_IN58
`endif
`ifdef ZARN33_DEF_PROBE_IN59
`define ZW_IN59
`endif
`ifdef ZARN33_DEF_PROBE_IN60
`define ZW_IN60
`endif
`ifdef ZARN33_DEF_PROBE_IN61
`define ZW_IN61
`endif
`ifdef ZARN33_DEF_PROBE_IN62
`define ZW_IN62
`endif
`ifdef ZARN33_DEF_PROBE_IN63
`define ZW_IN63
`endif
`ifdef ZARN33_DEF_PROBE_IN64
`define ZW_IN64
`endif
`ifdef ZARN33_DEF_PROBE_IN65
`define ZW_IN65
`endif
`ifdef ZARN33_DEF_PROBE_IN66
`define ZW_IN66
`endif
`ifdef ZARN33_DEF_PROBE_IN67
`define ZW_IN67
`endif
`ifdef ZARN33_DEF_PROBE_IN68
`define ZW_IN68
`endif
`ifdef ZARN33_DEF_PROBE_IN69
`define ZW_IN69
`endif
`ifdef ZARN33_DEF_PROBE_IN70
`define ZW_IN70
`endif
`ifdef ZARN33_DEF_PROBE_IN71
`define ZW_IN71
`endif
`ifdef ZARN33_DEF_PROBE_IN72
`define ZW_IN72
`endif
`ifdef ZARN33_DEF_PROBE_IN73
`define ZW_IN73
`endif
`ifdef ZARN33_DEF_PROBE_IN74
`define ZW_IN74
`endif
`ifdef ZARN33_DEF_PROBE_IN75
`define ZW_IN75
`endif
`ifdef ZARN33_DEF_PROBE_IN76
`define ZW_IN76
`endif
`ifdef ZARN33_DEF_PROBE_IN77
`define ZW_IN77
`endif
`ifdef ZARN33_DEF_PROBE_IN78
`define ZW_IN78
`endif
`ifdef ZARN33_DEF_PROBE_IN79
`define ZW_IN79
`endif
`ifdef ZARN33_DEF_PROBE_IN80
`define ZW_IN80
`endif
`ifdef ZARN33_DEF_PROBE_IN81
`define ZW_IN81
`endif
`ifdef ZARN33_DEF_PROBE_IN82
`define ZW_IN82
`endif
`ifdef ZARN33_DEF_PROBE_IN83
`define ZW_IN83
`endif
`ifdef ZARN33_DEF_PROBE_IN84
`define ZW_IN84
`endif
`ifdef ZARN33_DEF_PROBE_IN85
`define ZW_IN85
`endif
`ifdef ZARN33_DEF_PROBE_IN86
`define ZW_IN86
`endif
`ifdef ZARN33_DEF_PROBE_IN87
`define ZW_IN87
`endif
`ifdef ZARN33_DEF_PROBE_IN88
`define ZW_IN88
`endif
`ifdef ZARN33_DEF_PROBE_IN89
`define ZW_IN89
`endif
`ifdef ZARN33_DEF_PROBE_IN90
`define ZW_IN90
`endif
`ifdef ZARN33_DEF_PROBE_IN91
`define ZW_IN91
`endif
`ifdef ZARN33_DEF_PROBE_IN92
`define ZW_IN92
`endif
`ifdef ZARN33_DEF_PROBE_IN93
`define ZW_IN93
`endif
`ifdef ZARN33_DEF_PROBE_IN94
`define ZW_IN94
`endif
`ifdef ZARN33_DEF_PROBE_IN95
`define ZW_IN95
`endif
`ifdef ZARN33_DEF_PROBE_IN96
`define ZW_IN96
`endif
`ifdef ZARN33_DEF_PROBE_IN97
`define ZW_IN97
`endif
`ifdef ZARN33_DEF_PROBE_IN98
`define ZW_IN98
`endif
`ifdef ZARN33_DEF_PROBE_IN99
`define ZW_IN99
`endif
`ifdef ZARN33_DEF_PROBE_IN100
`define ZW_IN100
`endif
`ifdef ZARN33_DEF_PROBE_IN101
`define ZW_IN101
`endif
`ifdef ZARN33_DEF_PROBE_IN102
`define ZW_IN102
`endif
`ifdef ZARN33_DEF_PROBE_IN103
`define ZW_IN103
`endif
`ifdef ZARN33_DEF_PROBE_IN104
`define ZW_IN104
`endif
`ifdef ZARN33_DEF_PROBE_IN105
`define ZW_IN105
`endif
`ifdef ZARN33_DEF_PROBE_IN106
`define ZW_IN106
`endif
`ifdef ZARN33_DEF_PROBE_IN107
`define ZW_IN107
`endif
`ifdef ZARN33_DEF_PROBE_IN108
`define ZW_IN108
`endif
`ifdef ZARN33_DEF_PROBE_IN109
`define ZW_IN109
`endif
`ifdef ZARN33_DEF_PROBE_IN110
`define ZW_IN110
`endif
`ifdef ZARN33_DEF_PROBE_IN111
`define ZW_IN111
`endif
`ifdef ZARN33_DEF_PROBE_IN112
`define ZW_IN112
`endif
`ifdef ZARN33_DEF_PROBE_IN113
`define ZW_IN113
`endif
`ifdef ZARN33_DEF_PROBE_IN114
`define ZW_IN114
`endif
`ifdef ZARN33_DEF_PROBE_IN115
`define ZW_IN115
`endif
`ifdef ZARN33_DEF_PROBE_IN116
`define ZW_IN116
`endif
`ifdef ZARN33_DEF_PROBE_IN117
`define ZW_IN117
`endif
`ifdef ZARN33_DEF_PROBE_IN118
`define ZW_IN118
`endif
`ifdef ZARN33_DEF_PROBE_IN119
`define ZW_IN119
`endif
`ifdef ZARN33_DEF_PROBE_IN120
`define ZW_IN120
`endif
`ifdef ZARN33_DEF_PROBE_IN121
`define ZW_IN121
`endif
`ifdef ZARN33_DEF_PROBE_IN122
`define ZW_IN122
`endif
`ifdef ZARN33_DEF_PROBE_IN123
`define ZW_IN123
`endif
`ifdef ZARN33_DEF_PROBE_IN124
`define ZW_IN124
`endif
`ifdef ZARN33_DEF_PROBE_IN125
`define ZW_IN125
`endif
`ifdef ZARN33_DEF_PROBE_IN126
`define ZW_IN126
`endif
`ifdef ZARN33_DEF_PROBE_IN127
`define ZW_IN127
`endif
`ifdef ZARN33_DEF_PROBE_IN128
`define ZW_IN128
`endif
`ifdef ZARN33_DEF_PROBE_IN129
`define ZW_IN129
`endif
`ifdef ZARN33_DEF_PROBE_IN130
`define ZW_IN130
`endif
`ifdef ZARN33_DEF_PROBE_IN131
`define ZW_IN131
`endif
`ifdef ZARN33_DEF_PROBE_IN132
`define ZW_IN132
`endif
`ifdef ZARN33_DEF_PROBE_IN133
`define ZW_IN133
`endif
`ifdef ZARN33_DEF_PROBE_IN134
`define ZW_IN134
`endif
`ifdef ZARN33_DEF_PROBE_IN135
`define ZW_IN135
`endif
`ifdef ZARN33_DEF_PROBE_IN136
`define ZW_IN136
`endif
`ifdef ZARN33_DEF_PROBE_IN137
`define ZW_IN137
`endif
`ifdef ZARN33_DEF_PROBE_IN138
`define ZW_IN138
`endif
`ifdef ZARN33_DEF_PROBE_IN139
`define ZW_IN139
`endif
`ifdef ZARN33_DEF_PROBE_IN140
`define ZW_IN140
`endif
`ifdef ZARN33_DEF_PROBE_IN141
`define ZW_IN141
`endif
`ifdef ZARN33_DEF_PROBE_IN142
`define ZW_IN142
`endif
`ifdef ZARN33_DEF_PROBE_IN143
`define ZW_IN143
`endif
`ifdef ZARN33_DEF_PROBE_IN144
`define ZW_IN144
`endif
`ifdef ZARN33_DEF_PROBE_IN145
`define ZW_IN145
`endif
`ifdef ZARN33_DEF_PROBE_IN146
`define ZW_IN146
`endif
`ifdef ZARN33_DEF_PROBE_IN147
`define ZW_IN147
`endif
`ifdef ZARN33_DEF_PROBE_IN148
`define ZW_IN148
`endif
`ifdef ZARN33_DEF_PROBE_IN149
`define ZW_IN149
`endif
`ifdef ZARN33_DEF_PROBE_IN150
`define ZW_IN150
`endif
`ifdef ZARN33_DEF_PROBE_IN151
`define ZW_IN151
`endif
`ifdef ZARN33_DEF_PROBE_IN152
`define ZW_IN152
`endif
`ifdef ZARN33_DEF_PROBE_IN153
`define ZW_IN153
`endif
`ifdef ZARN33_DEF_PROBE_IN154
`define ZW_IN154
`endif
`ifdef ZARN33_DEF_PROBE_IN155
`define ZW_IN155
`endif
`ifdef ZARN33_DEF_PROBE_IN156
`define ZW_IN156
`endif
`ifdef ZARN33_DEF_PROBE_IN157
`define ZW_IN157
`endif
`ifdef ZARN33_DEF_PROBE_IN158
`define ZW_IN158
`endif
`ifdef ZARN33_DEF_PROBE_IN159
`define ZW_IN159
`endif
`ifdef ZARN33_DEF_PROBE_IN160
`define ZW_IN160
`endif
`ifdef ZARN33_DEF_PROBE_IN161
`define ZW_IN161
`endif
`ifdef ZARN33_DEF_PROBE_IN162
`define ZW_IN162
`endif
`ifdef ZARN33_DEF_PROBE_IN163
`define ZW_IN163
`endif
`ifdef ZARN33_DEF_PROBE_IN164
`define ZW_IN164
`endif
`ifdef ZARN33_DEF_PROBE_IN165
`define ZW_IN165
`endif
`ifdef ZARN33_DEF_PROBE_IN166
`define ZW_IN166
`endif
`ifdef ZARN33_DEF_PROBE_IN167
`define ZW_IN167
`endif
`ifdef ZARN33_DEF_PROBE_IN168
`define ZW_IN168
`endif
`ifdef ZARN33_DEF_PROBE_IN169
`define ZW_IN169
`endif
`ifdef ZARN33_DEF_PROBE_IN170
`define ZW_IN170
`endif
`ifdef ZARN33_DEF_PROBE_IN171
`define ZW_IN171
`endif
`ifdef ZARN33_DEF_PROBE_IN172
`define ZW_IN172
`endif
`ifdef ZARN33_DEF_PROBE_IN173
`define ZW_IN173
`endif
`ifdef ZARN33_DEF_PROBE_IN174
`define ZW_IN174
`endif
`ifdef ZARN33_DEF_PROBE_IN175
`define ZW_IN175
`endif
`ifdef ZARN33_DEF_PROBE_IN176
`define ZW_IN176
`endif
`ifdef ZARN33_DEF_PROBE_IN177
`define ZW_IN177
`endif
`ifdef ZARN33_DEF_PROBE_IN178
`define ZW_IN178
`endif
`ifdef ZARN33_DEF_PROBE_IN179
`define ZW_IN179
`endif
`ifdef ZARN33_DEF_PROBE_IN180
`define ZW_IN180
`endif
`ifdef ZARN33_DEF_PROBE_IN181
`define ZW_IN181
`endif
`ifdef ZARN33_DEF_PROBE_IN182
`define ZW_IN182
`endif
`ifdef ZARN33_DEF_PROBE_IN183
`define ZW_IN183
`endif
`ifdef ZARN33_DEF_PROBE_IN184
`define ZW_IN184
`endif
`ifdef ZARN33_DEF_PROBE_IN185
`define ZW_IN185
`endif
`ifdef ZARN33_DEF_PROBE_IN186
`define ZW_IN186
`endif
`ifdef ZARN33_DEF_PROBE_IN187
`define ZW_IN187
`endif
`ifdef ZARN33_DEF_PROBE_IN188
`define ZW_IN188
`endif
`ifdef ZARN33_DEF_PROBE_IN189
`define ZW_IN189
`endif
`ifdef ZARN33_DEF_PROBE_IN190
`define ZW_IN190
`endif
`ifdef ZARN33_DEF_PROBE_IN191
`define ZW_IN191
`endif
`ifdef ZARN33_DEF_PROBE_IN192
`define ZW_IN192
`endif
`ifdef ZARN33_DEF_PROBE_IN193
`define ZW_IN193
`endif
`ifdef ZARN33_DEF_PROBE_IN194
`define ZW_IN194
`endif
`ifdef ZARN33_DEF_PROBE_IN195
`define ZW_IN195
`endif
`ifdef ZARN33_DEF_PROBE_IN196
`define ZW_IN196
`endif
`ifdef ZARN33_DEF_PROBE_IN197
`define ZW_IN197
`endif
`ifdef ZARN33_DEF_PROBE_IN198
`define ZW_IN198
`endif
`ifdef ZARN33_DEF_PROBE_IN199
`define ZW_IN199
`endif
`ifdef ZARN33_DEF_PROBE_IN200
`define ZW_IN200
`endif
`ifdef ZARN33_DEF_PROBE_IN201
`define ZW_IN201
`endif
`ifdef ZARN33_DEF_PROBE_IN202
`define ZW_IN202
`endif
`ifdef ZARN33_DEF_PROBE_IN203
`define ZW_IN203
`endif
`ifdef ZARN33_DEF_PROBE_IN204
`define ZW_IN204
`endif
`ifdef ZARN33_DEF_PROBE_IN205
`define ZW_IN205
`endif
`ifdef ZARN33_DEF_PROBE_IN206
`define ZW_IN206
`endif
`ifdef ZARN33_DEF_PROBE_IN207
`define ZW_IN207
`endif
`ifdef ZARN33_DEF_PROBE_IN208
`define ZW_IN208
`endif
`ifdef ZARN33_DEF_PROBE_IN209
`define ZW_IN209
`endif
`ifdef ZARN33_DEF_PROBE_IN210
`define ZW_IN210
`endif
`ifdef ZARN33_DEF_PROBE_IN211
`define ZW_IN211
`endif
`ifdef ZARN33_DEF_PROBE_IN212
`define ZW_IN212
`endif
`ifdef ZARN33_DEF_PROBE_IN213
`define ZW_IN213
`endif
`ifdef ZARN33_DEF_PROBE_IN214
`define ZW_IN214
`endif
`ifdef ZARN33_DEF_PROBE_IN215
`define ZW_IN215
`endif
`ifdef ZARN33_DEF_PROBE_IN216
`define ZW_IN216
`endif
`ifdef ZARN33_DEF_PROBE_IN217
`define ZW_IN217
`endif
`ifdef ZARN33_DEF_PROBE_IN218
`define ZW_IN218
`endif
`ifdef ZARN33_DEF_PROBE_IN219
`define ZW_IN219
`endif
`ifdef ZARN33_DEF_PROBE_IN220
`define ZW_IN220
`endif
`ifdef ZARN33_DEF_PROBE_IN221
`define ZW_IN221
`endif
`ifdef ZARN33_DEF_PROBE_IN222
`define ZW_IN222
`endif
`ifdef ZARN33_DEF_PROBE_IN223
`define ZW_IN223
`endif
`ifdef ZARN33_DEF_PROBE_IN224
`define ZW_IN224
`endif
`ifdef ZARN33_DEF_PROBE_IN225
`define ZW_IN225
`endif
`ifdef ZARN33_DEF_PROBE_IN226
`define ZW_IN226
`endif
`ifdef ZARN33_DEF_PROBE_IN227
`define ZW_IN227
`endif
`ifdef ZARN33_DEF_PROBE_IN228
`define ZW_IN228
`endif
`ifdef ZARN33_DEF_PROBE_IN229
`define ZW_IN229
`endif
`ifdef ZARN33_DEF_PROBE_IN230
`define ZW_IN230
`endif
`ifdef ZARN33_DEF_PROBE_IN231
`define ZW_IN231
`endif
`ifdef ZARN33_DEF_PROBE_IN232
`define ZW_IN232
`endif
`ifdef ZARN33_DEF_PROBE_IN233
`define ZW_IN233
`endif
`ifdef ZARN33_DEF_PROBE_IN234
`define ZW_IN234
`endif
`ifdef ZARN33_DEF_PROBE_IN235
`define ZW_IN235
`endif
`ifdef ZARN33_DEF_PROBE_IN236
`define ZW_IN236
`endif
`ifdef ZARN33_DEF_PROBE_IN237
`define ZW_IN237
`endif
`ifdef ZARN33_DEF_PROBE_IN238
`define ZW_IN238
`endif
`ifdef ZARN33_DEF_PROBE_IN239
`define ZW_IN239
`endif
`ifdef ZARN33_DEF_PROBE_IN240
`define ZW_IN240
`endif
`ifdef ZARN33_DEF_PROBE_IN241
`define ZW_IN241
`endif
`ifdef ZARN33_DEF_PROBE_IN242
`define ZW_IN242
`endif
`ifdef ZARN33_DEF_PROBE_IN243
`define ZW_IN243
`endif
`ifdef ZARN33_DEF_PROBE_IN244
`define ZW_IN244
`endif
`ifdef ZARN33_DEF_PROBE_IN245
`define ZW_IN245
`endif
`ifdef ZARN33_DEF_PROBE_IN246
`define ZW_IN246
`endif
`ifdef ZARN33_DEF_PROBE_IN247
`define ZW_IN247
`endif
`ifdef ZARN33_DEF_PROBE_IN248
`define ZW_IN248
`endif
`ifdef ZARN33_DEF_PROBE_IN249
`define ZW_IN249
`endif
`ifdef ZARN33_DEF_PROBE_IN250
`define ZW_IN250
`endif
`ifdef ZARN33_DEF_PROBE_IN251
`define ZW_IN251
`endif
`ifdef ZARN33_DEF_PROBE_IN252
`define ZW_IN252
`endif
`ifdef ZARN33_DEF_PROBE_IN253
`define ZW_IN253
`endif
`ifdef ZARN33_DEF_PROBE_IN254
`define ZW_IN254
`endif
`ifdef ZARN33_DEF_PROBE_IN255
`define ZW_IN255
`endif
`ifdef ZARN33_DEF_PROBE_OUT0
`define ZW_OUT0
`endif
`ifdef ZARN33_DEF_PROBE_OUT1
`define ZW_OUT1
`endif
`ifdef ZARN33_DEF_PROBE_OUT2
`define ZW_OUT2
`endif
`ifdef ZARN33_DEF_PROBE_OUT3
`define ZW_OUT3
`endif
`ifdef ZARN33_DEF_PROBE_OUT4
`define ZW_OUT4
`endif
`ifdef ZARN33_DEF_PROBE_OUT5
`define ZW_OUT5
`endif
`ifdef ZARN33_DEF_PROBE_OUT6
`define ZW_OUT6
`endif
`ifdef ZARN33_DEF_PROBE_OUT7
`define ZW_OUT7
`endif
`ifdef ZARN33_DEF_PROBE_OUT8
`define ZW_OUT8
`endif
`ifdef ZARN33_DEF_PROBE_OUT9
`define ZW_OUT9
`endif
`ifdef ZARN33_DEF_PROBE_OUT10
`define ZW_OUT10
`endif
`ifdef ZARN33_DEF_PROBE_OUT11
`define ZW_OUT11
`endif
`ifdef ZARN33_DEF_PROBE_OUT12
`define ZW_OUT12
`endif
`ifdef ZARN33_DEF_PROBE_OUT13
`define ZW_OUT13
`endif
`ifdef ZARN33_DEF_PROBE_OUT14
`define ZW_OUT14
`endif
`ifdef ZARN33_DEF_PROBE_OUT15
`define ZW_OUT15
`endif
`ifdef ZARN33_DEF_PROBE_OUT16
`define ZW_OUT16
`endif
`ifdef ZARN33_DEF_PROBE_OUT17
`define ZW_OUT17
`endif
`ifdef ZARN33_DEF_PROBE_OUT18
`define ZW_OUT18
`endif
`ifdef ZARN33_DEF_PROBE_OUT19
`define ZW_OUT19
`endif
`ifdef ZARN33_DEF_PROBE_OUT20
`define ZW_OUT20
`endif
`ifdef ZARN33_DEF_PROBE_OUT21
`define ZW_OUT21
`endif
`ifdef ZARN33_DEF_PROBE_OUT22
`define ZW_OUT22
`endif
`ifdef ZARN33_DEF_PROBE_OUT23
`define ZW_OUT23
`endif
`ifdef ZARN33_DEF_PROBE_OUT24
`define ZW_OUT24
`endif
`ifdef ZARN33_DEF_PROBE_OUT25
`define ZW_OUT25
`endif
`ifdef ZARN33_DEF_PROBE_OUT26
`define ZW_OUT26
`endif
`ifdef ZARN33_DEF_PROBE_OUT27
`define ZW_OUT27
`endif
`ifdef ZARN33_DEF_PROBE_OUT28
`define ZW_OUT28
`endif
`ifdef ZARN33_DEF_PROBE_OUT29
`define ZW_OUT29
`endif
`ifdef ZARN33_DEF_PROBE_OUT30
`define ZW_OUT30
`endif
`ifdef ZARN33_DEF_PROBE_OUT31
`define ZW_OUT31
`endif
`ifdef ZARN33_DEF_PROBE_OUT32
`define ZW_OUT32
`endif
`ifdef ZARN33_DEF_PROBE_OUT33
`define ZW_OUT33
`endif
`ifdef ZARN33_DEF_PROBE_OUT34
`define ZW_OUT34
`endif
`ifdef ZARN33_DEF_PROBE_OUT35
`define ZW_OUT35
`endif
`ifdef ZARN33_DEF_PROBE_OUT36
`define ZW_OUT36
`endif
`ifdef ZARN33_DEF_PROBE_OUT37
`define ZW_OUT37
`endif
`ifdef ZARN33_DEF_PROBE_OUT38
`define ZW_OUT38
`endif
`ifdef ZARN33_DEF_PROBE_OUT39
`define ZW_OUT39
`endif
`ifdef ZARN33_DEF_PROBE_OUT40
`define ZW_OUT40
`endif
`ifdef ZARN33_DEF_PROBE_OUT41
`define ZW_OUT41
`endif
`ifdef ZARN33_DEF_PROBE_OUT42
`define ZW_OUT42
`endif
`ifdef ZARN33_DEF_PROBE_OUT43
`define ZW_OUT43
`endif
`ifdef ZARN33_DEF_PROBE_OUT44
`define ZW_OUT44
`endif
`ifdef ZARN33_DEF_PROBE_OUT45
`define ZW_OUT45
`endif
`ifdef ZARN33_DEF_PROBE_OUT46
`define ZW_OUT46
`endif
`ifdef ZARN33_DEF_PROBE_OUT47
`define ZW_OUT47
`endif
`ifdef ZARN33_DEF_PROBE_OUT48
`define ZW_OUT48
`endif
`ifdef ZARN33_DEF_PROBE_OUT49
`define ZW_OUT49
`endif
`ifdef ZARN33_DEF_PROBE_OUT50
`define ZW_OUT50
`endif
`ifdef ZARN33_DEF_PROBE_OUT51
`define ZW_OUT51
`endif
`ifdef ZARN33_DEF_PROBE_OUT52
`define ZW_OUT52
`endif
`ifdef ZARN33_DEF_PROBE_OUT53
`define ZW_OUT53
`endif
`ifdef ZARN33_DEF_PROBE_OUT54
`define ZW_OUT54
`endif
`ifdef ZARN33_DEF_PROBE_OUT55
`define ZW_OUT55
`endif
`ifdef ZARN33_DEF_PROBE_OUT56
`define ZW_OUT56
`endif
`ifdef ZARN33_DEF_PROBE_OUT57
`define ZW_OUT57
`endif
`ifdef ZARN33_DEF_PROBE_OUT58
`define ZW_OUT58
`endif
`ifdef ZARN33_DEF_PROBE_OUT59
`define ZW_OUT59
`endif
`ifdef ZARN33_DEF_PROBE_OUT60
`define ZW_OUT60
`endif
`ifdef ZARN33_DEF_PROBE_OUT61
`define ZW_OUT61
`endif
`ifdef ZARN33_DEF_PROBE_OUT62
`define ZW_OUT62
`endif
`ifdef ZARN33_DEF_PROBE_OUT63
`define ZW_OUT63
`endif
`ifdef ZARN33_DEF_PROBE_OUT64
`define ZW_OUT64
`endif
`ifdef ZARN33_DEF_PROBE_OUT65
`define ZW_OUT65
`endif
`ifdef ZARN33_DEF_PROBE_OUT66
`define ZW_OUT66
`endif
`ifdef ZARN33_DEF_PROBE_OUT67
`define ZW_OUT67
`endif
`ifdef ZARN33_DEF_PROBE_OUT68
`define ZW_OUT68
`endif
`ifdef ZARN33_DEF_PROBE_OUT69
`define ZW_OUT69
`endif
`ifdef ZARN33_DEF_PROBE_OUT70
`define ZW_OUT70
`endif
`ifdef ZARN33_DEF_PROBE_OUT71
`define ZW_OUT71
`endif
`ifdef ZARN33_DEF_PROBE_OUT72
`define ZW_OUT72
`endif
`ifdef ZARN33_DEF_PROBE_OUT73
`define ZW_OUT73
`endif
`ifdef ZARN33_DEF_PROBE_OUT74
`define ZW_OUT74
`endif
`ifdef ZARN33_DEF_PROBE_OUT75
`define ZW_OUT75
`endif
`ifdef ZARN33_DEF_PROBE_OUT76
`define ZW_OUT76
`endif
`ifdef ZARN33_DEF_PROBE_OUT77
`define ZW_OUT77
`endif
`ifdef ZARN33_DEF_PROBE_OUT78
`define ZW_OUT78
`endif
`ifdef ZARN33_DEF_PROBE_OUT79
`define ZW_OUT79
`endif
`ifdef ZARN33_DEF_PROBE_OUT80
`define ZW_OUT80
`endif
`ifdef ZARN33_DEF_PROBE_OUT81
`define ZW_OUT81
`endif
`ifdef ZARN33_DEF_PROBE_OUT82
`define ZW_OUT82
`endif
`ifdef ZARN33_DEF_PROBE_OUT83
`define ZW_OUT83
`endif
`ifdef ZARN33_DEF_PROBE_OUT84
`define ZW_OUT84
`endif
`ifdef ZARN33_DEF_PROBE_OUT85
`define ZW_OUT85
`endif
`ifdef ZARN33_DEF_PROBE_OUT86
`define ZW_OUT86
`endif
`ifdef ZARN33_DEF_PROBE_OUT87
`define ZW_OUT87
`endif
`ifdef ZARN33_DEF_PROBE_OUT88
`define ZW_OUT88
`endif
`ifdef ZARN33_DEF_PROBE_OUT89
`define ZW_OUT89
`endif
`ifdef ZARN33_DEF_PROBE_OUT90
`define ZW_OUT90
`endif
`ifdef ZARN33_DEF_PROBE_OUT91
`define ZW_OUT91
`endif
`ifdef ZARN33_DEF_PROBE_OUT92
`define ZW_OUT92
`endif
`ifdef ZARN33_DEF_PROBE_OUT93
`define ZW_OUT93
`endif
`ifdef ZARN33_DEF_PROBE_OUT94
`define ZW_OUT94
`endif
`ifdef ZARN33_DEF_PROBE_OUT95
`define ZW_OUT95
`endif
`ifdef ZARN33_DEF_PROBE_OUT96
`define ZW_OUT96
`endif
`ifdef ZARN33_DEF_PROBE_OUT97
`define ZW_OUT97
`endif
`ifdef ZARN33_DEF_PROBE_OUT98
`define ZW_OUT98
`endif
`ifdef ZARN33_DEF_PROBE_OUT99
`define ZW_OUT99
`endif
`ifdef ZARN33_DEF_PROBE_OUT100
`define ZW_OUT100
`endif
`ifdef ZARN33_DEF_PROBE_OUT101
`define ZW_OUT101
`endif
`ifdef ZARN33_DEF_PROBE_OUT102
`define ZW_OUT102
`endif
`ifdef ZARN33_DEF_PROBE_OUT103
`define ZW_OUT103
`endif
`ifdef ZARN33_DEF_PROBE_OUT104
`define ZW_OUT104
`endif
`ifdef ZARN33_DEF_PROBE_OUT105
`define ZW_OUT105
`endif
`ifdef ZARN33_DEF_PROBE_OUT106
`define ZW_OUT106
`endif
`ifdef ZARN33_DEF_PROBE_OUT107
`define ZW_OUT107
`endif
`ifdef ZARN33_DEF_PROBE_OUT108
`define ZW_OUT108
`endif
`ifdef ZARN33_DEF_PROBE_OUT109
`define ZW_OUT109
`endif
`ifdef ZARN33_DEF_PROBE_OUT110
`define ZW_OUT110
`endif
`ifdef ZARN33_DEF_PROBE_OUT111
`define ZW_OUT111
`endif
`ifdef ZARN33_DEF_PROBE_OUT112
`define ZW_OUT112
`endif
`ifdef ZARN33_DEF_PROBE_OUT113
`define ZW_OUT113
`endif
`ifdef ZARN33_DEF_PROBE_OUT114
`define ZW_OUT114
`endif
`ifdef ZARN33_DEF_PROBE_OUT115
`define ZW_OUT115
`endif
`ifdef ZARN33_DEF_PROBE_OUT116
`define ZW_OUT116
`endif
`ifdef ZARN33_DEF_PROBE_OUT117
`define ZW_OUT117
`endif
`ifdef ZARN33_DEF_PROBE_OUT118
`define ZW_OUT118
`endif
`ifdef ZARN33_DEF_PROBE_OUT119
`define ZW_OUT119
`endif
`ifdef ZARN33_DEF_PROBE_OUT120
`define ZW_OUT120
`endif
`ifdef ZARN33_DEF_PROBE_OUT121
`define ZW_OUT121
`endif
`ifdef ZARN33_DEF_PROBE_OUT122
`define ZW_OUT122
`endif
`ifdef ZARN33_DEF_PROBE_OUT123
`define ZW_OUT123
`endif
`ifdef ZARN33_DEF_PROBE_OUT124
`define ZW_OUT124
`endif
`ifdef ZARN33_DEF_PROBE_OUT125
`define ZW_OUT125
`endif
`ifdef ZARN33_DEF_PROBE_OUT126
`define ZW_OUT126
`endif
`ifdef ZARN33_DEF_PROBE_OUT127
`define ZW_OUT127
`endif
`ifdef ZARN33_DEF_PROBE_OUT128
`define ZW_OUT128
`endif
`ifdef ZARN33_DEF_PROBE_OUT129
`define ZW_OUT129
`endif
`ifdef ZARN33_DEF_PROBE_OUT130
`define ZW_OUT130
`endif
`ifdef ZARN33_DEF_PROBE_OUT131
`define ZW_OUT131
`endif
`ifdef ZARN33_DEF_PROBE_OUT132
`define ZW_OUT132
`endif
`ifdef ZARN33_DEF_PROBE_OUT133
`define ZW_OUT133
`endif
`ifdef ZARN33_DEF_PROBE_OUT134
`define ZW_OUT134
`endif
`ifdef ZARN33_DEF_PROBE_OUT135
`define ZW_OUT135
`endif
`ifdef ZARN33_DEF_PROBE_OUT136
`define ZW_OUT136
`endif
`ifdef ZARN33_DEF_PROBE_OUT137
`define ZW_OUT137
`endif
`ifdef ZARN33_DEF_PROBE_OUT138
`define ZW_OUT138
`endif
`ifdef ZARN33_DEF_PROBE_OUT139
`define ZW_OUT139
`endif
`ifdef ZARN33_DEF_PROBE_OUT140
`define ZW_OUT140
`endif
`ifdef ZARN33_DEF_PROBE_OUT141
`define ZW_OUT141
`endif
`ifdef ZARN33_DEF_PROBE_OUT142
`define ZW_OUT142
`endif
`ifdef ZARN33_DEF_PROBE_OUT143
`define ZW_OUT143
`endif
`ifdef ZARN33_DEF_PROBE_OUT144
`define ZW_OUT144
`endif
`ifdef ZARN33_DEF_PROBE_OUT145
`define ZW_OUT145
`endif
`ifdef ZARN33_DEF_PROBE_OUT146
`define ZW_OUT146
`endif
`ifdef ZARN33_DEF_PROBE_OUT147
`define ZW_OUT147
`endif
`ifdef ZARN33_DEF_PROBE_OUT148
`define ZW_OUT148
`endif
`ifdef ZARN33_DEF_PROBE_OUT149
`define ZW_OUT149
`endif
`ifdef ZARN33_DEF_PROBE_OUT150
`define ZW_OUT150
`endif
`ifdef ZARN33_DEF_PROBE_OUT151
`define ZW_OUT151
`endif
`ifdef ZARN33_DEF_PROBE_OUT152
`define ZW_OUT152
`endif
`ifdef ZARN33_DEF_PROBE_OUT153
`define ZW_OUT153
`endif
`ifdef ZARN33_DEF_PROBE_OUT154
`define ZW_OUT154
`endif
`ifdef ZARN33_DEF_PROBE_OUT155
`define ZW_OUT155
`endif
`ifdef ZARN33_DEF_PROBE_OUT156
`define ZW_OUT156
`endif
`ifdef ZARN33_DEF_PROBE_OUT157
`define ZW_OUT157
`endif
`ifdef ZARN33_DEF_PROBE_OUT158
`define ZW_OUT158
`endif
`ifdef ZARN33_DEF_PROBE_OUT159
`define ZW_OUT159
`endif
`ifdef ZARN33_DEF_PROBE_OUT160
`define ZW_OUT160
`endif
`ifdef ZARN33_DEF_PROBE_OUT161
`define ZW_OUT161
`endif
`ifdef ZARN33_DEF_PROBE_OUT162
`define ZW_OUT162
`endif
`ifdef ZARN33_DEF_PROBE_OUT163
`define ZW_OUT163
`endif
`ifdef ZARN33_DEF_PROBE_OUT164
`define ZW_OUT164
`endif
`ifdef ZARN33_DEF_PROBE_OUT165
`define ZW_OUT165
`endif
`ifdef ZARN33_DEF_PROBE_OUT166
`define ZW_OUT166
`endif
`ifdef ZARN33_DEF_PROBE_OUT167
`define ZW_OUT167
`endif
`ifdef ZARN33_DEF_PROBE_OUT168
`define ZW_OUT168
`endif
`ifdef ZARN33_DEF_PROBE_OUT169
`define ZW_OUT169
`endif
`ifdef ZARN33_DEF_PROBE_OUT170
`define ZW_OUT170
`endif
`ifdef ZARN33_DEF_PROBE_OUT171
`define ZW_OUT171
`endif
`ifdef ZARN33_DEF_PROBE_OUT172
`define ZW_OUT172
`endif
`ifdef ZARN33_DEF_PROBE_OUT173
`define ZW_OUT173
`endif
`ifdef ZARN33_DEF_PROBE_OUT174
`define ZW_OUT174
`endif
`ifdef ZARN33_DEF_PROBE_OUT175
`define ZW_OUT175
`endif
`ifdef ZARN33_DEF_PROBE_OUT176
`define ZW_OUT176
`endif
`ifdef ZARN33_DEF_PROBE_OUT177
`define ZW_OUT177
`endif
`ifdef ZARN33_DEF_PROBE_OUT178
`define ZW_OUT178
`endif
`ifdef ZARN33_DEF_PROBE_OUT179
`define ZW_OUT179
`endif
`ifdef ZARN33_DEF_PROBE_OUT180
`define ZW_OUT180
`endif
`ifdef ZARN33_DEF_PROBE_OUT181
`define ZW_OUT181
`endif
`ifdef ZARN33_DEF_PROBE_OUT182
`define ZW_OUT182
`endif
`ifdef ZARN33_DEF_PROBE_OUT183
`define ZW_OUT183
`endif
`ifdef ZARN33_DEF_PROBE_OUT184
`define ZW_OUT184
`endif
`ifdef ZARN33_DEF_PROBE_OUT185
`define ZW_OUT185
`endif
`ifdef ZARN33_DEF_PROBE_OUT186
`define ZW_OUT186
`endif
`ifdef ZARN33_DEF_PROBE_OUT187
`define ZW_OUT187
`endif
`ifdef ZARN33_DEF_PROBE_OUT188
`define ZW_OUT188
`endif
`ifdef ZARN33_DEF_PROBE_OUT189
`define ZW_OUT189
`endif
`ifdef ZARN33_DEF_PROBE_OUT190
`define ZW_OUT190
`endif
`ifdef ZARN33_DEF_PROBE_OUT191
`define ZW_OUT191
`endif
`ifdef ZARN33_DEF_PROBE_OUT192
`define ZW_OUT192
`endif
`ifdef ZARN33_DEF_PROBE_OUT193
`define ZW_OUT193
`endif
`ifdef ZARN33_DEF_PROBE_OUT194
`define ZW_OUT194
`endif
`ifdef ZARN33_DEF_PROBE_OUT195
`define ZW_OUT195
`endif
`ifdef ZARN33_DEF_PROBE_OUT196
`define ZW_OUT196
`endif
`ifdef ZARN33_DEF_PROBE_OUT197
`define ZW_OUT197
`endif
`ifdef ZARN33_DEF_PROBE_OUT198
`define ZW_OUT198
`endif
`ifdef ZARN33_DEF_PROBE_OUT199
`define ZW_OUT199
`endif
`ifdef ZARN33_DEF_PROBE_OUT200
`define ZW_OUT200
`endif
`ifdef ZARN33_DEF_PROBE_OUT201
`define ZW_OUT201
`endif
`ifdef ZARN33_DEF_PROBE_OUT202
`define ZW_OUT202
`endif
`ifdef ZARN33_DEF_PROBE_OUT203
`define ZW_OUT203
`endif
`ifdef ZARN33_DEF_PROBE_OUT204
`define ZW_OUT204
`endif
`ifdef ZARN33_DEF_PROBE_OUT205
`define ZW_OUT205
`endif
`ifdef ZARN33_DEF_PROBE_OUT206
`define ZW_OUT206
`endif
`ifdef ZARN33_DEF_PROBE_OUT207
`define ZW_OUT207
`endif
`ifdef ZARN33_DEF_PROBE_OUT208
`define ZW_OUT208
`endif
`ifdef ZARN33_DEF_PROBE_OUT209
`define ZW_OUT209
`endif
`ifdef ZARN33_DEF_PROBE_OUT210
`define ZW_OUT210
`endif
`ifdef ZARN33_DEF_PROBE_OUT211
`define ZW_OUT211
`endif
`ifdef ZARN33_DEF_PROBE_OUT212
`define ZW_OUT212
`endif
`ifdef ZARN33_DEF_PROBE_OUT213
`define ZW_OUT213
`endif
`ifdef ZARN33_DEF_PROBE_OUT214
`define ZW_OUT214
`endif
`ifdef ZARN33_DEF_PROBE_OUT215
`define ZW_OUT215
`endif
`ifdef ZARN33_DEF_PROBE_OUT216
`define ZW_OUT216
`endif
`ifdef ZARN33_DEF_PROBE_OUT217
`define ZW_OUT217
`endif
`ifdef ZARN33_DEF_PROBE_OUT218
`define ZW_OUT218
`endif
`ifdef ZARN33_DEF_PROBE_OUT219
`define ZW_OUT219
`endif
`ifdef ZARN33_DEF_PROBE_OUT220
`define ZW_OUT220
`endif
`ifdef ZARN33_DEF_PROBE_OUT221
`define ZW_OUT221
`endif
`ifdef ZARN33_DEF_PROBE_OUT222
`define ZW_OUT222
`endif
`ifdef ZARN33_DEF_PROBE_OUT223
`define ZW_OUT223
`endif
`ifdef ZARN33_DEF_PROBE_OUT224
`define ZW_OUT224
`endif
`ifdef ZARN33_DEF_PROBE_OUT225
`define ZW_OUT225
`endif
`ifdef ZARN33_DEF_PROBE_OUT226
`define ZW_OUT226
`endif
`ifdef ZARN33_DEF_PROBE_OUT227
`define ZW_OUT227
`endif
`ifdef ZARN33_DEF_PROBE_OUT228
`define ZW_OUT228
`endif
`ifdef ZARN33_DEF_PROBE_OUT229
`define ZW_OUT229
`endif
`ifdef ZARN33_DEF_PROBE_OUT230
`define ZW_OUT230
`endif
`ifdef ZARN33_DEF_PROBE_OUT231
`define ZW_OUT231
`endif
`ifdef ZARN33_DEF_PROBE_OUT232
`define ZW_OUT232
`endif
`ifdef ZARN33_DEF_PROBE_OUT233
`define ZW_OUT233
`endif
`ifdef ZARN33_DEF_PROBE_OUT234
`define ZW_OUT234
`endif
`ifdef ZARN33_DEF_PROBE_OUT235
`define ZW_OUT235
`endif
`ifdef ZARN33_DEF_PROBE_OUT236
`define ZW_OUT236
`endif
`ifdef ZARN33_DEF_PROBE_OUT237
`define ZW_OUT237
`endif
`ifdef ZARN33_DEF_PROBE_OUT238
`define ZW_OUT238
`endif
`ifdef ZARN33_DEF_PROBE_OUT239
`define ZW_OUT239
`endif
`ifdef ZARN33_DEF_PROBE_OUT240
`define ZW_OUT240
`endif
`ifdef ZARN33_DEF_PROBE_OUT241
`define ZW_OUT241
`endif
`ifdef ZARN33_DEF_PROBE_OUT242
`define ZW_OUT242
`endif
`ifdef ZARN33_DEF_PROBE_OUT243
`define ZW_OUT243
`endif
`ifdef ZARN33_DEF_PROBE_OUT244
`define ZW_OUT244
`endif
`ifdef ZARN33_DEF_PROBE_OUT245
`define ZW_OUT245
`endif
`ifdef ZARN33_DEF_PROBE_OUT246
`define ZW_OUT246
`endif
`ifdef ZARN33_DEF_PROBE_OUT247
`define ZW_OUT247
`endif
`ifdef ZARN33_DEF_PROBE_OUT248
`define ZW_OUT248
`endif
`ifdef ZARN33_DEF_PROBE_OUT249
`define ZW_OUT249
`endif
`ifdef ZARN33_DEF_PROBE_OUT250
`define ZW_OUT250
`endif
`ifdef ZARN33_DEF_PROBE_OUT251
`define ZW_OUT251
`endif
`ifdef ZARN33_DEF_PROBE_OUT252
`define ZW_OUT252
`endif
`ifdef ZARN33_DEF_PROBE_OUT253
`define ZW_OUT253
`endif
`ifdef ZARN33_DEF_PROBE_OUT254
`define ZW_OUT254
`endif
`ifdef ZARN33_DEF_PROBE_OUT255
`define ZW_OUT255
`endif
`ifdef ZARN33_DEF_PROBE_OUT_SYNC
`define ZW_SYNC
`endif
module xq_zarn_top_33(
`include "xq_zarn_wrapper_ports.vh"
);
`include "zarn_33/xq_zarn_parameter.v"
`include "xq_zarn_wrapper_body.vh"
endmodule
