// The device's parameter list, one row per logical parameter id. This table is
// the source (edited by hand; no generator stands behind it).
// Columns: group, slot, minimum, maximum, default, fine, controller, NRPN,
// object id, flags, name, section, short name.

#include "model/tables/ParameterTable.h"
#include "model/tables/ParameterTableRules.h"

constexpr std::array<DeviceParameterTableEntry, ParameterTable::rowCount> deviceParameterTable {{
    { -1, -1, 0, 0, 0, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Error", "", "ERR" },   // 0
    { -1, -1, 0, 0, 0, 1, 0x00210001u, -1, 1, 0x0u, "Error", "", "ERR" },   // 1
    { -1, -1, 0, 0, 0, 1, 0x00220002u, -1, 2, 0x0u, "Error", "", "ERR" },   // 2
    { -1, -1, 0, 0, 0, 1, 0x00260006u, -1, 3, 0x0u, "Error", "", "ERR" },   // 3
    { -1, -1, 0, 0, 0, 0, 0xFFFF0007u, -1, 4, 0x0u, "Error", "", "ERR" },   // 4
    { -1, -1, 0, 0, 0, 0, 0xFFFF000Au, -1, 5, 0x0u, "Error", "", "ERR" },   // 5
    { -1, -1, 0, 0, 0, 0, 0xFFFF000Fu, 231, 6, 0x0u, "Machine Type", "", "TYP" },   // 6
    { -1, -1, 0, 256, 0, 0, 0xFFFF005Du, 230, 8, 0x0u, "Solo", "", "ERR" },   // 7
    { -1, -1, 0, 256, 0, 0, 0xFFFF005Eu, 229, 9, 0x0u, "Mute", "", "ERR" },   // 8
    { -1, -1, 0, 256, 0, 0, 0xFFFF006Eu, 232, 16, 0x0u, "Pattern Mute", "", "ERR" },   // 9
    { -1, -1, 0, 32512, 25600, 0, 0xFFFF005Fu, 228, 10, 0x0u, "Track Level", "", "LEV" },   // 10
    { -1, -1, 0, 0, 0, 1, 0x00620063u, -1, 11, 0x0u, "Error", "", "ERR" },   // 11
    { -1, -1, 0, 0, 0, 0, 0xFFFF0078u, -1, 12, 0x0u, "Error", "", "ERR" },   // 12
    { -1, -1, 0, 0, 0, 0, 0xFFFF0079u, -1, 13, 0x0u, "Error", "", "ERR" },   // 13
    { -1, -1, 0, 0, 0, 0, 0xFFFF007Bu, -1, 14, 0x0u, "Error", "", "ERR" },   // 14
    { -1, -1, 0, 3840, 0, 0, 0xFFFFFFFFu, -1, 15, 0x0u, "Active Track", "", "ERR" },   // 15
    { -1, -1, 0, 32512, 0, 0, 0xFFFFFFFFu, -1, 17, 0x0u, "Global Mix Mode", "", "GLB" },   // 16
    { -1, -1, 16128, 16384, 16128, 0, 0xFFFF0040u, -1, 18, 0x0u, "Error", "", "ERR" },   // 17
    { -1, -1, 16128, 16384, 16128, 0, 0xFFFF0042u, -1, 19, 0x0u, "Error", "", "ERR" },   // 18
    { 57, 0, 0, 32512, 0, 0, 0xFFFFFFFFu, -1, 35, 0x0u, "None", "", "---" },   // 19
    { 56, 0, 0, 21504, 15360, 0, 0xFFFF0003u, 384, 40, 0x0u, "Trig Note", "", "NOTE" },   // 20
    { 56, 0, 0, 32512, 15360, 0, 0xFFFF0003u, 384, 53, 0x0u, "Trig Note", "", "NOTE" },   // 21
    { 56, 1, 256, 32512, 25600, 0, 0xFFFF0004u, 385, 41, 0x0u, "Trig Velocity", "", "VEL" },   // 22
    { 56, 2, 0, 32512, 3584, 0, 0xFFFF0005u, 386, 42, 0x0u, "Trig Length", "", "LEN" },   // 23
    { 56, 3, -5888, 5888, 0, 0, 0xFFFFFFFFu, -1, 43, 0x0u, "Micro Timing", "", "uTM" },   // 24
    { 56, 5, 0, 16384, 0, 0, 0xFFFFFFFFu, -1, 44, 0x0u, "Trig Condition", "", "COND" },   // 25
    { 56, 4, 0, 256, 256, 0, 0xFFFFFFFFu, -1, 54, 0x0u, "Amp Trig", "", "AMP.T" },   // 26
    { 56, 4, 0, 256, 256, 0, 0xFFFF000Du, -1, 45, 0x0u, "Filter Trig", "", "FLT.T" },   // 27
    { 56, 7, 0, 256, 256, 0, 0xFFFF000Eu, -1, 47, 0x0u, "LFO Trig", "", "LFO.T" },   // 28
    { 50, 8, 0, 32512, 15360, 0, 0xFFFF0003u, -1, 48, 0xE00u, "Note 1", "", "NOTE" },   // 29
    { 50, 9, 0, 32512, 16384, 0, 0xFFFFFFFFu, -1, 49, 0xE00u, "Note 2", "", "NOT2" },   // 30
    { 50, 10, 0, 32512, 16384, 0, 0xFFFFFFFFu, -1, 50, 0xE00u, "Note 3", "", "NOT3" },   // 31
    { 50, 11, 0, 32512, 16384, 0, 0xFFFFFFFFu, -1, 51, 0xE00u, "Note 4", "", "NOT4" },   // 32
    { 56, 12, 0, 25600, 25600, 0, 0xFFFFFFFFu, -1, 52, 0x0u, "Trig Probability", "", "PROB" },   // 33
    { 43, 52, 0, 32512, 9984, 0, 0xFFFF0009u, 391, 55, 0xE00u, "Portamento Time", "Portamento", "PTIM" },   // 34
    { 43, 53, 16128, 16384, 16128, 0, 0xFFFF0041u, 392, 56, 0xE00u, "Portamento Enabled", "Portamento", "PORT" },   // 35
    { 58, -1, 0, 256, 256, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Trig", "", "TRIG" },   // 36
    { 58, -1, 0, 4096, 2304, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 1", "", "M1" },   // 37
    { 58, -1, 0, 4096, 3072, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 2", "", "M2" },   // 38
    { 58, -1, 0, 4096, 3584, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 3", "", "M3" },   // 39
    { 58, -1, 0, 4096, 3840, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 4", "", "M4" },   // 40
    { 58, -1, 0, 256, 256, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Trig", "", "TRIG" },   // 41
    { 58, -1, 256, 32512, 8192, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 1", "", "M1" },   // 42
    { 58, -1, 256, 32512, 16384, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 2", "", "M2" },   // 43
    { 58, -1, 256, 32512, 24576, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 3", "", "M3" },   // 44
    { 58, -1, 256, 32512, 32512, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 4", "", "M4" },   // 45
    { 58, -1, 0, 256, 256, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Trig", "", "TRIG" },   // 46
    { 58, -1, 0, 8192, 0, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Destination", "", "DEST" },   // 47
    { 58, -1, 0, 32512, 8192, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 1", "", "M1" },   // 48
    { 58, -1, 0, 32512, 16384, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 2", "", "M2" },   // 49
    { 58, -1, 0, 32512, 24576, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 3", "", "M3" },   // 50
    { 58, -1, 0, 32512, 32512, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 4", "", "M4" },   // 51
    { 58, -1, 0, 256, 256, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Trig", "", "TRIG" },   // 52
    { 58, -1, 0, 8192, 0, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Destination", "", "DEST" },   // 53
    { 58, -1, 0, 32512, 8192, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 1", "", "M1" },   // 54
    { 58, -1, 0, 32512, 16384, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 2", "", "M2" },   // 55
    { 58, -1, 0, 32512, 24576, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 3", "", "M3" },   // 56
    { 58, -1, 0, 32512, 32512, 0, 0xFFFFFFFFu, -1, 0, 0x0u, "Modifier 4", "", "M4" },   // 57
    { 42, 28, 0, 32512, 32512, 1, 0xFFFF004Au, 148, 60, 0xE00u, "Frequency", "Filter", "FREQ" },   // 58
    { 42, 29, 0, 32512, 0, 1, 0xFFFFFFFFu, -1, 0, 0xE00u, "Gain", "Filter", "GAIN" },   // 59
    { 42, 29, 0, 32512, 0, 1, 0xFFFF004Bu, 149, 61, 0xE00u, "Resonance", "Filter", "RESO" },   // 60
    { 42, 27, 0, 1792, 0, 0, 0xFFFF004Cu, 150, 62, 0xE00u, "Filter Type", "Filter", "TYPE" },   // 61
    { 42, 27, 0, 1792, 0, 0, 0xFFFF004Cu, 150, 63, 0xE00u, "Filter Type", "Filter", "TYPE" },   // 62
    { 42, 31, 0, 32512, 0, 1, 0xFFFF004Eu, -1, 64, 0xE00u, "Env. Delay", "Filter", "DEL" },   // 63
    { 42, 32, 0, 32512, 0, 0, 0xFFFF0046u, 144, 65, 0xE00u, "Attack Time", "Filter", "ATK" },   // 64
    { 42, 33, 0, 32512, 16384, 0, 0xFFFF0047u, 145, 66, 0xE00u, "Decay Time", "Filter", "DEC" },   // 65
    { 42, 34, 0, 32512, 0, 0, 0xFFFF0048u, 146, 67, 0xE00u, "Sustain Level", "Filter", "SUS" },   // 66
    { 42, 35, 0, 32512, 16384, 0, 0xFFFF0049u, 147, 68, 0xE00u, "Release Time", "Filter", "REL" },   // 67
    { 42, 30, 0, 32512, 16384, 1, 0xFFFF004Du, 151, 69, 0xE00u, "Env. Depth", "Filter", "ENV" },   // 68
    { 42, 36, 0, 256, 0, 0, 0xFFFF006Fu, 184, 72, 0xE00u, "Env. Reset", "Filter", "FENR" },   // 69
    { 42, 37, 0, 32512, 0, 0, 0xFFFF001Au, 152, 70, 0xE00u, "Base", "Filter", "BASE" },   // 70
    { 42, 38, 0, 32512, 32512, 0, 0xFFFF001Bu, 153, 71, 0xE00u, "Width", "Filter", "WDTH" },   // 71
    { 40, 39, 0, 32512, 0, 0, 0xFFFFFFFFu, 152, 80, 0xE00u, "Delay Time", "Amp", "DEL" },   // 72
    { 40, 40, 0, 32512, 0, 0, 0xFFFF004Fu, 152, 81, 0xE00u, "Attack Time", "Amp", "ATK" },   // 73
    { 40, 41, 0, 32512, 16384, 0, 0xFFFF0050u, 153, 82, 0xE00u, "Hold Time", "Amp", "HOLD" },   // 74
    { 40, 42, 0, 32512, 32512, 0, 0xFFFF0051u, 154, 83, 0xE00u, "Decay Time", "Amp", "DEC" },   // 75
    { 40, 43, 0, 32512, 25600, 0, 0xFFFF0052u, 152, 84, 0xE00u, "Sustain Level", "Amp", "SUS" },   // 76
    { 40, 44, 0, 32512, 8192, 0, 0xFFFF0053u, 152, 85, 0xE00u, "Release Time", "Amp", "REL" },   // 77
    { 40, 45, 0, 32512, 0, 1, 0xFFFF0054u, 156, 87, 0xE00u, "Delay Send", "Amp", "DEL" },   // 78
    { 40, 46, 0, 32512, 0, 1, 0xFFFF0055u, 157, 88, 0xE00u, "Reverb Send", "Amp", "REV" },   // 79
    { 40, 47, 0, 32512, 16384, 0, 0xFFFF000Au, 158, 89, 0xE00u, "Pan", "Amp", "PAN" },   // 80
    { 40, 48, 0, 32512, 28160, 1, 0xFFFF0007u, 159, 90, 0xE00u, "Volume", "Amp", "VOL" },   // 81
    { 40, 49, 0, 256, 256, 1, 0xFFFF0056u, 181, 91, 0xE00u, "Pre/Post FX", "Amp", "ROUT" },   // 82
    { 40, 50, 0, 256, 256, 0, 0xFFFF0057u, 182, 0, 0xE00u, "Mode", "Amp", "MODE" },   // 83
    { 40, 50, 0, 256, 0, 0, 0xFFFF0057u, 182, 92, 0xE00u, "Mode", "Amp", "MODE" },   // 84
    { 40, 51, 0, 256, 256, 0, 0xFFFF0058u, 183, 93, 0xE00u, "Amp Env Reset", "Amp", "AENR" },   // 85
    { 54, 1, 0, 32766, 28672, 1, 0x003C0066u, 160, 210, 0x600u, "Speed", "LFO1", "SPD" },   // 86
    { 54, 2, 0, 5888, 256, 0, 0xFFFF0067u, 161, 211, 0x600u, "Multiplier", "LFO1", "MULT" },   // 87
    { 54, 3, 0, 32512, 16384, 0, 0xFFFF0068u, 162, 212, 0x600u, "Fade In/Out", "LFO1", "FADE" },   // 88
    { 54, 4, 0, 32512, 0, 0, 0xFFFF0069u, 163, 213, 0x20000u, "Destination", "LFO1", "DEST" },   // 89
    { 54, 5, 0, 1536, 256, 0, 0xFFFF006Au, 164, 214, 0x600u, "Waveform", "LFO1", "WAVE" },   // 90
    { 54, 6, 0, 32512, 0, 0, 0xFFFF006Bu, 165, 215, 0x600u, "Start Phase", "LFO1", "SPH" },   // 91
    { 54, 7, 0, 1024, 0, 0, 0xFFFF006Cu, 166, 216, 0x600u, "Trig Mode", "LFO1", "MODE" },   // 92
    { 54, 8, 0, 32766, 16384, 1, 0x003D006Du, 167, 217, 0x600u, "Depth", "LFO1", "DEP" },   // 93
    { 54, 2, 0, 2816, 256, 0, 0xFFFF0067u, 161, 218, 0x600u, "Multiplier", "LFO1", "MULT" },   // 94
    { 55, 9, 0, 32766, 28672, 1, 0x003E0070u, 168, 219, 0x200u, "Speed", "LFO2", "SPD" },   // 95
    { 55, 10, 0, 5888, 768, 0, 0xFFFF0071u, 169, 220, 0x200u, "Multiplier", "LFO2", "MULT" },   // 96
    { 55, 11, 0, 32512, 16384, 0, 0xFFFF0072u, 170, 221, 0x200u, "Fade In/Out", "LFO2", "FADE" },   // 97
    { 55, 12, 0, 32512, 0, 0, 0xFFFF0073u, 171, 222, 0x10000u, "Destination", "LFO2", "DEST" },   // 98
    { 55, 13, 0, 1536, 0, 0, 0xFFFF0074u, 172, 223, 0x200u, "Waveform", "LFO2", "WAVE" },   // 99
    { 55, 14, 0, 32512, 0, 0, 0xFFFF0075u, 173, 224, 0x200u, "Start Phase", "LFO2", "SPH" },   // 100
    { 55, 15, 0, 1024, 0, 0, 0xFFFF0076u, 174, 225, 0x200u, "Trig Mode", "LFO2", "MODE" },   // 101
    { 55, 16, 0, 32766, 16384, 1, 0x003F0077u, 175, 226, 0x200u, "Depth", "LFO2", "DEP" },   // 102
    { 55, 10, 0, 2816, 768, 0, 0xFFFF0071u, 169, 227, 0x200u, "Multiplier", "LFO2", "MULT" },   // 103
    { 45, 17, 0, 32512, 5888, 1, 0xFFFF0015u, 256, 100, 0xE00u, "Delay Time", "Delay", "TIME" },   // 104
    { 45, 18, 0, 256, 0, 1, 0xFFFF0016u, 257, 101, 0xE00u, "Pingpong", "Delay", "X" },   // 105
    { 45, 19, 0, 32512, 16384, 1, 0xFFFF0017u, 258, 102, 0xE00u, "Stereo Width", "Delay", "WID" },   // 106
    { 45, 20, 0, 32512, 8192, 1, 0xFFFF0018u, 259, 103, 0xE00u, "Feedback Gain", "Delay", "FDBK" },   // 107
    { 45, 21, 0, 32512, 8192, 1, 0xFFFF0019u, 260, 104, 0xE00u, "Feedback HPF", "Delay", "HPF" },   // 108
    { 45, 22, 0, 32512, 24576, 1, 0xFFFF001Au, 261, 105, 0xE00u, "Feedback LPF", "Delay", "LPF" },   // 109
    { 45, 23, 0, 32512, 0, 1, 0xFFFF001Bu, 262, 106, 0xE00u, "Reverb Send", "Delay", "REV" },   // 110
    { 45, 24, 0, 32512, 28160, 1, 0xFFFFFFFFu, -1, 0, 0xE00u, "Delay Mix Vol.", "Delay", "DEL" },   // 111
    { 45, 24, 0, 32512, 28160, 1, 0xFFFF001Cu, 263, 107, 0xE00u, "Mix Volume", "Delay", "VOL" },   // 112
    { 45, 25, 0, 256, 256, 0, 0xFFFFFFFFu, -1, 108, 0xE00u, "Delay FX Routing", "Delay", "DEL" },   // 113
    { 44, 27, 0, 32512, 4096, 1, 0xFFFF001Du, 264, 110, 0xE00u, "Pre-delay", "Reverb", "PRE" },   // 114
    { 44, 28, 0, 32512, 7936, 1, 0xFFFF001Eu, 265, 111, 0xE00u, "Decay Time", "Reverb", "DEC" },   // 115
    { 44, 29, 0, 32512, 16384, 1, 0xFFFF001Fu, 266, 112, 0xE00u, "FB Shelving Freq", "Reverb", "FREQ" },   // 116
    { 44, 30, 0, 32512, 12800, 1, 0xFFFF0059u, 267, 113, 0xE00u, "FB Shelving Gain", "Reverb", "GAIN" },   // 117
    { 44, 31, 0, 32512, 8192, 1, 0xFFFF005Au, 268, 114, 0xE00u, "Input HPF", "Reverb", "HPF" },   // 118
    { 44, 32, 0, 32512, 24576, 1, 0xFFFF005Bu, 269, 115, 0xE00u, "Input LPF", "Reverb", "LPF" },   // 119
    { 44, 33, 0, 32512, 28160, 1, 0xFFFFFFFFu, -1, 0, 0xE00u, "Reverb Mix Vol.", "Reverb", "REV" },   // 120
    { 44, 33, 0, 32512, 28160, 1, 0xFFFF005Cu, 271, 116, 0xE00u, "Mix Volume", "Reverb", "VOL" },   // 121
    { 44, 34, 0, 256, 256, 0, 0xFFFFFFFFu, -1, 117, 0xE00u, "Reverb FX Routing", "Reverb", "REV" },   // 122
    { 47, 35, 0, 32512, 0, 1, 0xFFFFFFFFu, -1, 0, 0xE00u, "Input Level", "Ext-in", "IN" },   // 123
    { 47, 35, 0, 32512, 0, 1, 0xFFFF0010u, 286, 170, 0xE00u, "In Left/Right", "Ext-in", "IN LR" },   // 124
    { 47, 37, 0, 32512, 16384, 0, 0xFFFFFFFFu, -1, 0, 0xE00u, "Pan", "Ext-in", "PAN" },   // 125
    { 47, 37, 0, 32512, 16384, 0, 0xFFFF0011u, 288, 172, 0xE00u, "Balance", "Ext-in", "BAL" },   // 126
    { 47, 38, 0, 32512, 0, 1, 0xFFFF0012u, 289, 173, 0xE00u, "Delay Send", "Ext-in", "DEL" },   // 127
    { 47, 40, 0, 32512, 0, 1, 0xFFFF0013u, 291, 175, 0xE00u, "Reverb Send", "Ext-in", "REV" },   // 128
    { 47, 42, 0, 256, 256, 0, 0xFFFFFFFFu, 293, 177, 0xE00u, "Dual Mono", "Ext-in", "DUAL" },   // 129
    { 47, 43, 0, 256, 256, 0, 0xFFFF0014u, 294, 178, 0xE00u, "In FX Routing", "Ext-in", "IN" },   // 130
    { 48, 45, 0, 32512, 32512, 1, 0xFFFF0046u, 148, 180, 0xE00u, "Frequency", "Filter", "FREQ" },   // 131
    { 48, 46, 0, 32512, 0, 1, 0xFFFF0047u, 149, 181, 0xE00u, "Resonance", "Filter", "RESO" },   // 132
    { 48, 44, 0, 1792, 0, 0, 0xFFFF0048u, 150, 182, 0xE00u, "Filter Type", "Filter", "TYPE" },   // 133
    { 48, 47, 0, 32512, 16384, 1, 0xFFFF0049u, -1, 183, 0xE00u, "Env. Depth", "Filter", "ENV" },   // 134
    { 48, 48, 0, 32512, 0, 1, 0xFFFF004Au, -1, 184, 0xE00u, "Env. Delay", "Filter", "DEL" },   // 135
    { 48, 49, 0, 32512, 0, 0, 0xFFFF004Bu, -1, 185, 0xE00u, "Attack Time", "Filter", "ATK" },   // 136
    { 48, 50, 0, 32512, 16384, 0, 0xFFFF004Cu, -1, 186, 0xE00u, "Decay Time", "Filter", "DEC" },   // 137
    { 48, 51, 0, 32512, 0, 0, 0xFFFF004Du, -1, 187, 0xE00u, "Sustain Level", "Filter", "SUS" },   // 138
    { 48, 52, 0, 32512, 16384, 0, 0xFFFF004Eu, -1, 188, 0xE00u, "Release Time", "Filter", "REL" },   // 139
    { 48, 53, 0, 256, 0, 0, 0xFFFF006Fu, 184, 189, 0xE00u, "Env. Reset", "Filter", "FENR" },   // 140
    { 49, 54, 0, 32512, 0, 0, 0xFFFFFFFFu, 151, 190, 0xE00u, "Delay Time", "Amp", "DEL" },   // 141
    { 49, 55, 0, 32512, 0, 0, 0xFFFF004Fu, 152, 191, 0xE00u, "Attack Time", "Amp", "ATK" },   // 142
    { 49, 56, 0, 32512, 32512, 0, 0xFFFF0050u, 153, 192, 0xE00u, "Hold Time", "Amp", "HOLD" },   // 143
    { 49, 57, 0, 32512, 16384, 0, 0xFFFF0051u, 154, 193, 0xE00u, "Decay Time", "Amp", "DEC" },   // 144
    { 49, 58, 0, 32512, 25600, 0, 0xFFFF0052u, 155, 194, 0xE00u, "Sustain Level", "Amp", "SUS" },   // 145
    { 49, 59, 0, 32512, 16384, 0, 0xFFFF0053u, 156, 195, 0xE00u, "Release Time", "Amp", "REL" },   // 146
    { 49, 60, 0, 32512, 16384, 0, 0xFFFF000Fu, 157, 196, 0xE00u, "Drive", "Amp", "DRIVE" },   // 147
    { 49, 61, 0, 32512, 0, 1, 0xFFFF0054u, 158, 197, 0xE00u, "Delay Send", "Amp", "DEL" },   // 148
    { 49, 62, 0, 32512, 0, 1, 0xFFFF0055u, 159, 198, 0xE00u, "Reverb Send", "Amp", "REV" },   // 149
    { 49, 63, 0, 32512, 16384, 0, 0xFFFF000Au, 160, 199, 0xE00u, "Pan", "Amp", "PAN" },   // 150
    { 49, 64, 0, 32512, 28160, 1, 0xFFFF0007u, 161, 200, 0xE00u, "Volume", "Amp", "VOL" },   // 151
    { 49, 66, 0, 32512, 16384, 1, 0xFFFF0056u, 162, 201, 0xE00u, "Env Depth", "Amp", "DEP" },   // 152
    { 49, 65, 0, 512, 0, 0, 0xFFFF0057u, 163, 202, 0xE00u, "Mode", "Amp", "MODE" },   // 153
    { 49, 67, 0, 256, 256, 0, 0xFFFF0058u, 164, 203, 0xE00u, "Amp Env Reset", "Amp", "AENR" },   // 154
    { 0, 18, 10240, 22528, 16384, 1, 0xFFFF0011u, 129, 301, 0xE00u, "Tune", "BDMD", "TUNE" },   // 155
    { 0, 19, 0, 32512, 2560, 0, 0xFFFF0015u, 133, 302, 0xE00u, "Square Modulation", "BDMD", "SMOD" },   // 156
    { 0, 20, 0, 32512, 4096, 0, 0xFFFF0016u, 134, 303, 0xE00u, "Triangle Mod+Fdbk", "BDMD", "TMOD" },   // 157
    { 0, 21, 0, 32512, 4096, 0, 0xFFFF0012u, 130, 304, 0xE00u, "Pitch Sweep", "BDMD", "SWEP" },   // 158
    { 0, 22, 0, 32512, 6144, 0, 0xFFFF0017u, 135, 305, 0xE00u, "Modulation Env", "BDMD", "MENV" },   // 159
    { 0, 23, 0, 256, 0, 0, 0xFFFF0013u, 131, 306, 0xE00u, "Punch", "BDMD", "PNCH" },   // 160
    { 0, 26, 0, 32512, 0, 0, 0xFFFF0018u, 136, 307, 0xE00u, "Overdrive", "BDMD", "OVER" },   // 161
    { 0, 25, 0, 32512, 16384, 0, 0xFFFF0014u, 132, 308, 0xE00u, "Decay", "BDMD", "DEC" },   // 162
    { 1, 18, 10240, 22528, 16384, 1, 0xFFFF0011u, 129, 311, 0xE00u, "Tune", "SDBA", "TUNE" },   // 163
    { 1, 19, 0, 32512, 0, 0, 0xFFFF0015u, 133, 312, 0xE00u, "Inharmonicity", "SDBA", "INHM" },   // 164
    { 1, 20, 0, 32512, 32512, 0, 0xFFFF0016u, 134, 313, 0xE00u, "Mod+Fdbk", "SDBA", "MDFB" },   // 165
    { 1, 21, 0, 32512, 2048, 0, 0xFFFF0012u, 130, 314, 0xE00u, "Pitch Sweep", "SDBA", "SWEP" },   // 166
    { 1, 22, 0, 32512, 0, 0, 0xFFFF0017u, 135, 315, 0xE00u, "Modulation Env", "SDBA", "MENV" },   // 167
    { 1, 23, 0, 256, 0, 0, 0xFFFF0013u, 131, 316, 0xE00u, "Punch", "SDBA", "PNCH" },   // 168
    { 1, 26, 0, 32512, 0, 0, 0xFFFF0018u, 136, 317, 0xE00u, "Overdrive", "SDBA", "OVER" },   // 169
    { 1, 25, 0, 32512, 16384, 0, 0xFFFF0014u, 132, 318, 0xE00u, "Decay", "SDBA", "DEC" },   // 170
    { 2, 18, 10240, 22528, 16384, 1, 0xFFFF0011u, 129, 321, 0xE00u, "Tune", "CYAL", "TUNE" },   // 171
    { 2, 19, 0, 32512, 32512, 0, 0xFFFF0015u, 133, 322, 0xE00u, "Radio", "CYAL", "RADIO" },   // 172
    { 2, 20, 0, 32512, 11776, 0, 0xFFFF0016u, 134, 323, 0xE00u, "Modulation", "CYAL", "MOD" },   // 173
    { 2, 21, 0, 32512, 7168, 0, 0xFFFF0012u, 130, 324, 0xE00u, "Shimmer", "CYAL", "SHIM" },   // 174
    { 2, 22, 0, 32512, 0, 0, 0xFFFF0017u, 135, 325, 0xE00u, "Modulation Env", "CYAL", "MENV" },   // 175
    { 2, 23, 0, 256, 0, 0, 0xFFFF0013u, 131, 326, 0xE00u, "Punch", "CYAL", "PNCH" },   // 176
    { 2, 26, 0, 32512, 0, 0, 0xFFFF0018u, 136, 327, 0xE00u, "Overdrive", "CYAL", "OVER" },   // 177
    { 2, 25, 0, 32512, 4608, 0, 0xFFFF0014u, 132, 328, 0xE00u, "Decay", "CYAL", "DEC" },   // 178
    { 3, 18, 10240, 22528, 13312, 1, 0xFFFF0011u, 129, 331, 0xE00u, "Tune", "PCCA", "TUNE" },   // 179
    { 3, 19, 0, 32512, 0, 0, 0xFFFF0015u, 133, 332, 0xE00u, "Inharmonicity", "PCCA", "INHM" },   // 180
    { 3, 20, 0, 32512, 6656, 0, 0xFFFF0016u, 134, 333, 0xE00u, "Modulation", "PCCA", "MOD" },   // 181
    { 3, 21, 0, 32512, 8960, 0, 0xFFFF0012u, 130, 334, 0xE00u, "Pitch Sweep", "PCCA", "SWEP" },   // 182
    { 3, 22, 0, 32512, 20480, 0, 0xFFFF0017u, 135, 335, 0xE00u, "Modulation Env", "PCCA", "MENV" },   // 183
    { 3, 23, 0, 256, 0, 0, 0xFFFF0013u, 131, 336, 0xE00u, "Punch", "PCCA", "PNCH" },   // 184
    { 3, 26, 0, 32512, 0, 0, 0xFFFF0018u, 136, 337, 0xE00u, "Overdrive", "PCCA", "OVER" },   // 185
    { 3, 25, 0, 32512, 8192, 0, 0xFFFF0014u, 132, 338, 0xE00u, "Decay", "PCCA", "DEC" },   // 186
    { 4, 18, 10240, 22528, 13312, 1, 0xFFFF0011u, 129, 341, 0xE00u, "Tune", "SYTN", "TUNE" },   // 187
    { 4, 19, 0, 32512, 1024, 0, 0xFFFF0012u, 130, 342, 0xE00u, "Mod Ratio", "SYTN", "RATIO" },   // 188
    { 4, 20, 0, 32512, 19200, 0, 0xFFFF0016u, 134, 343, 0xE00u, "Modulation", "SYTN", "MOD" },   // 189
    { 4, 21, 0, 32512, 10496, 0, 0xFFFF0015u, 133, 344, 0xE00u, "Feedback", "SYTN", "FDBK" },   // 190
    { 4, 22, 0, 32512, 19456, 0, 0xFFFF0017u, 135, 345, 0xE00u, "Modulation Env", "SYTN", "MENV" },   // 191
    { 4, 23, 0, 256, 0, 0, 0xFFFF0013u, 131, 346, 0xE00u, "Punch", "SYTN", "PNCH" },   // 192
    { 4, 26, 0, 32512, 0, 0, 0xFFFF0018u, 136, 347, 0xE00u, "Overdrive", "SYTN", "OVER" },   // 193
    { 4, 25, 0, 32512, 32512, 0, 0xFFFF0014u, 132, 348, 0xE00u, "Decay", "SYTN", "DEC" },   // 194
    { 5, 18, 10240, 22528, 16384, 1, 0xFFFF0011u, 129, 351, 0xE00u, "Tune", "SYCH", "TUNE" },   // 195
    { 5, 19, 0, 32512, 24576, 0, 0xFFFF0016u, 134, 352, 0xE00u, "Chord/Osc Balance", "SYCH", "BAL" },   // 196
    { 5, 20, 0, 9472, 768, 0, 0xFFFF0015u, 133, 353, 0xE00u, "Mode/Chord", "SYCH", "TYPE" },   // 197
    { 5, 21, 0, 32512, 2560, 0, 0xFFFF0012u, 130, 354, 0xE00u, "Waveform", "SYCH", "WAVE" },   // 198
    { 5, 22, 0, 32512, 16384, 0, 0xFFFF0017u, 135, 355, 0xE00u, "Filter Envelope", "SYCH", "FENV" },   // 199
    { 5, 23, 0, 256, 0, 0, 0xFFFF0013u, 131, 356, 0xE00u, "Punch", "SYCH", "PNCH" },   // 200
    { 5, 26, 0, 32512, 0, 0, 0xFFFF0018u, 136, 357, 0xE00u, "Overdrive", "SYCH", "OVER" },   // 201
    { 5, 25, 0, 32512, 32512, 0, 0xFFFF0014u, 132, 358, 0xE00u, "Decay", "SYCH", "DEC" },   // 202
    { 6, 18, 10240, 22528, 16384, 1, 0xFFFF0011u, 129, 361, 0xE00u, "Tune", "SDVN", "TUNE" },   // 203
    { 6, 19, 0, 32512, 0, 0, 0xFFFF0015u, 133, 362, 0xE00u, "Inharmonicity", "SDVN", "INHM" },   // 204
    { 6, 20, 0, 32512, 28160, 0, 0xFFFF0016u, 134, 363, 0xE00u, "Freq. Complexity", "SDVN", "FCMP" },   // 205
    { 6, 21, 0, 32512, 18944, 0, 0xFFFF0012u, 130, 364, 0xE00u, "Pitch Sweep", "SDVN", "SWEP" },   // 206
    { 6, 22, 0, 32512, 20480, 0, 0xFFFF0017u, 135, 365, 0xE00u, "Modulation Env", "SDVN", "MENV" },   // 207
    { 6, 23, 0, 256, 0, 0, 0xFFFF0013u, 131, 366, 0xE00u, "Punch", "SDVN", "PNCH" },   // 208
    { 6, 26, 0, 32512, 0, 0, 0xFFFF0018u, 136, 367, 0xE00u, "Overdrive", "SDVN", "OVER" },   // 209
    { 6, 25, 0, 32512, 8448, 0, 0xFFFF0014u, 132, 368, 0xE00u, "Decay", "SDVN", "DEC" },   // 210
    { 7, 18, 10240, 22528, 16384, 1, 0xFFFF0011u, 129, 371, 0xE00u, "Tune", "CPVN", "TUNE" },   // 211
    { 7, 19, 0, 32512, 6144, 0, 0xFFFF0016u, 134, 372, 0xE00u, "Body Character", "CPVN", "BODY" },   // 212
    { 7, 20, 0, 32512, 6400, 0, 0xFFFF0015u, 133, 373, 0xE00u, "Balance", "CPVN", "BAL" },   // 213
    { 7, 21, 0, 32512, 11776, 0, 0xFFFF0012u, 130, 374, 0xE00u, "Spacing/Crunch", "CPVN", "SPCR" },   // 214
    { 7, 22, 0, 32512, 9472, 0, 0xFFFF0017u, 135, 375, 0xE00u, "Body Envelope", "CPVN", "BENV" },   // 215
    { 7, 23, 0, 256, 0, 0, 0xFFFF0013u, 131, 376, 0xE00u, "Punch", "CPVN", "PNCH" },   // 216
    { 7, 26, 0, 32512, 0, 0, 0xFFFF0018u, 136, 377, 0xE00u, "Overdrive", "CPVN", "OVER" },   // 217
    { 7, 25, 0, 32512, 8192, 0, 0xFFFF0014u, 132, 378, 0xE00u, "Decay", "CPVN", "DEC" },   // 218
    { 36, 18, 10240, 22528, 16384, 1, 0xFFFF0011u, 129, 380, 0xE00u, "Tune", "TOY", "TUNE" },   // 219
    { 36, 19, 0, 32512, 6144, 0, 0xFFFF0012u, 130, 381, 0xE00u, "Form", "TOY", "FORM" },   // 220
    { 36, 20, 0, 32512, 15360, 0, 0xFFFF0015u, 133, 382, 0xE00u, "Impact", "TOY", "IMP" },   // 221
    { 36, 21, 0, 32512, 28160, 0, 0xFFFF0016u, 134, 383, 0xE00u, "Brightness", "TOY", "BRIG" },   // 222
    { 36, 22, 0, 32512, 16384, 0, 0xFFFF0017u, 135, 384, 0xE00u, "Partial Decay", "TOY", "PART" },   // 223
    { 36, 23, 0, 256, 0, 0, 0xFFFF0013u, 131, 385, 0xE00u, "Punch", "TOY", "PNCH" },   // 224
    { 36, 26, 0, 32512, 0, 0, 0xFFFF0018u, 136, 386, 0xE00u, "Overdrive", "TOY", "OVER" },   // 225
    { 36, 25, 0, 32512, 15360, 0, 0xFFFF0014u, 132, 387, 0xE00u, "Decay", "TOY", "DEC" },   // 226
    { 37, 18, 10240, 22528, 16384, 1, 0xFFFF0011u, 129, 390, 0xE00u, "Tune", "BITS", "TUNE" },   // 227
    { 37, 19, 10240, 22528, 13312, 1, 0xFFFF0012u, 130, 391, 0xE00u, "Detune", "BITS", "DET" },   // 228
    { 37, 20, 0, 32512, 26112, 0, 0xFFFF0013u, 131, 392, 0xE00u, "Balance", "BITS", "BAL" },   // 229
    { 37, 21, 0, 32512, 0, 0, 0xFFFF0016u, 134, 393, 0xE00u, "Sample Rate Redux", "BITS", "SRR" },   // 230
    { 37, 22, 0, 32512, 5376, 0, 0xFFFF0015u, 133, 394, 0xE00u, "Waveform", "BITS", "WAVE" },   // 231
    { 37, 23, 0, 32512, 0, 0, 0xFFFF0017u, 135, 395, 0xE00u, "Bit Redux", "BITS", "BR" },   // 232
    { 37, 26, 0, 32512, 0, 0, 0xFFFF0018u, 136, 396, 0xE00u, "Overdrive", "BITS", "OVER" },   // 233
    { 37, 25, 0, 32512, 15360, 0, 0xFFFF0014u, 132, 397, 0xE00u, "Decay", "BITS", "DEC" },   // 234
    { 38, 18, 10240, 22528, 16384, 1, 0xFFFF0011u, 129, 700, 0xE00u, "Tune", "SSAW", "TUNE" },   // 235
    { 38, 19, 0, 32512, 5120, 1, 0xFFFF0015u, 133, 701, 0xE00u, "Noise Modulation", "SSAW", "NMOD" },   // 236
    { 38, 20, 0, 32512, 3840, 0, 0xFFFF0016u, 134, 702, 0xE00u, "Detune Animation", "SSAW", "ANIM" },   // 237
    { 38, 21, 0, 32512, 17920, 0, 0xFFFF0012u, 130, 703, 0xE00u, "Detune", "SSAW", "DET" },   // 238
    { 38, 22, 0, 32512, 32512, 0, 0xFFFF0013u, 131, 704, 0xE00u, "Oscillator Mix", "SSAW", "MIX" },   // 239
    { 38, 23, 0, 512, 512, 0, 0xFFFF0017u, 135, 705, 0xE00u, "Fundamental Sub", "SSAW", "SUB" },   // 240
    { 38, 26, 0, 32512, 0, 0, 0xFFFF0018u, 136, 706, 0xE00u, "Overdrive", "SSAW", "OVER" },   // 241
    { 38, 25, 0, 32512, 19200, 0, 0xFFFF0014u, 132, 707, 0xE00u, "Decay", "SSAW", "DEC" },   // 242
    { 51, 17, 0, 3840, 0, 0, 0xFFFFFFFFu, -1, 120, 0xE00u, "Channel", "Src", "CHAN" },   // 243
    { 51, 18, 0, 32512, 0, 0, 0xFFFFFFFFu, -1, 121, 0xE00u, "Bank", "Src", "BANK" },   // 244
    { 51, 19, 0, 32512, 0, 0, 0xFFFFFFFFu, -1, 122, 0xE00u, "Program", "Src", "PROG" },   // 245
    { 51, 21, 0, 16384, 8192, 1, 0xFFFFFFFFu, -1, 123, 0xE00u, "Pitch Bend", "Src", "PB" },   // 246
    { 51, 22, 0, 32512, 0, 0, 0xFFFFFFFFu, -1, 124, 0xE00u, "Aftertouch", "Src", "AT" },   // 247
    { 51, 23, 0, 32512, 0, 0, 0xFFFFFFFFu, -1, 125, 0xE00u, "Mod Wheel", "Src", "MW" },   // 248
    { 51, 24, 0, 32512, 0, 0, 0xFFFFFFFFu, -1, 126, 0xE00u, "Breath Controller", "Src", "BC" },   // 249
    { 51, 20, 0, 32512, 0, 0, 0xFFFFFFFFu, -1, 127, 0xE00u, "Sub Bank", "Src", "SBNK" },   // 250
    { 52, 25, 0, 32512, 0, 0, 0xFFFF0046u, 144, 130, 0xE00u, "CC1 Value", "CC", "VAL1" },   // 251
    { 52, 26, 0, 32512, 0, 0, 0xFFFF0047u, 145, 131, 0xE00u, "CC2 Value", "CC", "VAL2" },   // 252
    { 52, 27, 0, 32512, 0, 0, 0xFFFF0048u, 146, 132, 0xE00u, "CC3 Value", "CC", "VAL3" },   // 253
    { 52, 28, 0, 32512, 0, 0, 0xFFFF0049u, 147, 133, 0xE00u, "CC4 Value", "CC", "VAL4" },   // 254
    { 52, 29, 0, 32512, 0, 0, 0xFFFF004Au, 148, 134, 0xE00u, "CC5 Value", "CC", "VAL5" },   // 255
    { 52, 30, 0, 32512, 0, 0, 0xFFFF004Bu, 149, 135, 0xE00u, "CC6 Value", "CC", "VAL6" },   // 256
    { 52, 31, 0, 32512, 0, 0, 0xFFFF004Cu, 150, 136, 0xE00u, "CC7 Value", "CC", "VAL7" },   // 257
    { 52, 32, 0, 32512, 0, 0, 0xFFFF004Du, 151, 137, 0xE00u, "CC8 Value", "CC", "VAL8" },   // 258
    { 53, 33, 256, 30464, 17920, 0, 0xFFFFFFFFu, -1, 140, 0xE00u, "CC1 Select", "", "SEL1" },   // 259
    { 53, 34, 256, 30464, 18176, 0, 0xFFFFFFFFu, -1, 141, 0xE00u, "CC2 Select", "", "SEL2" },   // 260
    { 53, 35, 256, 30464, 18432, 0, 0xFFFFFFFFu, -1, 142, 0xE00u, "CC3 Select", "", "SEL3" },   // 261
    { 53, 36, 256, 30464, 18688, 0, 0xFFFFFFFFu, -1, 143, 0xE00u, "CC4 Select", "", "SEL4" },   // 262
    { 53, 37, 256, 30464, 18944, 0, 0xFFFFFFFFu, -1, 144, 0xE00u, "CC5 Select", "", "SEL5" },   // 263
    { 53, 38, 256, 30464, 19200, 0, 0xFFFFFFFFu, -1, 145, 0xE00u, "CC6 Select", "", "SEL6" },   // 264
    { 53, 39, 256, 30464, 19456, 0, 0xFFFFFFFFu, -1, 146, 0xE00u, "CC7 Select", "", "SEL7" },   // 265
    { 53, 40, 256, 30464, 19712, 0, 0xFFFFFFFFu, -1, 147, 0xE00u, "CC8 Select", "", "SEL8" },   // 266
    { 8, 18, 10240, 22528, 15488, 1, 0xFFFF0011u, 129, 400, 0xE00u, "Tune", "BDHD", "TUNE" },   // 267
    { 8, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 401, 0xE00u, "Overdrive", "BDHD", "OVER" },   // 268
    { 8, 20, 0, 32512, 8448, 0, 0xFFFF0016u, 134, 402, 0xE00u, "Hold Time", "BDHD", "HOLD" },   // 269
    { 8, 19, 0, 32512, 12288, 0, 0xFFFF0014u, 132, 403, 0xE00u, "Decay Time", "BDHD", "DEC" },   // 270
    { 8, 21, 0, 32512, 23040, 0, 0xFFFF0012u, 130, 404, 0xE00u, "Sweep Time", "BDHD", "STIM" },   // 271
    { 8, 22, 0, 32512, 1536, 0, 0xFFFF0013u, 131, 405, 0xE00u, "Snap Amount", "BDHD", "SNAP" },   // 272
    { 8, 23, 0, 512, 0, 0, 0xFFFF0015u, 133, 406, 0xE00u, "Waveform", "BDHD", "WAVE" },   // 273
    { 8, 24, 0, 32512, 16384, 0, 0xFFFF0017u, 135, 407, 0xE00u, "Tick Level", "BDHD", "TICK" },   // 274
    { 9, 18, 10240, 22528, 14848, 1, 0xFFFF0011u, 129, 410, 0xE00u, "Tune", "BDCL", "TUNE" },   // 275
    { 9, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 411, 0xE00u, "Overdrive", "BDCL", "OVER" },   // 276
    { 9, 20, 0, 32512, 8192, 0, 0xFFFF0016u, 134, 412, 0xE00u, "Hold Time", "BDCL", "HOLD" },   // 277
    { 9, 19, 0, 32512, 8192, 0, 0xFFFF0014u, 132, 413, 0xE00u, "Decay Time", "BDCL", "DEC" },   // 278
    { 9, 21, 0, 32512, 16384, 0, 0xFFFF0012u, 130, 414, 0xE00u, "Sweep Time", "BDCL", "STIM" },   // 279
    { 9, 22, 0, 32512, 10752, 0, 0xFFFF0013u, 131, 415, 0xE00u, "Sweep Depth", "BDCL", "SDEP" },   // 280
    { 9, 23, 0, 512, 256, 0, 0xFFFF0015u, 133, 416, 0xE00u, "Waveform", "BDCL", "WAVE" },   // 281
    { 9, 24, 0, 14080, 4352, 0, 0xFFFF0017u, 135, 417, 0xE00u, "Transient", "BDCL", "TRAN" },   // 282
    { 10, 18, 10240, 22528, 14848, 1, 0xFFFF0011u, 129, 420, 0xE00u, "Tune", "BDFM", "TUNE" },   // 283
    { 10, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 421, 0xE00u, "Overdrive", "BDFM", "OVER" },   // 284
    { 10, 20, 0, 32512, 8192, 0, 0xFFFF0017u, 135, 422, 0xE00u, "FM Amount", "BDFM", "FM A" },   // 285
    { 10, 19, 0, 32512, 8192, 0, 0xFFFF0014u, 132, 423, 0xE00u, "Decay Time", "BDFM", "DEC" },   // 286
    { 10, 21, 0, 32512, 12288, 0, 0xFFFF0012u, 130, 424, 0xE00u, "Sweep Time", "BDFM", "STIM" },   // 287
    { 10, 22, 0, 32512, 8192, 0, 0xFFFF0016u, 134, 425, 0xE00u, "FM Sweep Time", "BDFM", "FM S" },   // 288
    { 10, 23, 0, 32512, 12288, 0, 0xFFFF0013u, 131, 426, 0xE00u, "FM Decay Time", "BDFM", "FM D" },   // 289
    { 10, 24, 0, 32512, 8192, 0, 0xFFFF0015u, 133, 427, 0xE00u, "FM Tune", "BDFM", "FM T" },   // 290
    { 11, 18, 10240, 22528, 14848, 1, 0xFFFF0011u, 129, 430, 0xE00u, "Tune", "BDPL", "TUNE" },   // 291
    { 11, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 431, 0xE00u, "Overdrive", "BDPL", "OVER" },   // 292
    { 11, 20, 0, 256, 256, 0, 0xFFFF0015u, 133, 432, 0xE00u, "Mod Type", "BDPL", "TYPE" },   // 293
    { 11, 19, 0, 32512, 20480, 0, 0xFFFF0014u, 132, 433, 0xE00u, "Decay Time", "BDPL", "DEC" },   // 294
    { 11, 24, 0, 32512, 16384, 0, 0xFFFF0017u, 135, 434, 0xE00u, "Tick Level", "BDPL", "TICK" },   // 295
    { 11, 21, 0, 32512, 8192, 0, 0xFFFF0016u, 134, 435, 0xE00u, "Mod Level", "BDPL", "MOD" },   // 296
    { 11, 23, 0, 32512, 25600, 0, 0xFFFF0013u, 131, 436, 0xE00u, "Sweep Depth", "BDPL", "SDEP" },   // 297
    { 11, 22, 0, 32512, 16384, 0, 0xFFFF0012u, 130, 437, 0xE00u, "Sweep Time", "BDPL", "STIM" },   // 298
    { 12, 18, 10240, 22528, 14848, 1, 0xFFFF0011u, 129, 440, 0xE00u, "Tune", "BDSI", "TUNE" },   // 299
    { 12, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 441, 0xE00u, "Overdrive", "BDSI", "OVER" },   // 300
    { 12, 20, 0, 32512, 8192, 0, 0xFFFF0016u, 134, 442, 0xE00u, "Hold Time", "BDSI", "HOLD" },   // 301
    { 12, 19, 0, 32512, 16384, 0, 0xFFFF0014u, 132, 443, 0xE00u, "Decay Time", "BDSI", "DEC" },   // 302
    { 12, 24, 0, 32512, 25600, 0, 0xFFFF0017u, 135, 444, 0xE00u, "VCO Click", "BDSI", "CLIK" },   // 303
    { 12, 23, 0, 32512, 16384, 0, 0xFFFF0015u, 133, 445, 0xE00u, "Dust Level", "BDSI", "DUST" },   // 304
    { 12, 22, 0, 32512, 16384, 0, 0xFFFF0013u, 131, 446, 0xE00u, "Sweep Depth", "BDSI", "SDEP" },   // 305
    { 12, 21, 0, 32512, 16384, 0, 0xFFFF0012u, 130, 447, 0xE00u, "Sweep Time", "BDSI", "STIM" },   // 306
    { 13, 18, 10240, 22528, 14848, 1, 0xFFFF0011u, 129, 450, 0xE00u, "Tune", "BDSH", "TUNE" },   // 307
    { 13, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 451, 0xE00u, "Overdrive", "BDSH", "OVER" },   // 308
    { 13, 20, 0, 32512, 8192, 0, 0xFFFF0016u, 134, 452, 0xE00u, "Hold Time", "BDSH", "HOLD" },   // 309
    { 13, 19, 0, 32512, 20480, 0, 0xFFFF0014u, 132, 453, 0xE00u, "Decay Time", "BDSH", "DEC" },   // 310
    { 13, 24, 0, 32512, 16384, 0, 0xFFFF0017u, 135, 454, 0xE00u, "Tick Level", "BDSH", "TICK" },   // 311
    { 13, 23, 0, 2304, 0, 0, 0xFFFF0015u, 133, 455, 0xE00u, "Waveform", "BDSH", "WAVE" },   // 312
    { 13, 22, 0, 32512, 25600, 0, 0xFFFF0013u, 131, 456, 0xE00u, "Sweep Depth", "BDSH", "SDEP" },   // 313
    { 13, 21, 0, 32512, 25600, 0, 0xFFFF0012u, 130, 457, 0xE00u, "Sweep Time", "BDSH", "STIM" },   // 314
    { 14, 20, 0, 32512, 32512, 0, 0xFFFF0013u, 131, 460, 0xE00u, "Sweep Depth", "SDHD", "SDEP" },   // 315
    { 14, 19, 0, 32512, 19456, 0, 0xFFFF0014u, 132, 461, 0xE00u, "Decay Time", "SDHD", "DEC" },   // 316
    { 14, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 462, 0xE00u, "Overdrive", "SDHD", "OVER" },   // 317
    { 14, 21, 0, 32512, 16384, 0, 0xFFFF0015u, 133, 463, 0xE00u, "Tick Level", "SDHD", "TICK" },   // 318
    { 14, 22, 0, 32512, 8192, 0, 0xFFFF0016u, 134, 464, 0xE00u, "Noise Decay", "SDHD", "NDEC" },   // 319
    { 14, 23, 0, 32512, 16384, 0, 0xFFFF0017u, 135, 465, 0xE00u, "Noise Level", "SDHD", "NLEV" },   // 320
    { 14, 18, 10240, 22528, 16384, 1, 0xFFFF0011u, 129, 466, 0xE00u, "Tune", "SDHD", "TUNE" },   // 321
    { 14, 24, 0, 32512, 11008, 0, 0xFFFF0012u, 130, 467, 0xE00u, "Sweep Time", "SDHD", "STIM" },   // 322
    { 15, 18, 10240, 22528, 14848, 1, 0xFFFF0011u, 129, 470, 0xE00u, "Tune", "SDCL", "TUNE" },   // 323
    { 15, 24, 0, 32512, 2304, 0, 0xFFFF0013u, 131, 471, 0xE00u, "Osc Balance", "SDCL", "BAL" },   // 324
    { 15, 20, 0, 32512, 16384, 0, 0xFFFF0012u, 130, 472, 0xE00u, "Detune", "SDCL", "DET" },   // 325
    { 15, 19, 0, 32512, 12288, 0, 0xFFFF0014u, 132, 473, 0xE00u, "Decay Time", "SDCL", "DEC" },   // 326
    { 15, 22, 0, 32512, 19200, 0, 0xFFFF0016u, 134, 474, 0xE00u, "Noise Decay", "SDCL", "NDEC" },   // 327
    { 15, 21, 0, 32512, 24576, 0, 0xFFFF0015u, 133, 475, 0xE00u, "Snap Amount", "SDCL", "SNAP" },   // 328
    { 15, 23, 0, 32512, 28160, 0, 0xFFFF0017u, 135, 476, 0xE00u, "Noise Level", "SDCL", "NLEV" },   // 329
    { 15, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 477, 0xE00u, "Overdrive", "SDCL", "OVER" },   // 330
    { 16, 18, 10240, 22528, 14848, 1, 0xFFFF0011u, 129, 480, 0xE00u, "Tune", "SDFM", "TUNE" },   // 331
    { 16, 24, 0, 32512, 32512, 0, 0xFFFF0015u, 133, 481, 0xE00u, "FM Amount", "SDFM", "FM A" },   // 332
    { 16, 20, 0, 32512, 22528, 0, 0xFFFF0012u, 130, 482, 0xE00u, "FM Tune", "SDFM", "FM T" },   // 333
    { 16, 19, 0, 32512, 16384, 0, 0xFFFF0014u, 132, 483, 0xE00u, "Decay Time", "SDFM", "DEC" },   // 334
    { 16, 22, 0, 32512, 8192, 0, 0xFFFF0016u, 134, 484, 0xE00u, "Noise Decay", "SDFM", "NDEC" },   // 335
    { 16, 21, 0, 32512, 16384, 0, 0xFFFF0013u, 131, 485, 0xE00u, "FM Decay Time", "SDFM", "FM D" },   // 336
    { 16, 23, 0, 32512, 16384, 0, 0xFFFF0017u, 135, 486, 0xE00u, "Noise Level", "SDFM", "NLEV" },   // 337
    { 16, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 487, 0xE00u, "Overdrive", "SDFM", "OVER" },   // 338
    { 17, 18, 10240, 22528, 17920, 1, 0xFFFF0011u, 129, 490, 0xE00u, "Tune", "SDNA", "TUNE" },   // 339
    { 17, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 491, 0xE00u, "Overdrive", "SDNA", "OVER" },   // 340
    { 17, 19, 0, 32512, 23040, 0, 0xFFFF0014u, 132, 492, 0xE00u, "Body Decay", "SDNA", "DEC" },   // 341
    { 17, 20, 0, 32512, 8192, 0, 0xFFFF0012u, 130, 493, 0xE00u, "Noise Decay", "SDNA", "NDEC" },   // 342
    { 17, 22, 0, 32512, 23040, 0, 0xFFFF0016u, 134, 494, 0xE00u, "Noise LPF", "SDNA", "LPF" },   // 343
    { 17, 21, 0, 32512, 16384, 0, 0xFFFF0013u, 131, 495, 0xE00u, "Noise Balance", "SDNA", "BAL" },   // 344
    { 17, 24, 0, 32512, 8192, 0, 0xFFFF0017u, 135, 496, 0xE00u, "Noise Reso", "SDNA", "RESO" },   // 345
    { 17, 23, 0, 32512, 8192, 0, 0xFFFF0015u, 133, 497, 0xE00u, "Noise HPF", "SDNA", "HPF" },   // 346
    { 18, 20, 0, 32512, 32512, 0, 0xFFFF0013u, 131, 500, 0xE00u, "Sweep Depth", "RSHD", "SDEP" },   // 347
    { 18, 19, 0, 32512, 13312, 0, 0xFFFF0014u, 132, 501, 0xE00u, "Decay Time", "RSHD", "DEC" },   // 348
    { 18, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 502, 0xE00u, "Overdrive", "RSHD", "OVER" },   // 349
    { 18, 21, 0, 32512, 12288, 0, 0xFFFF0016u, 134, 503, 0xE00u, "Tick Level", "RSHD", "TICK" },   // 350
    { 18, 22, 0, 32512, 2048, 0, 0xFFFF0017u, 135, 504, 0xE00u, "Noise Level", "RSHD", "NLEV" },   // 351
    { 18, 23, 0, 32512, 16384, 0, 0xFFFF0015u, 133, 505, 0xE00u, "Symmetry", "RSHD", "SYM" },   // 352
    { 18, 18, 10240, 22528, 16384, 1, 0xFFFF0011u, 129, 506, 0xE00u, "Tune", "RSHD", "TUNE" },   // 353
    { 18, 24, 0, 32512, 8704, 0, 0xFFFF0012u, 130, 507, 0xE00u, "Sweep Time", "RSHD", "STIM" },   // 354
    { 19, 20, 0, 32512, 16384, 0, 0xFFFF0013u, 131, 510, 0xE00u, "Osc Balance", "RSCL", "BAL" },   // 355
    { 19, 19, 0, 32512, 16384, 0, 0xFFFF0014u, 132, 511, 0xE00u, "Decay Time", "RSCL", "DEC" },   // 356
    { 19, 18, 10240, 22528, 16384, 1, 0xFFFF0011u, 129, 512, 0xE00u, "Tune Osc1", "RSCL", "TUN1" },   // 357
    { 19, 21, 8192, 24576, 16384, 1, 0xFFFF0012u, 130, 513, 0xE00u, "Tune Osc2", "RSCL", "TUN2" },   // 358
    { 19, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 514, 0xE00u, "Overdrive", "RSCL", "OVER" },   // 359
    { 19, 24, 0, 32512, 16384, 0, 0xFFFF0016u, 134, 515, 0xE00u, "Tick Level", "RSCL", "TICK" },   // 360
    { 19, 23, 0, 32512, 4096, 0, 0xFFFF0017u, 135, 516, 0xE00u, "Noise Level", "RSCL", "NLEV" },   // 361
    { 19, 22, 0, 32512, 16384, 0, 0xFFFF0015u, 133, 517, 0xE00u, "Symmetry", "RSCL", "SYM" },   // 362
    { 20, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 520, 0xE00u, "Overdrive", "DUAL", "OVER" },   // 363
    { 20, 22, 0, 32512, 16384, 0, 0xFFFF0017u, 135, 521, 0xE00u, "Balance", "DUAL", "BAL" },   // 364
    { 20, 18, 10240, 22528, 16384, 1, 0xFFFF0011u, 129, 522, 0xE00u, "Osc 1 Tune", "DUAL", "TUNE" },   // 365
    { 20, 20, 12288, 20480, 13312, 1, 0xFFFF0012u, 130, 523, 0xE00u, "Osc 2 Detune", "DUAL", "DET" },   // 366
    { 20, 24, 0, 20224, 4096, 0, 0xFFFF0015u, 133, 524, 0xE00u, "Osc Config", "DUAL", "CNFG" },   // 367
    { 20, 21, 0, 32512, 32512, 0, 0xFFFF0014u, 132, 525, 0xE00u, "Osc 2 Decay", "DUAL", "DEC2" },   // 368
    { 20, 23, 0, 32512, 16384, 0, 0xFFFF0016u, 134, 526, 0xE00u, "Bend", "DUAL", "BEND" },   // 369
    { 20, 19, 0, 32512, 32512, 0, 0xFFFF0013u, 131, 527, 0xE00u, "Osc 1 Decay", "DUAL", "DEC1" },   // 370
    { 21, 17, 0, 32512, 0, 0, 0xFFFF0010u, 128, 530, 0xE00u, "Overdrive", "CPCL", "OVER" },   // 371
    { 21, 19, 0, 32512, 14080, 0, 0xFFFF0012u, 130, 531, 0xE00u, "Noise Decay", "CPCL", "NDEC" },   // 372
    { 21, 21, 0, 32512, 21760, 0, 0xFFFF0014u, 132, 532, 0xE00u, "Clap Rate", "CPCL", "RATE" },   // 373
    { 21, 20, 0, 32512, 512, 0, 0xFFFF0013u, 131, 533, 0xE00u, "Clap Number", "CPCL", "NUM" },   // 374
    { 21, 18, 0, 32512, 16384, 0, 0xFFFF0011u, 129, 534, 0xE00u, "Noise Tone", "CPCL", "TONE" },   // 375
    { 21, 22, 0, 32512, 23040, 0, 0xFFFF0015u, 133, 535, 0xE00u, "Noise Level", "CPCL", "NLEV" },   // 376
    { 21, 23, 0, 32512, 8192, 0, 0xFFFF0016u, 134, 536, 0xE00u, "Random Claps", "CPCL", "RAND" },   // 377
    { 21, 24, 0, 32512, 23040, 0, 0xFFFF0017u, 135, 537, 0xE00u, "Clap Decay", "CPCL", "CDEC" },   // 378
    { 22, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 540, 0xE00u, "Overdrive", "CHCL", "OVER" },   // 379
    { 22, 19, 0, 32512, 8192, 0, 0xFFFF0014u, 132, 541, 0xE00u, "Decay Time", "CHCL", "DEC" },   // 380
    { 22, 18, 0, 32512, 16384, 0, 0xFFFF0011u, 129, 542, 0xE00u, "Tune", "CHCL", "TUNE" },   // 381
    { 22, 20, 0, 32512, 16384, 0, 0xFFFF0017u, 135, 543, 0xE00u, "Noise Color", "CHCL", "NCOL" },   // 382
    { 23, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 550, 0xE00u, "Overdrive", "OHCL", "OVER" },   // 383
    { 23, 19, 0, 32512, 8192, 0, 0xFFFF0014u, 132, 551, 0xE00u, "Decay Time", "OHCL", "DEC" },   // 384
    { 23, 18, 0, 32512, 16384, 0, 0xFFFF0011u, 129, 552, 0xE00u, "Tune", "OHCL", "TUNE" },   // 385
    { 23, 20, 0, 32512, 16384, 0, 0xFFFF0017u, 135, 553, 0xE00u, "Noise Color", "OHCL", "NCOL" },   // 386
    { 24, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 560, 0xE00u, "Overdrive", "CYCL", "OVER" },   // 387
    { 24, 18, 0, 32512, 16384, 0, 0xFFFF0011u, 129, 561, 0xE00u, "Tune", "CYCL", "TUNE" },   // 388
    { 24, 19, 0, 32512, 16384, 0, 0xFFFF0014u, 132, 562, 0xE00u, "Decay", "CYCL", "DEC" },   // 389
    { 24, 20, 0, 32512, 16384, 0, 0xFFFF0017u, 135, 563, 0xE00u, "Noise Color", "CYCL", "NCOL" },   // 390
    { 24, 21, 0, 32512, 16384, 0, 0xFFFF0012u, 130, 564, 0xE00u, "Tone", "CYCL", "TONE" },   // 391
    { 25, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 570, 0xE00u, "Overdrive", "CBCL", "OVER" },   // 392
    { 25, 19, 0, 32512, 5120, 0, 0xFFFF0014u, 132, 571, 0xE00u, "Decay Time", "CBCL", "DEC" },   // 393
    { 25, 18, 0, 32512, 16640, 0, 0xFFFF0011u, 129, 572, 0xE00u, "Tune", "CBCL", "TUNE" },   // 394
    { 25, 20, 0, 32512, 13824, 0, 0xFFFF0015u, 133, 573, 0xE00u, "Detune", "CBCL", "DET" },   // 395
    { 26, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 580, 0xE00u, "Overdrive", "CHMT", "OVER" },   // 396
    { 26, 19, 0, 32512, 10240, 0, 0xFFFF0014u, 132, 581, 0xE00u, "Decay Time", "CHMT", "DEC" },   // 397
    { 26, 18, 0, 32512, 16384, 0, 0xFFFF0011u, 129, 582, 0xE00u, "Tune", "CHMT", "TUNE" },   // 398
    { 26, 20, 0, 32512, 32512, 0, 0xFFFFFFFFu, -1, 583, 0xE00u, "Color", "CHMT", "COL" },   // 399
    { 27, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 590, 0xE00u, "Overdrive", "OHMT", "OVER" },   // 400
    { 27, 19, 0, 32512, 10240, 0, 0xFFFF0014u, 132, 591, 0xE00u, "Decay Time", "OHMT", "DEC" },   // 401
    { 27, 18, 0, 32512, 16384, 0, 0xFFFF0011u, 129, 592, 0xE00u, "Tune", "OHMT", "TUNE" },   // 402
    { 27, 20, 0, 32512, 32512, 0, 0xFFFFFFFFu, -1, 593, 0xE00u, "Color", "OHMT", "COL" },   // 403
    { 28, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 600, 0xE00u, "Overdrive", "CYMT", "OVER" },   // 404
    { 28, 19, 0, 32512, 8960, 0, 0xFFFF0014u, 132, 601, 0xE00u, "Decay Time", "CYMT", "DEC" },   // 405
    { 28, 18, 0, 32512, 16384, 0, 0xFFFF0011u, 129, 602, 0xE00u, "Tune", "CYMT", "TUNE" },   // 406
    { 28, 20, 0, 32512, 25344, 0, 0xFFFF0012u, 130, 603, 0xE00u, "Tone", "CYMT", "TONE" },   // 407
    { 28, 21, 0, 32512, 23040, 0, 0xFFFF0013u, 131, 604, 0xE00u, "Transient Decay", "CYMT", "TDEC" },   // 408
    { 28, 25, 0, 32512, 32512, 0, 0xFFFFFFFFu, -1, 605, 0xE00u, "Color", "CYMT", "COL" },   // 409
    { 29, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 610, 0xE00u, "Overdrive", "CBMT", "OVER" },   // 410
    { 29, 19, 0, 32512, 12800, 0, 0xFFFF0014u, 132, 611, 0xE00u, "Decay Time", "CBMT", "DEC" },   // 411
    { 29, 18, 0, 32512, 22272, 0, 0xFFFF0011u, 129, 612, 0xE00u, "Tune", "CBMT", "TUNE" },   // 412
    { 29, 20, 0, 32512, 14848, 0, 0xFFFF0015u, 133, 613, 0xE00u, "Detune", "CBMT", "DET" },   // 413
    { 30, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 620, 0xE00u, "Overdrive", "CYRD", "OVER" },   // 414
    { 30, 18, 0, 32512, 16384, 0, 0xFFFF0011u, 129, 621, 0xE00u, "Tune", "CYRD", "TUNE" },   // 415
    { 30, 19, 0, 32512, 24576, 0, 0xFFFF0014u, 132, 622, 0xE00u, "Tail Decay", "CYRD", "DEC" },   // 416
    { 30, 21, 0, 32512, 8192, 0, 0xFFFF0013u, 131, 623, 0xE00u, "Hit Decay", "CYRD", "HITD" },   // 417
    { 30, 20, 0, 768, 0, 0, 0xFFFF0012u, 130, 624, 0xE00u, "Cymbal Type", "CYRD", "TYPE" },   // 418
    { 30, 22, 0, 32512, 16384, 0, 0xFFFF0015u, 133, 625, 0xE00u, "Hit", "CYRD", "HIT" },   // 419
    { 30, 23, 0, 32512, 16384, 0, 0xFFFF0016u, 134, 626, 0xE00u, "Timbre", "CYRD", "TIMB" },   // 420
    { 30, 24, 0, 32512, 8192, 0, 0xFFFF0017u, 135, 627, 0xE00u, "Wash", "CYRD", "WASH" },   // 421
    { 31, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 630, 0xE00u, "Overdrive", "HHBA", "OVER" },   // 422
    { 31, 19, 0, 32512, 7424, 0, 0xFFFF0014u, 132, 631, 0xE00u, "Decay Time", "HHBA", "DEC" },   // 423
    { 31, 18, 0, 32512, 16384, 0, 0xFFFF0011u, 129, 632, 0xE00u, "Tune", "HHBA", "TUNE" },   // 424
    { 31, 20, 0, 32512, 16384, 0, 0xFFFF0012u, 130, 633, 0xE00u, "Tone", "HHBA", "TONE" },   // 425
    { 31, 21, 0, 32512, 17408, 0, 0xFFFF0013u, 131, 634, 0xE00u, "Transient Decay", "HHBA", "TDEC" },   // 426
    { 31, 22, 0, 256, 0, 0, 0xFFFF0017u, 135, 635, 0xE00u, "Osc Reset", "HHBA", "RST" },   // 427
    { 31, 23, 0, 32512, 0, 0, 0xFFFFFFFFu, -1, 636, 0xE00u, "Noise Level", "HHBA", "NLEV" },   // 428
    { 31, 24, 0, 32512, 5120, 0, 0xFFFFFFFFu, -1, 637, 0xE00u, "Noise Decay", "HHBA", "NDEC" },   // 429
    { 32, 18, 0, 32512, 32512, 0, 0xFFFF0016u, 134, 640, 0xE00u, "LP Freq", "NOIS", "LPF" },   // 430
    { 32, 21, 0, 32512, 0, 0, 0xFFFF0017u, 135, 641, 0xE00u, "LP Reso", "NOIS", "RESO" },   // 431
    { 32, 20, 0, 32512, 0, 0, 0xFFFF0015u, 133, 642, 0xE00u, "HP Freq", "NOIS", "HPF" },   // 432
    { 32, 22, 0, 32512, 0, 0, 0xFFFF0013u, 131, 643, 0xE00u, "Attack", "NOIS", "ATK" },   // 433
    { 32, 23, 0, 32512, 16384, 0, 0xFFFF0012u, 130, 644, 0xE00u, "Sweep Time", "NOIS", "STIM" },   // 434
    { 32, 24, 0, 32512, 16384, 0, 0xFFFF0011u, 129, 645, 0xE00u, "Sweep Depth", "NOIS", "SDEP" },   // 435
    { 32, 19, 0, 32512, 10240, 0, 0xFFFF0014u, 132, 646, 0xE00u, "Decay", "NOIS", "DEC" },   // 436
    { 32, 17, 0, 32512, 25600, 0, 0xFFFF0018u, 136, 647, 0xE00u, "Level", "NOIS", "LEV" },   // 437
    { 33, 18, 0, 32512, 0, 0, 0xFFFF0013u, 131, 650, 0xE00u, "Attack Time", "PULS", "ATK" },   // 438
    { 33, 20, 0, 32512, 6400, 0, 0xFFFFFFFFu, -1, 651, 0xE00u, "Hold Time", "PULS", "HOLD" },   // 439
    { 33, 21, 0, 256, 0, 0, 0xFFFFFFFFu, -1, 652, 0xE00u, "Decay Shape", "PULS", "SHP" },   // 440
    { 33, 19, 0, 32512, 6400, 0, 0xFFFF0014u, 132, 653, 0xE00u, "Decay Time", "PULS", "DEC" },   // 441
    { 33, 22, 0, 32512, 12800, 0, 0xFFFFFFFFu, -1, 654, 0xE00u, "Repeat Time", "PULS", "REP" },   // 442
    { 33, 23, 0, 32512, 0, 0, 0xFFFFFFFFu, -1, 655, 0xE00u, "Repeat Count", "PULS", "NUM" },   // 443
    { 33, 24, 0, 256, 0, 0, 0xFFFF0017u, 135, 656, 0xE00u, "Polarity", "PULS", "POL" },   // 444
    { 33, 17, 0, 32512, 16384, 0, 0xFFFF0018u, 136, 657, 0xE00u, "Level", "PULS", "LEV" },   // 445
    { 39, 17, 0, 32512, 0, 0, 0xFFFF0018u, 136, 660, 0xE00u, "Overdrive", "SYN OSC", "OVER" },   // 446
    { 39, 19, 0, 32512, 32512, 0, 0xFFFF0014u, 132, 661, 0xE00u, "Decay", "SYN OSC", "DEC2" },   // 447
    { 39, 21, 0, 32512, 3840, 0, 0xFFFF0017u, 135, 662, 0xE00u, "Noise Level", "SYN OSC", "NLEV" },   // 448
    { 39, 18, 10240, 22528, 16384, 0, 0xFFFF0011u, 129, 663, 0xE00u, "Tune", "SYN OSC", "TUNE" },   // 449
    { 39, 20, 10240, 22528, 13312, 0, 0xFFFF0012u, 130, 664, 0xE00u, "Osc 2 Detune", "SYN OSC", "DET" },   // 450
    { 39, 22, 0, 2816, 1280, 0, 0xFFFF0015u, 133, 665, 0xE00u, "Waveform 1", "SYN OSC", "WAV1" },   // 451
    { 39, 23, 0, 1536, 1280, 0, 0xFFFF0016u, 134, 666, 0xE00u, "Waveform 2", "SYN OSC", "WAV2" },   // 452
    { 39, 24, 0, 32512, 25600, 0, 0xFFFF0013u, 131, 667, 0xE00u, "Osc 2 Level", "SYN OSC", "LEV2" },   // 453
}};

static_assert (ParameterTable::Rules::objectIdsAreDistinct (deviceParameterTable));
static_assert (ParameterTable::Rules::rangesAreConsistent (deviceParameterTable));
static_assert (ParameterTable::Rules::machineRowsAreConsistent (deviceParameterTable));

constexpr std::array<int, ParameterTable::objectIdCount> objectIdToParameterRow =
    ParameterTable::Rules::computeObjectIdMap (deviceParameterTable);

constexpr std::array<std::array<int, ParameterTable::destinationCount>, ParameterTable::machineTypeCount + 1> assignableDestinations =
    ParameterTable::Rules::computeAssignableDestinations (deviceParameterTable);

namespace ParameterTable
{
    // The slot maps as buildParameterMaps installs them.
    extern const ParameterMaps computedParameterMaps;
    constexpr ParameterMaps computedParameterMaps = Rules::computeMaps (deviceParameterTable);
}
