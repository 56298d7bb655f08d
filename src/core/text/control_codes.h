// The control characters that mark up IRC text: display-line attributes and
// the mark around every CTCP body.
#pragma once

namespace vz {

constexpr char BoldChar = '\x02';
constexpr char ColourChar = '\x03';
constexpr char UnderlineChar = '\x1F';
constexpr char ReverseChar = '\x16';
// Opens and closes every CTCP body, in requests and in replies.
constexpr char CtcpMark = '\x01';

} // namespace vz
