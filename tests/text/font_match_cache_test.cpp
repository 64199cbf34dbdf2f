// Remembered font matches: an answer is used while nothing it rests on has changed, and only
// then; a start with a remembered answer opens the same face without loading fontconfig.
#include "platform/font_match_cache.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/font_face.h"
#include "tests/text/text_fixture.h"

namespace {

namespace fs = std::filesystem;

struct ConfigDeleter {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};

// A folder of its own with a font configuration that names one font folder, loaded into a
// configuration of its own (the process's fontconfig state is not touched).
class FontMatchCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::path(LUNKARO_BINARY_DIR) /
                 ("font_match_cache_" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder / "fonts");
        conf = (folder / "fonts.conf").string();
        std::ofstream(conf) << "<?xml version=\"1.0\"?>\n<fontconfig><dir>"
                            << (folder / "fonts").string() << "</dir></fontconfig>\n";
        font = (folder / "fonts" / "face.ttf").string();
        std::ofstream(font) << "not really a font";
        cache = (folder / "cache" / "font-matches").string();
        config.reset(FcConfigCreate());
        ASSERT_TRUE(FcConfigParseAndLoad(config.get(),
                                         reinterpret_cast<const FcChar8*>(conf.c_str()), FcTrue));
    }

    // Moves the file's modification time one second on, as an edit would.
    static void touch_later(const std::string& path) {
        struct stat info;
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        timespec times[2] = {info.st_atim, info.st_mtim};
        times[1].tv_sec += 1;
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    }

    fs::path folder;
    std::string conf;
    std::string font;
    std::string cache;
    std::unique_ptr<FcConfig, ConfigDeleter> config;
};

