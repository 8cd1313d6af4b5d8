#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

enum class NumberText {
    Ok,
    NotANumber, // empty, a sign other than a leading minus, or any other character
    Negative,   // a well-formed number below zero
    OutOfRange, // a well-formed number outside the allowed range
};

// Reads a whole decimal number that fills all of text. Only digits and one leading minus are
// accepted: no plus sign, no blanks, no hexadecimal, so "4x" or "+4" are refused rather than
// read as something the player did not write.
inline NumberText ParseWholeNumber(std::string_view text, std::int64_t nLow, std::int64_t nHigh,
                                   std::int64_t& nValue) {
    if (text.empty()) {
        return NumberText::NotANumber;
    }
    const bool bMinus = text.front() == '-';
    const std::string_view digits = bMinus ? text.substr(1) : text;
    if (digits.empty()) {
        return NumberText::NotANumber;
    }
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return NumberText::NotANumber;
        }
    }
    if (bMinus && nLow >= 0) {
        return NumberText::Negative;
    }
    std::int64_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec == std::errc::result_out_of_range) {
        return bMinus ? NumberText::Negative : NumberText::OutOfRange;
    }
    if (ec != std::errc() || end != text.data() + text.size()) {
        return NumberText::NotANumber;
    }
    if (n < nLow || n > nHigh) {
        return NumberText::OutOfRange;
    }
    nValue = n;
    return NumberText::Ok;
}

// Echoes what the player typed inside a message: quoted, at most a few dozen characters, and with
// control characters and other bytes outside printable ASCII written as \xNN, so that binary
// junk never reaches the terminal as it is.
inline std::string QuoteForMessage(std::string_view text) {
    constexpr std::size_t kShown = 40;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "'";
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7f && c != '\\' && c != '\'') {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xf];
        }
    }
    if (text.size() > kShown) {
        out += "...";
    }
    out += "'";
    return out;
}
