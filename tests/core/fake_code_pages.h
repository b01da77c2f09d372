#pragma once
// ANSI code pages without Windows: Latin-1 stands for code page 1252 (the same characters for
// every byte the tests use, and every byte is one), and a UTF-8 one for code page 65001.
#include "core/settings_encoding.h"

#include <string>

namespace qennet::testing {

class Latin1CodePage : public AnsiCodePage {
  public:
    std::string ToUtf8(std::string_view ansi) const override {
        std::string utf8;
        for (char c : ansi) {
            const unsigned char byte = static_cast<unsigned char>(c);
            if (byte < 0x80) {
                utf8 += c;
            } else {
                utf8 += static_cast<char>(0xC0 | (byte >> 6));
                utf8 += static_cast<char>(0x80 | (byte & 0x3F));
            }
        }
        return utf8;
    }
    std::optional<std::string> FromUtf8(std::string_view utf8) const override {
        std::string ansi;
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            const unsigned char byte = static_cast<unsigned char>(utf8[i]);
            if (byte < 0x80) {
                ansi += utf8[i];
            } else if ((byte == 0xC2 || byte == 0xC3) && i + 1 < utf8.size()) {
                ansi += static_cast<char>(((byte & 0x03) << 6) | (utf8[++i] & 0x3F));
            } else {
                return std::nullopt; // beyond U+00FF
            }
        }
        return ansi;
    }
};

// As on Windows with "Use Unicode UTF-8 for worldwide language support": ANSI is UTF-8.
class Utf8CodePage : public AnsiCodePage {
  public:
    std::string ToUtf8(std::string_view ansi) const override { return WellFormedUtf8(ansi); }
    std::optional<std::string> FromUtf8(std::string_view utf8) const override {
        return std::string(utf8);
    }
};

} // namespace qennet::testing
