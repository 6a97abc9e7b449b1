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

// As FindFirstOf for a run that lies inside a larger readable buffer: bytes up
// to `limit` (at or after `end`) may be read, so that short runs are looked at
// sixteen bytes at a time too.
template <typename... C>
inline const char* FindFirstOfWithin(const char* p, const char* end, const char* limit, C... values) {
#if defined(__SSE2__)
  const auto matches = [&](const char* at) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    __m128i hit = _mm_setzero_si128();
    ((hit = _mm_or_si128(hit, _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(values))))), ...);
    return static_cast<unsigned>(_mm_movemask_epi8(hit));
  };
  for (; p < end && limit - p >= 16; p += 16) {
    unsigned m = matches(p);
    if (end - p < 16) m &= (1u << (end - p)) - 1;
    if (m) return p + std::countr_zero(m);
  }
  if (p >= end) return end;
#endif
  return FindFirstOf(p, end, values...);
}

// Whether every CR of [begin, end) has an LF right after it and every LF a CR
// right before it: the text's line breaks are all CR LF.
inline bool EveryBreakIsCrLf(const char* begin, const char* end) {
  const char* p = begin;
#if defined(__SSE2__)
  // An LF where the byte before is no CR, or the other way round: the bytes
  // compared with LF against the bytes one before compared with CR.
  if (end - p >= 17) {
    if (*p == '\n') return false;
    ++p;
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const auto odd = [&](const char* at) {
      const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at - 1));
      return _mm_xor_si128(_mm_cmpeq_epi8(here, lf), _mm_cmpeq_epi8(before, cr));
    };
    for (; end - p >= 64; p += 64) {
      const __m128i any = _mm_or_si128(_mm_or_si128(odd(p), odd(p + 16)), _mm_or_si128(odd(p + 32), odd(p + 48)));
      if (_mm_movemask_epi8(any)) return false;
    }
    for (; end - p >= 16; p += 16)
      if (_mm_movemask_epi8(odd(p))) return false;
    if (p < end && (_mm_movemask_epi8(odd(end - 16)) >> (16 - (end - p)))) return false;
    return end[-1] != '\r';
  }
#endif
  for (; p < end; ++p) {
    if (*p == '\n') return false;
    if (*p == '\r') {
      if (end - p < 2 || p[1] != '\n') return false;
      ++p;
    }
  }
  return true;
}

}  // namespace remont
