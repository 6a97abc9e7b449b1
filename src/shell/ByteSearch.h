// Finding the first of a few byte values in a run of bytes: sixteen bytes at a
// time where the processor has SSE2, one at a time elsewhere. The HTML text
// scanner and the full-text search's match run this over every byte of every
// page, so it never reads outside [p, end): a run's last bytes are looked at
// through the sixteen bytes that end at `end` when the run is long enough.
#pragma once

#include <bit>
#include <cstddef>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace remont {

// The first byte of [p, end) equal to one of the values; end when none is.
template <typename... C>
inline const char* FindFirstOf(const char* p, const char* end, C... values) {
#if defined(__SSE2__)
  if (end - p >= 16) {
    const auto matches = [&](const char* at) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      __m128i hit = _mm_setzero_si128();
      ((hit = _mm_or_si128(hit, _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(values))))), ...);
      return static_cast<unsigned>(_mm_movemask_epi8(hit));
    };
    for (; end - p >= 16; p += 16)
      if (const unsigned m = matches(p)) return p + std::countr_zero(m);
    if (p == end) return end;
    // The last bytes: the sixteen ending at `end`, without those already seen.
    const unsigned m = matches(end - 16) >> (16 - (end - p));
    return m ? p + std::countr_zero(m) : end;
  }
#endif
  for (; p < end; ++p)
    if (((*p == static_cast<char>(values)) || ...)) return p;
  return end;
}

}  // namespace remont
