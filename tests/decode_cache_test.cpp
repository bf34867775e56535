// Pictures and sounds decoded once per file version: a second load of the same
// file gives the same picture or samples without decoding it again, and a file
// that changed (rewritten, even to the same size) is decoded anew.
#include <gtest/gtest.h>

#include <cmath>

#include "media/sound_cache.h"
#include "sound_writers.h"
#include "support/picture_files.h"
#include "support/test_game.h"
#include "view/picture_cache.h"
#include "view/pictures.h"

using namespace testing_support;

namespace {

std::vector<int16_t> readAll(platform::PcmSource& sound) {
  std::vector<int16_t> samples(static_cast<size_t>(sound.frames() * sound.channels()) + 16);
  samples.resize(static_cast<size_t>(sound.read(samples.data(), sound.frames() + 16) * sound.channels()));
  return samples;
}

synth::Samples tone(int frames, double step) {
  synth::Samples sound;
  for (int i = 0; i < frames; ++i) sound.data.push_back(static_cast<int16_t>(9000 * std::sin(i * step)));
  return sound;
}

}  // namespace

TEST(DecodeCache, APictureLoadedAgainIsTheSameAndAChangedFileIsReadAnew) {
  TestGame t;
  writeRgbPng(t.folder.path() / "bussola.png", testPattern(30, 20));
  view::loadPicture(*t.game, "bussola.png", graphics::SurfaceId::BufShp);
  const QImage first = t.game->surfaces.BufShp;
  const auto spared = view::pictureDecodesSpared();
  view::loadPicture(*t.game, "bussola.png", graphics::SurfaceId::BufShp);
  EXPECT_EQ(view::pictureDecodesSpared(), spared + 1);
  EXPECT_EQ(largestChannelDifference(t.game->surfaces.BufShp, first), 0);
  EXPECT_EQ(largestChannelDifference(first, testPattern(30, 20)), 0);

  // Drawing on the loaded surface leaves the kept picture as it was.
  t.game->surfaces.BufShp.setPixel(0, 0, 0xFF123456);
  view::loadPicture(*t.game, "bussola.png", graphics::SurfaceId::BufShp);
  EXPECT_EQ(largestChannelDifference(t.game->surfaces.BufShp, first), 0);

  // The same size, other pixels: a new version of the file.
  QImage other = testPattern(30, 20).mirrored(true, false);
  writeRgbPng(t.folder.path() / "bussola.png", other);
  view::loadPicture(*t.game, "bussola.png", graphics::SurfaceId::BufShp);
  EXPECT_EQ(largestChannelDifference(t.game->surfaces.BufShp, other), 0);
}

TEST(DecodeCache, ASoundPlayedAgainGivesTheSameSamplesFromItsKeptCopy) {
  TempFolder folder;
  const auto file = folder.path() / "clk3.wav";
  ASSERT_TRUE(synth::writeWav(file, tone(2205, 0.1)));
  std::string error;
  auto first = media::openSoundOnce(file, error);
  ASSERT_TRUE(first) << error;
  const auto samples = readAll(*first);
  EXPECT_EQ(samples, tone(2205, 0.1).data);
  const auto spared = media::soundOpensSpared();
  auto second = media::openSoundOnce(file, error);
  ASSERT_TRUE(second);
  EXPECT_EQ(media::soundOpensSpared(), spared + 1);
  EXPECT_EQ(readAll(*second), samples);
  // Each play reads its own stream: the first one read to its end, rewound, reads again.
  EXPECT_TRUE(first->rewind());
  EXPECT_EQ(readAll(*first), samples);

  ASSERT_TRUE(synth::writeWav(file, tone(2205, 0.3)));
  auto changed = media::openSoundOnce(file, error);
  ASSERT_TRUE(changed);
  EXPECT_EQ(readAll(*changed), tone(2205, 0.3).data);
}
