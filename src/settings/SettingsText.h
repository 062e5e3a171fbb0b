#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tp {

// One value line of a settings file: the group it stands in and its key, both folded for
// comparing (see foldSettingsName), and its value as Windows-1252 bytes.
struct SettingsValueLine {
    std::string_view foldedGroup;
    std::string_view foldedKey;
    std::string_view value;
};

// Reads the lines of a settings file (ended by CR LF, LF or CR) one at a time and hands each
// value line to `onValueLine`; nothing of a line is kept after it. A leading UTF-8 byte-order
// mark makes every line be read as UTF-8 and converted to Windows-1252 first.
void scanSettingsText(std::string_view fileBytes,
                      const std::function<void(const SettingsValueLine&)>& onValueLine);

// A group name or key in Windows-1252, folded so that names compare without regard to letter
// case, accented letters included.
std::string foldSettingsName(std::string_view windows1252);

// Builds a settings file from UTF-8 text: Windows-1252 bytes, lines ended by CR LF.
class SettingsTextWriter {
  public:
    void group(std::string_view name);
    void value(std::string_view key, std::string_view value);
    void comment(std::string_view text);
    const std::string& bytes() const { return bytes_; }

  private:
    void line(std::string_view text);
    std::string bytes_;
};

} // namespace tp
