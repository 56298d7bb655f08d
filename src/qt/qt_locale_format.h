// Locale formats from QLocale.
#pragma once

#include "platform/locale_format.h"

namespace vz {

// The current date and time in the system locale's short date and time formats.
class QtLocaleFormat : public LocaleFormat {
public:
    std::string shortDate() const override;
    std::string timeOfDay() const override;
};

} // namespace vz
