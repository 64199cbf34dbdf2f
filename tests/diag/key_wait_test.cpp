// The wait for one key press on a terminal, through a pseudo-terminal.
#include "diag/key_wait.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "diag/console.h"

namespace {

// Guards against a wait that never ends; a healthy run takes a few milliseconds.
constexpr int guard_ms = 10000;
constexpr int guard_polls = 10000;

// Exit codes of the child.
constexpr int child_restored = 0;
constexpr int child_not_restored = 3;
constexpr int child_no_terminal = 4;

bool same_settings(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

// Reads what the child wrote until `until` appears or the terminal closes; false on the guard.
bool read_until(int master, std::string& seen, const std::string& until) {
    while (until.empty() || seen.find(until) == std::string::npos) {
        pollfd ready{master, POLLIN, 0};
        if (poll(&ready, 1, guard_ms) <= 0) return false;
        char buffer[256];
        const ssize_t got = read(master, buffer, sizeof buffer);
        if (got <= 0) return until.empty();  // EIO once the child has closed the terminal
        seen.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

// Ends a child left waiting by a failed check, so no process outlives the test.
struct ChildGuard {
    pid_t pid;
    int master;
    bool reaped = false;
    ~ChildGuard() {
        if (!reaped) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        close(master);
    }
};

// The child reports an error on a terminal as the programs do: standard input, output and
// error are the pseudo-terminal. The parent sees the prompt, waits until the terminal is in
// non-canonical no-echo mode, checks the child still waits, then presses one key.
TEST(KeyWait, WaitsForOneUnechoedKeyOnATerminalAndRestoresIt) {
    int master = -1;
    const pid_t child = forkpty(&master, nullptr, nullptr, nullptr);
    ASSERT_GE(child, 0) << std::strerror(errno);
    if (child == 0) {
        setenv("LC_ALL", "C.UTF-8", 1);
        termios before{};
        if (tcgetattr(STDIN_FILENO, &before) != 0) _exit(child_no_terminal);
        report_error(2);
        termios after{};
        tcgetattr(STDIN_FILENO, &after);
        std::printf("\nRETURNED\n");
        std::fflush(stdout);
        _exit(same_settings(before, after) ? child_restored : child_not_restored);
    }

    ChildGuard guard{child, master};
    std::string seen;
    ASSERT_TRUE(read_until(master, seen, "Push any key !")) << seen;

    bool raw = false;
    for (int i = 0; i < guard_polls && !raw; ++i) {
        termios now{};
        ASSERT_EQ(tcgetattr(master, &now), 0);
        raw = (now.c_lflag & (ICANON | ECHO)) == 0;
        if (!raw) usleep(1000);
    }
    ASSERT_TRUE(raw) << "the terminal never left canonical echo mode";

    int status = 0;
    EXPECT_EQ(waitpid(child, &status, WNOHANG), 0) << "returned without a key";
    EXPECT_EQ(seen.find("RETURNED"), std::string::npos);

    ASSERT_EQ(write(master, "Z", 1), 1);
    ASSERT_TRUE(read_until(master, seen, "")) << seen;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    guard.reaped = true;

    const std::size_t prompt = seen.find("Push any key !") + std::strlen("Push any key !");
    const std::size_t returned = seen.find("RETURNED");
    ASSERT_NE(returned, std::string::npos) << seen;
    // The key is not echoed between the prompt and the child's next output.
    EXPECT_EQ(seen.substr(prompt, returned - prompt).find('Z'), std::string::npos) << seen;
    EXPECT_EQ(seen.substr(0, 3), "\a\a\a");
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), child_restored) << "terminal settings not restored";
}

// A key read that fails (a non-blocking terminal with no key waiting) still restores the
// settings.
TEST(KeyWait, RestoresTheTerminalWhenTheReadFails) {
    int master = -1;
    int slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    termios before{};
    ASSERT_EQ(tcgetattr(slave, &before), 0);
    ASSERT_EQ(fcntl(slave, F_SETFL, fcntl(slave, F_GETFL) | O_NONBLOCK), 0);
    std::FILE* input = fdopen(slave, "r");
    ASSERT_NE(input, nullptr);
    wait_for_key(input);
    termios after{};
    ASSERT_EQ(tcgetattr(slave, &after), 0);
    EXPECT_TRUE(same_settings(before, after));
    std::fclose(input);
    close(master);
}

TEST(KeyWait, ReturnsAtOnceWithoutATerminal) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    ASSERT_EQ(write(ends[1], "q", 1), 1);
    std::FILE* input = fdopen(ends[0], "r");
    ASSERT_NE(input, nullptr);
    wait_for_key(input);
    wait_for_key(nullptr);
    EXPECT_EQ(std::fgetc(input), 'q');  // nothing was read from the pipe
    std::fclose(input);
    close(ends[1]);
}

}  // namespace
