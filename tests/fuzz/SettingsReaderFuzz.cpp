// Any bytes read as a settings file give settings that are written as a whole file, and what
// is written once reads back to the very same file.

#include "FuzzTarget.h"

#include "settings/SettingsFile.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string root = "/daten/TPDaten/";
    const std::string first = tp::settingsFileBytes(tp::settingsFromFileBytes(bytes, root));
    const std::string second = tp::settingsFileBytes(tp::settingsFromFileBytes(first, root));
    const std::string third = tp::settingsFileBytes(tp::settingsFromFileBytes(second, root));
    const auto lines = std::count(third.begin(), third.end(), '\n');
    // 26 lines, and one each for the wage and the last user when they are there.
    if (second != third || lines < 26 || lines > 28 ||
        std::count(third.begin(), third.end(), '\r') != lines)
        std::abort();
    return 0;
}

std::vector<std::string> fuzzSeeds() {
    tp::ProgramSettings changed;
    changed.placeName = "Königs Wusterhausen";
    changed.place.latitude = 52.31;
    changed.accounts.targetHours38 = 1e-3f;
    return {
        tp::settingsFileBytes(tp::ProgramSettings{}),
        tp::settingsFileBytes(changed),
        "\xEF\xBB\xBF[Astronomie]\r\nOrtsname = M\xC3\xBCnchen\r\nL\xC3\xA4nge = 10\r\n",
        "[astronomie]\nbreite=50\rZeitzone = +Infinity\r\n[Programmeinstellungen]\r\n"
        "Schichtspalten = 263\r\nUrlaubZyklus = -7\r\n",
    };
}
