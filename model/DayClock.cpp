#include "model/DayClock.h"

#include <chrono>

#include "model/LocalTime.h"

namespace {

class TSystemDays final : public TDayClock {
public:
    int32_t Today() const override
    {
        const TLocalTime local = LocalTimeNow();
        const std::chrono::year_month_day date{std::chrono::year(local.Year),
                                               std::chrono::month(static_cast<unsigned>(local.Month)),
                                               std::chrono::day(static_cast<unsigned>(local.Day))};
        return std::chrono::sys_days(date).time_since_epoch().count();
    }
};

}  // namespace

const TDayClock& SystemDays()
{
    static const TSystemDays days;
    return days;
}
