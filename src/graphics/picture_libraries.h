// libjpeg and giflib are opened the first time a JPEG or a GIF is read, not
// when the player starts (picture_libraries.cpp): most screens, the opening
// one among them, show none.
#pragma once

namespace graphics {

// Whether libjpeg can be opened (once; the reason it cannot is said on the
// error output). Without it a JPEG is read as a broken file.
bool jpegLibraryOpens();

}  // namespace graphics
