#include "NowText.h"

#include <windows.h>

namespace kforge {

std::string NowText()
{
    char date[128] = "";
    char time[128] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
    return std::string(date) + " " + time;
}

}  // namespace kforge
