// The axis caption tables: caption index m selects the x caption x_axis_labels[m] and the y
// caption y_axis_labels[m] of a panel. Entry 0 holds the run's own captions once a graph kind
// that copies them (1..3, 10..15) has been set up; its initial text is the generic pair.
#include "graph/catalogue.h"

// Entry 0 is rewritten by setup_graph for the kinds that copy the run's captions; the other
// entries are never written.
char x_axis_labels[axis_label_count][caption_size] = {
    "入力",                //  0: input
    "時間 ［ｓ］",         //  1: time [s]
    "入力電圧［Ｖ］",      //  2: input voltage [V]
    "実軸",                //  3: real axis
    "－＞Ｘ",              //  4: → X
    "周波数［Ｈｚ］",      //  5: frequency [Hz]
    "周波数［Ｈｚ］",      //  6: frequency [Hz]
    "周波数［Ｈｚ］",      //  7: frequency [Hz]
    "周波数［Ｈｚ］",      //  8: frequency [Hz]
    "周波数［Ｈｚ］",      //  9: frequency [Hz]
    "周波数［Ｈｚ］",      // 10: frequency [Hz]
    "周波数［Ｈｚ］",      // 11: frequency [Hz]
    "周波数［Ｈｚ］",      // 12: frequency [Hz]
    "周波数［Ｈｚ］",      // 13: frequency [Hz]
    "周波数［Ｈｚ］",      // 14: frequency [Hz]
    "ＡＤ　２進ステージ",  // 15: A/D stage, base 2
    "周波数［Ｈｚ］",      // 16: frequency [Hz]
    "周波数［Ｈｚ］",      // 17: frequency [Hz]
};

char y_axis_labels[axis_label_count][caption_size] = {
    "出力",               //  0: output
    "出力電圧［Ｖ］",     //  1: output voltage [V]
    "出力電圧［Ｖ］",     //  2: output voltage [V]
    "虚軸",               //  3: imaginary axis
    "－＞Ｙ",             //  4: → Y
    "利得［ｄＢ］",       //  5: gain [dB]
    "位相［度］",         //  6: phase [degrees]
    "｜Ｚ｜ ［Ω］",       //  7: impedance magnitude [Ω]
    "位相［度］",         //  8: phase [degrees]
    "抵抗［Ω］",          //  9: resistance [Ω]
    "リアクタンス［Ω］",  // 10: reactance [Ω]
    "群遅延時間［ｓ］",   // 11: group delay [s]
    "位相［度］",         // 12: phase [degrees]
    "出力振幅",           // 13: output amplitude
    "位相［度］",         // 14: phase [degrees]
    "Ａ－＞Ｄ　出力",     // 15: A→D output
    "｜Ｙ｜ ［Ｓ］",      // 16: admittance magnitude [S]
    "位相［度］",         // 17: phase [degrees]
};
