// The call recorder and PNG output.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/recorder.h"
#include "tests/platform/raster_fixture.h"
#include "tests/support/golden.h"

namespace {

TEST(RecorderTest, DumpsOneLinePerCall) {
    RasterCanvas canvas(4, 4);
    gdi::Recorder recorder;
    gdi::set_recorder(&recorder);
    const gdi::Handle pen = gdi::create_pen(gdi::ps_dot, 0, 0x0000FFu);
    const gdi::Handle old = gdi::select_object(canvas.dc, pen);
    const gdi::Point points[2] = {{0, 1}, {3, 2}};
    gdi::polyline(canvas.dc, points, 2);
    gdi::rectangle(canvas.dc, 0, 0, 2, 2);
    gdi::select_object(canvas.dc, old);
    gdi::delete_object(pen);
    gdi::FontSpec font_spec;
    std::snprintf(font_spec.face, sizeof font_spec.face, "A\"b\x82\xa0");
    const gdi::Handle font = gdi::create_font(font_spec);
    gdi::delete_object(font);
    gdi::set_recorder(nullptr);
    gdi::set_pixel(canvas.dc, 0, 0, 0);  // not recorded any more

    const std::string pen_line = "create_pen 2 0 255\n";
    const std::string select_line = "select_object " + std::to_string(pen) + "\n";
    const std::string expected = pen_line + select_line + "polyline 2 0 1 3 2\n" +
                                 "rectangle 0 0 2 2\n" + "select_object " + std::to_string(old) +
                                 "\n" + "delete_object " + std::to_string(pen) + "\n" +
                                 "create_font 0 0 0 0 0 0 0 0 0 0 0 0 0 \"A\\\"b\\x82\\xA0\"\n" +
                                 "delete_object " + std::to_string(font) + "\n";
    EXPECT_EQ(gdi::dump_calls(recorder), expected);
    ASSERT_EQ(recorder.calls.size(), 8u);
    EXPECT_EQ(recorder.calls[6].text, "A\"b\x82\xa0");
    EXPECT_EQ(recorder.calls[2].args, (std::vector<long long>{2, 0, 1, 3, 2}));
}

// A folder of its own under the build tree for each test.
struct PngTest : testing::Test {
    std::filesystem::path folder;
    void SetUp() override {
        folder = std::filesystem::path(LUNKARO_BINARY_DIR) / "png_test" /
                 testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    int files() const {
        int n = 0;
        for (auto& entry : std::filesystem::directory_iterator(folder)) {
            (void)entry;
            ++n;
        }
        return n;
    }
};

TEST_F(PngTest, RoundTrip) {
    gdi::Surface surface = gdi::make_surface(5, 3, 0);
    for (int i = 0; i < 15; ++i) surface.pixels[i] = gdi::rgb(i * 17, 255 - i, (i * 71) & 0xff);
    const std::string path = (folder / "picture.png").string();
    std::string error = "unchanged";
    ASSERT_TRUE(gdi::write_png(surface, path, &error));
    EXPECT_EQ(error, "unchanged");
    gdi::Surface back;
    ASSERT_TRUE(read_png(path, back));
    EXPECT_EQ(back.width, 5);
    EXPECT_EQ(back.height, 3);
    EXPECT_EQ(back.pixels, surface.pixels);
    EXPECT_EQ(files(), 1);  // no temporary file left

    // Writing again replaces the picture.
    surface.pixels.assign(15, gdi::rgb(1, 2, 3));
    ASSERT_TRUE(gdi::write_png(surface, path));
    ASSERT_TRUE(read_png(path, back));
    EXPECT_EQ(back.pixels, surface.pixels);
    EXPECT_EQ(files(), 1);
}

TEST_F(PngTest, FailuresLeaveNoFile) {
    const gdi::Surface surface = gdi::make_surface(4, 4, 0x123456u);
    std::FILE* plain = std::fopen((folder / "plain.txt").c_str(), "w");
    ASSERT_NE(plain, nullptr);
    std::fclose(plain);
    std::filesystem::create_directory(folder / "sub");
    struct Case {
        const char* name;
        std::string path;
        gdi::Surface surface;
    };
    const Case cases[] = {
        {"missing folder", (folder / "missing" / "a.png").string(), surface},
        {"directory as path", (folder / "sub").string(), surface},
        {"file as folder", (folder / "plain.txt" / "a.png").string(), surface},
        {"name too long", (folder / (std::string(300, 'n') + ".png")).string(), surface},
        {"path too long", folder.string() + "/" + std::string(5000, 'd') + "/a.png", surface},
        {"empty path", "", surface},
        {"empty surface", (folder / "empty.png").string(), gdi::make_surface(0, 0, 0)},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(gdi::write_png(c.surface, c.path, &error)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
        EXPECT_EQ(files(), 2) << c.name;  // plain.txt and sub only
        EXPECT_TRUE(std::filesystem::is_empty(folder / "sub")) << c.name;
    }
    EXPECT_FALSE(gdi::write_png(surface, (folder / "missing" / "b.png").string()));  // no error out
}

}  // namespace
