#pragma once

#include "accounts/CrewEvents.h"
#include "cli/CommandLine.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>

namespace tp::cli {

// The options the commands about one crew's calendar share: FROM TO, --crew, --type,
// --vacation-start, --cycle and --data.
inline constexpr const char* kCrewCalendarOptionNames[] = {"crew", "type", "vacation-start",
                                                           "cycle", "data"};

struct CrewCalendarOptions {
    CrewCalendarRequest calendar; // crew -1 until the base crew is read from the data folder
    std::optional<std::filesystem::path> folder;
};

// Reads the shared options; a mistake prints one line beginning with "`command`: " on `err`.
std::optional<CrewCalendarOptions> parseCrewCalendarOptions(const ParsedArguments& parsed,
                                                            std::string_view command,
                                                            std::ostream& err);

// What the data folder adds to the calendar. Kept where the request points to it.
struct CrewCalendarData {
    ShiftMarkingList markings;
    CalendarBarList bars;
};

// Reads the markings, bars and, without --crew, the base crew from the data folder into
// `options.calendar`; false after a line on `err` when a file cannot be read.
bool loadCrewCalendarData(CrewCalendarOptions& options, CrewCalendarData& data,
                          std::string_view command, std::ostream& err);

} // namespace tp::cli
