// The file of remembered font matches. One record per line:
//
//   lunkaro font matches 1
//   version VERSION                  fontconfig's version
//   env NAME - | env NAME = HEX      an environment variable: unset, or its value in hex
//   path STATE PATH                  STATE is "absent" or DEV:INODE:SIZE:SECONDS.NANOSECONDS
//   match INDEX HEX-QUERY PATH       the face INDEX of the file PATH answers the query
//
// Paths come last on their line, so they may hold spaces; a path with a line break is never
// written.
#include "platform/font_match_cache.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unordered_set>

namespace gdi {

namespace {

constexpr const char* header = "lunkaro font matches 1";
constexpr long largest_file = 1 << 20;

// What fontconfig reads from the environment (the configuration's own paths, the user's home
// and base folders, the default language) and so may change its answer.
constexpr const char* environment_names[] = {
    "FONTCONFIG_FILE",
    "FONTCONFIG_PATH",
    "FONTCONFIG_SYSROOT",
    "FC_LANG",
    "LC_ALL",
    "LC_CTYPE",
    "LANG",
    "HOME",
    "XDG_CONFIG_HOME",
    "XDG_DATA_HOME",
    "XDG_CACHE_HOME",
};

std::string hex_of(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

bool bytes_of_hex(const std::string& hex, std::string& out) {
    if (hex.size() % 2 != 0) return false;
    out.clear();
    auto value = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = value(hex[i]);
        const int low = value(hex[i + 1]);
        if (high < 0 || low < 0) return false;
        out += static_cast<char>(high * 16 + low);
    }
    return true;
}

std::string environment_record(const char* name) {
    const char* value = std::getenv(name);
    std::string line = "env ";
    line += name;
    if (value == nullptr) return line + " -";
    return line + " = " + hex_of(value);
}

std::string path_state(const std::string& path) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return "absent";
    char state[128];
    std::snprintf(state, sizeof state, "%llu:%llu:%lld:%lld.%09ld",
                  static_cast<unsigned long long>(info.st_dev),
                  static_cast<unsigned long long>(info.st_ino),
                  static_cast<long long>(info.st_size), static_cast<long long>(info.st_mtim.tv_sec),
                  static_cast<long>(info.st_mtim.tv_nsec));
    return state;
}

std::string parent_of(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Splits "WORD REST" at the first space; false when there is none.
bool split_word(const std::string& line, std::size_t from, std::string& word, std::size_t& rest) {
    const std::size_t space = line.find(' ', from);
    if (space == std::string::npos) return false;
    word = line.substr(from, space - from);
    rest = space + 1;
    return true;
}

bool read_file(const std::string& path, std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    text.clear();
    char buffer[8192];
    std::size_t got = 0;
    bool ok = true;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, got);
        if (static_cast<long>(text.size()) > largest_file) {
            ok = false;
            break;
        }
    }
    if (std::ferror(file)) ok = false;
    std::fclose(file);
    return ok;
}

