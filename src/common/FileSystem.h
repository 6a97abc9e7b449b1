// Loose files on disk. Names inside the system are Windows-1251 with "/" or
// "\" separators; on disk they are UTF-8. A name is found as given, else by
// matching each component without regard to letter case, as on the platform the
// manuals were authored on.
#pragma once

#include <optional>
#include <string>

namespace remont {

// The real (UTF-8) path of an existing regular file for a Windows-1251 name.
std::optional<std::string> FindLooseFile(const std::string& name);
bool LooseFileExists(const std::string& name);
// The whole file; nullopt when it does not exist or cannot be read.
std::optional<std::string> ReadLooseFile(const std::string& name);

// UTF-8 path helpers for the tools.
std::optional<std::string> ReadFileBytes(const std::string& utf8_path);
bool WriteFileBytes(const std::string& utf8_path, const std::string& bytes);

}  // namespace remont
