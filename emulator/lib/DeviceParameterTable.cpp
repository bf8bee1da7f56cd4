#include "DeviceParameterTable.h"

#include <vector>

namespace fhemu::params
{
namespace
{
// Slot 0 of a sound and of the effects track holds no parameter; the device still names it.
constexpr int noneObject = 35;

// From the device's parameter list.
const std::vector<MachineParameter> machineParameters {
    { 0, 18, 301, 10240, 22528, 16384 },   // Tune
    { 0, 19, 302, 0, 32512, 2560 },   // Square Modulation
    { 0, 20, 303, 0, 32512, 4096 },   // Triangle Mod+Fdbk
    { 0, 21, 304, 0, 32512, 4096 },   // Pitch Sweep
    { 0, 22, 305, 0, 32512, 6144 },   // Modulation Env
    { 0, 23, 306, 0, 256, 0 },   // Punch
    { 0, 25, 308, 0, 32512, 16384 },   // Decay
    { 0, 26, 307, 0, 32512, 0 },   // Overdrive
    { 1, 18, 311, 10240, 22528, 16384 },   // Tune
    { 1, 19, 312, 0, 32512, 0 },   // Inharmonicity
    { 1, 20, 313, 0, 32512, 32512 },   // Mod+Fdbk
    { 1, 21, 314, 0, 32512, 2048 },   // Pitch Sweep
    { 1, 22, 315, 0, 32512, 0 },   // Modulation Env
    { 1, 23, 316, 0, 256, 0 },   // Punch
    { 1, 25, 318, 0, 32512, 16384 },   // Decay
    { 1, 26, 317, 0, 32512, 0 },   // Overdrive
    { 2, 18, 321, 10240, 22528, 16384 },   // Tune
    { 2, 19, 322, 0, 32512, 32512 },   // Radio
    { 2, 20, 323, 0, 32512, 11776 },   // Modulation
    { 2, 21, 324, 0, 32512, 7168 },   // Shimmer
    { 2, 22, 325, 0, 32512, 0 },   // Modulation Env
    { 2, 23, 326, 0, 256, 0 },   // Punch
    { 2, 25, 328, 0, 32512, 4608 },   // Decay
    { 2, 26, 327, 0, 32512, 0 },   // Overdrive
    { 3, 18, 331, 10240, 22528, 13312 },   // Tune
    { 3, 19, 332, 0, 32512, 0 },   // Inharmonicity
    { 3, 20, 333, 0, 32512, 6656 },   // Modulation
    { 3, 21, 334, 0, 32512, 8960 },   // Pitch Sweep
    { 3, 22, 335, 0, 32512, 20480 },   // Modulation Env
    { 3, 23, 336, 0, 256, 0 },   // Punch
    { 3, 25, 338, 0, 32512, 8192 },   // Decay
    { 3, 26, 337, 0, 32512, 0 },   // Overdrive
    { 4, 18, 341, 10240, 22528, 13312 },   // Tune
    { 4, 19, 342, 0, 32512, 1024 },   // Mod Ratio
    { 4, 20, 343, 0, 32512, 19200 },   // Modulation
    { 4, 21, 344, 0, 32512, 10496 },   // Feedback
    { 4, 22, 345, 0, 32512, 19456 },   // Modulation Env
    { 4, 23, 346, 0, 256, 0 },   // Punch
    { 4, 25, 348, 0, 32512, 32512 },   // Decay
    { 4, 26, 347, 0, 32512, 0 },   // Overdrive
    { 5, 18, 351, 10240, 22528, 16384 },   // Tune
    { 5, 19, 352, 0, 32512, 24576 },   // Chord/Osc Balance
    { 5, 20, 353, 0, 9472, 768 },   // Mode/Chord
    { 5, 21, 354, 0, 32512, 2560 },   // Waveform
    { 5, 22, 355, 0, 32512, 16384 },   // Filter Envelope
    { 5, 23, 356, 0, 256, 0 },   // Punch
    { 5, 25, 358, 0, 32512, 32512 },   // Decay
    { 5, 26, 357, 0, 32512, 0 },   // Overdrive
    { 6, 18, 361, 10240, 22528, 16384 },   // Tune
    { 6, 19, 362, 0, 32512, 0 },   // Inharmonicity
    { 6, 20, 363, 0, 32512, 28160 },   // Freq. Complexity
    { 6, 21, 364, 0, 32512, 18944 },   // Pitch Sweep
    { 6, 22, 365, 0, 32512, 20480 },   // Modulation Env
    { 6, 23, 366, 0, 256, 0 },   // Punch
    { 6, 25, 368, 0, 32512, 8448 },   // Decay
    { 6, 26, 367, 0, 32512, 0 },   // Overdrive
    { 7, 18, 371, 10240, 22528, 16384 },   // Tune
    { 7, 19, 372, 0, 32512, 6144 },   // Body Character
    { 7, 20, 373, 0, 32512, 6400 },   // Balance
    { 7, 21, 374, 0, 32512, 11776 },   // Spacing/Crunch
    { 7, 22, 375, 0, 32512, 9472 },   // Body Envelope
    { 7, 23, 376, 0, 256, 0 },   // Punch
    { 7, 25, 378, 0, 32512, 8192 },   // Decay
    { 7, 26, 377, 0, 32512, 0 },   // Overdrive
    { 8, 17, 401, 0, 32512, 0 },   // Overdrive
    { 8, 18, 400, 10240, 22528, 15488 },   // Tune
    { 8, 19, 403, 0, 32512, 12288 },   // Decay Time
    { 8, 20, 402, 0, 32512, 8448 },   // Hold Time
    { 8, 21, 404, 0, 32512, 23040 },   // Sweep Time
    { 8, 22, 405, 0, 32512, 1536 },   // Snap Amount
    { 8, 23, 406, 0, 512, 0 },   // Waveform
    { 8, 24, 407, 0, 32512, 16384 },   // Tick Level
    { 9, 17, 411, 0, 32512, 0 },   // Overdrive
    { 9, 18, 410, 10240, 22528, 14848 },   // Tune
    { 9, 19, 413, 0, 32512, 8192 },   // Decay Time
    { 9, 20, 412, 0, 32512, 8192 },   // Hold Time
    { 9, 21, 414, 0, 32512, 16384 },   // Sweep Time
    { 9, 22, 415, 0, 32512, 10752 },   // Sweep Depth
    { 9, 23, 416, 0, 512, 256 },   // Waveform
    { 9, 24, 417, 0, 14080, 4352 },   // Transient
    { 10, 17, 421, 0, 32512, 0 },   // Overdrive
    { 10, 18, 420, 10240, 22528, 14848 },   // Tune
    { 10, 19, 423, 0, 32512, 8192 },   // Decay Time
    { 10, 20, 422, 0, 32512, 8192 },   // FM Amount
    { 10, 21, 424, 0, 32512, 12288 },   // Sweep Time
    { 10, 22, 425, 0, 32512, 8192 },   // FM Sweep Time
    { 10, 23, 426, 0, 32512, 12288 },   // FM Decay Time
    { 10, 24, 427, 0, 32512, 8192 },   // FM Tune
    { 11, 17, 431, 0, 32512, 0 },   // Overdrive
    { 11, 18, 430, 10240, 22528, 14848 },   // Tune
    { 11, 19, 433, 0, 32512, 20480 },   // Decay Time
    { 11, 20, 432, 0, 256, 256 },   // Mod Type
    { 11, 21, 435, 0, 32512, 8192 },   // Mod Level
    { 11, 22, 437, 0, 32512, 16384 },   // Sweep Time
    { 11, 23, 436, 0, 32512, 25600 },   // Sweep Depth
    { 11, 24, 434, 0, 32512, 16384 },   // Tick Level
    { 12, 17, 441, 0, 32512, 0 },   // Overdrive
    { 12, 18, 440, 10240, 22528, 14848 },   // Tune
    { 12, 19, 443, 0, 32512, 16384 },   // Decay Time
    { 12, 20, 442, 0, 32512, 8192 },   // Hold Time
    { 12, 21, 447, 0, 32512, 16384 },   // Sweep Time
    { 12, 22, 446, 0, 32512, 16384 },   // Sweep Depth
    { 12, 23, 445, 0, 32512, 16384 },   // Dust Level
    { 12, 24, 444, 0, 32512, 25600 },   // VCO Click
    { 13, 17, 451, 0, 32512, 0 },   // Overdrive
    { 13, 18, 450, 10240, 22528, 14848 },   // Tune
    { 13, 19, 453, 0, 32512, 20480 },   // Decay Time
    { 13, 20, 452, 0, 32512, 8192 },   // Hold Time
    { 13, 21, 457, 0, 32512, 25600 },   // Sweep Time
    { 13, 22, 456, 0, 32512, 25600 },   // Sweep Depth
    { 13, 23, 455, 0, 2304, 0 },   // Waveform
    { 13, 24, 454, 0, 32512, 16384 },   // Tick Level
    { 14, 17, 462, 0, 32512, 0 },   // Overdrive
    { 14, 18, 466, 10240, 22528, 16384 },   // Tune
    { 14, 19, 461, 0, 32512, 19456 },   // Decay Time
    { 14, 20, 460, 0, 32512, 32512 },   // Sweep Depth
    { 14, 21, 463, 0, 32512, 16384 },   // Tick Level
    { 14, 22, 464, 0, 32512, 8192 },   // Noise Decay
    { 14, 23, 465, 0, 32512, 16384 },   // Noise Level
    { 14, 24, 467, 0, 32512, 11008 },   // Sweep Time
    { 15, 17, 477, 0, 32512, 0 },   // Overdrive
    { 15, 18, 470, 10240, 22528, 14848 },   // Tune
    { 15, 19, 473, 0, 32512, 12288 },   // Decay Time
    { 15, 20, 472, 0, 32512, 16384 },   // Detune
    { 15, 21, 475, 0, 32512, 24576 },   // Snap Amount
    { 15, 22, 474, 0, 32512, 19200 },   // Noise Decay
    { 15, 23, 476, 0, 32512, 28160 },   // Noise Level
    { 15, 24, 471, 0, 32512, 2304 },   // Osc Balance
    { 16, 17, 487, 0, 32512, 0 },   // Overdrive
    { 16, 18, 480, 10240, 22528, 14848 },   // Tune
    { 16, 19, 483, 0, 32512, 16384 },   // Decay Time
    { 16, 20, 482, 0, 32512, 22528 },   // FM Tune
    { 16, 21, 485, 0, 32512, 16384 },   // FM Decay Time
    { 16, 22, 484, 0, 32512, 8192 },   // Noise Decay
    { 16, 23, 486, 0, 32512, 16384 },   // Noise Level
    { 16, 24, 481, 0, 32512, 32512 },   // FM Amount
    { 17, 17, 491, 0, 32512, 0 },   // Overdrive
    { 17, 18, 490, 10240, 22528, 17920 },   // Tune
    { 17, 19, 492, 0, 32512, 23040 },   // Body Decay
    { 17, 20, 493, 0, 32512, 8192 },   // Noise Decay
    { 17, 21, 495, 0, 32512, 16384 },   // Noise Balance
    { 17, 22, 494, 0, 32512, 23040 },   // Noise LPF
    { 17, 23, 497, 0, 32512, 8192 },   // Noise HPF
    { 17, 24, 496, 0, 32512, 8192 },   // Noise Reso
    { 18, 17, 502, 0, 32512, 0 },   // Overdrive
    { 18, 18, 506, 10240, 22528, 16384 },   // Tune
    { 18, 19, 501, 0, 32512, 13312 },   // Decay Time
    { 18, 20, 500, 0, 32512, 32512 },   // Sweep Depth
    { 18, 21, 503, 0, 32512, 12288 },   // Tick Level
    { 18, 22, 504, 0, 32512, 2048 },   // Noise Level
    { 18, 23, 505, 0, 32512, 16384 },   // Symmetry
    { 18, 24, 507, 0, 32512, 8704 },   // Sweep Time
    { 19, 17, 514, 0, 32512, 0 },   // Overdrive
    { 19, 18, 512, 10240, 22528, 16384 },   // Tune Osc1
    { 19, 19, 511, 0, 32512, 16384 },   // Decay Time
    { 19, 20, 510, 0, 32512, 16384 },   // Osc Balance
    { 19, 21, 513, 8192, 24576, 16384 },   // Tune Osc2
    { 19, 22, 517, 0, 32512, 16384 },   // Symmetry
    { 19, 23, 516, 0, 32512, 4096 },   // Noise Level
    { 19, 24, 515, 0, 32512, 16384 },   // Tick Level
    { 20, 17, 520, 0, 32512, 0 },   // Overdrive
    { 20, 18, 522, 10240, 22528, 16384 },   // Osc 1 Tune
    { 20, 19, 527, 0, 32512, 32512 },   // Osc 1 Decay
    { 20, 20, 523, 12288, 20480, 13312 },   // Osc 2 Detune
    { 20, 21, 525, 0, 32512, 32512 },   // Osc 2 Decay
    { 20, 22, 521, 0, 32512, 16384 },   // Balance
    { 20, 23, 526, 0, 32512, 16384 },   // Bend
    { 20, 24, 524, 0, 20224, 4096 },   // Osc Config
    { 21, 17, 530, 0, 32512, 0 },   // Overdrive
    { 21, 18, 534, 0, 32512, 16384 },   // Noise Tone
    { 21, 19, 531, 0, 32512, 14080 },   // Noise Decay
    { 21, 20, 533, 0, 32512, 512 },   // Clap Number
    { 21, 21, 532, 0, 32512, 21760 },   // Clap Rate
    { 21, 22, 535, 0, 32512, 23040 },   // Noise Level
    { 21, 23, 536, 0, 32512, 8192 },   // Random Claps
    { 21, 24, 537, 0, 32512, 23040 },   // Clap Decay
    { 22, 17, 540, 0, 32512, 0 },   // Overdrive
    { 22, 18, 542, 0, 32512, 16384 },   // Tune
    { 22, 19, 541, 0, 32512, 8192 },   // Decay Time
    { 22, 20, 543, 0, 32512, 16384 },   // Noise Color
    { 23, 17, 550, 0, 32512, 0 },   // Overdrive
    { 23, 18, 552, 0, 32512, 16384 },   // Tune
    { 23, 19, 551, 0, 32512, 8192 },   // Decay Time
    { 23, 20, 553, 0, 32512, 16384 },   // Noise Color
    { 24, 17, 560, 0, 32512, 0 },   // Overdrive
    { 24, 18, 561, 0, 32512, 16384 },   // Tune
    { 24, 19, 562, 0, 32512, 16384 },   // Decay
    { 24, 20, 563, 0, 32512, 16384 },   // Noise Color
    { 24, 21, 564, 0, 32512, 16384 },   // Tone
    { 25, 17, 570, 0, 32512, 0 },   // Overdrive
    { 25, 18, 572, 0, 32512, 16640 },   // Tune
    { 25, 19, 571, 0, 32512, 5120 },   // Decay Time
    { 25, 20, 573, 0, 32512, 13824 },   // Detune
    { 26, 17, 580, 0, 32512, 0 },   // Overdrive
    { 26, 18, 582, 0, 32512, 16384 },   // Tune
    { 26, 19, 581, 0, 32512, 10240 },   // Decay Time
    { 26, 20, 583, 0, 32512, 32512 },   // Color
    { 27, 17, 590, 0, 32512, 0 },   // Overdrive
    { 27, 18, 592, 0, 32512, 16384 },   // Tune
    { 27, 19, 591, 0, 32512, 10240 },   // Decay Time
    { 27, 20, 593, 0, 32512, 32512 },   // Color
    { 28, 17, 600, 0, 32512, 0 },   // Overdrive
    { 28, 18, 602, 0, 32512, 16384 },   // Tune
    { 28, 19, 601, 0, 32512, 8960 },   // Decay Time
    { 28, 20, 603, 0, 32512, 25344 },   // Tone
    { 28, 21, 604, 0, 32512, 23040 },   // Transient Decay
    { 28, 25, 605, 0, 32512, 32512 },   // Color
    { 29, 17, 610, 0, 32512, 0 },   // Overdrive
    { 29, 18, 612, 0, 32512, 22272 },   // Tune
    { 29, 19, 611, 0, 32512, 12800 },   // Decay Time
    { 29, 20, 613, 0, 32512, 14848 },   // Detune
    { 30, 17, 620, 0, 32512, 0 },   // Overdrive
    { 30, 18, 621, 0, 32512, 16384 },   // Tune
    { 30, 19, 622, 0, 32512, 24576 },   // Tail Decay
    { 30, 20, 624, 0, 768, 0 },   // Cymbal Type
    { 30, 21, 623, 0, 32512, 8192 },   // Hit Decay
    { 30, 22, 625, 0, 32512, 16384 },   // Hit
    { 30, 23, 626, 0, 32512, 16384 },   // Timbre
    { 30, 24, 627, 0, 32512, 8192 },   // Wash
    { 31, 17, 630, 0, 32512, 0 },   // Overdrive
    { 31, 18, 632, 0, 32512, 16384 },   // Tune
    { 31, 19, 631, 0, 32512, 7424 },   // Decay Time
    { 31, 20, 633, 0, 32512, 16384 },   // Tone
    { 31, 21, 634, 0, 32512, 17408 },   // Transient Decay
    { 31, 22, 635, 0, 256, 0 },   // Osc Reset
    { 31, 23, 636, 0, 32512, 0 },   // Noise Level
    { 31, 24, 637, 0, 32512, 5120 },   // Noise Decay
    { 32, 17, 647, 0, 32512, 25600 },   // Level
    { 32, 18, 640, 0, 32512, 32512 },   // LP Freq
    { 32, 19, 646, 0, 32512, 10240 },   // Decay
    { 32, 20, 642, 0, 32512, 0 },   // HP Freq
    { 32, 21, 641, 0, 32512, 0 },   // LP Reso
    { 32, 22, 643, 0, 32512, 0 },   // Attack
    { 32, 23, 644, 0, 32512, 16384 },   // Sweep Time
    { 32, 24, 645, 0, 32512, 16384 },   // Sweep Depth
    { 33, 17, 657, 0, 32512, 16384 },   // Level
    { 33, 18, 650, 0, 32512, 0 },   // Attack Time
    { 33, 19, 653, 0, 32512, 6400 },   // Decay Time
    { 33, 20, 651, 0, 32512, 6400 },   // Hold Time
    { 33, 21, 652, 0, 256, 0 },   // Decay Shape
    { 33, 22, 654, 0, 32512, 12800 },   // Repeat Time
    { 33, 23, 655, 0, 32512, 0 },   // Repeat Count
    { 33, 24, 656, 0, 256, 0 },   // Polarity
    { 36, 18, 380, 10240, 22528, 16384 },   // Tune
    { 36, 19, 381, 0, 32512, 6144 },   // Form
    { 36, 20, 382, 0, 32512, 15360 },   // Impact
    { 36, 21, 383, 0, 32512, 28160 },   // Brightness
    { 36, 22, 384, 0, 32512, 16384 },   // Partial Decay
    { 36, 23, 385, 0, 256, 0 },   // Punch
    { 36, 25, 387, 0, 32512, 15360 },   // Decay
    { 36, 26, 386, 0, 32512, 0 },   // Overdrive
    { 37, 18, 390, 10240, 22528, 16384 },   // Tune
    { 37, 19, 391, 10240, 22528, 13312 },   // Detune
    { 37, 20, 392, 0, 32512, 26112 },   // Balance
    { 37, 21, 393, 0, 32512, 0 },   // Sample Rate Redux
    { 37, 22, 394, 0, 32512, 5376 },   // Waveform
    { 37, 23, 395, 0, 32512, 0 },   // Bit Redux
    { 37, 25, 397, 0, 32512, 15360 },   // Decay
    { 37, 26, 396, 0, 32512, 0 },   // Overdrive
    { 38, 18, 700, 10240, 22528, 16384 },   // Tune
    { 38, 19, 701, 0, 32512, 5120 },   // Noise Modulation
    { 38, 20, 702, 0, 32512, 3840 },   // Detune Animation
    { 38, 21, 703, 0, 32512, 17920 },   // Detune
    { 38, 22, 704, 0, 32512, 32512 },   // Oscillator Mix
    { 38, 23, 705, 0, 512, 512 },   // Fundamental Sub
    { 38, 25, 707, 0, 32512, 19200 },   // Decay
    { 38, 26, 706, 0, 32512, 0 },   // Overdrive
    { 39, 17, 660, 0, 32512, 0 },   // Overdrive
    { 39, 18, 663, 10240, 22528, 16384 },   // Tune
    { 39, 19, 661, 0, 32512, 32512 },   // Decay
    { 39, 20, 664, 10240, 22528, 13312 },   // Osc 2 Detune
    { 39, 21, 662, 0, 32512, 3840 },   // Noise Level
    { 39, 22, 665, 0, 2816, 1280 },   // Waveform 1
    { 39, 23, 666, 0, 1536, 1280 },   // Waveform 2
    { 39, 24, 667, 0, 32512, 25600 },   // Osc 2 Level
};

// Sound pages (LFOs, filter, amp, portamento): slot, object id, minimum, maximum, default.
const std::vector<PageParameter> soundPageParameters {
    { 52, 55, 0, 32512, 9984 },   // Portamento Time
    { 53, 56, 16128, 16384, 16128 },   // Portamento Enabled
    { 28, 60, 0, 32512, 32512 },   // Frequency
    { 29, 61, 0, 32512, 0 },   // Resonance
    { 27, 62, 0, 1792, 0 },   // Filter Type
    { 27, 63, 0, 1792, 0 },   // Filter Type
    { 31, 64, 0, 32512, 0 },   // Env. Delay
    { 32, 65, 0, 32512, 0 },   // Attack Time
    { 33, 66, 0, 32512, 16384 },   // Decay Time
    { 34, 67, 0, 32512, 0 },   // Sustain Level
    { 35, 68, 0, 32512, 16384 },   // Release Time
    { 30, 69, 0, 32512, 16384 },   // Env. Depth
    { 36, 72, 0, 256, 0 },   // Env. Reset
    { 37, 70, 0, 32512, 0 },   // Base
    { 38, 71, 0, 32512, 32512 },   // Width
    { 39, 80, 0, 32512, 0 },   // Delay Time
    { 40, 81, 0, 32512, 0 },   // Attack Time
    { 41, 82, 0, 32512, 16384 },   // Hold Time
    { 42, 83, 0, 32512, 32512 },   // Decay Time
    { 43, 84, 0, 32512, 25600 },   // Sustain Level
    { 44, 85, 0, 32512, 8192 },   // Release Time
    { 45, 87, 0, 32512, 0 },   // Delay Send
    { 46, 88, 0, 32512, 0 },   // Reverb Send
    { 47, 89, 0, 32512, 16384 },   // Pan
    { 48, 90, 0, 32512, 28160 },   // Volume
    { 49, 91, 0, 256, 256 },   // Pre/Post FX
    { 50, 92, 0, 256, 0 },   // Mode
    { 51, 93, 0, 256, 256 },   // Amp Env Reset
    { 1, 210, 0, 32766, 28672 },   // Speed
    { 2, 211, 0, 5888, 256 },   // Multiplier
    { 3, 212, 0, 32512, 16384 },   // Fade In/Out
    { 4, 213, 0, 32512, 0 },   // Destination
    { 5, 214, 0, 1536, 256 },   // Waveform
    { 6, 215, 0, 32512, 0 },   // Start Phase
    { 7, 216, 0, 1024, 0 },   // Trig Mode
    { 8, 217, 0, 32766, 16384 },   // Depth
    { 9, 219, 0, 32766, 28672 },   // Speed
    { 10, 220, 0, 5888, 768 },   // Multiplier
    { 11, 221, 0, 32512, 16384 },   // Fade In/Out
    { 12, 222, 0, 32512, 0 },   // Destination
    { 13, 223, 0, 1536, 0 },   // Waveform
    { 14, 224, 0, 32512, 0 },   // Start Phase
    { 15, 225, 0, 1024, 0 },   // Trig Mode
    { 16, 226, 0, 32766, 16384 },   // Depth
};

// The effects track: slot, object id, minimum, maximum, default.
const std::vector<PageParameter> fxParameters {
    { 1, 210, 0, 32766, 28672 },   // Speed
    { 2, 211, 0, 5888, 256 },   // Multiplier
    { 3, 212, 0, 32512, 16384 },   // Fade In/Out
    { 4, 213, 0, 32512, 0 },   // Destination
    { 5, 214, 0, 1536, 256 },   // Waveform
    { 6, 215, 0, 32512, 0 },   // Start Phase
    { 7, 216, 0, 1024, 0 },   // Trig Mode
    { 8, 217, 0, 32766, 16384 },   // Depth
    { 9, 219, 0, 32766, 28672 },   // Speed
    { 10, 220, 0, 5888, 768 },   // Multiplier
    { 11, 221, 0, 32512, 16384 },   // Fade In/Out
    { 12, 222, 0, 32512, 0 },   // Destination
    { 13, 223, 0, 1536, 0 },   // Waveform
    { 14, 224, 0, 32512, 0 },   // Start Phase
    { 15, 225, 0, 1024, 0 },   // Trig Mode
    { 16, 226, 0, 32766, 16384 },   // Depth
    { 17, 100, 0, 32512, 5888 },   // Delay Time
    { 18, 101, 0, 256, 0 },   // Pingpong
    { 19, 102, 0, 32512, 16384 },   // Stereo Width
    { 20, 103, 0, 32512, 8192 },   // Feedback Gain
    { 21, 104, 0, 32512, 8192 },   // Feedback HPF
    { 22, 105, 0, 32512, 24576 },   // Feedback LPF
    { 23, 106, 0, 32512, 0 },   // Reverb Send
    { 24, 107, 0, 32512, 28160 },   // Mix Volume
    { 25, 108, 0, 256, 256 },   // Delay FX Routing
    { 27, 110, 0, 32512, 4096 },   // Pre-delay
    { 28, 111, 0, 32512, 7936 },   // Decay Time
    { 29, 112, 0, 32512, 16384 },   // FB Shelving Freq
    { 30, 113, 0, 32512, 12800 },   // FB Shelving Gain
    { 31, 114, 0, 32512, 8192 },   // Input HPF
    { 32, 115, 0, 32512, 24576 },   // Input LPF
    { 33, 116, 0, 32512, 28160 },   // Mix Volume
    { 34, 117, 0, 256, 256 },   // Reverb FX Routing
    { 35, 170, 0, 32512, 0 },   // In Left/Right
    { 37, 172, 0, 32512, 16384 },   // Balance
    { 38, 173, 0, 32512, 0 },   // Delay Send
    { 40, 175, 0, 32512, 0 },   // Reverb Send
    { 42, 177, 0, 256, 256 },   // Dual Mono
    { 43, 178, 0, 256, 256 },   // In FX Routing
    { 45, 180, 0, 32512, 32512 },   // Frequency
    { 46, 181, 0, 32512, 0 },   // Resonance
    { 44, 182, 0, 1792, 0 },   // Filter Type
    { 47, 183, 0, 32512, 16384 },   // Env. Depth
    { 48, 184, 0, 32512, 0 },   // Env. Delay
    { 49, 185, 0, 32512, 0 },   // Attack Time
    { 50, 186, 0, 32512, 16384 },   // Decay Time
    { 51, 187, 0, 32512, 0 },   // Sustain Level
    { 52, 188, 0, 32512, 16384 },   // Release Time
    { 53, 189, 0, 256, 0 },   // Env. Reset
    { 54, 190, 0, 32512, 0 },   // Delay Time
    { 55, 191, 0, 32512, 0 },   // Attack Time
    { 56, 192, 0, 32512, 32512 },   // Hold Time
    { 57, 193, 0, 32512, 16384 },   // Decay Time
    { 58, 194, 0, 32512, 25600 },   // Sustain Level
    { 59, 195, 0, 32512, 16384 },   // Release Time
    { 60, 196, 0, 32512, 16384 },   // Drive
    { 61, 197, 0, 32512, 0 },   // Delay Send
    { 62, 198, 0, 32512, 0 },   // Reverb Send
    { 63, 199, 0, 32512, 16384 },   // Pan
    { 64, 200, 0, 32512, 28160 },   // Volume
    { 66, 201, 0, 32512, 16384 },   // Env Depth
    { 65, 202, 0, 512, 0 },   // Mode
    { 67, 203, 0, 256, 256 },   // Amp Env Reset
};

constexpr std::array<int, 54> soundWordSlots { 0,  1,  9,  2,  10, 3,  11, 4,  12, 5,  13, 6,  14, 7,  15, 8,  16, 17,
                                               18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35,
                                               37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 53, 52, 36 };

constexpr std::array<int, 67> fxWordSlots = [] {
    std::array<int, 67> t {};
    constexpr int lfo[17] = { 0, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15, 8, 16 };
    int w = 0;
    for (int s : lfo)
        t[w++] = s;
    for (int s = 17; s <= 25; ++s)
        t[w++] = s;
    for (int s = 27; s <= 52; ++s)
        t[w++] = s;
    for (int s = 54; s <= 67; ++s)
        t[w++] = s;
    t[w] = 53;
    return t;
}();

// Filter Type has one object id per filter family; Filter Base and Width exist
// only on the digital machines (and the MIDI machine).
bool usesDigitalFilter (int machineType)
{
    return machineTrackMask (machineType) == 0xFF0 || machineType == 35;
}

const PageParameter* soundPageParameter (int slot, int machineType)
{
    const bool digital = usesDigitalFilter (machineType);
    if ((slot == 37 || slot == 38) && ! digital)
        return nullptr;
    for (const auto& p : soundPageParameters)
        if (p.slot == slot && (slot != 27 || p.objectId == (digital ? 63 : 62)))
            return &p;
    return nullptr;
}
} // namespace

std::optional<int> soundSlotOfObject (int objectId, int machineType)
{
    if (objectId == noneObject)
        return 0;
    for (const auto& p : machineParameters)
        if (p.machineType == machineType && p.objectId == objectId)
            return p.slot;
    // A page parameter counts only where this machine has it: Filter Base and
    // Width, and each family's Filter Type, are not parameters of every machine.
    for (const auto& p : soundPageParameters)
        if (p.objectId == objectId)
            return soundPageParameter (p.slot, machineType) == &p ? std::optional<int> (p.slot) : std::nullopt;
    return std::nullopt;
}

std::optional<int> fxSlotOfObject (int objectId)
{
    if (objectId == noneObject)
        return 0;
    for (const auto& p : fxParameters)
        if (p.objectId == objectId)
            return p.slot;
    return std::nullopt;
}

int objectOfSoundSlot (int slot, int machineType)
{
    if (slot >= 17 && slot <= 26)
    {
        for (const auto& p : machineParameters)
            if (p.machineType == machineType && p.slot == slot)
                return p.objectId;
        return 0;
    }
    if (slot == 0)
        return noneObject;
    const auto* p = soundPageParameter (slot, machineType);
    return p != nullptr ? p->objectId : 0;
}

Range soundSlotRange (int slot, int machineType)
{
    if (slot >= 17 && slot <= 26)
    {
        for (const auto& p : machineParameters)
            if (p.machineType == machineType && p.slot == slot)
                return { p.minimum, p.maximum, p.defaultValue };
        return {};
    }
    if (slot == 0)
        return { 0, 32512, 0 };
    if (const auto* p = soundPageParameter (slot, machineType))
        return { p->minimum, p->maximum, p->defaultValue };
    return {};
}

Range fxSlotRange (int slot)
{
    if (slot == 0)
        return { 0, 32512, 0 };
    const PageParameter* found = nullptr;
    for (const auto& p : fxParameters)
        if (p.slot == slot)
            found = &p;
    return found != nullptr ? Range { found->minimum, found->maximum, found->defaultValue } : Range {};
}

int soundSlotOfWord (int word)
{
    return word >= 0 && word < static_cast<int> (soundWordSlots.size()) ? soundWordSlots[static_cast<std::size_t> (word)] : -1;
}

std::optional<int> soundWordOfSlot (int slot)
{
    for (std::size_t w = 0; w < soundWordSlots.size(); ++w)
        if (soundWordSlots[w] == slot)
            return static_cast<int> (w);
    return std::nullopt;
}

int fxSlotOfWord (int word)
{
    return word >= 0 && word < static_cast<int> (fxWordSlots.size()) ? fxWordSlots[static_cast<std::size_t> (word)] : -1;
}

std::optional<int> fxWordOfSlot (int slot)
{
    for (std::size_t w = 0; w < fxWordSlots.size(); ++w)
        if (fxWordSlots[w] == slot)
            return static_cast<int> (w);
    return std::nullopt;
}

std::uint16_t machineTrackMask (int machineType)
{
    if (machineType < 0 || machineType >= numMachineTypes)
        return 0;
    if (machineType <= 7 || (machineType >= 36 && machineType <= 38))
        return 0xFF0;
    if (machineType <= 20 || machineType == 39)
        return 0x007;
    if (machineType == 21)
        return 0x000;
    if (machineType <= 31)
        return 0x008;
    return machineType == 35 ? 0xFFF : 0x00F;
}

bool machineAllowedOnTrack (int machineType, int track)
{
    if (track < 0 || track > 11)
        return false;
    const int bit = track < 8 ? track + 4 : track - 8;
    return (machineTrackMask (machineType) >> bit) & 1;
}

const char* machineDisplayName (int machineType)
{
    static constexpr const char* names[numMachineTypes] = {
        "BD MODERN",  "SD BASIC",   "CY ALLOY",    "PC CARBON",   "SY TONE",     "SY CHORD",    "SD VINTAGE",
        "CP VINTAGE", "BD HARD",    "BD CLASSIC",  "BD FM",       "BD PLASTIC",  "BD SILKY",    "BD SHARP",
        "SD HARD",    "SD CLASSIC", "SD FM",       "SD NATURAL",  "RS HARD",     "RS CLASSIC",  "SY DUAL VCO",
        "CP CLASSIC", "CH CLASSIC", "OH CLASSIC ", "CY CLASSIC",  "CB CLASSIC",  "CH METALLIC", "OH METALLIC",
        "CY METALLIC", "CB METALLIC", "CY RIDE",   "HH BASIC",    "UT NOISE",    "UT IMPULSE",  "DISABLE",
        "MIDI",       "SY TOY",     "SY BITS",     "SY SWARM",    "SY RAW"
    };
    return machineType >= 0 && machineType < numMachineTypes ? names[machineType] : "ERROR";
}
} // namespace fhemu::params
