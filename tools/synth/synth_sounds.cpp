// The demo game's sounds, made from nothing but arithmetic: the title theme
// "mirandel.mp3", the click sounds "clk0a.wav", "clk0b.wav", "clk3.wav", a bell,
// a door and rain. Small on purpose: mono, low rates, a short theme.
//   synth_sounds GAME_FOLDER
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <string>

#include "sound_writers.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// A mono sound of the given length from a function of the time in seconds
// (values -1 to 1), at the rate.
synth::Samples render(int rate, double seconds, const std::function<double(double)>& wave) {
  synth::Samples sound;
  sound.rate = rate;
  const int frames = static_cast<int>(seconds * rate);
  sound.data.resize(static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i)
    sound.data[static_cast<size_t>(i)] =
        static_cast<int16_t>(std::lround(std::clamp(wave(double(i) / rate), -1.0, 1.0) * 32000));
  return sound;
}

// A short click: a decaying tone with a breath of noise.
synth::Samples click(double frequency, double seconds, unsigned seed) {
  std::mt19937 noise(seed);
  std::uniform_real_distribution<double> uniform(-1, 1);
  return render(22050, seconds, [&](double t) {
    const double envelope = std::exp(-t * 180);
    return envelope * (0.6 * std::sin(2 * kPi * frequency * t) + 0.3 * uniform(noise));
  });
}

// A church bell: inharmonic partials, the high ones dying first.
synth::Samples bell() {
  const double partials[][3] = {{0.5, 0.5, 1.2}, {1.0, 0.8, 1.8}, {1.183, 0.5, 2.4}, {1.506, 0.4, 3.0},
                                {2.0, 0.35, 3.6}, {2.514, 0.25, 4.5}, {2.662, 0.2, 5.0}, {3.011, 0.15, 6.0}};
  return render(16000, 1.8, [&](double t) {
    double sum = 0;
    for (const auto& [ratio, level, decay] : partials) sum += level * std::exp(-t * decay) * std::sin(2 * kPi * 392 * ratio * t);
    return 0.32 * sum * std::min(1.0, t * 400);
  });
}

// A door: a creaking hinge, then the door shuts with a thud.
synth::Samples door() {
  std::mt19937 noise(7);
  std::uniform_real_distribution<double> uniform(-1, 1);
  double phase = 0;
  return render(16000, 0.9, [&](double t) {
    double value = 0;
    if (t < 0.55) {
      const double pitch = 170 + 60 * std::sin(2 * kPi * 3.3 * t) + 40 * t;
      phase += pitch / 16000;
      const double saw = 2 * (phase - std::floor(phase)) - 1;
      value += 0.35 * saw * std::sin(kPi * t / 0.55);
    }
    if (t >= 0.6) {
      const double s = t - 0.6;
      value += std::exp(-s * 14) * (0.8 * std::sin(2 * kPi * 70 * s) + 0.25 * uniform(noise) * std::exp(-s * 40));
    }
    return value;
  });
}

// Rain: soft noise with scattered drops.
synth::Samples rain() {
  std::mt19937 noise(11);
  std::uniform_real_distribution<double> uniform(-1, 1);
  std::uniform_real_distribution<double> chance(0, 1);
  double low = 0, drop = 0, dropPitch = 0, dropTime = 0;
  return render(11025, 3.0, [&](double t) {
    low += 0.25 * (uniform(noise) - low);  // a gentle low-pass
    if (chance(noise) < 0.004) {
      drop = 0.5 * chance(noise);
      dropPitch = 900 + 1800 * chance(noise);
      dropTime = t;
    }
    const double s = t - dropTime;
    const double fade = std::min({1.0, t * 4, (3.0 - t) * 4});  // loops without a jump
    return fade * (0.45 * low + drop * std::exp(-s * 90) * std::sin(2 * kPi * dropPitch * s));
  });
}

// The title theme: a plucked melody in A minor over a soft drone.
synth::Samples theme() {
  struct Note {
    int semitone;  // from A3 (220 Hz)
    double beats;
  };
  const Note melody[] = {{0, 1},  {3, 1}, {7, 1}, {12, 2}, {10, 1}, {7, 1},  {8, 2}, {7, 1}, {5, 1},
                         {3, 2},  {2, 1}, {3, 1}, {5, 1},  {7, 3},  {0, 1},  {3, 1}, {2, 1}, {-2, 1},
                         {0, 4}};
  constexpr double beat = 0.32;
  constexpr int rate = 22050;
  double length = 0;
  for (const Note& note : melody) length += note.beats * beat;
  length += 1.0;
  synth::Samples sound = render(rate, length, [&](double t) {
    double value = 0.12 * std::sin(2 * kPi * 110 * t) * std::min(1.0, t) * std::min(1.0, length - t);
    double start = 0;
    for (const Note& note : melody) {
      const double s = t - start;
      if (s >= 0 && s < note.beats * beat + 0.8) {
        const double f = 220 * std::pow(2.0, note.semitone / 12.0);
        const double pluck = std::exp(-s * 4.5) * std::min(1.0, s * 300);
        value += 0.45 * pluck * (std::sin(2 * kPi * f * s) + 0.3 * std::sin(4 * kPi * f * s) + 0.1 * std::sin(6 * kPi * f * s));
      }
      start += note.beats * beat;
    }
    return value * 0.8;
  });
  return sound;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: synth_sounds GAME_FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  bool ok = synth::writeMp3(folder / "mirandel.mp3", theme(), 32);
  ok = synth::writeWav(folder / "clk0a.wav", click(2200, 0.025, 1)) && ok;
  ok = synth::writeWav(folder / "clk0b.wav", click(1300, 0.02, 2)) && ok;
  ok = synth::writeWav(folder / "clk3.wav", click(3000, 0.012, 3)) && ok;
  ok = synth::writeWav(folder / "sino.wav", bell()) && ok;
  ok = synth::writeWav(folder / "porta.wav", door()) && ok;
  ok = synth::writeWav(folder / "chuva.wav", rain()) && ok;
  if (!ok) std::fprintf(stderr, "synth_sounds: could not write every sound into %s\n", argv[1]);
  return ok ? 0 : 1;
}
