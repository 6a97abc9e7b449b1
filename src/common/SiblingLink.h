// The link with the sibling diagram program, over per-user local sockets.
//
// The viewer listens on ViewerSocketPath(). A request is one block of 290
// bytes: the kind (16-bit little-endian; 0 shows a page, 1 prints a picture),
// 14 bytes not read, and the path (Windows-1251, up to the first zero byte or
// all 274 bytes). The answer to a page request is the 4-byte little-endian
// number 1690 on the same connection. Around a picture print the viewer
// writes "HIDE" and then "SHOW" (4 bytes each) on that connection: the sender
// may hide its window meanwhile.
//
// The sibling listens on SiblingSocketPath(); when the viewer closes it
// connects there, if anything listens, and writes "close\n".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace remont {

inline constexpr size_t kSiblingBlockSize = 290;
inline constexpr size_t kSiblingPathOffset = 16;
inline constexpr size_t kSiblingPathSize = 274;
inline constexpr uint32_t kSiblingPageReply = 1690;
inline constexpr std::string_view kSiblingHide = "HIDE";
inline constexpr std::string_view kSiblingShow = "SHOW";
inline constexpr std::string_view kSiblingClose = "close\n";

struct RSiblingRequest {
  uint16_t Kind = 0;
  std::string Path;  // Windows-1251
};

// The block of a request; a path longer than the field is cut to 274 bytes.
std::string EncodeSiblingRequest(uint16_t kind, std::string_view path);
// Reads the first kSiblingBlockSize bytes of block (which must hold them).
RSiblingRequest DecodeSiblingRequest(std::string_view block);
// The 4 bytes of the page reply.
std::string SiblingPageReply();

// The user's runtime folder: $XDG_RUNTIME_DIR, else /tmp/remont-<uid> made
// for the user alone; empty when that folder exists but is not the user's own.
std::string RuntimeDir();
std::string ViewerSocketPath();
std::string SiblingSocketPath();

}  // namespace remont
