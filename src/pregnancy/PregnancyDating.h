#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Dating a pregnancy when the day of conception is not known: from the last
// period and the length of the cycle, or from the crown-rump length (LCC)
// measured at the first-trimester scan.
namespace PregnancyDating {

enum class Method { LastPeriod, Scan };
// The inputs of the dating dialog, in the order the user meets them.
enum class Input { LastPeriod, Cycle, ScanDate, Lcc };

inline constexpr int kMinCycle = 20;
inline constexpr int kMaxCycle = 45;
inline constexpr int kDefaultCycle = 28;
inline constexpr double kMinLcc = 10.0;
inline constexpr double kMaxLcc = 84.0;

// Start of pregnancy: ovulation comes 14 days before the next period.
std::optional<QDate> startFromLastPeriod(const QDate &ddr, int cycle);
// Days since the last period for a crown-rump length in millimetres,
// rounded to the nearest day.
int gestationalAge(double lccMm);

// What the user typed, as texts.
struct Entry
{
    Method method = Method::LastPeriod;
    QString lastPeriod;
    QString cycle;
    QString scanDate;
    QString lcc;
};

struct Dating
{
    QDate ddr;
    QDate ddg;
    QDate term;
    // Days since the last period on the day of the scan (scan method only).
    std::optional<int> gestationalAge;
};

// Either a dating, or the input to correct and a French message naming it.
struct Outcome
{
    std::optional<Dating> dating;
    Input input = Input::LastPeriod;
    QString message;
};

Outcome evaluate(const Entry &entry);

} // namespace PregnancyDating
