// Picture loading — decoding plus placement on the picture buffer — against the
// bare library decoding of the same files (libpng, libjpeg into an RGB buffer).
// The player's first load of a JPEG (decode and placement) should stay within
// 1.1 times the bare decoding; a load of an unchanged file again comes from the
// decoded-picture cache.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdio>
#include <csetjmp>
#include <jpeglib.h>
#include <random>
#include <vector>

#include "graphics/picture_decoders.h"
#include "support_bench.h"
#include "view/layout.h"
#include "view/pictures.h"

namespace {

// A photograph-like picture of the main picture's size: smooth light, some grain.
QImage photograph() {
  QImage picture(670, 280, QImage::Format_RGB32);
  std::mt19937 random(7);
  std::uniform_int_distribution<int> grain(-12, 12);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      picture.setPixel(x, y, qRgb(std::clamp(x * 255 / 670 + grain(random), 0, 255),
                                  std::clamp(y * 255 / 280 + grain(random), 0, 255),
                                  std::clamp(128 + (x - y) / 8 + grain(random), 0, 255)));
  return picture;
}

struct PictureBench {
  PictureBench() {
    const QImage picture = photograph();
    picture.save(QString::fromStdString((bench.folder / "foto.png").string()), "PNG");
    picture.save(QString::fromStdString((bench.folder / "foto.jpg").string()), "JPG", 90);
    view::applyStartLayout(bench.game);
    bench.game.screen.Modelo = model::DisplayMode::Strip;
  }
  std::string path(const char* name) const { return (bench.folder / name).string(); }
  BenchGame bench;
};

PictureBench& fixture() {
  static PictureBench instance;
  return instance;
}

// Bare libpng: the file read into 8-bit RGB rows.
bool barePng(const std::string& path, std::vector<unsigned char>& pixels, std::vector<png_bytep>& rows) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_strip_16(png);
  png_read_update_info(png, info);
  const size_t rowBytes = png_get_rowbytes(png, info), height = png_get_image_height(png, info);
  pixels.resize(rowBytes * height);
  rows.resize(height);
  for (size_t y = 0; y < height; ++y) rows[y] = pixels.data() + y * rowBytes;
  png_read_image(png, rows.data());
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(file);
  return true;
}

// Bare libjpeg: the file read into 8-bit RGB rows.
bool bareJpeg(const std::string& path, std::vector<unsigned char>& pixels) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  const size_t rowBytes = size_t(info.output_width) * 3;
  pixels.resize(rowBytes * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = pixels.data() + rowBytes * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  std::fclose(file);
  return true;
}

void BM_BarePngDecode(benchmark::State& state) {
  const std::string path = fixture().path("foto.png");
  std::vector<unsigned char> pixels;
  std::vector<png_bytep> rows;
  for (auto _ : state) benchmark::DoNotOptimize(barePng(path, pixels, rows));
}
BENCHMARK(BM_BarePngDecode)->Unit(benchmark::kMicrosecond);

void BM_LoadAndPlacePng(benchmark::State& state) {
  model::Game& game = fixture().bench.game;
  for (auto _ : state) view::placePicture(game, "foto.png", 0, 0, 0, 0, graphics::SurfaceId::Tela);
}
BENCHMARK(BM_LoadAndPlacePng)->Unit(benchmark::kMicrosecond);

void BM_BareJpegDecode(benchmark::State& state) {
  const std::string path = fixture().path("foto.jpg");
  std::vector<unsigned char> pixels;
  for (auto _ : state) benchmark::DoNotOptimize(bareJpeg(path, pixels));
}
BENCHMARK(BM_BareJpegDecode)->Unit(benchmark::kMicrosecond);

// Our decoder alone, into a new picture each time: a picture's first load (later
// loads of an unchanged file come from the decoded-picture cache, as
// BM_LoadAndPlaceJpeg shows). Within 1.1 times the bare decoding.
void BM_DecodeJpeg(benchmark::State& state) {
  const std::filesystem::path path = fixture().path("foto.jpg");
  for (auto _ : state) benchmark::DoNotOptimize(graphics::decodeJpeg(path, QImage()));
}
BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMicrosecond);

// The same into the memory of the last picture, as a load over the scratch surface decodes.
void BM_DecodeJpegIntoStorage(benchmark::State& state) {
  const std::filesystem::path path = fixture().path("foto.jpg");
  QImage storage;
  for (auto _ : state) {
    auto picture = graphics::decodeJpeg(path, std::move(storage));
    benchmark::DoNotOptimize(picture);
    storage = std::move(*picture);
  }
}
BENCHMARK(BM_DecodeJpegIntoStorage)->Unit(benchmark::kMicrosecond);

// A first load and placement: the file's time moves each round, so the
// decoded-picture cache never has it.
void BM_FirstLoadAndPlaceJpeg(benchmark::State& state) {
  shell::Game& game = fixture().bench.game;
  const std::filesystem::path path = fixture().path("foto.jpg");
  auto time = std::filesystem::last_write_time(path);
  for (auto _ : state) {
    std::filesystem::last_write_time(path, time += std::chrono::seconds(1));
    view::placePicture(game, "foto.jpg", 0, 0, 0, 0, graphics::SurfaceId::Tela);
  }
}
BENCHMARK(BM_FirstLoadAndPlaceJpeg)->Unit(benchmark::kMicrosecond);

void BM_LoadAndPlaceJpeg(benchmark::State& state) {
  model::Game& game = fixture().bench.game;
  for (auto _ : state) view::placePicture(game, "foto.jpg", 0, 0, 0, 0, graphics::SurfaceId::Tela);
}
BENCHMARK(BM_LoadAndPlaceJpeg)->Unit(benchmark::kMicrosecond);

}  // namespace
