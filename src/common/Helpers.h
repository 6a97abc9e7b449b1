// Small shared routines: tokens, Boolean and colour values, paths relative to
// the program folder, the generated-HTML header and footer.
// Paths inside the system use "/" ("\" in content is accepted and turned into
// "/"); an absolute path begins with "/" (or has ":" as its second character).
#pragma once

#include <string>
#include <vector>

namespace remont {

// Cuts the text before the first separator out of text and leaves the rest
// after it; without a separator the whole text is the token and text empties.
std::string CutToken(std::string& text, const std::string& separator);

bool ParseBool(const std::string& text, bool fallback);
std::string BoolText(bool b);

// "#RRGGBB", or "BBGGRR" with or without "$": a colour number with red in the
// low byte. Throws ConvertError for a text that is not hexadecimal. Empty gives 0.
int ParseColor(const std::string& text);

// Trims characters up to and including the space at both ends.
std::string Trim(const std::string& text);

std::string GetProgramDir();  // folder of the running executable, with trailing "/"
void SetProgramDir(const std::string& dir);  // the viewer's own start-up and tests
std::string GetProgramPath(const std::string& name);
std::string JoinPath(const std::string& name, const std::string& base);
bool IsAbsolutePath(const std::string& name);
// Page names compared as the trees compare them: Latin letters folded, "\"
// and "/" the same character (content authored with either works).
bool SamePageName(const std::string& a, const std::string& b);

std::string AddBackslash(const std::string& t);  // adds the trailing "/"
std::string DelBackslash(const std::string& t);  // removes the trailing "/"
// The folder part of a path, with its trailing separator ("/" or "\") kept.
std::string ExtractFilePath(const std::string& path);
std::string ExtractFileName(const std::string& path);
std::string ExtractFileExt(const std::string& path);  // from the last ".", dot included

bool IsEven(int n);

// An element name: Latin letters, digits and "_", not starting with a digit.
bool IsIdentifier(const std::string& name);

void HtmlHeader(std::vector<std::string>& list, const std::string& attributes);
void HtmlFooter(std::vector<std::string>& list);

// Splits text into lines at CR, LF or CR LF (a last line without break counts).
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace remont
