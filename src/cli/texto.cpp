// The texts the companion tool writes: characters counted as a person counts
// them, and JSON that stays valid whatever bytes a file name holds.
#include <cstdio>

#include "cli/cli.h"

namespace novenario::cli {

std::size_t LargoUtf8(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return i + k < s.size() ? static_cast<unsigned char>(s[i + k]) : 0u; };
    const unsigned c = byte(0);
    if (c < 0x80) return 1;
    std::size_t largo = 0;
    unsigned bajo = 0x80, alto = 0xBF;  // the range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        largo = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        largo = 3;
        if (c == 0xE0) bajo = 0xA0;  // no overlong forms
        if (c == 0xED) alto = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        largo = 4;
        if (c == 0xF0) bajo = 0x90;
        if (c == 0xF4) alto = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (byte(1) < bajo || byte(1) > alto) return 0;
    for (std::size_t k = 2; k < largo; ++k)
        if (byte(k) < 0x80 || byte(k) > 0xBF) return 0;
    return largo;
}

std::vector<std::string_view> Caracteres(std::string_view s) {
    std::vector<std::string_view> r;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = std::max<std::size_t>(LargoUtf8(s, i), 1);
        r.push_back(s.substr(i, n));
        i += n;
    }
    return r;
}

std::string Json(std::string_view s, bool latin1) {
    std::string r = "\"";
    for (std::string_view ch : Caracteres(s)) {
        if (ch.size() > 1 && !latin1) {
            r += ch;
            continue;
        }
        for (const char byte : ch) {
            const auto u = static_cast<unsigned char>(byte);
            if (u == '"' || u == '\\') {
                r += '\\';
                r += byte;
            } else if (u < 0x20 || u == 0x7F || u >= 0x80) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", u);
                r += buf;
            } else {
                r += byte;
            }
        }
    }
    return r + "\"";
}

std::string Mostrable(std::string_view ch) {
    if (LargoUtf8(ch, 0) == ch.size() && static_cast<unsigned char>(ch[0]) >= 0x20 && ch[0] != 0x7F)
        return "'" + std::string(ch) + "'";
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned char>(ch[0]));
    return buf;
}

}  // namespace novenario::cli
