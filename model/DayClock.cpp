#include "model/DayClock.h"

#include <chrono>
#include <ctime>

namespace {

class TSystemDays final : public TDayClock {
public:
    int32_t Today() const override
    {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
#ifdef _WIN32
        localtime_s(&local, &now);
#else
        localtime_r(&now, &local);
#endif
        const std::chrono::year_month_day date{std::chrono::year(local.tm_year + 1900),
                                               std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
                                               std::chrono::day(static_cast<unsigned>(local.tm_mday))};
        return std::chrono::sys_days(date).time_since_epoch().count();
    }
};

}  // namespace

const TDayClock& SystemDays()
{
    static const TSystemDays days;
    return days;
}
