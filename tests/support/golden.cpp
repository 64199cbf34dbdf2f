#include "tests/support/golden.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>

#ifndef LUNKARO_SOURCE_DIR
#define LUNKARO_SOURCE_DIR "."
#endif
#ifndef LUNKARO_BINARY_DIR
#define LUNKARO_BINARY_DIR "."
#endif

bool read_png(const std::string& path, gdi::Surface& surface) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    std::unique_ptr<png_byte[]> buffer(new png_byte[PNG_IMAGE_SIZE(image)]);
    if (!png_image_finish_read(&image, nullptr, buffer.get(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    surface.width = static_cast<int>(image.width);
    surface.height = static_cast<int>(image.height);
    surface.pixels.assign(static_cast<size_t>(surface.width) * surface.height, 0);
    for (size_t i = 0; i < surface.pixels.size(); ++i) {
        surface.pixels[i] = gdi::rgb(buffer[3 * i], buffer[3 * i + 1], buffer[3 * i + 2]);
    }
    return true;
}

std::string compare_with_golden(const gdi::Surface& surface, const std::string& name) {
    std::string golden_path = std::string(LUNKARO_SOURCE_DIR) + "/tests/goldens/" + name + ".png";
    if (const char* update = std::getenv("LUNKARO_UPDATE_GOLDENS"); update && *update == '1') {
        std::string error;
        if (!gdi::write_png(surface, golden_path, &error)) return "cannot update golden: " + error;
        return "";
    }
    gdi::Surface golden;
    std::ostringstream report;
    std::string actual_path = std::string(LUNKARO_BINARY_DIR) + "/" + name + "_actual.png";
    std::string diff_path = std::string(LUNKARO_BINARY_DIR) + "/" + name + "_diff.png";
    if (!read_png(golden_path, golden)) {
        gdi::write_png(surface, actual_path);
        report << "no golden " << golden_path << "; the picture is in " << actual_path;
        return report.str();
    }
    if (golden.width != surface.width || golden.height != surface.height) {
        gdi::write_png(surface, actual_path);
        report << "size " << surface.width << "x" << surface.height << " against the golden's "
               << golden.width << "x" << golden.height << "; the picture is in " << actual_path;
        return report.str();
    }
    gdi::Surface diff = golden;
    long differing = 0;
    int first_x = -1, first_y = -1;
    for (int y = 0; y < surface.height; ++y) {
        for (int x = 0; x < surface.width; ++x) {
            size_t i = static_cast<size_t>(y) * surface.width + x;
            if (surface.pixels[i] != golden.pixels[i]) {
                if (differing == 0) first_x = x, first_y = y;
                ++differing;
                diff.pixels[i] = gdi::rgb(255, 128, 0);  // not a palette colour
            }
        }
    }
    if (differing == 0) return "";
    gdi::write_png(surface, actual_path);
    gdi::write_png(diff, diff_path);
    report << differing << " pixels differ from " << golden_path << ", the first at (" << first_x
           << ", " << first_y << "); actual: " << actual_path << ", difference: " << diff_path
           << "; after review, update with: cmake --build BUILD --target update_goldens";
    return report.str();
}
