#include "caldav/DavUrl.h"

#include <algorithm>
#include <cctype>

namespace tp::caldav {

namespace {

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "/a/b/c" → "/a/b/"
std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "/" : path.substr(0, slash + 1);
}

// Drops "." and ".." segments, as a browser does with a relative href.
std::string withoutDotSegments(const std::string& path) {
    std::string out;
    std::size_t start = 1;
    while (start <= path.size()) {
        auto end = path.find('/', start);
        const bool last = end == std::string::npos;
        if (last)
            end = path.size();
        const std::string segment = path.substr(start, end - start);
        if (segment == "..") {
            const auto cut = out.rfind('/');
            out.erase(cut == std::string::npos ? 0 : cut);
            if (last)
                out += '/';
        } else if (segment == ".") {
            if (last)
                out += '/';
        } else {
            out += '/';
            out += segment;
        }
        start = end + 1;
    }
    return out.empty() ? "/" : out;
}

} // namespace

std::string DavUrl::origin() const {
    std::string text = scheme + "://" + host;
    if (!port.empty())
        text += ":" + port;
    return text;
}

std::optional<DavUrl> parseDavUrl(std::string_view text) {
    const auto schemeEnd = text.find("://");
    if (schemeEnd == std::string_view::npos)
        return std::nullopt;
    DavUrl url;
    url.scheme = lowerCase(text.substr(0, schemeEnd));
    if (url.scheme != "http" && url.scheme != "https")
        return std::nullopt;
    std::string_view rest = text.substr(schemeEnd + 3);
    const auto pathStart = rest.find_first_of("/?#");
    std::string_view authority = rest.substr(0, pathStart);
    if (authority.find('@') != std::string_view::npos) // never a password in the address
        return std::nullopt;
    std::string_view hostPart = authority;
    if (!authority.empty() && authority.front() == '[') {
        const auto close = authority.find(']');
        if (close == std::string_view::npos)
            return std::nullopt;
        hostPart = authority.substr(0, close + 1);
        if (close + 1 < authority.size()) {
            if (authority[close + 1] != ':')
                return std::nullopt;
            url.port = std::string(authority.substr(close + 2));
        }
    } else if (const auto colon = authority.find(':'); colon != std::string_view::npos) {
        hostPart = authority.substr(0, colon);
        url.port = std::string(authority.substr(colon + 1));
    }
    url.host = lowerCase(hostPart);
    if (url.host.empty() || !std::all_of(url.port.begin(), url.port.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return std::nullopt;
    if ((url.scheme == "http" && url.port == "80") || (url.scheme == "https" && url.port == "443"))
        url.port.clear();
    std::string_view path =
        pathStart == std::string_view::npos ? std::string_view() : rest.substr(pathStart);
    path = path.substr(0, path.find_first_of("?#"));
    url.path = path.empty() ? "/" : std::string(path);
    return url;
}

std::string resolveHref(const DavUrl& base, std::string_view href) {
    if (href.find("://") != std::string_view::npos) {
        if (const auto absolute = parseDavUrl(href))
            return absolute->text();
    }
    DavUrl resolved = base;
    if (!href.empty() && href.front() == '/')
        resolved.path = withoutDotSegments(std::string(href));
    else
        resolved.path = withoutDotSegments(folderOf(base.path) + std::string(href));
    return resolved.text();
}

std::string percentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string percentEncodedSegment(std::string_view text) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
    return out;
}

bool sameDavPath(std::string_view a, std::string_view b) {
    std::string first = percentDecoded(a);
    std::string second = percentDecoded(b);
    if (!first.empty() && first.back() == '/')
        first.pop_back();
    if (!second.empty() && second.back() == '/')
        second.pop_back();
    return first == second;
}

bool isLoopbackHost(std::string_view host) {
    const std::string lower = lowerCase(host);
    const bool numeric = std::all_of(lower.begin(), lower.end(), [](char c) {
        return c == '.' || std::isdigit(static_cast<unsigned char>(c));
    });
    return lower == "localhost" || lower == "[::1]" || lower == "::1" ||
           (numeric && lower.rfind("127.", 0) == 0);
}

} // namespace tp::caldav
