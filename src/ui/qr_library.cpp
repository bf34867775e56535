// libqrencode loaded on first use (base/lazy_library.h): only the payment
// page draws a QR code, so the library is opened when it is first shown, not
// when the player starts. Without it no code is made and the page shows the
// key as text alone.
#include <qrencode.h>

#include "base/lazy_library.h"

namespace {

constexpr const char* kQrencode = "libqrencode.so.4";

}  // namespace

MIRANDEL_LAZY_FORWARD(kQrencode, QRcode*, QRcode_encodeString8bit, nullptr,
                      (const char* text, int version, QRecLevel level), (text, version, level))
MIRANDEL_LAZY_FORWARD_VOID(kQrencode, QRcode_free, (QRcode * code), (code))
