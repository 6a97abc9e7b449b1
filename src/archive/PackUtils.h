// Two small routines of the archive reader: reading a run of bytes out of the
// archive file, and cutting the archive folder off a name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace remont {

// Reads count bytes at offset of the open file fd and makes them the whole
// content of target. Uses positioned reads, so no shared file position moves.
// False (target empty) when the file does not hold all count bytes.
bool CopyStreamBytes(int fd, int64_t offset, std::string& target, size_t count);

// The name without its leading folder when the name is an absolute path that
// really begins with folder ("\" and "/" alike, letters without regard to
// case); otherwise the name unchanged.
std::string StripPackFolder(const std::string& name, const std::string& folder);

}  // namespace remont
