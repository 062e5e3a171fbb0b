#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tp {

// The group and value lines of a settings file (Windows-1252 bytes) as UTF-8 strings.
// Lookups compare group names and keys without regard to letter case, accented letters
// included.
class SettingsText {
  public:
    // Reads lines ended by CR LF, LF or CR; a leading UTF-8 byte-order mark makes the
    // rest be read as UTF-8 and converted to Windows-1252.
    static SettingsText parse(std::string_view fileBytes);

    // The value of the first line with `key` in `group`; nothing when there is none.
    std::optional<std::string_view> find(std::string_view group, std::string_view key) const;

  private:
    struct Entry {
        std::string foldedGroup;
        std::string foldedKey;
        std::string value;
    };
    std::vector<Entry> entries_;
};

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
