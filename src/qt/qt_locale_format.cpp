// Locale formats from QLocale.
#include "qt_locale_format.h"

#include <QDateTime>

namespace vz {

// The long time format carries the seconds; the time zone it may add is left out.
QtLocaleFormat::QtLocaleFormat()
    : locale_(QLocale::system()), timeFormat_(locale_.timeFormat(QLocale::LongFormat)) {
    timeFormat_.remove(QLatin1Char('t'));
    timeFormat_ = timeFormat_.trimmed();
}

void QtLocaleFormat::stampNow() const {
    const std::time_t now = std::time(nullptr);
    if (now == stampedAt_)
        return;
    stampedAt_ = now;
    const QDateTime local = QDateTime::currentDateTime();
    date_ = locale_.toString(local.date(), QLocale::ShortFormat).toStdString();
    time_ = locale_.toString(local.time(), timeFormat_).toStdString();
}

std::string QtLocaleFormat::shortDate() const {
    stampNow();
    return date_;
}

std::string QtLocaleFormat::timeOfDay() const {
    stampNow();
    return time_;
}

} // namespace vz
