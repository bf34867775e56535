// The Qt sound device as a module of its own, opened by the player on its first
// sound (backends/lazy_sound_device.h): Qt Multimedia, PulseAudio and the codec
// libraries they bring are not loaded before the opening screen.
#include "backends/qt_sound/qt_sound_device.h"

extern "C" __attribute__((visibility("default"))) platform::SoundDevice* mirandel_new_sound_device() {
  return new backends::QtSoundDevice;
}