// The folder and every folder above it that is missing, as the user's own (0700).
bool make_folders(const std::string& folder) {
    if (folder.empty() || folder == "/" || folder == ".") return true;
    struct stat info;
    if (::stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
    if (!make_folders(parent_of(folder))) return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

// Every path fontconfig's answers rest on, each once, in a fixed order.
class StampPaths {
public:
    void add(const std::string& path) {
        if (!path.empty() && seen_.insert(path).second) paths_.push_back(path);
    }
    void add_list(FcStrList* list, bool with_parents) {
        if (list == nullptr) return;
        while (FcChar8* item = FcStrListNext(list)) {
            const std::string path = reinterpret_cast<const char*>(item);
            add(path);
            if (with_parents) add(parent_of(path));
        }
        FcStrListDone(list);
    }
    const std::vector<std::string>& paths() const { return paths_; }

private:
    std::vector<std::string> paths_;
    std::unordered_set<std::string> seen_;
};

void add_user_configuration(StampPaths& stamp) {
    const char* home = std::getenv("HOME");
    const char* config_home = std::getenv("XDG_CONFIG_HOME");
    const char* data_home = std::getenv("XDG_DATA_HOME");
    std::string config = config_home && *config_home ? config_home : "";
    std::string data = data_home && *data_home ? data_home : "";
    if (home && *home) {
        const std::string h = home;
        if (config.empty()) config = h + "/.config";
        if (data.empty()) data = h + "/.local/share";
        stamp.add(h + "/.fonts.conf");
        stamp.add(h + "/.fonts.conf.d");
        stamp.add(h + "/.fonts");
    }
    if (!config.empty()) {
        stamp.add(config + "/fontconfig");
        stamp.add(config + "/fontconfig/fonts.conf");
        stamp.add(config + "/fontconfig/conf.d");
    }
    if (!data.empty()) stamp.add(data + "/fonts");
}

}  // namespace

std::string font_match_cache_path() {
    if (const char* chosen = std::getenv("LUNKARO_FONT_CACHE")) {
        return chosen[0] == '/' ? std::string(chosen) : std::string();
    }
    const char* cache_home = std::getenv("XDG_CACHE_HOME");
    if (cache_home && cache_home[0] == '/')
        return std::string(cache_home) + "/lunkaro/font-matches";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.cache/lunkaro/font-matches";
    return std::string();
}

void FontMatchCache::load() {
    loaded_ = true;
    entries_.clear();
    std::string text;
    if (path_.empty() || !read_file(path_, text)) return;

    std::vector<std::pair<std::string, FontMatch>> found;
    bool header_seen = false;
    bool version_seen = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) return;  // a cut-off last line: the file is incomplete
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!header_seen) {
            if (line != header) return;
            header_seen = true;
            continue;
        }
        std::string word;
        std::size_t rest = 0;
        if (!split_word(line, 0, word, rest)) return;
        if (word == "version") {
            if (line.substr(rest) != std::to_string(FcGetVersion())) return;
            version_seen = true;
        } else if (word == "env") {
            std::string name;
            std::size_t after = 0;
            if (!split_word(line, rest, name, after)) return;
            if (line != environment_record(name.c_str())) return;
        } else if (word == "path") {
            std::string state;
            std::size_t after = 0;
            if (!split_word(line, rest, state, after)) return;
            if (path_state(line.substr(after)) != state) return;
        } else if (word == "match") {
            std::string index;
            std::string query_hex;
            std::size_t after_index = 0;
            std::size_t after_query = 0;
            if (!split_word(line, rest, index, after_index) ||
                !split_word(line, after_index, query_hex, after_query)) {
                return;
            }
            char* index_end = nullptr;
            const long face_index = std::strtol(index.c_str(), &index_end, 10);
            std::string query;
            if (index.empty() || *index_end != '\0' || face_index < 0 || face_index > 0xffff ||
                !bytes_of_hex(query_hex, query)) {
                return;
            }
            found.push_back(
                {query, FontMatch{line.substr(after_query), static_cast<int>(face_index)}});
        } else {
            return;
        }
    }
    // Every environment variable must have been checked, or a later one was added unseen.
    if (!version_seen) return;
    for (const char* name : environment_names) {
        if (text.find(environment_record(name) + "\n") == std::string::npos) return;
    }
    entries_ = std::move(found);
}

std::optional<FontMatch> FontMatchCache::find(const std::string& query) {
    if (!loaded_) load();
    for (const auto& entry : entries_) {
        if (entry.first == query) return entry.second;
    }
    return std::nullopt;
}

bool FontMatchCache::store(FcConfig* config, const std::string& query, const FontMatch& match) {
    if (path_.empty() || config == nullptr || match.file.empty() ||
        match.file.find('\n') != std::string::npos) {
        return false;
    }
    if (!loaded_) load();
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->first == query) {
            entries_.erase(it);
            break;
        }
    }
    entries_.push_back({query, match});
    while (entries_.size() > font_match_cache_entries) entries_.erase(entries_.begin());
    // The folder first: making it changes the folder above, which may be one the stamp holds.
    if (!make_folders(parent_of(path_))) return false;

    StampPaths stamp;
    stamp.add_list(FcConfigGetConfigFiles(config), true);
    stamp.add_list(FcConfigGetConfigDirs(config), false);
    stamp.add_list(FcConfigGetFontDirs(config), false);
    add_user_configuration(stamp);
    for (const auto& entry : entries_) stamp.add(entry.second.file);

    std::string text = header;
    text += "\nversion " + std::to_string(FcGetVersion()) + "\n";
    for (const char* name : environment_names) text += environment_record(name) + "\n";
    for (const std::string& path : stamp.paths()) {
        if (path.find('\n') != std::string::npos) return false;
        text += "path " + path_state(path) + " " + path + "\n";
    }
    for (const auto& entry : entries_) {
        text += "match " + std::to_string(entry.second.index) + " " + hex_of(entry.first) + " " +
                entry.second.file + "\n";
    }

    // Written beside the file and renamed over it, so that a reader sees the old file or the
    // new one, never a part.
    const std::string temporary = path_ + ".tmp" + std::to_string(::getpid());
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !written || std::rename(temporary.c_str(), path_.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace gdi
