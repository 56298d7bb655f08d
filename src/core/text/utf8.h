// UTF-8 strings counted and cut by code point.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vz::utf8 {

// Every "character" of the program is one Unicode code point of a UTF-8
// string. Invalid bytes count as one code point each.

// Byte length of the code point that starts at s[pos] (1 for an invalid byte).
std::size_t sequenceLength(std::string_view s, std::size_t pos);
bool isValid(std::string_view s);
std::size_t length(std::string_view s);
// The code points of s, each as its own UTF-8 string.
std::vector<std::string> split(std::string_view s);
// Up to `count` code points starting at code point `start`.
std::string substr(std::string_view s, std::size_t start, std::size_t count = std::string::npos);
std::string left(std::string_view s, std::size_t count);
std::string dropFirst(std::string_view s);
std::string dropLast(std::string_view s);
// Byte offset of code point `index` (s.size() when past the end).
std::size_t byteOffset(std::string_view s, std::size_t index);
// The longest prefix of at most `maxBytes` bytes that ends on a whole code point.
std::size_t cutBackToWhole(std::string_view s, std::size_t maxBytes);
char32_t decode(std::string_view s, std::size_t pos);
void append(std::string& out, char32_t codePoint);

} // namespace vz::utf8
