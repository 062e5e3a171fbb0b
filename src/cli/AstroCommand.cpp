#include "astro/AstronomyLine.h"
#include "astro/LunationCache.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "model/WorkingDate.h"

namespace tp::cli {

namespace {

// A real number within [low, high].
bool readBoundedReal(const ParsedArguments& parsed, const char* name, double low, double high,
                     double& value) {
    const std::string* text = optionValue(parsed, name);
    if (!text)
        return true;
    const auto number = parseReal(*text);
    if (!number || *number < low || *number > high)
        return false;
    value = *number;
    return true;
}

} // namespace

int runAstroCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
    std::string error;
    const auto parsed = parseArguments(arguments, {"lat", "lon", "tz", "dst", "twilight"}, error);
    if (!parsed) {
        err << "astro: " << error << '\n';
        return kUsageError;
    }
    const auto range = parseDayRange(*parsed, error);
    if (!range) {
        err << "astro: " << error << '\n';
        return kUsageError;
    }
    AstronomySettings settings;
    if (!readBoundedReal(*parsed, "lat", -90, 90, settings.latitude)) {
        err << "astro: --lat muss eine Zahl von -90 bis 90 sein\n";
        return kUsageError;
    }
    if (!readBoundedReal(*parsed, "lon", -180, 180, settings.longitude)) {
        err << "astro: --lon muss eine Zahl von -180 bis 180 sein (West positiv)\n";
        return kUsageError;
    }
    if (!readBoundedReal(*parsed, "tz", -12, 14, settings.timeZone)) {
        err << "astro: --tz muss eine Stundenzahl von -12 bis 14 sein\n";
        return kUsageError;
    }
    if (const std::string* text = optionValue(*parsed, "dst")) {
        const auto dst = parseInteger(*text, 0, 1);
        if (!dst) {
            err << "astro: --dst muss 0 oder 1 sein\n";
            return kUsageError;
        }
        settings.automaticSummerTime = *dst == 1;
    }
    if (const std::string* text = optionValue(*parsed, "twilight")) {
        const auto twilight = parseInteger(*text, 0, 2);
        if (!twilight) {
            err << "astro: --twilight muss 0, 1 oder 2 sein\n";
            return kUsageError;
        }
        settings.twilight = *twilight;
    }
    LunationCache cache;
    out << "date\tastronomy_line\n";
    for (DayNumber day = range->from; day <= range->to; ++day) {
        PhaseNearFlag flag = PhaseNearFlag::None;
        out << isoDateText(day) << '\t' << astronomyLine(workingDateOf(day), settings, flag, &cache)
            << '\n';
    }
    return 0;
}

} // namespace tp::cli
