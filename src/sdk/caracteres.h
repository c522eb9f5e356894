// Characters of a saved game's bytes, as both the RTF container and the
// board line read them: decimal digits and the hex digits of an \'hh escape.
// Plain bytes, no locale: a byte of 0x80 and above is never a digit.
#pragma once

namespace novenario::sdk {

// '0' to '9'.
constexpr bool EsCifra(char c) { return c >= '0' && c <= '9'; }

// The value of a hex digit ('0'-'9', 'a'-'f', 'A'-'F'), -1 for any other byte.
constexpr int ValorHex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace novenario::sdk
