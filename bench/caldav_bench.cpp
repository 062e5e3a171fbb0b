#include "TestServers.h"

#include "accounts/CrewEvents.h"
#include "caldav/CalDavDiscovery.h"
#include "caldav/CalendarSync.h"
#include "caldav/CurlHttpClient.h"
#include "markings/MarkingCodes.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tp::caldav;

// 13 months of one crew, as a user syncs them: about 220 events.
const tp::DayNumber kFrom = tp::dayNumberOf(2026, 1, 1);
const tp::DayNumber kTo = tp::dayNumberOf(2027, 1, 31);

std::vector<tp::CrewEvent> events(const tp::ShiftMarkingList* markings = nullptr) {
    tp::CrewCalendarRequest request;
    request.from = kFrom;
    request.to = kTo;
    request.markings = markings;
    return tp::crewCalendarEvents(request);
}

HttpSettings anna() {
    return {"anna", "geheim-a", {}, {}, 10, 30, nullptr};
}

// One Radicale for all benchmarks of a run.
tp::test::RadicaleServer& radicale() {
    static auto server = [] {
        auto started = std::make_unique<tp::test::RadicaleServer>();
        if (!started->start())
            started.reset();
        return started;
    }();
    return *server;
}

std::string newCalendar() {
    CurlHttpClient http(anna());
    return makeCalendar(http, radicale().origin() + "/anna/", "Turnoplaner").url;
}

void report(benchmark::State& state, const CurlHttpClient& http, int syncs, int events) {
    state.counters["requests_per_sync"] = static_cast<double>(http.requestCount()) / syncs;
    state.counters["connections_per_sync"] = static_cast<double>(http.connectionCount()) / syncs;
    state.counters["events"] = events;
}

// Every event created in a new calendar: one PUT each after the one REPORT.
void BM_CalDavFirstSync13Months(benchmark::State& state) {
    CurlHttpClient http(anna());
    const auto wanted = events();
    int syncs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string calendar = newCalendar();
        state.ResumeTiming();
        CalendarSync sync(http, {calendar, 0, 1'796'000'000});
        const SyncResult result = sync.run(wanted, kFrom, kTo);
        if (result.failure || result.counts.created != static_cast<int>(wanted.size()))
            state.SkipWithError("the first sync did not create every event");
        ++syncs;
    }
    report(state, http, syncs, static_cast<int>(wanted.size()));
}
BENCHMARK(BM_CalDavFirstSync13Months)->Unit(benchmark::kMillisecond)->Iterations(3);

// Nothing changed since the last sync: at most 3 requests.
void BM_CalDavNothingChanged13Months(benchmark::State& state) {
    const std::string calendar = newCalendar();
    const auto wanted = events();
    {
        CurlHttpClient first(anna());
        CalendarSync(first, {calendar, 0, 1'796'000'000}).run(wanted, kFrom, kTo);
    }
    CurlHttpClient http(anna());
    int syncs = 0;
    for (auto _ : state) {
        CalendarSync sync(http, {calendar, 0, 1'796'000'000});
        const SyncResult result = sync.run(wanted, kFrom, kTo);
        if (result.failure || result.counts.unchanged != static_cast<int>(wanted.size()))
            state.SkipWithError("a sync with nothing changed wrote something");
        ++syncs;
    }
    report(state, http, syncs, static_cast<int>(wanted.size()));
}
BENCHMARK(BM_CalDavNothingChanged13Months)->Unit(benchmark::kMillisecond);

// A "U" marking set and taken back in turn: one changed day per sync, at most 4 requests.
void BM_CalDavOneChangedDay(benchmark::State& state) {
    const std::string calendar = newCalendar();
    const auto plain = events();
    const tp::ShiftMarkingList vacation({{plain.front().firstDay, 2, tp::Vacation}});
    const auto marked = events(&vacation);
    {
        CurlHttpClient first(anna());
        CalendarSync(first, {calendar, 0, 1'796'000'000}).run(plain, kFrom, kTo);
    }
    CurlHttpClient http(anna());
    int syncs = 0;
    for (auto _ : state) {
        CalendarSync sync(http, {calendar, 0, 1'796'000'000});
        const SyncResult result = sync.run(syncs % 2 == 0 ? marked : plain, kFrom, kTo);
        if (result.failure || result.counts.changed != 1)
            state.SkipWithError("one changed day was not one write");
        ++syncs;
    }
    report(state, http, syncs, static_cast<int>(plain.size()));
}
BENCHMARK(BM_CalDavOneChangedDay)->Unit(benchmark::kMillisecond);

} // namespace
