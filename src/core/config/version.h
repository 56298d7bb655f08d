// The program's version number and how it is written.
#pragma once

#include <string>

namespace vz {

constexpr int VersionMajor = 1;
constexpr int VersionMinor = 1;
constexpr int VersionRevision = 5;

// What the program says about itself, after its name and version.
constexpr const char* CreditLine = "Free IRC client for Linux. Written with Qt 6.";

// Major, ".", then minor and revision with nothing between them: "1.15".
std::string VersionText();

} // namespace vz
