// Qt's own messages on stderr: what the sound backend says when it finds no sound
// server ("PulseAudioService: pa_context_connect() failed") is not the player's
// business and never lands in the middle of the game text; that there is no
// sound device is kept, for the front end to say once in the player's words. A
// display that does not answer is reported by main in one line, so the
// platform's own complaint about it is kept quiet too.
#pragma once

namespace app {

// Installs the filter (before the application object, so start-up messages pass it).
void filterQtMessages();
// From then on, the platform's messages go out again as usual.
void endStartUpQuiet();
// The sound backend found no device (or no sound server) at some point.
bool soundDeviceMissing();

}  // namespace app
