// A calendar server's answer, as any server could send it: read as a multistatus, every calendar
// object in it read as an event, whatever the bytes; an event reads the same whichever way it
// is reached.

#include "FuzzTarget.h"

#include "caldav/EventText.h"
#include "caldav/Multistatus.h"

#include <string_view>

using namespace tp::caldav;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The same bytes as a calendar object on its own, as a GET returns it.
    require(storedEventOf(text).comparable == comparableEvent(text));
    const auto resources = parseMultistatus(text);
    if (!resources)
        return 0;
    for (const DavResource& resource : *resources) {
        if (const DavProperty* calendarData =
                resource.property("{urn:ietf:params:xml:ns:caldav}calendar-data")) {
            const StoredEvent event = storedEventOf(calendarData->text);
            require(event.comparable == comparableEvent(calendarData->text));
        }
    }
    return 0;
}

std::vector<std::string> fuzzSeeds() {
    return {
        "<d:multistatus xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:response>"
        "<d:href>/k/a%40turnoplaner.ics</d:href><d:propstat><d:prop><d:getetag>\"1\"</d:getetag>"
        "<c:calendar-data>BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a@turnoplaner\r\nDTSTART;VALUE="
        "DATE:20260105\r\nSUMMARY:Fr\r\n üh\r\nBEGIN:VALARM\r\nTRIGGER:-PT5M\r\nEND:VALARM\r\n"
        "END:VEVENT\r\nEND:VCALENDAR\r\n</c:calendar-data></d:prop><d:status>HTTP/1.1 200 OK"
        "</d:status></d:propstat></d:response></d:multistatus>",
        "<multistatus xmlns=\"DAV:\"><response><href>/p/</href><status>HTTP/1.1 404 x</status>"
        "</response></multistatus>",
        "BEGIN:VEVENT\nBEGIN:VEVENT\nEND:VEVENT",
    };
}
