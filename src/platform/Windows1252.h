#pragma once

#include <string>
#include <string_view>

namespace tp {

// The one conversion between the Windows-1252 bytes of the data files and UTF-8 strings.
std::string utf8FromWindows1252(std::string_view bytes);

// Characters that Windows-1252 cannot hold become '?'.
std::string windows1252FromUtf8(std::string_view utf8);

} // namespace tp
