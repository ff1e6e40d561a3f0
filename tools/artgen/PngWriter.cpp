#include "PngWriter.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace artgen {

namespace {

[[noreturn]] void onPngError(png_structp, png_const_charp message) {
    throw std::runtime_error(std::string("libpng: ") + message);
}

void onPngWarning(png_structp, png_const_charp) {}

// Owns the libpng write structures for the length of one save.
class PngSession {
public:
    PngSession() {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onPngError, onPngWarning);
        if (png_ != nullptr) {
            info_ = png_create_info_struct(png_);
        }
        if (png_ == nullptr || info_ == nullptr) {
            png_destroy_write_struct(&png_, &info_);
            throw std::runtime_error("libpng: out of memory");
        }
    }
    ~PngSession() { png_destroy_write_struct(&png_, &info_); }
    PngSession(const PngSession&) = delete;
    PngSession& operator=(const PngSession&) = delete;

    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

} // namespace

void writePng(const std::string& path, const Image& image) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"),
                                                         std::fclose);
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
    PngSession session;
    png_init_io(session.png(), file.get());
    png_set_IHDR(session.png(), session.info(), png_uint_32(image.width), png_uint_32(image.height),
                 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(session.png(), session.info());
    std::vector<png_byte> row(std::size_t(image.width) * 3);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb p = image.at(x, y);
            row[std::size_t(x) * 3] = p.r;
            row[std::size_t(x) * 3 + 1] = p.g;
            row[std::size_t(x) * 3 + 2] = p.b;
        }
        png_write_row(session.png(), row.data());
    }
    png_write_end(session.png(), session.info());
}

} // namespace artgen
