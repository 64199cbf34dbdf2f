// The messages of the frame check codes, in Shift-JIS. The exclamation marks are full-width.
#include "diag/error_messages.h"

namespace {

constexpr int first_code = 1;

// Message i belongs to frame check code i + 1.
const char* const messages[] = {
    "ゼロまたは負は不可！！",              // 1 check_not_positive: zero or negative not allowed
    "スケールオーバー  ！！",              // 2 check_too_wide: scale over (two blanks)
    "２分法の変数範囲を変える！！",        // 3 check_empty_range: change the bisection range
    "グラフＸ軸スケールの設定不能　！！",  // 4 check_x_zero: X scale cannot be set
    "グラフＹ軸スケールの設定不能　！！",  // 5 check_y_zero: Y scale cannot be set
};

constexpr int message_count = sizeof messages / sizeof messages[0];

}  // namespace

const char* error_message(int code) {
    if (code < first_code || code >= first_code + message_count) return nullptr;
    return messages[code - first_code];
}
