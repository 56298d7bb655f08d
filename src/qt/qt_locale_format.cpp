// Locale formats from QLocale.
#include "qt_locale_format.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace vz {

std::string QtLocaleFormat::shortDate() const {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string QtLocaleFormat::timeOfDay() const {
    // The long format carries the seconds; the time zone it may add is left out.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale::system().toString(QTime::currentTime(), format.trimmed()).toStdString();
}

} // namespace vz
