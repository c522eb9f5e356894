// The texts the companion tool writes: JSON that stays valid whatever bytes
// a file name holds, its characters counted as a person counts them.
#include <cstdio>

#include "cli/cli.h"

namespace novenario::cli {

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

}  // namespace novenario::cli