TEST_F(FontMatchCacheTest, AnswerHoldsUntilWhatItRestsOnChanges) {
    {
        gdi::FontMatchCache writer(cache);
        EXPECT_FALSE(writer.find("MSMINCHO").has_value()) << "no file yet";
        ASSERT_TRUE(writer.store(config.get(), "MSMINCHO", gdi::FontMatch{font, 2}));
    }
    auto remembered = [&](const std::string& query) {
        return gdi::FontMatchCache(cache).find(query);
    };
    ASSERT_TRUE(remembered("MSMINCHO").has_value());
    EXPECT_EQ(remembered("MSMINCHO")->file, font);
    EXPECT_EQ(remembered("MSMINCHO")->index, 2);
    EXPECT_FALSE(remembered("MSGOTHIC").has_value()) << "another query";

    // Each change below makes the answer stale; storing again makes it good again.
    struct Change {
        const char* what;
        std::function<void()> make;
    };
    const Change changes[] = {
        {"the configuration file edited", [&] { touch_later(conf); }},
        {"a font added to the font folder",
         [&] { std::ofstream((folder / "fonts" / "new.ttf").string()) << "x"; }},
        {"the matched font file replaced", [&] { std::ofstream(font) << "another font"; }},
        {"a user configuration appearing",
         [&] {
             setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
             fs::create_directories(folder / "fontconfig");
             std::ofstream((folder / "fontconfig" / "fonts.conf").string()) << "<fontconfig/>";
         }},
        {"an environment variable fontconfig reads", [&] { setenv("FC_LANG", "ko", 1); }},
    };
    const char* saved_config_home = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = saved_config_home ? saved_config_home : "";
    for (const Change& change : changes) {
        change.make();
        EXPECT_FALSE(remembered("MSMINCHO").has_value()) << change.what;
        ASSERT_TRUE(
            gdi::FontMatchCache(cache).store(config.get(), "MSMINCHO", gdi::FontMatch{font, 2}));
        EXPECT_TRUE(remembered("MSMINCHO").has_value()) << "stored again after " << change.what;
    }
    unsetenv("FC_LANG");
    if (saved_config_home) {
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}

TEST_F(FontMatchCacheTest, DamagedOrMissingFileGivesNoAnswer) {
    ASSERT_TRUE(gdi::FontMatchCache(cache).store(config.get(), "q", gdi::FontMatch{font, 0}));
    std::string text;
    {
        std::ifstream in(cache);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_EQ(text.back(), '\n');
    const std::string damaged[] = {
        text.substr(0, text.size() - 3),                          // cut inside the last line
        "lunkaro font matches 2" + text.substr(text.find('\n')),  // another format
        text.substr(0, text.find("env FC_LANG")) + text.substr(text.find("env LC_ALL")),
        text + "match x 71 /etc/passwd\n",  // a broken record
        "",
    };
    for (const std::string& contents : damaged) {
        std::ofstream(cache, std::ios::trunc) << contents;
        EXPECT_FALSE(gdi::FontMatchCache(cache).find("q").has_value()) << contents.substr(0, 60);
    }
    fs::remove(cache);
    EXPECT_FALSE(gdi::FontMatchCache(cache).find("q").has_value());
    // Queries are kept as bytes: a line break or a space in one does not break the file.
    const std::string odd = "MS\nMIN CHO\x1f\x81\x40";
    ASSERT_TRUE(gdi::FontMatchCache(cache).store(config.get(), odd, gdi::FontMatch{font, 1}));
    ASSERT_TRUE(gdi::FontMatchCache(cache).find(odd).has_value());
    EXPECT_EQ(gdi::FontMatchCache(cache).find(odd)->index, 1);
}

TEST_F(FontMatchCacheTest, KeepsTheNewestAnswersAndSkipsWhatItCannotWrite) {
    gdi::FontMatchCache writer(cache);
    const int stored = static_cast<int>(gdi::font_match_cache_entries) + 3;
    for (int i = 0; i < stored; ++i) {
        ASSERT_TRUE(writer.store(config.get(), "q" + std::to_string(i), gdi::FontMatch{font, i}));
    }
    gdi::FontMatchCache reader(cache);
    for (int i = 0; i < stored; ++i) {
        EXPECT_EQ(reader.find("q" + std::to_string(i)).has_value(), i >= 3) << i;
    }
    // A folder that cannot be made (a file stands in its place): nothing written, no answer.
    const std::string blocked = (folder / "fonts.conf" / "font-matches").string();
    EXPECT_FALSE(gdi::FontMatchCache(blocked).store(config.get(), "q", gdi::FontMatch{font, 0}));
    EXPECT_FALSE(gdi::FontMatchCache(blocked).find("q").has_value());
    EXPECT_FALSE(gdi::FontMatchCache("").store(config.get(), "q", gdi::FontMatch{font, 0}));
}

TEST(FontMatchCachePath, FromTheEnvironment) {
    struct Case {
        const char* chosen;
        const char* cache_home;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"/tmp/x/matches", "/c", "/h", "/tmp/x/matches"},
        {"", "/c", "/h", ""},
        {"relative", "/c", "/h", ""},
        {nullptr, "/c", "/h", "/c/lunkaro/font-matches"},
        {nullptr, "relative", "/h", "/h/.cache/lunkaro/font-matches"},
        {nullptr, nullptr, "/h", "/h/.cache/lunkaro/font-matches"},
        {nullptr, nullptr, nullptr, ""},
    };
    auto put = [](const char* name, const char* value) {
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    };
    const char* names[] = {"LUNKARO_FONT_CACHE", "XDG_CACHE_HOME", "HOME"};
    std::string saved[3];
    bool was_set[3];
    for (int i = 0; i < 3; ++i) {
        const char* value = std::getenv(names[i]);
        was_set[i] = value != nullptr;
        saved[i] = value ? value : "";
    }
    for (const Case& c : cases) {
        put("LUNKARO_FONT_CACHE", c.chosen);
        put("XDG_CACHE_HOME", c.cache_home);
        put("HOME", c.home);
        EXPECT_EQ(gdi::font_match_cache_path(), c.expected)
            << (c.chosen ? c.chosen : "-") << " " << (c.cache_home ? c.cache_home : "-");
    }
    for (int i = 0; i < 3; ++i) put(names[i], was_set[i] ? saved[i].c_str() : nullptr);
}

// Each start runs in a fresh process of its own (the process keeps the faces it has found):
// the first asks fontconfig and remembers the answer, the second opens the same file without
// loading fontconfig, and with the configuration changed fontconfig is asked again.
TEST(FontMatchCacheStart, SecondStartSkipsFontconfig) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // A death test's child runs this test again from its start up to its own statement: only
    // the parent prepares and changes files.
    const bool parent = GTEST_FLAG_GET(internal_run_death_test).empty();
    const fs::path folder = fs::path(LUNKARO_BINARY_DIR) / "font_match_cache_start";
    const std::string cache = (folder / "cache" / "font-matches").string();
    // Each file in a folder of its own: the configuration's folder is part of what the
    // remembered answer rests on.
    const std::string conf = (folder / "conf" / "fonts.conf").string();
    const std::string face_file = (folder / "out" / "face").string();
    if (parent) {
        fs::remove_all(folder);
        fs::create_directories(folder / "conf");
        fs::create_directories(folder / "out");
        std::ofstream(conf)
            << "<?xml version=\"1.0\"?>\n<fontconfig><include "
               "ignore_missing=\"no\">/etc/fonts/fonts.conf</include></fontconfig>\n";
    }
    // Starts a process that finds the system's font; it exits 0 when fontconfig was loaded as
    // many times as expected, and leaves the face's file in face_file.
    auto start = [&](int expected_loads) {
        if (parent) fs::remove(face_file);
        EXPECT_EXIT(
            {
                setenv("LUNKARO_FONT_CACHE", cache.c_str(), 1);
                setenv("FONTCONFIG_FILE", conf.c_str(), 1);
                gdi::FontFace* face = gdi::font_face_for(program_font());
                if (face == nullptr) std::exit(2);
                std::ofstream(face_file) << face->file();
                std::exit(gdi::fontconfig_loads() == expected_loads ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "");
        std::ifstream in(face_file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string first = start(1);
    if (parent) {
        EXPECT_FALSE(first.empty());
        EXPECT_TRUE(fs::exists(cache));
    }
    const std::string second = start(0);
    if (parent) {
        EXPECT_EQ(second, first) << "remembered";
        struct stat info;
        ASSERT_EQ(::stat(conf.c_str(), &info), 0);
        timespec times[2] = {info.st_atim, info.st_mtim};
        times[1].tv_sec += 1;
        ASSERT_EQ(::utimensat(AT_FDCWD, conf.c_str(), times, 0), 0);
    }
    const std::string third = start(1);
    const std::string fourth = start(0);
    if (parent) {
        EXPECT_EQ(third, first) << "configuration changed: asked again";
        EXPECT_EQ(fourth, first) << "and remembered again";
    }
}

}  // namespace
