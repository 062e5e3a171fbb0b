#include "caldav/Multistatus.h"

#include <gtest/gtest.h>

namespace tp::caldav {
namespace {

constexpr const char* kEtag = "{DAV:}getetag";
constexpr const char* kData = "{urn:ietf:params:xml:ns:caldav}calendar-data";

struct ParseCase {
    const char* name;
    const char* xml;
    const char* href;
    const char* etag;
};

// One resource as different servers write it.
TEST(Multistatus, ReadsResponsesWhateverThePrefixes) {
    const ParseCase cases[] = {
        {"d: prefix",
         R"(<d:multistatus xmlns:d="DAV:"><d:response><d:href>/cal/a.ics</d:href><d:propstat>
            <d:prop><d:getetag>"1"</d:getetag></d:prop><d:status>HTTP/1.1 200 OK</d:status>
            </d:propstat></d:response></d:multistatus>)",
         "/cal/a.ics", "\"1\""},
        {"default namespace",
         R"(<?xml version="1.0"?><multistatus xmlns="DAV:"><response><href>/cal/a.ics</href>
            <propstat><prop><getetag>"2"</getetag></prop><status>HTTP/1.1 200 OK</status>
            </propstat></response></multistatus>)",
         "/cal/a.ics", "\"2\""},
        {"odd prefix, absolute href",
         R"(<X:multistatus xmlns:X="DAV:"><X:response>
            <X:href>https://cloud.example.org/cal/a.ics</X:href><X:propstat><X:prop>
            <X:getetag>"3"</X:getetag></X:prop><X:status>HTTP/1.1 200 OK</X:status>
            </X:propstat></X:response></X:multistatus>)",
         "https://cloud.example.org/cal/a.ics", "\"3\""},
        {"percent-encoded name",
         R"(<multistatus xmlns="DAV:"><response><href>/cal/20260105-dienst-rot%40turnoplaner.ics
            </href><propstat><prop><getetag>W/"4"</getetag></prop>
            <status>HTTP/1.1 200 OK</status></propstat></response></multistatus>)",
         "/cal/20260105-dienst-rot%40turnoplaner.ics", "W/\"4\""},
    };
    for (const ParseCase& wanted : cases) {
        SCOPED_TRACE(wanted.name);
        const auto resources = parseMultistatus(wanted.xml);
        ASSERT_TRUE(resources);
        ASSERT_EQ(resources->size(), 1u);
        EXPECT_EQ(resources->front().href, wanted.href);
        ASSERT_TRUE(resources->front().property(kEtag));
        EXPECT_EQ(resources->front().property(kEtag)->text, wanted.etag);
    }
}

TEST(Multistatus, OnlyPropertiesOfASuccessfulPropstatCount) {
    const auto resources = parseMultistatus(
        R"(<d:multistatus xmlns:d="DAV:" xmlns:cal="urn:ietf:params:xml:ns:caldav">
           <d:response><d:href>/cal/</d:href>
           <d:propstat><d:prop><d:resourcetype><d:collection/><cal:calendar/></d:resourcetype>
           </d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>
           <d:propstat><d:prop><d:getetag/><cal:calendar-data/></d:prop>
           <d:status>HTTP/1.1 404 Not Found</d:status></d:propstat></d:response>
           <d:response><d:href>/gone.ics</d:href><d:status>HTTP/1.1 404 Not Found</d:status>
           </d:response></d:multistatus>)");
    ASSERT_TRUE(resources);
    ASSERT_EQ(resources->size(), 2u);
    const DavResource& calendar = (*resources)[0];
    EXPECT_FALSE(calendar.property(kEtag));
    EXPECT_FALSE(calendar.property(kData));
    ASSERT_TRUE(calendar.property("{DAV:}resourcetype"));
    EXPECT_TRUE(calendar.property("{DAV:}resourcetype")
                    ->hasChild("{urn:ietf:params:xml:ns:caldav}calendar"));
    EXPECT_EQ((*resources)[1].status, 404);
}

TEST(Multistatus, HrefsAndComponentsInsideProperties) {
    const auto resources = parseMultistatus(
        R"(<multistatus xmlns="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav"><response>
           <href>/p/</href><propstat><prop>
           <current-user-principal><href>/principals/anna/</href></current-user-principal>
           <C:supported-calendar-component-set><C:comp name="VEVENT"/><C:comp name="VTODO"/>
           </C:supported-calendar-component-set></prop><status>HTTP/1.1 200 OK</status>
           </propstat></response></multistatus>)");
    ASSERT_TRUE(resources);
    const DavResource& resource = resources->front();
    EXPECT_EQ(resource.property("{DAV:}current-user-principal")->hrefs,
              std::vector<std::string>{"/principals/anna/"});
    EXPECT_EQ(resource.property("{urn:ietf:params:xml:ns:caldav}supported-calendar-component-set")
                  ->componentNames,
              (std::vector<std::string>{"VEVENT", "VTODO"}));
}

TEST(Multistatus, WhatIsNoMultistatusIsRefused) {
    for (const char* xml : {"", "<multistatus><response>kaputt",
                            "<multistatus xmlns=\"urn:other\"/>", "<html><body>Login</body></html>",
                            "<!DOCTYPE m [<!ENTITY e SYSTEM \"http://x/\">]><m>&e;</m>"}) {
        SCOPED_TRACE(xml);
        EXPECT_FALSE(parseMultistatus(xml));
    }
}

} // namespace
} // namespace tp::caldav
