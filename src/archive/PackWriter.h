// The packer: makes a content archive (layout in Pack.h) from a folder of
// loose files, as authors ship a manual. The file is written under a temporary
// name beside the target and renamed into place, so a failed pack leaves
// nothing at the target.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace remont {

// A glob over a relative "/"-separated name: "*" any run within one folder
// name, "**" any run across folders ("**/" also matches no folder at all), "?"
// one character other than "/". Both sides Windows-1251, letters compared
// without regard to case.
bool GlobMatch(const std::string& glob, const std::string& name);

struct PackOptions {
  std::vector<std::string> scramble;  // UTF-8 globs: stored with flag 1
  std::vector<std::string> recode;    // UTF-8 globs: content UTF-8 -> Windows-1251
};

// One file of the folder as it will be stored.
struct PackSource {
  std::string name;      // Windows-1251, lower case: the entry name
  std::string relative;  // UTF-8 relative path, for messages
  std::string path;      // UTF-8 path on disk
  bool scramble = false;
  bool recode = false;
};

// Every regular file below dir (except the file at exclude, if any), in byte
// order of the entry names. False with error (UTF-8, naming the file) for a
// name the code page cannot hold or longer than 255 bytes. Names that collide
// once lower-cased are kept and reported in warnings.
bool CollectPackSources(const std::string& dir, const PackOptions& options, const std::string& exclude,
                        std::vector<PackSource>& sources, std::string& error,
                        std::vector<std::string>& warnings);

// Writes the archive to out (UTF-8 path). No sources give a 0-byte archive,
// which the reader opens as empty (a header with no directory it would refuse).
bool WritePack(const std::string& out, const std::vector<PackSource>& sources, std::string& error);

// CollectPackSources + WritePack.
bool PackFolderToArchive(const std::string& out, const std::string& dir, const PackOptions& options,
                         std::string& error, std::vector<std::string>& warnings);

}  // namespace remont
