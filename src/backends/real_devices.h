// The real devices of a playing session, installed on its host: sound through
// Qt Multimedia (unless the session plays silent) and the network through
// libcurl, which lets the host's events through while it waits.
#pragma once
#include <memory>

#include "platform/host.h"
#include "platform/host_devices.h"
#include "platform/sound_device.h"

namespace backends {

// devices are the host's own. Returns the sound device (none without sound),
// which the caller keeps for as long as the host may play on it.
std::unique_ptr<platform::SoundDevice> installRealDevices(platform::Host& host, platform::HostDevices& devices,
                                                          bool withSound);

}  // namespace backends
