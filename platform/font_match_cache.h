// Remembered font matches: the font file fontconfig chose for a font query, kept in a file
// between runs, so that a start whose fonts and font configuration are as they were opens its
// face without loading fontconfig's configuration (parsing it costs more than all the rest of
// a snapshot).
//
// The file holds a stamp of everything fontconfig's answer rests on: the environment variables
// fontconfig reads, its version, and the state (modification time, size, inode) of the
// configuration files it read and their folders, of the places a user configuration would be
// read from, of the font folders and of every matched font file. A remembered answer is used
// only while the whole stamp holds; otherwise fontconfig answers afresh and the file is
// written again. A file that cannot be read or written costs only the time it saves.
#pragma once

#include <fontconfig/fontconfig.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace gdi {

struct FontMatch {
    std::string file;
    int index = 0;  // the face within the file
};

// Where the matches are kept: $LUNKARO_FONT_CACHE when it is set (set and empty: nowhere),
// else $XDG_CACHE_HOME/lunkaro/font-matches, else $HOME/.cache/lunkaro/font-matches; empty when
// none of these is an absolute path.
std::string font_match_cache_path();

// At most this many queries are remembered; storing one more forgets the oldest.
constexpr std::size_t font_match_cache_entries = 32;

class FontMatchCache {
public:
    explicit FontMatchCache(std::string path) : path_(std::move(path)) {}

    // The answer remembered for the query, while the stamp still holds.
    std::optional<FontMatch> find(const std::string& query);

    // Remembers the answer to the query and writes the file, stamped from the configuration
    // fontconfig has loaded. Returns whether the file was written.
    bool store(FcConfig* config, const std::string& query, const FontMatch& match);

private:
    void load();

    std::string path_;
    bool loaded_ = false;
    // The remembered answers, oldest first; empty when the file was missing, unreadable or
    // stale.
    std::vector<std::pair<std::string, FontMatch>> entries_;
};

}  // namespace gdi
