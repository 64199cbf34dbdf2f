// The gallery's snapshot mode: every example painted once in the window kept in memory,
// written as a PNG, and the index page that shows them.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "diag/console_text.h"
#include "draw/paint_context.h"
#include "gallery/examples.h"
#include "gallery/gallery_window.h"
#include "platform/surface.h"

namespace {

// Room for a title of 52 Shift-JIS bytes in UTF-8 (at most 3 bytes per 2-byte character).
constexpr std::size_t utf8_title_size = 160;

std::string html_escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
                break;
        }
    }
    return out;
}

std::string utf8_of(const char* sjis) {
    char text[utf8_title_size];
    convert_console_text(sjis, "UTF-8", text, sizeof text);
    return text;
}

bool write_text_file(const std::string& path, const std::string& text, std::string* error) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool written = file != nullptr && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file != nullptr && std::fclose(file) != 0) written = false;
    if (!written) {
        if (error) *error = "cannot write " + path;
        std::remove(path.c_str());
    }
    return written;
}

void close_gallery_window() {
    if (main_window != nullptr) gdi::destroy_window(main_window);
    main_window = nullptr;
}

}  // namespace

std::string gallery_index_html() {
    std::string html =
        "<!DOCTYPE html>\n"
        "<html lang=\"ja\">\n"
        "<head>\n"
        "<meta charset=\"utf-8\">\n"
        "<title>graph_gallery</title>\n"
        "<style>\n"
        "body { font-family: sans-serif; background: #e8e8e8; margin: 16px; }\n"
        "figure { display: inline-block; margin: 8px; padding: 8px; background: #fff; }\n"
        "img { display: block; }\n"
        "figcaption { margin-top: 6px; }\n"
        "</style>\n"
        "</head>\n"
        "<body>\n"
        "<h1>graph_gallery</h1>\n";
    for (int i = 0; i < gallery_example_count; ++i) {
        const GalleryExample& example = gallery_examples[i];
        const std::string name = html_escaped(example.name);
        const std::string title = html_escaped(utf8_of(example.title));
        html += "<figure id=\"" + name + "\">\n";
        html +=
            "<img src=\"" + name + ".png\" width=\"" +
            std::to_string(gallery_window_width - 2 * gdi::classic_frame) + "\" height=\"" +
            std::to_string(gallery_window_height - gdi::classic_caption - 2 * gdi::classic_frame) +
            "\" alt=\"" + title + "\">\n";
        html += "<figcaption>" + std::to_string(i + 1) + ". " + title + " (" + name +
                ", graph kind " + std::to_string(example.kind) + ")</figcaption>\n";
        html += "</figure>\n";
    }
    html += "</body>\n</html>\n";
    return html;
}

bool write_gallery(const std::string& directory, std::string* error) {
    std::error_code made;
    std::filesystem::create_directories(directory, made);
    if (made) {
        if (error) *error = "cannot make the folder " + directory + ": " + made.message();
        return false;
    }
    gdi::set_window_backend(nullptr);
    gdi::Window* window = open_gallery_window();
    if (window == nullptr) {
        if (error) *error = "cannot create the in-memory window";
        return false;
    }
    for (int i = 0; i < gallery_example_count; ++i) {
        shown_example = i;
        gdi::invalidate(window);
        gdi::update_window(window);
        const gdi::Surface* surface = gdi::window_surface(window);
        const std::string path = directory + "/" + gallery_examples[i].name + ".png";
        std::string reason;
        if (surface == nullptr || !gdi::write_png(*surface, path, &reason)) {
            if (error) *error = "cannot write " + path + ": " + reason;
            close_gallery_window();
            return false;
        }
    }
    close_gallery_window();
    return write_text_file(directory + "/index.html", gallery_index_html(), error);
}
