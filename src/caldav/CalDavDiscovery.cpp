#include "caldav/CalDavDiscovery.h"

#include "caldav/DavExchange.h"
#include "caldav/DavUrl.h"
#include "caldav/Multistatus.h"

#include <cctype>

namespace tp::caldav {

namespace {

const std::string kDav = "{DAV:}";
const std::string kCalDav = "{urn:ietf:params:xml:ns:caldav}";

constexpr const char* kCollectionProps =
    "<d:resourcetype/><d:displayname/><d:current-user-principal/><c:calendar-home-set/>"
    "<c:supported-calendar-component-set/>";

bool isEventCalendar(const DavResource& resource) {
    const DavProperty* type = resource.property(kDav + "resourcetype");
    if (!type || !type->hasChild(kCalDav + "calendar"))
        return false;
    const DavProperty* components = resource.property(kCalDav + "supported-calendar-component-set");
    if (!components) // not given: every kind of component
        return true;
    for (const std::string& name : components->componentNames)
        if (name == "VEVENT")
            return true;
    return false;
}

CalendarEntry entryOf(const DavUrl& base, const DavResource& resource) {
    std::string url = resolveHref(base, resource.href);
    if (url.back() != '/')
        url += '/';
    std::string name;
    if (const DavProperty* displayName = resource.property(kDav + "displayname"))
        name = displayName->text;
    if (name.empty()) { // the last segment of the path
        const std::string path = percentDecoded(parseDavUrl(url)->path);
        const auto start = path.rfind('/', path.size() - 2);
        name = path.substr(start + 1, path.size() - start - 2);
    }
    return {url, name};
}

// The response about the requested resource itself.
const DavResource* selfOf(const std::vector<DavResource>& resources, const DavUrl& url) {
    for (const DavResource& resource : resources)
        if (sameDavPath(parseDavUrl(resolveHref(url, resource.href))->path, url.path))
            return &resource;
    return resources.size() == 1 ? &resources.front() : nullptr;
}

struct Propfind {
    std::vector<DavResource> resources;
    std::string url;
    std::optional<Failure> failure;
    bool answered = false; // a multistatus came back
};

Propfind propfind(HttpClient& http, const std::string& url, int depth) {
    Propfind result;
    Exchange answer = exchange(http, propfindRequest(url, depth, kCollectionProps));
    result.url = answer.url;
    if (answer.failure) {
        result.failure = std::move(answer.failure);
        return result;
    }
    if (answer.response.status != 207)
        return result;
    auto resources = parseMultistatus(answer.response.body);
    if (!resources) {
        result.failure = Failure{FailureKind::BadAnswer, serverName(url)};
        return result;
    }
    result.resources = std::move(*resources);
    result.answered = true;
    return result;
}

std::optional<std::string> firstHref(const DavResource& resource, const std::string& name,
                                     const DavUrl& base) {
    const DavProperty* property = resource.property(name);
    if (!property || property->hrefs.empty())
        return std::nullopt;
    return resolveHref(base, property->hrefs.front());
}

// Lists the calendars of the home set at `homeUrl`.
void listHome(HttpClient& http, const std::string& homeUrl, Discovery& discovery) {
    Propfind home = propfind(http, homeUrl, 1);
    if (home.failure) {
        discovery.failure = std::move(home.failure);
        return;
    }
    discovery.homeSetUrl = home.url;
    const DavUrl base = *parseDavUrl(home.url);
    for (const DavResource& resource : home.resources)
        if (isEventCalendar(resource))
            discovery.calendars.push_back(entryOf(base, resource));
}

// Follows one starting address; false when it led nowhere and the next may be tried.
bool followFrom(HttpClient& http, const std::string& start, Discovery& discovery) {
    Propfind first = propfind(http, start, 0);
    if (first.failure) {
        // A wrong password or a server fault holds for every address; a missing one does not.
        discovery.failure = std::move(first.failure);
        return true;
    }
    if (!first.answered)
        return false;
    const DavUrl base = *parseDavUrl(first.url);
    const DavResource* self = selfOf(first.resources, base);
    if (!self)
        return false;
    if (isEventCalendar(*self)) {
        discovery.calendars.push_back(entryOf(base, *self));
        return true;
    }
    auto home = firstHref(*self, kCalDav + "calendar-home-set", base);
    if (!home) {
        const auto principal = firstHref(*self, kDav + "current-user-principal", base);
        if (!principal)
            return false;
        Propfind about = propfind(http, *principal, 0);
        if (about.failure) {
            discovery.failure = std::move(about.failure);
            return true;
        }
        const DavUrl principalUrl = *parseDavUrl(about.url);
        const DavResource* principalSelf = selfOf(about.resources, principalUrl);
        if (principalSelf)
            home = firstHref(*principalSelf, kCalDav + "calendar-home-set", principalUrl);
        if (!home)
            return false;
    }
    listHome(http, *home, discovery);
    return true;
}

std::string slugOf(const std::string& name) {
    std::string slug;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte))
            slug += static_cast<char>(std::tolower(byte));
    }
    return slug.empty() ? "kalender" : slug;
}

} // namespace

Discovery discoverCalendars(HttpClient& http, const std::string& address) {
    Discovery discovery;
    const auto url = parseDavUrl(address);
    if (!url) {
        discovery.failure = Failure{FailureKind::BadAddress, address, 0, address};
        return discovery;
    }
    const std::string wellKnown = url->origin() + "/.well-known/caldav";
    const std::vector<std::string> starts = url->path == "/"
                                                ? std::vector<std::string>{wellKnown, url->text()}
                                                : std::vector<std::string>{url->text(), wellKnown};
    for (const std::string& start : starts)
        if (followFrom(http, start, discovery))
            break;
    if (!discovery.failure && discovery.calendars.empty() && discovery.homeSetUrl.empty())
        discovery.failure = Failure{FailureKind::NotACalendar, serverName(*url)};
    return discovery;
}

MadeCalendar makeCalendar(HttpClient& http, const std::string& homeSetUrl,
                          const std::string& displayName) {
    constexpr int kTries = 20;
    const std::string base = homeSetUrl.back() == '/' ? homeSetUrl : homeSetUrl + "/";
    const std::string slug = slugOf(displayName);
    std::string escapedName;
    for (const char c : displayName) {
        if (c == '<')
            escapedName += "&lt;";
        else if (c == '&')
            escapedName += "&amp;";
        else
            escapedName += c;
    }
    MadeCalendar made;
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        HttpRequest request;
        request.method = "MKCALENDAR";
        request.url = base + slug + (attempt == 1 ? "" : "-" + std::to_string(attempt)) + "/";
        request.headers = {{"Content-Type", "application/xml; charset=utf-8"}};
        request.body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                       "<c:mkcalendar xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
                       "<d:set><d:prop><d:displayname>" +
                       escapedName +
                       "</d:displayname><c:supported-calendar-component-set>"
                       "<c:comp name=\"VEVENT\"/></c:supported-calendar-component-set>"
                       "</d:prop></d:set></c:mkcalendar>";
        Exchange answer = exchange(http, request);
        if (answer.failure) {
            made.failure = std::move(answer.failure);
            return made;
        }
        const int status = answer.response.status;
        if (status == 201 || status == 200) {
            made.url = request.url;
            return made;
        }
        if (status != 405 && status != 409) { // 405: the name is taken
            made.failure = Failure{FailureKind::NotACalendar, serverName(base), status};
            return made;
        }
    }
    made.failure = Failure{FailureKind::ServerError, serverName(base), 405};
    return made;
}

} // namespace tp::caldav
