// The contact sheet's PNG, written by libpng: nothing shipped is a PNG, so
// this needs no encoder of our own.
#include <png.h>

#include <stdexcept>

#include "encoders.h"

namespace assetgen {

Bytes encodePng(const Bitmap& img) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("libpng: out of memory");
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng: cannot encode the picture");
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t length) {
            auto& bytes = *static_cast<Bytes*>(png_get_io_ptr(p));
            bytes.insert(bytes.end(), data, data + length);
        },
        nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(img.width), static_cast<png_uint_32>(img.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    static_assert(sizeof(Rgb) == 3, "rows are written straight from the pixels");
    for (int y = 0; y < img.height; ++y)
        png_write_row(png, reinterpret_cast<png_const_bytep>(&img.px[img.index(0, y)]));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace assetgen
