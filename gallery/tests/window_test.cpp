// The gallery's window procedure in the in-memory window (keys and clicks move to the next
// example, the paint shows it) and the snapshot mode's files.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "draw/paint_context.h"
#include "gallery/gallery_window.h"
#include "gallery/tests/gallery_fixture.h"
#include "platform/window_system.h"
#include "tests/support/golden.h"

namespace {

class GalleryWindow : public GalleryTest {
protected:
    void SetUp() override {
        GalleryTest::SetUp();
        gdi::set_window_backend(nullptr);
        // The pictures to expect, painted on canvases before the window exists (a canvas
        // takes main_window over while it lives).
        for (int i = 0; i < gallery_example_count; ++i) {
            expected.push_back(paint(gallery_examples[i]));
        }
        take_err();
        shown_example = 0;
    }
    void TearDown() override {
        if (main_window != nullptr) gdi::destroy_window(main_window);
        main_window = nullptr;
        GalleryTest::TearDown();
    }

    // Handles every message that is waiting, paints included.
    static int pump() {
        int handled = 0;
        gdi::Message message;
        while (gdi::get_message(message)) {
            gdi::dispatch_message(message);
            ++handled;
        }
        return handled;
    }

    bool shows(int index) const {
        const gdi::Surface* surface = gdi::window_surface(main_window);
        return surface != nullptr && surface->pixels == expected[index].pixels;
    }

    std::vector<gdi::Surface> expected;
};

TEST_F(GalleryWindow, KeysAndClicksShowTheNextExample) {
    gdi::Window* window = open_gallery_window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window, main_window);
    EXPECT_EQ(window->client_width, gallery_client_width);
    EXPECT_EQ(window->client_height, gallery_client_height);
    gdi::update_window(window);
    EXPECT_TRUE(shows(0));

    struct Input {
        unsigned message;
        std::intptr_t lparam;
        int shown_after;
    };
    const Input inputs[] = {
        {gdi::wm_keydown, 0, 1},
        {gdi::wm_keydown, gdi::key_repeat_flag, 1},  // an auto-repeat does not count
        {gdi::wm_lbuttondown, (20 << 16) | 30, 2},
        {gdi::wm_rbuttondown, 0, 3},
        {gdi::wm_erasebkgnd, 0, 3},  // other messages change nothing
    };
    for (const Input& input : inputs) {
        gdi::post_message(window, input.message, ' ', input.lparam);
        pump();
        EXPECT_EQ(shown_example, input.shown_after) << "message " << input.message;
        EXPECT_TRUE(shows(input.shown_after)) << "message " << input.message;
    }
    // After the last example the first again.
    shown_example = gallery_example_count - 2;
    gdi::post_message(window, gdi::wm_keydown, 'x', 0);
    pump();
    EXPECT_TRUE(shows(gallery_example_count - 1));
    gdi::post_message(window, gdi::wm_keydown, 'x', 0);
    pump();
    EXPECT_EQ(shown_example, 0);
    EXPECT_TRUE(shows(0));
    // Each paint rang once: the first, three moves, and the two at the end.
    EXPECT_EQ(take_err(), std::string(6, '\a'));
    EXPECT_EQ(take_out(), "");
}

TEST_F(GalleryWindow, CloseEndsTheLoopWithZero) {
    gdi::Window* window = open_gallery_window();
    ASSERT_NE(window, nullptr);
    gdi::post_message(window, gdi::wm_close, 0, 0);
    gdi::Message message;
    ASSERT_TRUE(gdi::get_message(message));  // the close
    gdi::dispatch_message(message);
    EXPECT_EQ(main_window, nullptr);
    EXPECT_EQ(gdi::window_surface(window), nullptr);
    EXPECT_FALSE(gdi::get_message(message));
    EXPECT_EQ(message.message, gdi::wm_quit);
    EXPECT_EQ(message.wparam, 0u);
}

std::string read_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int count_of(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

std::string fresh_directory(const std::string& name) {
    std::string path = ::testing::TempDir() + "gallery_" + name;
    std::filesystem::remove_all(path);
    return path;
}

// Every picture as the window paints it, and the index page that shows them in order with
// their titles in UTF-8; the folder is made, and no window is left.
TEST_F(GalleryWindow, SnapshotWritesEveryPictureAndTheIndexPage) {
    const std::string directory = fresh_directory("out") + "/nested";
    std::string error;
    ASSERT_TRUE(write_gallery(directory, &error)) << error;
    EXPECT_EQ(main_window, nullptr);
    for (int i = 0; i < gallery_example_count; ++i) {
        gdi::Surface written;
        ASSERT_TRUE(read_png(directory + "/" + gallery_examples[i].name + ".png", written))
            << gallery_examples[i].name;
        EXPECT_TRUE(written.pixels == expected[i].pixels) << gallery_examples[i].name;
    }
    const std::string html = read_file(directory + "/index.html");
    EXPECT_EQ(count_of(html, "<img "), gallery_example_count);
    EXPECT_EQ(count_of(html, "<figcaption>"), gallery_example_count);
    size_t previous = 0;
    for (int i = 0; i < gallery_example_count; ++i) {
        const size_t at =
            html.find(std::string("<img src=\"") + gallery_examples[i].name + ".png\"");
        ASSERT_NE(at, std::string::npos) << gallery_examples[i].name;
        EXPECT_GT(at, previous) << gallery_examples[i].name << " out of order";
        previous = at;
    }
    // Titles in UTF-8, whatever the program's own texts are stored in.
    for (const char8_t* title :
         {u8"シュミットトリガのヒステリシス特性", u8"一巡伝達関数のナイキスト線図"}) {
        const std::string utf8(reinterpret_cast<const char*>(title));
        EXPECT_EQ(count_of(html, utf8), 2) << "alt text and caption";
    }
    for (int i = 0; i < gallery_example_count; ++i) {
        EXPECT_EQ(html.find(gallery_examples[i].title), std::string::npos)
            << "the Shift-JIS title of " << gallery_examples[i].name << " in the page";
    }
    EXPECT_EQ(take_err(), std::string(static_cast<size_t>(gallery_example_count), '\a'));
}

// A folder that cannot be made, and a picture that cannot be written: false, the reason, and
// no index page.
TEST_F(GalleryWindow, SnapshotReportsWhatItCannotWrite) {
    const std::string base = fresh_directory("fail");
    std::filesystem::create_directories(base);
    std::ofstream(base + "/plain_file") << "x";
    std::string error;
    EXPECT_FALSE(write_gallery(base + "/plain_file/sub", &error));
    EXPECT_NE(error.find("cannot make the folder"), std::string::npos) << error;

    // A folder standing where the third picture goes.
    const std::string blocked = base + "/blocked";
    std::filesystem::create_directories(blocked + "/" + gallery_examples[2].name + ".png");
    error.clear();
    EXPECT_FALSE(write_gallery(blocked, &error));
    EXPECT_NE(error.find(std::string("cannot write ") + blocked + "/" + gallery_examples[2].name),
              std::string::npos)
        << error;
    EXPECT_FALSE(std::filesystem::exists(blocked + "/index.html"));
    EXPECT_EQ(main_window, nullptr);
}

}  // namespace
