// The settings record: its layout and fresh records.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <type_traits>

#include "bias/analysis_settings.h"

namespace {

// The fields lie in their documented order, with their documented types.
TEST(Settings, FieldsLieInTheirOrder) {
    const std::size_t offsets[] = {
        offsetof(AnalysisSettings, time_from),        offsetof(AnalysisSettings, time_to),
        offsetof(AnalysisSettings, freq_from),        offsetof(AnalysisSettings, freq_to),
        offsetof(AnalysisSettings, sweep_from),       offsetof(AnalysisSettings, sweep_to),
        offsetof(AnalysisSettings, stage_y_min),      offsetof(AnalysisSettings, stage_y_max),
        offsetof(AnalysisSettings, time_count),       offsetof(AnalysisSettings, sample_count),
        offsetof(AnalysisSettings, time_x_min),       offsetof(AnalysisSettings, time_x_max),
        offsetof(AnalysisSettings, freq_x_min),       offsetof(AnalysisSettings, freq_x_max),
        offsetof(AnalysisSettings, time_y_min),       offsetof(AnalysisSettings, time_y_max),
        offsetof(AnalysisSettings, magnitude_y_min),  offsetof(AnalysisSettings, magnitude_y_max),
        offsetof(AnalysisSettings, phase_y_min),      offsetof(AnalysisSettings, phase_y_max),
        offsetof(AnalysisSettings, real_min),         offsetof(AnalysisSettings, real_max),
        offsetof(AnalysisSettings, imag_min),         offsetof(AnalysisSettings, imag_max),
        offsetof(AnalysisSettings, transfer_x_min),   offsetof(AnalysisSettings, transfer_x_max),
        offsetof(AnalysisSettings, transfer_y_min),   offsetof(AnalysisSettings, transfer_y_max),
        offsetof(AnalysisSettings, resistance_y_min), offsetof(AnalysisSettings, resistance_y_max),
        offsetof(AnalysisSettings, reactance_y_min),  offsetof(AnalysisSettings, reactance_y_max),
        offsetof(AnalysisSettings, delay_y_min),      offsetof(AnalysisSettings, delay_y_max),
        offsetof(AnalysisSettings, x_divisions),      offsetof(AnalysisSettings, y_divisions),
        offsetof(AnalysisSettings, first_x),          offsetof(AnalysisSettings, first_value),
        offsetof(AnalysisSettings, x_label),          offsetof(AnalysisSettings, y_label),
        offsetof(AnalysisSettings, overlay_offset),   offsetof(AnalysisSettings, colour),
        offsetof(AnalysisSettings, stage_count),      offsetof(AnalysisSettings, panel),
        offsetof(AnalysisSettings, plot_style),       offsetof(AnalysisSettings, line_dash),
        offsetof(AnalysisSettings, line_width),       offsetof(AnalysisSettings, marker_shape),
        offsetof(AnalysisSettings, marker_size),      offsetof(AnalysisSettings, title),
        offsetof(AnalysisSettings, subtitle),
    };
    for (std::size_t i = 1; i < std::size(offsets); ++i) {
        EXPECT_LT(offsets[i - 1], offsets[i]) << "field " << i;
    }
    static_assert(std::is_same_v<decltype(AnalysisSettings::stage_y_min), double[25]>);
    static_assert(std::is_same_v<decltype(AnalysisSettings::sample_count), int>);
    static_assert(std::is_same_v<decltype(AnalysisSettings::x_label), char[40]>);
    static_assert(std::is_same_v<decltype(AnalysisSettings::title), char[53]>);
    static_assert(std::is_same_v<decltype(AnalysisSettings::subtitle), char[71]>);
}

// Every byte of a fresh record is zero: every number reads 0 and every text is empty. The
// memory is dirtied first, so a record taken from recycled memory without clearing shows.
TEST(Settings, NewSettingsIsZeroFilled) {
    for (int round = 0; round < 3; ++round) {
        auto* dirty = new AnalysisSettings();
        std::memset(static_cast<void*>(dirty), 0x5A, sizeof *dirty);
        delete dirty;
        std::unique_ptr<AnalysisSettings> fresh(new_settings());
        ASSERT_NE(fresh, nullptr);
        const auto* bytes = reinterpret_cast<const unsigned char*>(fresh.get());
        for (std::size_t i = 0; i < sizeof(AnalysisSettings); ++i) {
            ASSERT_EQ(bytes[i], 0) << "byte " << i;
        }
        EXPECT_EQ(fresh->sample_count, 0);
        EXPECT_EQ(fresh->marker_size, 0);
        EXPECT_STREQ(fresh->title, "");
        EXPECT_STREQ(fresh->subtitle, "");
    }
}

}  // namespace
