// Small helpers the fuzz targets share: the input as text, cutting it into
// parts, and invariant checks that stop the run with a message.
#pragma once

#include "app/frm_main.h"
#include "fakes/fake_platform.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

namespace vz::fuzz {

inline std::string text(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// The text before the first `separator` and the text after it ("" after when
// there is none).
inline std::pair<std::string, std::string> cut(const std::string& text, char separator) {
    const auto at = text.find(separator);
    if (at == std::string::npos)
        return {text, ""};
    return {text.substr(0, at), text.substr(at + 1)};
}

inline bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// An invariant of the target; a violation aborts so libFuzzer keeps the input.
inline void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "invariant violated: %s\n", what);
        std::abort();
    }
}

// Every line the client sent ends in LF and holds no CR: the bytes end in LF
// and hold no CR at all.
inline void checkSentLines(const std::string& sent) {
    check(sent.empty() || sent.back() == '\n', "the last sent line is whole");
    check(sent.find('\r') == std::string::npos, "a sent line holds no CR");
}

// A started world signed on as "me", in channel #c with a, b, and a private
// window with a.
inline void signOnInChannel(fake::FakeWorld& world) {
    world.startSignedOn();
    world.serverSays(":me!u@h JOIN :#c");
    world.serverSays(":s 353 me = #c :@me +a b");
    world.app->tables().OpenPrivat("a", "a!u@h");
    world.takeSent();
}

} // namespace vz::fuzz
