// Opening an archive from the command line the way the viewer opens its own:
// the archive's folder becomes the program folder, so loose files beside the
// archive are found by both fallbacks.
#pragma once

#include <string>

namespace remont::tool {

// The Windows-1251 form of a UTF-8 argument.
std::string Arg(const std::string& utf8);

// Sets the program folder to the archive's folder and calls OpenPack. False
// when the archive was refused or does not exist; the viewer's own message
// (if any) has then been shown on standard error.
bool OpenArchiveArg(const std::string& utf8_path);

// Writes "remont-tool: <text>" (UTF-8) to standard error.
void Complain(const std::string& utf8_text);

}  // namespace remont::tool
