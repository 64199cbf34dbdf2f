// What the gallery's tests share: the pinned build date, the console streams caught in files,
// and an example painted on a canvas of the window's client size.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "diag/console.h"
#include "gallery/examples.h"
#include "graph/format.h"
#include "platform/surface.h"
#include "tests/support/canvas.h"

// The client size of the gallery's 640 x 480 window.
constexpr int gallery_client_width = 632;
constexpr int gallery_client_height = 453;

class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_date = build_date;
        build_date = "Jul 27 1999";  // the goldens are drawn with this build date
        console_out = std::tmpfile();
        console_err = std::tmpfile();
        console_in = std::tmpfile();  // no key to read: an error report would not wait
    }
    void TearDown() override {
        build_date = saved_date;
        for (std::FILE* stream : {console_out, console_err, console_in}) {
            if (stream) std::fclose(stream);
        }
        console_out = console_err = console_in = nullptr;
    }

    // Everything written to the stream since the last call, and the stream emptied.
    static std::string take(std::FILE* stream) {
        std::string text;
        std::fflush(stream);
        std::rewind(stream);
        for (int c; (c = std::fgetc(stream)) != EOF;) text += static_cast<char>(c);
        std::fclose(stream);
        return text;
    }
    std::string take_out() {
        std::string text = take(console_out);
        console_out = std::tmpfile();
        return text;
    }
    std::string take_err() {
        std::string text = take(console_err);
        console_err = std::tmpfile();
        return text;
    }

    // The example's picture, painted on a fresh canvas.
    static gdi::Surface paint(const GalleryExample& example) {
        Canvas canvas(gallery_client_width, gallery_client_height);
        example.run();
        return canvas.surface;
    }

    const char* saved_date = nullptr;
};
