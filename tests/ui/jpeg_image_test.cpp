// Decoding the JPEG step pictures, against pictures libjpeg encodes here.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "ui/jpeg_image.h"

namespace halvex::ui {
namespace {

// A picture whose left half is `left` and right half `right`, encoded at high quality.
std::vector<std::uint8_t> Encode(int width, int height, const std::uint8_t left[3],
                                 const std::uint8_t right[3], bool grey = false) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = grey ? 1 : 3;
  info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  const int components = grey ? 1 : 3;
  std::vector<std::uint8_t> row(static_cast<std::size_t>(width * components));
  for (int x = 0; x < width; ++x) {
    const std::uint8_t* colour = x < width / 2 ? left : right;
    for (int c = 0; c < components; ++c)
      row[static_cast<std::size_t>(x * components + c)] = colour[c];
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW pointer = row.data();
    jpeg_write_scanlines(&info, &pointer, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> data(buffer, buffer + size);
  std::free(buffer);
  return data;
}

void ExpectNear(const RgbImage& image, int x, int y, const std::uint8_t expected[3]) {
  const std::size_t at = static_cast<std::size_t>((y * image.width + x) * 3);
  for (int c = 0; c < 3; ++c) {
    EXPECT_NEAR(image.pixels[at + static_cast<std::size_t>(c)], expected[c], 12)
        << "component " << c << " of pixel " << x << "," << y;
  }
}

TEST(JpegImage, DecodesSizeAndColoursRowsFromTheTop) {
  const std::uint8_t red[3] = {0xE0, 0x20, 0x20};
  const std::uint8_t blue[3] = {0x20, 0x40, 0xE0};
  const auto data = Encode(32, 16, red, blue);

  const auto image = DecodeJpeg(data);
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->width, 32);
  EXPECT_EQ(image->height, 16);
  ASSERT_EQ(image->pixels.size(), 32u * 16u * 3u);
  ExpectNear(*image, 3, 2, red);
  ExpectNear(*image, 28, 13, blue);
}

TEST(JpegImage, GreyPicturesComeOutAsEqualColourComponents) {
  const std::uint8_t dark[3] = {0x30, 0x30, 0x30};
  const std::uint8_t light[3] = {0xD0, 0xD0, 0xD0};
  const auto image = DecodeJpeg(Encode(16, 16, dark, light, true));
  ASSERT_TRUE(image.has_value());
  ExpectNear(*image, 2, 8, dark);
  ExpectNear(*image, 13, 8, light);
}

TEST(JpegImage, DataThatIsNoJpegGivesNothing) {
  const std::vector<std::uint8_t> empty;
  EXPECT_FALSE(DecodeJpeg(empty).has_value());
  const std::vector<std::uint8_t> bitmap = {'B', 'M', 0x36, 0, 0, 0, 0, 0, 0, 0, 0x36, 0};
  EXPECT_FALSE(DecodeJpeg(bitmap).has_value());
  // A JPEG start marker followed by nonsense.
  std::vector<std::uint8_t> broken = {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x02};
  broken.resize(64, 0x55);
  EXPECT_FALSE(DecodeJpeg(broken).has_value());
}

}  // namespace
}  // namespace halvex::ui
