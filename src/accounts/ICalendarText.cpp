#include "accounts/ICalendarText.h"

#include "model/DayNumber.h"

namespace tp {

namespace {

// Central European time: no summer time before 1980; 1980 from 6 April to 28 September;
// 1981..1995 from the last Sunday of March to the last Sunday of September; since 1996 to the
// last Sunday of October. Clocks change at 2.00 standard time both ways.
constexpr std::string_view kBerlinTimeZone =
    "BEGIN:VTIMEZONE\r\n"
    "TZID:Europe/Berlin\r\n"
    "BEGIN:STANDARD\r\n"
    "DTSTART:19700101T000000\r\n"
    "TZOFFSETFROM:+0100\r\n"
    "TZOFFSETTO:+0100\r\n"
    "TZNAME:CET\r\n"
    "END:STANDARD\r\n"
    "BEGIN:DAYLIGHT\r\n"
    "DTSTART:19800406T020000\r\n"
    "TZOFFSETFROM:+0100\r\n"
    "TZOFFSETTO:+0200\r\n"
    "TZNAME:CEST\r\n"
    "END:DAYLIGHT\r\n"
    "BEGIN:DAYLIGHT\r\n"
    "DTSTART:19810329T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
    "TZOFFSETFROM:+0100\r\n"
    "TZOFFSETTO:+0200\r\n"
    "TZNAME:CEST\r\n"
    "END:DAYLIGHT\r\n"
    "BEGIN:STANDARD\r\n"
    "DTSTART:19800928T030000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=9;BYDAY=-1SU;UNTIL=19950924T010000Z\r\n"
    "TZOFFSETFROM:+0200\r\n"
    "TZOFFSETTO:+0100\r\n"
    "TZNAME:CET\r\n"
    "END:STANDARD\r\n"
    "BEGIN:STANDARD\r\n"
    "DTSTART:19961027T030000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
    "TZOFFSETFROM:+0200\r\n"
    "TZOFFSETTO:+0100\r\n"
    "TZNAME:CET\r\n"
    "END:STANDARD\r\n"
    "END:VTIMEZONE\r\n";

void appendDigits(std::string& out, int value, int width) {
    char digits[8];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(digits, static_cast<std::size_t>(width));
}

void appendDate(std::string& out, DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    appendDigits(out, date.year, 4);
    appendDigits(out, date.month, 2);
    appendDigits(out, date.day, 2);
}

// "20260105T060000"; minutes past 1440 fall on the following days.
void appendDateTime(std::string& out, DayNumber day, int minute) {
    appendDate(out, day + minute / 1440);
    out += 'T';
    appendDigits(out, minute % 1440 / 60, 2);
    appendDigits(out, minute % 60, 2);
    out += "00";
}

void appendEvent(std::string& out, const CrewEvent& event, std::string_view stamp,
                 int alarmMinutes = 0) {
    out += "BEGIN:VEVENT\r\n";
    appendFoldedLine(out, "UID:" + escapedText(event.uid));
    out += stamp;
    if (event.allDay) {
        out += "DTSTART;VALUE=DATE:";
        appendDate(out, event.firstDay);
        out += "\r\nDTEND;VALUE=DATE:";
        appendDate(out, event.lastDay + 1);
        out += "\r\nTRANSP:TRANSPARENT\r\n";
    } else {
        out += "DTSTART;TZID=Europe/Berlin:";
        appendDateTime(out, event.firstDay, event.startMinute);
        out += "\r\nDTEND;TZID=Europe/Berlin:";
        appendDateTime(out, event.firstDay, event.endMinute);
        out += "\r\n";
    }
    appendFoldedLine(out, "SUMMARY:" + escapedText(event.summary));
    if (alarmMinutes > 0 && !event.allDay) {
        out += "BEGIN:VALARM\r\nACTION:DISPLAY\r\n";
        appendFoldedLine(out, "DESCRIPTION:" + escapedText(event.summary));
        out += "TRIGGER:-PT" + std::to_string(alarmMinutes) + "M\r\nEND:VALARM\r\n";
    }
    out += "END:VEVENT\r\n";
}

std::string stampLine(std::int64_t stampSeconds) {
    std::string stamp = "DTSTAMP:";
    const auto stampDay = static_cast<DayNumber>(stampSeconds / 86400);
    appendDateTime(stamp, stampDay, static_cast<int>(stampSeconds % 86400 / 60));
    stamp.back() = static_cast<char>('0' + stampSeconds % 60 % 10);
    stamp[stamp.size() - 2] = static_cast<char>('0' + stampSeconds % 60 / 10);
    stamp += "Z\r\n";
    return stamp;
}

} // namespace

void appendFoldedLine(std::string& out, std::string_view line) {
    constexpr std::size_t kMaxOctets = 75;
    std::size_t limit = kMaxOctets; // the first line; continuations start with a space
    while (line.size() > limit) {
        std::size_t cut = limit;
        // Never inside a UTF-8 sequence: back up over continuation bytes.
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        limit = kMaxOctets - 1;
    }
    out.append(line);
    out += "\r\n";
}

std::string escapedText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\':
        case ';':
        case ',':
            escaped += '\\';
            escaped += c;
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string iCalendarText(const std::vector<CrewEvent>& events, std::string_view calendarName,
                          std::int64_t stampSeconds) {
    const std::string stamp = stampLine(stampSeconds);
    std::string out;
    out.reserve(events.size() * 200 + 2048);
    out += "BEGIN:VCALENDAR\r\n"
           "VERSION:2.0\r\n"
           "PRODID:-//Turnoplaner//Schichtkalender//DE\r\n"
           "CALSCALE:GREGORIAN\r\n"
           "METHOD:PUBLISH\r\n";
    appendFoldedLine(out, "NAME:" + escapedText(calendarName));
    appendFoldedLine(out, "X-WR-CALNAME:" + escapedText(calendarName));
    out += "X-WR-TIMEZONE:Europe/Berlin\r\n";
    out += kBerlinTimeZone;
    for (const CrewEvent& event : events)
        appendEvent(out, event, stamp);
    out += "END:VCALENDAR\r\n";
    return out;
}

std::string eventResourceText(const CrewEvent& event, std::int64_t stampSeconds, int alarmMinutes) {
    std::string out;
    out.reserve(event.allDay ? 400 : 1400);
    out += "BEGIN:VCALENDAR\r\n"
           "VERSION:2.0\r\n"
           "PRODID:-//Turnoplaner//Schichtkalender//DE\r\n"
           "CALSCALE:GREGORIAN\r\n";
    if (!event.allDay)
        out += kBerlinTimeZone;
    appendEvent(out, event, stampLine(stampSeconds), alarmMinutes);
    out += "END:VCALENDAR\r\n";
    return out;
}

std::string crewCalendarText(const CrewCalendarRequest& request, std::int64_t stampSeconds) {
    const std::string name =
        "Turnoplaner " + crewDisplayName(request.crew, request.system.calendarType);
    return iCalendarText(crewCalendarEvents(request), name, stampSeconds);
}

} // namespace tp
