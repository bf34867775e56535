// The sound decoders, libsndfile and libmpg123, loaded on first use
// (base/lazy_library.h): they and the codec libraries they bring (FLAC, Ogg,
// Vorbis, Opus, LAME) are opened when the first sound is decoded, after the
// opening screen, not when the player starts. Without a library every call
// fails as the library's own calls fail, and the sound is not heard.
#include <mpg123.h>
#include <sndfile.h>

#include "base/lazy_library.h"

namespace {

constexpr const char* kSndfile = "libsndfile.so.1";
constexpr const char* kMpg123 = "libmpg123.so.0";
constexpr const char* kNotLoaded = "a biblioteca de som n\xE3o foi carregada";

}  // namespace

#define MIRANDEL_SNDFILE_FORWARD(Result, name, failure, params, args) \
  MIRANDEL_LAZY_FORWARD(kSndfile, Result, name, failure, params, args)
#define MIRANDEL_MPG123_FORWARD(Result, name, failure, params, args) \
  MIRANDEL_LAZY_FORWARD(kMpg123, Result, name, failure, params, args)

MIRANDEL_SNDFILE_FORWARD(SNDFILE*, sf_open, nullptr, (const char* path, int mode, SF_INFO* info), (path, mode, info))
MIRANDEL_SNDFILE_FORWARD(int, sf_close, 0, (SNDFILE * file), (file))
MIRANDEL_SNDFILE_FORWARD(const char*, sf_strerror, kNotLoaded, (SNDFILE * file), (file))
MIRANDEL_SNDFILE_FORWARD(sf_count_t, sf_seek, -1, (SNDFILE * file, sf_count_t frames, int whence), (file, frames, whence))
MIRANDEL_SNDFILE_FORWARD(sf_count_t, sf_readf_short, 0, (SNDFILE * file, short* samples, sf_count_t frames),
                         (file, samples, frames))
MIRANDEL_SNDFILE_FORWARD(SF_CHUNK_ITERATOR*, sf_get_chunk_iterator, nullptr,
                         (SNDFILE * file, const SF_CHUNK_INFO* chunk), (file, chunk))
MIRANDEL_SNDFILE_FORWARD(int, sf_get_chunk_size, SF_ERR_UNSUPPORTED_ENCODING,
                         (const SF_CHUNK_ITERATOR* at, SF_CHUNK_INFO* chunk), (at, chunk))
MIRANDEL_SNDFILE_FORWARD(int, sf_get_chunk_data, SF_ERR_UNSUPPORTED_ENCODING,
                         (const SF_CHUNK_ITERATOR* at, SF_CHUNK_INFO* chunk), (at, chunk))

MIRANDEL_MPG123_FORWARD(int, mpg123_init, MPG123_ERR, (void), ())
MIRANDEL_LAZY_FORWARD_VOID(kMpg123, mpg123_delete, (mpg123_handle * handle), (handle))
MIRANDEL_MPG123_FORWARD(int, mpg123_param2, MPG123_ERR, (mpg123_handle * handle, int type, long value, double fvalue),
                        (handle, type, value, fvalue))
MIRANDEL_MPG123_FORWARD(const char*, mpg123_plain_strerror, kNotLoaded, (int code), (code))
MIRANDEL_MPG123_FORWARD(const char*, mpg123_strerror, kNotLoaded, (mpg123_handle * handle), (handle))
MIRANDEL_MPG123_FORWARD(int, mpg123_format_none, MPG123_ERR, (mpg123_handle * handle), (handle))
MIRANDEL_MPG123_FORWARD(int, mpg123_format, MPG123_ERR, (mpg123_handle * handle, long rate, int channels, int encodings),
                        (handle, rate, channels, encodings))
MIRANDEL_MPG123_FORWARD(int, mpg123_getformat, MPG123_ERR,
                        (mpg123_handle * handle, long* rate, int* channels, int* encoding),
                        (handle, rate, channels, encoding))
MIRANDEL_MPG123_FORWARD(int, mpg123_open, MPG123_ERR, (mpg123_handle * handle, const char* path), (handle, path))
MIRANDEL_MPG123_FORWARD(int, mpg123_read, MPG123_ERR,
                        (mpg123_handle * handle, void* out, size_t size, size_t* done), (handle, out, size, done))
MIRANDEL_MPG123_FORWARD(off_t, mpg123_seek, MPG123_ERR, (mpg123_handle * handle, off_t sample, int whence),
                        (handle, sample, whence))
MIRANDEL_MPG123_FORWARD(int, mpg123_scan, MPG123_ERR, (mpg123_handle * handle), (handle))
MIRANDEL_MPG123_FORWARD(off_t, mpg123_length, MPG123_ERR, (mpg123_handle * handle), (handle))
MIRANDEL_MPG123_FORWARD(int, mpg123_getstate2, MPG123_ERR, (mpg123_handle * handle, int key, long* value, double* fvalue),
                        (handle, key, value, fvalue))

// The two whose failure leaves their out-arguments to be filled.
extern "C" mpg123_handle*(mpg123_new)(const char* decoder, int* error) {
  static auto* const function = base::lazyFunction<mpg123_handle*(const char*, int*)>(kMpg123, "mpg123_new");
  if (function) return function(decoder, error);
  if (error) *error = MPG123_ERR;
  return nullptr;
}

extern "C" void(mpg123_rates)(const long** list, size_t* number) {
  static auto* const function = base::lazyFunction<void(const long**, size_t*)>(kMpg123, "mpg123_rates");
  if (function) return function(list, number);
  *list = nullptr;
  *number = 0;
}
