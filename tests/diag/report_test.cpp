// The bell and the error reports of graph set-up.
#include <fcntl.h>
#include <unistd.h>

#include <climits>

#include "console_fixture.h"

namespace {

using Reports = ConsoleStreams;

TEST_F(Reports, RingBellWritesOneBellOnTheErrorStream) {
    ring_bell();
    EXPECT_EQ(contents(err), "\a");
    EXPECT_EQ(contents(out), "");
}

// Each code: three bells, then the message between empty lines and the prompt without line
// end; the Shift-JIS message reaches the console in the locale's UTF-8. Without a terminal
// the report returns at once.
TEST_F(Reports, EveryCodeWritesItsMessage) {
    struct Case {
        int code;
        const char8_t* message;
    };
    const Case cases[] = {
        {1, u8"ゼロまたは負は不可！！"},
        {2, u8"スケールオーバー  ！！"},
        {3, u8"２分法の変数範囲を変える！！"},
        {4, u8"グラフＸ軸スケールの設定不能　！！"},
        {5, u8"グラフＹ軸スケールの設定不能　！！"},
    };
    for (const Case& c : cases) {
        restart();
        report_error(c.code);
        EXPECT_EQ(contents(err), "\a\a\a") << c.code;
        EXPECT_EQ(contents(out), "\n" + utf8(c.message) + "\n\nPush any key !") << c.code;
    }
}

// Codes outside 1..5 are not failures the frame check gives: nothing is written, no wait.
TEST_F(Reports, CodesOutsideTheTableAreIgnored) {
    for (int code : {0, 6, 7, -1, 100, INT_MIN, INT_MAX}) {
        report_error(code);
        EXPECT_EQ(contents(err), "") << code;
        EXPECT_EQ(contents(out), "") << code;
    }
}

// Input that is not a terminal is not read: what it holds stays for whoever reads next.
TEST_F(Reports, InputThatIsNoTerminalIsNotRead) {
    set_input("x\n");
    report_error(3);
    EXPECT_EQ(std::fgetc(in), 'x');
}

// With no streams set, the report goes to the process's standard output and error, and
// returns at once with standard input on /dev/null.
TEST_F(Reports, DefaultsAreTheStandardStreams) {
    console_out = nullptr;
    console_err = nullptr;
    console_in = nullptr;
    std::fflush(stdout);
    std::fflush(stderr);
    const int saved_in = dup(STDIN_FILENO);
    const int saved_out = dup(STDOUT_FILENO);
    const int saved_err = dup(STDERR_FILENO);
    const int null_in = open("/dev/null", O_RDONLY);
    ASSERT_GE(null_in, 0);
    dup2(null_in, STDIN_FILENO);
    dup2(fileno(out), STDOUT_FILENO);
    dup2(fileno(err), STDERR_FILENO);

    report_error(2);
    ring_bell();
    std::fflush(stdout);

    dup2(saved_in, STDIN_FILENO);
    dup2(saved_out, STDOUT_FILENO);
    dup2(saved_err, STDERR_FILENO);
    for (int fd : {saved_in, saved_out, saved_err, null_in}) close(fd);
    std::clearerr(stdin);

    EXPECT_EQ(contents(err), "\a\a\a\a");
    EXPECT_EQ(contents(out), "\n" + utf8(u8"スケールオーバー  ！！") + "\n\nPush any key !");
}

}  // namespace
