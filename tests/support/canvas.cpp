#include "tests/support/canvas.h"

#include "draw/paint_context.h"
#include "draw/palette.h"

Canvas::Canvas(int width, int height)
    : surface(gdi::make_surface(width, height, gdi::rgb(255, 255, 255))),
      window{width, height},
      dc(gdi::make_paint_dc(surface)) {
    init_palette();
    background_colour = palette[colour_white];
    paint_dc = &dc;
    main_window = &window;
}

Canvas::~Canvas() {
    paint_dc = nullptr;
    main_window = nullptr;
}

int Canvas::colour_at(int x, int y) const {
    gdi::Colour c = gdi::surface_pixel(surface, x, y);
    for (int i = 0; i < palette_size; ++i) {
        if (palette[i] == c) return i;
    }
    return -1;
}

std::vector<std::string> Canvas::picture() const {
    static const char digits[] = "0123456789abcdef";
    std::vector<std::string> rows;
    for (int y = 0; y < surface.height; ++y) {
        std::string row;
        for (int x = 0; x < surface.width; ++x) {
            int c = colour_at(x, y);
            row += c < 0 ? '?' : digits[c];
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<gdi::Point> Canvas::pixels_of(int colour) const {
    std::vector<gdi::Point> points;
    for (int y = 0; y < surface.height; ++y) {
        for (int x = 0; x < surface.width; ++x) {
            if (colour_at(x, y) == colour) points.push_back({x, y});
        }
    }
    return points;
}

int Canvas::count_of(int colour) const { return static_cast<int>(pixels_of(colour).size()); }

std::string side_by_side(const std::vector<std::string>& expected,
                         const std::vector<std::string>& actual) {
    std::string out = "expected | actual\n";
    size_t rows = expected.size() > actual.size() ? expected.size() : actual.size();
    for (size_t i = 0; i < rows; ++i) {
        std::string e = i < expected.size() ? expected[i] : "";
        std::string a = i < actual.size() ? actual[i] : "";
        out += e + " | " + a + (e == a ? "" : "   <--") + "\n";
    }
    return out;
}
