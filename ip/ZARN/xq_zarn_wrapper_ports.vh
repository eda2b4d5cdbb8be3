// The port list of a core wrapper, from the ZW_ macros its file defined.
    control
`ifdef ZW_IN0
    , probe_in0
`endif
`ifdef ZW_IN1
    , probe_in1
`endif
`ifdef ZW_IN2
    , probe_in2
`endif
`ifdef ZW_IN3
    , probe_in3
`endif
`ifdef ZW_IN4
    , probe_in4
`endif
`ifdef ZW_IN5
    , probe_in5
`endif
`ifdef ZW_IN6
    , probe_in6
`endif
`ifdef ZW_IN7
    , probe_in7
`endif
`ifdef ZW_IN8
    , probe_in8
`endif
`ifdef ZW_IN9
    , probe_in9
`endif
`ifdef ZW_IN10
    , probe_in10
`endif
`ifdef ZW_IN11
    , probe_in11
`endif
`ifdef ZW_IN12
    , probe_in12
`endif
`ifdef ZW_IN13
    , probe_in13
`endif
`ifdef ZW_IN14
    , probe_in14
`endif
`ifdef ZW_IN15
    , probe_in15
`endif
`ifdef ZW_IN16
    , probe_in16
`endif
`ifdef ZW_IN17
    , probe_in17
`endif
`ifdef ZW_IN18
    , probe_in18
`endif
`ifdef ZW_IN19
    , probe_in19
`endif
`ifdef ZW_IN20
    , probe_in20
`endif
`ifdef ZW_IN21
    , probe_in21
`endif
`ifdef ZW_IN22
    , probe_in22
`endif
`ifdef ZW_IN23
    , probe_in23
`endif
`ifdef ZW_IN24
    , probe_in24
`endif
`ifdef ZW_IN25
    , probe_in25
`endif
`ifdef ZW_IN26
    , probe_in26
`endif
`ifdef ZW_IN27
    , probe_in27
`endif
`ifdef ZW_IN28
    , probe_in28
`endif
`ifdef ZW_IN29
    , probe_in29
`endif
`ifdef ZW_IN30
    , probe_in30
`endif
`ifdef ZW_IN31
    , probe_in31
`endif
`ifdef ZW_IN32
    , probe_in32
`endif
`ifdef ZW_IN33
    , probe_in33
`endif
`ifdef ZW_IN34
    , probe_in34
`endif
`ifdef ZW_IN35
    , probe_in35
`endif
`ifdef ZW_IN36
    , probe_in36
`endif
`ifdef ZW_IN37
    , probe_in37
`endif
`ifdef ZW_IN38
    , probe_in38
`endif
`ifdef ZW_IN39
    , probe_in39
`endif
`ifdef ZW_IN40
    , probe_in40
`endif
`ifdef ZW_IN41
    , probe_in41
`endif
`ifdef ZW_IN42
    , probe_in42
`endif
`ifdef ZW_IN43
    , probe_in43
`endif
`ifdef ZW_IN44
    , probe_in44
`endif
`ifdef ZW_IN45
    , probe_in45
`endif
`ifdef ZW_IN46
    , probe_in46
`endif
`ifdef ZW_IN47
    , probe_in47
`endif
`ifdef ZW_IN48
    , probe_in48
`endif
`ifdef ZW_IN49
    , probe_in49
`endif
`ifdef ZW_IN50
    , probe_in50
`endif
`ifdef ZW_IN51
    , probe_in51
`endif
`ifdef ZW_IN52
    , probe_in52
`endif
`ifdef ZW_IN53
    , probe_in53
`endif
`ifdef ZW_IN54
    , probe_in54
`endif
`ifdef ZW_IN55
    , probe_in55
`endif
`ifdef ZW_IN56
    , probe_in56
`endif
`ifdef ZW_IN57
    , probe_in57
`endif
`ifdef ZW_IN58
    , probe_in58
`endif
`ifdef ZW_IN59
    , probe_in59
`endif
`ifdef ZW_IN60
    , probe_in60
`endif
`ifdef ZW_IN61
    , probe_in61
`endif
`ifdef ZW_IN62
    , probe_in62
`endif
`ifdef ZW_IN63
    , probe_in63
`endif
`ifdef ZW_IN64
    , probe_in64
`endif
`ifdef ZW_IN65
    , probe_in65
`endif
`ifdef ZW_IN66
    , probe_in66
`endif
`ifdef ZW_IN67
    , probe_in67
`endif
`ifdef ZW_IN68
    , probe_in68
`endif
`ifdef ZW_IN69
    , probe_in69
`endif
`ifdef ZW_IN70
    , probe_in70
`endif
`ifdef ZW_IN71
    , probe_in71
`endif
`ifdef ZW_IN72
    , probe_in72
`endif
`ifdef ZW_IN73
    , probe_in73
`endif
`ifdef ZW_IN74
    , probe_in74
`endif
`ifdef ZW_IN75
    , probe_in75
`endif
`ifdef ZW_IN76
    , probe_in76
`endif
`ifdef ZW_IN77
    , probe_in77
`endif
`ifdef ZW_IN78
    , probe_in78
`endif
`ifdef ZW_IN79
    , probe_in79
`endif
`ifdef ZW_IN80
    , probe_in80
`endif
`ifdef ZW_IN81
    , probe_in81
`endif
`ifdef ZW_IN82
    , probe_in82
`endif
`ifdef ZW_IN83
    , probe_in83
`endif
`ifdef ZW_IN84
    , probe_in84
`endif
`ifdef ZW_IN85
    , probe_in85
`endif
`ifdef ZW_IN86
    , probe_in86
`endif
`ifdef ZW_IN87
    , probe_in87
`endif
`ifdef ZW_IN88
    , probe_in88
`endif
`ifdef ZW_IN89
    , probe_in89
`endif
`ifdef ZW_IN90
    , probe_in90
`endif
`ifdef ZW_IN91
    , probe_in91
`endif
`ifdef ZW_IN92
    , probe_in92
`endif
`ifdef ZW_IN93
    , probe_in93
`endif
`ifdef ZW_IN94
    , probe_in94
`endif
`ifdef ZW_IN95
    , probe_in95
`endif
`ifdef ZW_IN96
    , probe_in96
`endif
`ifdef ZW_IN97
    , probe_in97
`endif
`ifdef ZW_IN98
    , probe_in98
`endif
`ifdef ZW_IN99
    , probe_in99
`endif
`ifdef ZW_IN100
    , probe_in100
`endif
`ifdef ZW_IN101
    , probe_in101
`endif
`ifdef ZW_IN102
    , probe_in102
`endif
`ifdef ZW_IN103
    , probe_in103
`endif
`ifdef ZW_IN104
    , probe_in104
`endif
`ifdef ZW_IN105
    , probe_in105
`endif
`ifdef ZW_IN106
    , probe_in106
`endif
`ifdef ZW_IN107
    , probe_in107
`endif
`ifdef ZW_IN108
    , probe_in108
`endif
`ifdef ZW_IN109
    , probe_in109
`endif
`ifdef ZW_IN110
    , probe_in110
`endif
`ifdef ZW_IN111
    , probe_in111
`endif
`ifdef ZW_IN112
    , probe_in112
`endif
`ifdef ZW_IN113
    , probe_in113
`endif
`ifdef ZW_IN114
    , probe_in114
`endif
`ifdef ZW_IN115
    , probe_in115
`endif
`ifdef ZW_IN116
    , probe_in116
`endif
`ifdef ZW_IN117
    , probe_in117
`endif
`ifdef ZW_IN118
    , probe_in118
`endif
`ifdef ZW_IN119
    , probe_in119
`endif
`ifdef ZW_IN120
    , probe_in120
`endif
`ifdef ZW_IN121
    , probe_in121
`endif
`ifdef ZW_IN122
    , probe_in122
`endif
`ifdef ZW_IN123
    , probe_in123
`endif
`ifdef ZW_IN124
    , probe_in124
`endif
`ifdef ZW_IN125
    , probe_in125
`endif
`ifdef ZW_IN126
    , probe_in126
`endif
`ifdef ZW_IN127
    , probe_in127
`endif
`ifdef ZW_IN128
    , probe_in128
`endif
`ifdef ZW_IN129
    , probe_in129
`endif
`ifdef ZW_IN130
    , probe_in130
`endif
`ifdef ZW_IN131
    , probe_in131
`endif
`ifdef ZW_IN132
    , probe_in132
`endif
`ifdef ZW_IN133
    , probe_in133
`endif
`ifdef ZW_IN134
    , probe_in134
`endif
`ifdef ZW_IN135
    , probe_in135
`endif
`ifdef ZW_IN136
    , probe_in136
`endif
`ifdef ZW_IN137
    , probe_in137
`endif
`ifdef ZW_IN138
    , probe_in138
`endif
`ifdef ZW_IN139
    , probe_in139
`endif
`ifdef ZW_IN140
    , probe_in140
`endif
`ifdef ZW_IN141
    , probe_in141
`endif
`ifdef ZW_IN142
    , probe_in142
`endif
`ifdef ZW_IN143
    , probe_in143
`endif
`ifdef ZW_IN144
    , probe_in144
`endif
`ifdef ZW_IN145
    , probe_in145
`endif
`ifdef ZW_IN146
    , probe_in146
`endif
`ifdef ZW_IN147
    , probe_in147
`endif
`ifdef ZW_IN148
    , probe_in148
`endif
`ifdef ZW_IN149
    , probe_in149
`endif
`ifdef ZW_IN150
    , probe_in150
`endif
`ifdef ZW_IN151
    , probe_in151
`endif
`ifdef ZW_IN152
    , probe_in152
`endif
`ifdef ZW_IN153
    , probe_in153
`endif
`ifdef ZW_IN154
    , probe_in154
`endif
`ifdef ZW_IN155
    , probe_in155
`endif
`ifdef ZW_IN156
    , probe_in156
`endif
`ifdef ZW_IN157
    , probe_in157
`endif
`ifdef ZW_IN158
    , probe_in158
`endif
`ifdef ZW_IN159
    , probe_in159
`endif
`ifdef ZW_IN160
    , probe_in160
`endif
`ifdef ZW_IN161
    , probe_in161
`endif
`ifdef ZW_IN162
    , probe_in162
`endif
`ifdef ZW_IN163
    , probe_in163
`endif
`ifdef ZW_IN164
    , probe_in164
`endif
`ifdef ZW_IN165
    , probe_in165
`endif
`ifdef ZW_IN166
    , probe_in166
`endif
`ifdef ZW_IN167
    , probe_in167
`endif
`ifdef ZW_IN168
    , probe_in168
`endif
`ifdef ZW_IN169
    , probe_in169
`endif
`ifdef ZW_IN170
    , probe_in170
`endif
`ifdef ZW_IN171
    , probe_in171
`endif
`ifdef ZW_IN172
    , probe_in172
`endif
`ifdef ZW_IN173
    , probe_in173
`endif
`ifdef ZW_IN174
    , probe_in174
`endif
`ifdef ZW_IN175
    , probe_in175
`endif
`ifdef ZW_IN176
    , probe_in176
`endif
`ifdef ZW_IN177
    , probe_in177
`endif
`ifdef ZW_IN178
    , probe_in178
`endif
`ifdef ZW_IN179
    , probe_in179
`endif
`ifdef ZW_IN180
    , probe_in180
`endif
`ifdef ZW_IN181
    , probe_in181
`endif
`ifdef ZW_IN182
    , probe_in182
`endif
`ifdef ZW_IN183
    , probe_in183
`endif
`ifdef ZW_IN184
    , probe_in184
`endif
`ifdef ZW_IN185
    , probe_in185
`endif
`ifdef ZW_IN186
    , probe_in186
`endif
`ifdef ZW_IN187
    , probe_in187
`endif
`ifdef ZW_IN188
    , probe_in188
`endif
`ifdef ZW_IN189
    , probe_in189
`endif
`ifdef ZW_IN190
    , probe_in190
`endif
`ifdef ZW_IN191
    , probe_in191
`endif
`ifdef ZW_IN192
    , probe_in192
`endif
`ifdef ZW_IN193
    , probe_in193
`endif
`ifdef ZW_IN194
    , probe_in194
`endif
`ifdef ZW_IN195
    , probe_in195
`endif
`ifdef ZW_IN196
    , probe_in196
`endif
`ifdef ZW_IN197
    , probe_in197
`endif
`ifdef ZW_IN198
    , probe_in198
`endif
`ifdef ZW_IN199
    , probe_in199
`endif
`ifdef ZW_IN200
    , probe_in200
`endif
`ifdef ZW_IN201
    , probe_in201
`endif
`ifdef ZW_IN202
    , probe_in202
`endif
`ifdef ZW_IN203
    , probe_in203
`endif
`ifdef ZW_IN204
    , probe_in204
`endif
`ifdef ZW_IN205
    , probe_in205
`endif
`ifdef ZW_IN206
    , probe_in206
`endif
`ifdef ZW_IN207
    , probe_in207
`endif
`ifdef ZW_IN208
    , probe_in208
`endif
`ifdef ZW_IN209
    , probe_in209
`endif
`ifdef ZW_IN210
    , probe_in210
`endif
`ifdef ZW_IN211
    , probe_in211
`endif
`ifdef ZW_IN212
    , probe_in212
`endif
`ifdef ZW_IN213
    , probe_in213
`endif
`ifdef ZW_IN214
    , probe_in214
`endif
`ifdef ZW_IN215
    , probe_in215
`endif
`ifdef ZW_IN216
    , probe_in216
`endif
`ifdef ZW_IN217
    , probe_in217
`endif
`ifdef ZW_IN218
    , probe_in218
`endif
`ifdef ZW_IN219
    , probe_in219
`endif
`ifdef ZW_IN220
    , probe_in220
`endif
`ifdef ZW_IN221
    , probe_in221
`endif
`ifdef ZW_IN222
    , probe_in222
`endif
`ifdef ZW_IN223
    , probe_in223
`endif
`ifdef ZW_IN224
    , probe_in224
`endif
`ifdef ZW_IN225
    , probe_in225
`endif
`ifdef ZW_IN226
    , probe_in226
`endif
`ifdef ZW_IN227
    , probe_in227
`endif
`ifdef ZW_IN228
    , probe_in228
`endif
`ifdef ZW_IN229
    , probe_in229
`endif
`ifdef ZW_IN230
    , probe_in230
`endif
`ifdef ZW_IN231
    , probe_in231
`endif
`ifdef ZW_IN232
    , probe_in232
`endif
`ifdef ZW_IN233
    , probe_in233
`endif
`ifdef ZW_IN234
    , probe_in234
`endif
`ifdef ZW_IN235
    , probe_in235
`endif
`ifdef ZW_IN236
    , probe_in236
`endif
`ifdef ZW_IN237
    , probe_in237
`endif
`ifdef ZW_IN238
    , probe_in238
`endif
`ifdef ZW_IN239
    , probe_in239
`endif
`ifdef ZW_IN240
    , probe_in240
`endif
`ifdef ZW_IN241
    , probe_in241
`endif
`ifdef ZW_IN242
    , probe_in242
`endif
`ifdef ZW_IN243
    , probe_in243
`endif
`ifdef ZW_IN244
    , probe_in244
`endif
`ifdef ZW_IN245
    , probe_in245
`endif
`ifdef ZW_IN246
    , probe_in246
`endif
`ifdef ZW_IN247
    , probe_in247
`endif
`ifdef ZW_IN248
    , probe_in248
`endif
`ifdef ZW_IN249
    , probe_in249
`endif
`ifdef ZW_IN250
    , probe_in250
`endif
`ifdef ZW_IN251
    , probe_in251
`endif
`ifdef ZW_IN252
    , probe_in252
`endif
`ifdef ZW_IN253
    , probe_in253
`endif
`ifdef ZW_IN254
    , probe_in254
`endif
`ifdef ZW_IN255
    , probe_in255
`endif
`ifdef ZW_OUT0
    , probe_out0
`endif
`ifdef ZW_OUT1
    , probe_out1
`endif
`ifdef ZW_OUT2
    , probe_out2
`endif
`ifdef ZW_OUT3
    , probe_out3
`endif
`ifdef ZW_OUT4
    , probe_out4
`endif
`ifdef ZW_OUT5
    , probe_out5
`endif
`ifdef ZW_OUT6
    , probe_out6
`endif
`ifdef ZW_OUT7
    , probe_out7
`endif
`ifdef ZW_OUT8
    , probe_out8
`endif
`ifdef ZW_OUT9
    , probe_out9
`endif
`ifdef ZW_OUT10
    , probe_out10
`endif
`ifdef ZW_OUT11
    , probe_out11
`endif
`ifdef ZW_OUT12
    , probe_out12
`endif
`ifdef ZW_OUT13
    , probe_out13
`endif
`ifdef ZW_OUT14
    , probe_out14
`endif
`ifdef ZW_OUT15
    , probe_out15
`endif
`ifdef ZW_OUT16
    , probe_out16
`endif
`ifdef ZW_OUT17
    , probe_out17
`endif
`ifdef ZW_OUT18
    , probe_out18
`endif
`ifdef ZW_OUT19
    , probe_out19
`endif
`ifdef ZW_OUT20
    , probe_out20
`endif
`ifdef ZW_OUT21
    , probe_out21
`endif
`ifdef ZW_OUT22
    , probe_out22
`endif
`ifdef ZW_OUT23
    , probe_out23
`endif
`ifdef ZW_OUT24
    , probe_out24
`endif
`ifdef ZW_OUT25
    , probe_out25
`endif
`ifdef ZW_OUT26
    , probe_out26
`endif
`ifdef ZW_OUT27
    , probe_out27
`endif
`ifdef ZW_OUT28
    , probe_out28
`endif
`ifdef ZW_OUT29
    , probe_out29
`endif
`ifdef ZW_OUT30
    , probe_out30
`endif
`ifdef ZW_OUT31
    , probe_out31
`endif
`ifdef ZW_OUT32
    , probe_out32
`endif
`ifdef ZW_OUT33
    , probe_out33
`endif
`ifdef ZW_OUT34
    , probe_out34
`endif
`ifdef ZW_OUT35
    , probe_out35
`endif
`ifdef ZW_OUT36
    , probe_out36
`endif
`ifdef ZW_OUT37
    , probe_out37
`endif
`ifdef ZW_OUT38
    , probe_out38
`endif
`ifdef ZW_OUT39
    , probe_out39
`endif
`ifdef ZW_OUT40
    , probe_out40
`endif
`ifdef ZW_OUT41
    , probe_out41
`endif
`ifdef ZW_OUT42
    , probe_out42
`endif
`ifdef ZW_OUT43
    , probe_out43
`endif
`ifdef ZW_OUT44
    , probe_out44
`endif
`ifdef ZW_OUT45
    , probe_out45
`endif
`ifdef ZW_OUT46
    , probe_out46
`endif
`ifdef ZW_OUT47
    , probe_out47
`endif
`ifdef ZW_OUT48
    , probe_out48
`endif
`ifdef ZW_OUT49
    , probe_out49
`endif
`ifdef ZW_OUT50
    , probe_out50
`endif
`ifdef ZW_OUT51
    , probe_out51
`endif
`ifdef ZW_OUT52
    , probe_out52
`endif
`ifdef ZW_OUT53
    , probe_out53
`endif
`ifdef ZW_OUT54
    , probe_out54
`endif
`ifdef ZW_OUT55
    , probe_out55
`endif
`ifdef ZW_OUT56
    , probe_out56
`endif
`ifdef ZW_OUT57
    , probe_out57
`endif
`ifdef ZW_OUT58
    , probe_out58
`endif
`ifdef ZW_OUT59
    , probe_out59
`endif
`ifdef ZW_OUT60
    , probe_out60
`endif
`ifdef ZW_OUT61
    , probe_out61
`endif
`ifdef ZW_OUT62
    , probe_out62
`endif
`ifdef ZW_OUT63
    , probe_out63
`endif
`ifdef ZW_OUT64
    , probe_out64
`endif
`ifdef ZW_OUT65
    , probe_out65
`endif
`ifdef ZW_OUT66
    , probe_out66
`endif
`ifdef ZW_OUT67
    , probe_out67
`endif
`ifdef ZW_OUT68
    , probe_out68
`endif
`ifdef ZW_OUT69
    , probe_out69
`endif
`ifdef ZW_OUT70
    , probe_out70
`endif
`ifdef ZW_OUT71
    , probe_out71
`endif
`ifdef ZW_OUT72
    , probe_out72
`endif
`ifdef ZW_OUT73
    , probe_out73
`endif
`ifdef ZW_OUT74
    , probe_out74
`endif
`ifdef ZW_OUT75
    , probe_out75
`endif
`ifdef ZW_OUT76
    , probe_out76
`endif
`ifdef ZW_OUT77
    , probe_out77
`endif
`ifdef ZW_OUT78
    , probe_out78
`endif
`ifdef ZW_OUT79
    , probe_out79
`endif
`ifdef ZW_OUT80
    , probe_out80
`endif
`ifdef ZW_OUT81
    , probe_out81
`endif
`ifdef ZW_OUT82
    , probe_out82
`endif
`ifdef ZW_OUT83
    , probe_out83
`endif
`ifdef ZW_OUT84
    , probe_out84
`endif
`ifdef ZW_OUT85
    , probe_out85
`endif
`ifdef ZW_OUT86
    , probe_out86
`endif
`ifdef ZW_OUT87
    , probe_out87
`endif
`ifdef ZW_OUT88
    , probe_out88
`endif
`ifdef ZW_OUT89
    , probe_out89
`endif
`ifdef ZW_OUT90
    , probe_out90
`endif
`ifdef ZW_OUT91
    , probe_out91
`endif
`ifdef ZW_OUT92
    , probe_out92
`endif
`ifdef ZW_OUT93
    , probe_out93
`endif
`ifdef ZW_OUT94
    , probe_out94
`endif
`ifdef ZW_OUT95
    , probe_out95
`endif
`ifdef ZW_OUT96
    , probe_out96
`endif
`ifdef ZW_OUT97
    , probe_out97
`endif
`ifdef ZW_OUT98
    , probe_out98
`endif
`ifdef ZW_OUT99
    , probe_out99
`endif
`ifdef ZW_OUT100
    , probe_out100
`endif
`ifdef ZW_OUT101
    , probe_out101
`endif
`ifdef ZW_OUT102
    , probe_out102
`endif
`ifdef ZW_OUT103
    , probe_out103
`endif
`ifdef ZW_OUT104
    , probe_out104
`endif
`ifdef ZW_OUT105
    , probe_out105
`endif
`ifdef ZW_OUT106
    , probe_out106
`endif
`ifdef ZW_OUT107
    , probe_out107
`endif
`ifdef ZW_OUT108
    , probe_out108
`endif
`ifdef ZW_OUT109
    , probe_out109
`endif
`ifdef ZW_OUT110
    , probe_out110
`endif
`ifdef ZW_OUT111
    , probe_out111
`endif
`ifdef ZW_OUT112
    , probe_out112
`endif
`ifdef ZW_OUT113
    , probe_out113
`endif
`ifdef ZW_OUT114
    , probe_out114
`endif
`ifdef ZW_OUT115
    , probe_out115
`endif
`ifdef ZW_OUT116
    , probe_out116
`endif
`ifdef ZW_OUT117
    , probe_out117
`endif
`ifdef ZW_OUT118
    , probe_out118
`endif
`ifdef ZW_OUT119
    , probe_out119
`endif
`ifdef ZW_OUT120
    , probe_out120
`endif
`ifdef ZW_OUT121
    , probe_out121
`endif
`ifdef ZW_OUT122
    , probe_out122
`endif
`ifdef ZW_OUT123
    , probe_out123
`endif
`ifdef ZW_OUT124
    , probe_out124
`endif
`ifdef ZW_OUT125
    , probe_out125
`endif
`ifdef ZW_OUT126
    , probe_out126
`endif
`ifdef ZW_OUT127
    , probe_out127
`endif
`ifdef ZW_OUT128
    , probe_out128
`endif
`ifdef ZW_OUT129
    , probe_out129
`endif
`ifdef ZW_OUT130
    , probe_out130
`endif
`ifdef ZW_OUT131
    , probe_out131
`endif
`ifdef ZW_OUT132
    , probe_out132
`endif
`ifdef ZW_OUT133
    , probe_out133
`endif
`ifdef ZW_OUT134
    , probe_out134
`endif
`ifdef ZW_OUT135
    , probe_out135
`endif
`ifdef ZW_OUT136
    , probe_out136
`endif
`ifdef ZW_OUT137
    , probe_out137
`endif
`ifdef ZW_OUT138
    , probe_out138
`endif
`ifdef ZW_OUT139
    , probe_out139
`endif
`ifdef ZW_OUT140
    , probe_out140
`endif
`ifdef ZW_OUT141
    , probe_out141
`endif
`ifdef ZW_OUT142
    , probe_out142
`endif
`ifdef ZW_OUT143
    , probe_out143
`endif
`ifdef ZW_OUT144
    , probe_out144
`endif
`ifdef ZW_OUT145
    , probe_out145
`endif
`ifdef ZW_OUT146
    , probe_out146
`endif
`ifdef ZW_OUT147
    , probe_out147
`endif
`ifdef ZW_OUT148
    , probe_out148
`endif
`ifdef ZW_OUT149
    , probe_out149
`endif
`ifdef ZW_OUT150
    , probe_out150
`endif
`ifdef ZW_OUT151
    , probe_out151
`endif
`ifdef ZW_OUT152
    , probe_out152
`endif
`ifdef ZW_OUT153
    , probe_out153
`endif
`ifdef ZW_OUT154
    , probe_out154
`endif
`ifdef ZW_OUT155
    , probe_out155
`endif
`ifdef ZW_OUT156
    , probe_out156
`endif
`ifdef ZW_OUT157
    , probe_out157
`endif
`ifdef ZW_OUT158
    , probe_out158
`endif
`ifdef ZW_OUT159
    , probe_out159
`endif
`ifdef ZW_OUT160
    , probe_out160
`endif
`ifdef ZW_OUT161
    , probe_out161
`endif
`ifdef ZW_OUT162
    , probe_out162
`endif
`ifdef ZW_OUT163
    , probe_out163
`endif
`ifdef ZW_OUT164
    , probe_out164
`endif
`ifdef ZW_OUT165
    , probe_out165
`endif
`ifdef ZW_OUT166
    , probe_out166
`endif
`ifdef ZW_OUT167
    , probe_out167
`endif
`ifdef ZW_OUT168
    , probe_out168
`endif
`ifdef ZW_OUT169
    , probe_out169
`endif
`ifdef ZW_OUT170
    , probe_out170
`endif
`ifdef ZW_OUT171
    , probe_out171
`endif
`ifdef ZW_OUT172
    , probe_out172
`endif
`ifdef ZW_OUT173
    , probe_out173
`endif
`ifdef ZW_OUT174
    , probe_out174
`endif
`ifdef ZW_OUT175
    , probe_out175
`endif
`ifdef ZW_OUT176
    , probe_out176
`endif
`ifdef ZW_OUT177
    , probe_out177
`endif
`ifdef ZW_OUT178
    , probe_out178
`endif
`ifdef ZW_OUT179
    , probe_out179
`endif
`ifdef ZW_OUT180
    , probe_out180
`endif
`ifdef ZW_OUT181
    , probe_out181
`endif
`ifdef ZW_OUT182
    , probe_out182
`endif
`ifdef ZW_OUT183
    , probe_out183
`endif
`ifdef ZW_OUT184
    , probe_out184
`endif
`ifdef ZW_OUT185
    , probe_out185
`endif
`ifdef ZW_OUT186
    , probe_out186
`endif
`ifdef ZW_OUT187
    , probe_out187
`endif
`ifdef ZW_OUT188
    , probe_out188
`endif
`ifdef ZW_OUT189
    , probe_out189
`endif
`ifdef ZW_OUT190
    , probe_out190
`endif
`ifdef ZW_OUT191
    , probe_out191
`endif
`ifdef ZW_OUT192
    , probe_out192
`endif
`ifdef ZW_OUT193
    , probe_out193
`endif
`ifdef ZW_OUT194
    , probe_out194
`endif
`ifdef ZW_OUT195
    , probe_out195
`endif
`ifdef ZW_OUT196
    , probe_out196
`endif
`ifdef ZW_OUT197
    , probe_out197
`endif
`ifdef ZW_OUT198
    , probe_out198
`endif
`ifdef ZW_OUT199
    , probe_out199
`endif
`ifdef ZW_OUT200
    , probe_out200
`endif
`ifdef ZW_OUT201
    , probe_out201
`endif
`ifdef ZW_OUT202
    , probe_out202
`endif
`ifdef ZW_OUT203
    , probe_out203
`endif
`ifdef ZW_OUT204
    , probe_out204
`endif
`ifdef ZW_OUT205
    , probe_out205
`endif
`ifdef ZW_OUT206
    , probe_out206
`endif
`ifdef ZW_OUT207
    , probe_out207
`endif
`ifdef ZW_OUT208
    , probe_out208
`endif
`ifdef ZW_OUT209
    , probe_out209
`endif
`ifdef ZW_OUT210
    , probe_out210
`endif
`ifdef ZW_OUT211
    , probe_out211
`endif
`ifdef ZW_OUT212
    , probe_out212
`endif
`ifdef ZW_OUT213
    , probe_out213
`endif
`ifdef ZW_OUT214
    , probe_out214
`endif
`ifdef ZW_OUT215
    , probe_out215
`endif
`ifdef ZW_OUT216
    , probe_out216
`endif
`ifdef ZW_OUT217
    , probe_out217
`endif
`ifdef ZW_OUT218
    , probe_out218
`endif
`ifdef ZW_OUT219
    , probe_out219
`endif
`ifdef ZW_OUT220
    , probe_out220
`endif
`ifdef ZW_OUT221
    , probe_out221
`endif
`ifdef ZW_OUT222
    , probe_out222
`endif
`ifdef ZW_OUT223
    , probe_out223
`endif
`ifdef ZW_OUT224
    , probe_out224
`endif
`ifdef ZW_OUT225
    , probe_out225
`endif
`ifdef ZW_OUT226
    , probe_out226
`endif
`ifdef ZW_OUT227
    , probe_out227
`endif
`ifdef ZW_OUT228
    , probe_out228
`endif
`ifdef ZW_OUT229
    , probe_out229
`endif
`ifdef ZW_OUT230
    , probe_out230
`endif
`ifdef ZW_OUT231
    , probe_out231
`endif
`ifdef ZW_OUT232
    , probe_out232
`endif
`ifdef ZW_OUT233
    , probe_out233
`endif
`ifdef ZW_OUT234
    , probe_out234
`endif
`ifdef ZW_OUT235
    , probe_out235
`endif
`ifdef ZW_OUT236
    , probe_out236
`endif
`ifdef ZW_OUT237
    , probe_out237
`endif
`ifdef ZW_OUT238
    , probe_out238
`endif
`ifdef ZW_OUT239
    , probe_out239
`endif
`ifdef ZW_OUT240
    , probe_out240
`endif
`ifdef ZW_OUT241
    , probe_out241
`endif
`ifdef ZW_OUT242
    , probe_out242
`endif
`ifdef ZW_OUT243
    , probe_out243
`endif
`ifdef ZW_OUT244
    , probe_out244
`endif
`ifdef ZW_OUT245
    , probe_out245
`endif
`ifdef ZW_OUT246
    , probe_out246
`endif
`ifdef ZW_OUT247
    , probe_out247
`endif
`ifdef ZW_OUT248
    , probe_out248
`endif
`ifdef ZW_OUT249
    , probe_out249
`endif
`ifdef ZW_OUT250
    , probe_out250
`endif
`ifdef ZW_OUT251
    , probe_out251
`endif
`ifdef ZW_OUT252
    , probe_out252
`endif
`ifdef ZW_OUT253
    , probe_out253
`endif
`ifdef ZW_OUT254
    , probe_out254
`endif
`ifdef ZW_OUT255
    , probe_out255
`endif
`ifdef ZW_SYNC
    , clk_i
`endif
