// Installing the sound device (opened on the first sound) and the libcurl client.
#include "backends/real_devices.h"

#include "backends/curl_http.h"
#include "backends/lazy_sound_device.h"

namespace backends {

std::unique_ptr<platform::SoundDevice> installRealDevices(platform::Host& host, platform::HostDevices& devices,
                                                          bool withSound) {
  std::unique_ptr<platform::SoundDevice> speakers;
  if (withSound) speakers = std::make_unique<LazySoundDevice>(soundModulePlaces());
  devices.setSoundDevice(speakers.get());
  devices.useHttp(std::make_unique<CurlHttp>([&host] { host.processEvents(); }, [&host] { return host.closing(); }));
  return speakers;
}

}  // namespace backends
