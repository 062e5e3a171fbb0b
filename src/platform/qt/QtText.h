#pragma once

#include <QString>

#include <string_view>

namespace tp {

// The program's UTF-8 text as a QString for a window or the page.
inline QString qText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace tp
