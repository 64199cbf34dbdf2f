// A fixture that points the console diagnostics at temporary files and pins the locale's
// codeset to UTF-8, so a test reads back exactly what reached the console.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "diag/console.h"

// The UTF-8 bytes of a u8 literal, for comparing with what reached the console.
inline std::string utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

// The whole content of a stream opened for update.
inline std::string contents(std::FILE* stream) {
    std::fflush(stream);
    std::rewind(stream);
    std::string text;
    for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) {
        text.push_back(static_cast<char>(c));
    }
    return text;
}

class ConsoleStreams : public ::testing::Test {
protected:
    void SetUp() override {
        const char* locale = std::getenv("LC_ALL");
        had_locale = locale != nullptr;
        if (had_locale) saved_locale = locale;
        setenv("LC_ALL", "C.UTF-8", 1);
        restart();
    }

    // Fresh, empty output streams and an empty input.
    void restart() {
        for (std::FILE** stream : {&out, &err, &menu}) {
            if (*stream != nullptr) std::fclose(*stream);
            *stream = std::tmpfile();
            ASSERT_NE(*stream, nullptr);
        }
        console_out = out;
        console_err = err;
        menu_out = menu;
        set_input("");
    }

    void TearDown() override {
        console_out = nullptr;
        console_err = nullptr;
        console_in = nullptr;
        menu_out = nullptr;
        for (std::FILE* stream : {out, err, menu, in}) {
            if (stream != nullptr) std::fclose(stream);
        }
        if (had_locale) {
            setenv("LC_ALL", saved_locale.c_str(), 1);
        } else {
            unsetenv("LC_ALL");
        }
    }

    // The input stream holds exactly these bytes: a file, not a terminal.
    void set_input(const std::string& text) {
        if (in != nullptr) std::fclose(in);
        in = std::tmpfile();
        ASSERT_NE(in, nullptr);
        std::fwrite(text.data(), 1, text.size(), in);
        std::rewind(in);
        console_in = in;
    }

    std::FILE* out = nullptr;
    std::FILE* err = nullptr;
    std::FILE* menu = nullptr;
    std::FILE* in = nullptr;
    bool had_locale = false;
    std::string saved_locale;
};
