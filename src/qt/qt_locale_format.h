// Locale formats from QLocale.
#pragma once

#include "platform/locale_format.h"

#include <QLocale>
#include <QString>

#include <ctime>

namespace vz {

// The current date and time in the system locale's short date and time
// formats. The texts are made again only when the second changed: a flood
// stamps thousands of log entries within one second.
class QtLocaleFormat : public LocaleFormat {
public:
    QtLocaleFormat();
    std::string shortDate() const override;
    std::string timeOfDay() const override;

private:
    void stampNow() const;

    QLocale locale_;
    QString timeFormat_;
    mutable std::time_t stampedAt_ = -1;
    mutable std::string date_;
    mutable std::string time_;
};

} // namespace vz
