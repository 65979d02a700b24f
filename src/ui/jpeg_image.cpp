#include "ui/jpeg_image.h"

#include <csetjmp>
#include <cstdio>

// libjpeg's header needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace halvex::ui {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return; it jumps back to
// the decoder instead of ending the program.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

[[noreturn]] void EscapeOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void IgnoreMessage(j_common_ptr) {}

// Kept free of objects with destructors: a longjmp out of it must not skip any.
bool DecodeInto(std::span<const std::uint8_t> data, RgbImage& image, jpeg_decompress_struct& info,
                ErrorManager& errors) {
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = EscapeOnError;
  errors.base.output_message = IgnoreMessage;
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  image.width = static_cast<int>(info.output_width);
  image.height = static_cast<int>(info.output_height);
  const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
  image.pixels.resize(stride * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.pixels.data() + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::optional<RgbImage> DecodeJpeg(std::span<const std::uint8_t> data) {
  if (data.empty()) return std::nullopt;
  RgbImage image;
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  // The pixels are sized before decoding starts; a longjmp leaves them as they are.
  if (!DecodeInto(data, image, info, errors)) return std::nullopt;
  return image;
}

}  // namespace halvex::ui
