// Dates and times in the user's own format.
#pragma once

#include <string>

namespace vz {

// The current date and time as the user's locale writes them.
class LocaleFormat {
public:
    LocaleFormat() = default;
    LocaleFormat(const LocaleFormat&) = delete;
    LocaleFormat& operator=(const LocaleFormat&) = delete;
    virtual ~LocaleFormat() = default;

    virtual std::string shortDate() const = 0;
    virtual std::string timeOfDay() const = 0;
};

} // namespace vz
