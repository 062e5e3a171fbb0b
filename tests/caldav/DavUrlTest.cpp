#include "caldav/DavUrl.h"

#include <gtest/gtest.h>

namespace tp::caldav {
namespace {

struct HrefCase {
    const char* href;
    const char* resolved;
};

TEST(DavUrl, HrefsResolveAgainstTheRequest) {
    const DavUrl base = *parseDavUrl("https://Cloud.Example.org:443/dav/cal/");
    const HrefCase cases[] = {
        {"/dav/cal/a.ics", "https://cloud.example.org/dav/cal/a.ics"},
        {"a%40b.ics", "https://cloud.example.org/dav/cal/a%40b.ics"},
        {"../other/", "https://cloud.example.org/dav/other/"},
        {"https://elsewhere.org:8443/x/", "https://elsewhere.org:8443/x/"},
    };
    for (const HrefCase& wanted : cases)
        EXPECT_EQ(resolveHref(base, wanted.href), wanted.resolved) << wanted.href;
}

TEST(DavUrl, OnlyHttpAddressesWithoutPasswordsAreRead) {
    for (const char* text : {"cloud.example.org", "ftp://example.org/", "https://anna:pw@x.org/",
                             "https://x.org:port/", "https:///"})
        EXPECT_FALSE(parseDavUrl(text)) << text;
    EXPECT_EQ(parseDavUrl("https://x.org")->path, "/");
    EXPECT_EQ(parseDavUrl("http://[::1]:5232/a/")->port, "5232");
}

TEST(DavUrl, UidsAreEncodedAndPathsCompareDecoded) {
    EXPECT_EQ(percentEncodedSegment("20260105-dienst-grün@turnoplaner"),
              "20260105-dienst-gr%C3%BCn%40turnoplaner");
    EXPECT_TRUE(sameDavPath("/cal/a%40b/", "/cal/a@b"));
    EXPECT_FALSE(sameDavPath("/cal/a/", "/cal/b/"));
}

TEST(DavUrl, PlainHttpOnlyToThisComputer) {
    for (const char* host : {"localhost", "127.0.0.1", "127.1.2.3", "[::1]"})
        EXPECT_TRUE(isLoopbackHost(host)) << host;
    for (const char* host : {"cloud.example.org", "192.168.1.2", "127.example.org"})
        EXPECT_FALSE(isLoopbackHost(host)) << host;
}

} // namespace
} // namespace tp::caldav
