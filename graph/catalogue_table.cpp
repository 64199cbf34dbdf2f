// The graph-kind catalogue: which panels, frame style, scale codes, captions and ranges each
// graph kind gets. Kinds 1..96 draw one panel, 97..138 an upper and a lower panel sharing the
// frequency axis; kind 0 (the stage strips) and the kinds 16, 73, 79, 87, 88 and 93..95 have
// no row.
#include "graph/catalogue_table.h"

#include "graph/graph_frame.h"

namespace {

// Short names keep each row on one line.
constexpr int p0 = style_paired;
constexpr int s1 = style_single;
constexpr int t3 = style_time_division;
constexpr int c4 = style_converter;

constexpr int dv = scale_divided;
constexpr int au = scale_auto;
constexpr int dg = scale_degrees;
constexpr int lg = scale_log;
constexpr int cx = scale_complex;
constexpr int sq = scale_divided_square;
constexpr int no = no_panel;

constexpr int tab = captions_from_table;
constexpr int cop = captions_copied;
constexpr int kep = captions_kept;

constexpr int tx = range_transfer_x;
constexpr int ty = range_transfer_y;
constexpr int mx = range_time_x;
constexpr int my = range_time_y;
constexpr int fx = range_freq_x;
constexpr int re = range_real;
constexpr int im = range_imag;
constexpr int mg = range_magnitude_y;
constexpr int ph = range_phase_y;
constexpr int rs = range_resistance_y;
constexpr int rx = range_reactance_y;
constexpr int dl = range_delay_y;
constexpr int nr = range_none;

// clang-format off
constexpr CatalogueRow catalogue[] = {
// Columns: kinds first..last, frame style, x scale, y scale, lower panel's y scale, caption
// index m, lower panel's caption index, where the captions come from, x range, y range, lower
// panel's y range.
    {1, 2,     s1,   dv, dv, no,    0, no,  cop,       tx, ty, nr},  // transfer characteristic, run's captions, divided axes (1: the bias run)
    {3, 3,     s1,   au, au, no,    0, no,  cop,       tx, ty, nr},  // the same with automatic steps
    {4, 4,     s1,   au, au, no,    2, no,  tab,       tx, ty, nr},  // input voltage to output voltage
    {5, 5,     c4,   dv, dv, no,   15, no,  tab,       tx, ty, nr},  // A/D converter stage characteristic, (MSB)/(LSB)
    {6, 6,     s1,   lg, lg, no,    0, no,  kep,       tx, ty, nr},  // log-log transfer characteristic
    {7, 7,     s1,   lg, au, no,    0, no,  kep,       tx, ty, nr},  // logarithmic x
    {8, 8,     s1,   au, lg, no,    0, no,  kep,       tx, ty, nr},  // logarithmic y
    {9, 9,     s1,   lg, lg, no,    2, no,  tab,       tx, ty, nr},  // log-log input voltage to output voltage
    {10, 15,   s1,   sq, sq, no,    0, no,  cop,       tx, ty, nr},  // square panel, divided axes, run's captions
    {17, 34,   s1,   au, au, no,    1, no,  tab,       mx, my, nr},  // time waveform
    {37, 41,   s1,   au, au, no,    1, no,  tab,       mx, my, nr},  // time waveform
    {35, 36,   t3,   au, au, no,    4, no,  tab,       mx, my, nr},  // time waveform on the time-division screen
    {42, 58,   s1,   cx, cx, no,    3, no,  tab,       re, im, nr},  // complex-plane plot
    {77, 78,   s1,   cx, cx, no,    3, no,  tab,       re, im, nr},  // complex-plane plot
    {80, 80,   s1,   cx, cx, no,    3, no,  tab,       re, im, nr},  // complex-plane plot
    {59, 62,   s1,   lg, au, no,    5, no,  tab,       fx, mg, nr},  // gain in dB over logarithmic frequency
    {69, 69,   s1,   lg, au, no,    5, no,  tab,       fx, mg, nr},  // gain in dB over logarithmic frequency
    {81, 82,   s1,   au, au, no,    5, no,  tab,       fx, mg, nr},  // gain over linear frequency
    {63, 68,   s1,   lg, dg, no,    6, no,  tab,       fx, ph, nr},  // phase over logarithmic frequency
    {70, 70,   s1,   lg, dg, no,    6, no,  tab,       fx, ph, nr},  // phase over logarithmic frequency
    {76, 76,   s1,   lg, dg, no,    6, no,  tab,       fx, ph, nr},  // phase over logarithmic frequency
    {83, 85,   s1,   au, dg, no,    6, no,  tab,       fx, ph, nr},  // phase over linear frequency
    {71, 72,   s1,   lg, lg, no,    7, no,  tab,       fx, mg, nr},  // impedance magnitude, log-log
    {86, 86,   s1,   au, au, no,    7, no,  tab,       fx, mg, nr},  // impedance magnitude, linear
    {74, 75,   s1,   lg, lg, no,   10, no,  tab,       fx, rx, nr},  // reactance, log-log
    {89, 92,   s1,   au, au, no,   10, no,  tab,       fx, rx, nr},  // reactance, linear
    {96, 96,   s1,   au, au, no,   11, no,  tab,       fx, dl, nr},  // group delay, linear
    {97, 114,  p0,   lg, au, dg,    5,  6,  tab,       fx, mg, ph},  // gain and phase (Bode plot)
    {115, 125, p0,   lg, lg, dg,    7,  8,  tab,       fx, mg, ph},  // impedance magnitude and phase, logarithmic
    {126, 126, p0,   lg, lg, dg,   16, 17,  tab,       fx, mg, ph},  // admittance magnitude and phase, logarithmic
    {127, 127, p0,   lg, lg, lg,    9, 10,  tab,       fx, rs, rx},  // resistance and reactance, logarithmic
    {128, 128, p0,   lg, lg, dg,   11, 12,  tab,       fx, dl, ph},  // group delay and phase, logarithmic
    {129, 132, p0,   au, au, dg,   13, 14,  tab,       fx, mg, ph},  // output amplitude and phase, linear
    {133, 135, p0,   au, au, dg,    7,  8,  tab,       fx, mg, ph},  // impedance magnitude and phase, linear
    {136, 136, p0,   au, au, dg,   16, 17,  tab,       fx, mg, ph},  // admittance magnitude and phase, linear
    {137, 137, p0,   au, au, au,    9, 10,  tab,       fx, rs, rx},  // resistance and reactance, linear
    {138, 138, p0,   au, au, dg,   11, 12,  tab,       fx, dl, ph},  // group delay and phase, linear
};
// clang-format on

struct RangeFields {
    double AnalysisSettings::*min;
    double AnalysisSettings::*max;
};

// The settings fields of each range source, indexed by its code.
constexpr RangeFields range_fields[range_source_count] = {
    {nullptr, nullptr},                                                          // none
    {&AnalysisSettings::transfer_x_min, &AnalysisSettings::transfer_x_max},      // transfer x
    {&AnalysisSettings::time_x_min, &AnalysisSettings::time_x_max},              // time x
    {&AnalysisSettings::freq_x_min, &AnalysisSettings::freq_x_max},              // freq x
    {&AnalysisSettings::real_min, &AnalysisSettings::real_max},                  // real
    {&AnalysisSettings::transfer_y_min, &AnalysisSettings::transfer_y_max},      // transfer y
    {&AnalysisSettings::time_y_min, &AnalysisSettings::time_y_max},              // time y
    {&AnalysisSettings::magnitude_y_min, &AnalysisSettings::magnitude_y_max},    // magnitude y
    {&AnalysisSettings::phase_y_min, &AnalysisSettings::phase_y_max},            // phase y
    {&AnalysisSettings::imag_min, &AnalysisSettings::imag_max},                  // imag
    {&AnalysisSettings::resistance_y_min, &AnalysisSettings::resistance_y_max},  // resistance y
    {&AnalysisSettings::reactance_y_min, &AnalysisSettings::reactance_y_max},    // reactance y
    {&AnalysisSettings::delay_y_min, &AnalysisSettings::delay_y_max},            // delay y
};

const RangeFields* fields_of(int source) {
    if (source <= range_none || source >= range_source_count) return nullptr;
    return &range_fields[source];
}

}  // namespace

const CatalogueRow* find_catalogue_row(int kind) {
    for (const CatalogueRow& row : catalogue) {
        if (kind >= row.first_kind && kind <= row.last_kind) return &row;
    }
    return nullptr;
}

double range_min(const AnalysisSettings& settings, int source) {
    const RangeFields* fields = fields_of(source);
    return fields != nullptr ? settings.*(fields->min) : 0.0;
}

double range_max(const AnalysisSettings& settings, int source) {
    const RangeFields* fields = fields_of(source);
    return fields != nullptr ? settings.*(fields->max) : 0.0;
}
