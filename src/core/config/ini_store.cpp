#include "config/ini_store.h"

#include "platform/file_system.h"

namespace vz {

const std::string clsINI::NoValue(1, '\0');

std::string ValueOrEmpty(const std::string& value) { return value == clsINI::NoValue ? "" : value; }

clsINI::clsINI(FileSystem& files) : files_(files) {}

void clsINI::setFileName(const std::string& vData) { FileName = vData; }
bool clsINI::SectionExists(const std::string&) const { return false; }
bool clsINI::AddSection(const std::string&) { return false; }
bool clsINI::RemoveSection(const std::string&) { return false; }
bool clsINI::ValueExists(const std::string&, const std::string&) const { return false; }
std::string clsINI::Value(const std::string&, const std::string&) const { return NoValue; }
void clsINI::setValue(const std::string&, const std::string&, const std::string&) {}
bool clsINI::AddValue(const std::string&, const std::string&, const std::string&) { return false; }
bool clsINI::RemoveValue(const std::string&, const std::string&) { return false; }
int clsINI::ValuesCount(const std::string&) const { return -1; }
std::string clsINI::ValueName(const std::string&, int) const { return NoValue; }
std::string clsINI::SectionName(int) const { return NoValue; }
int clsINI::SectionsCount() const { return 0; }
bool clsINI::UpdateFile() { return false; }

} // namespace vz
