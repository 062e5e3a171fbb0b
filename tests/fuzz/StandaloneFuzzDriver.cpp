// Runs a fuzz target without libFuzzer: mutations of the target's seeds for a few seconds.
// Usage: fuzzer [SECONDS [SEED]]. The same seed replays the same inputs in the same order.

#include "FuzzTarget.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string_view>

namespace {

constexpr std::string_view kTokens[] = {
    "\r\n",  "\n",           "\r",   "=",        " = ",  "[", "]", ";",
    "\t",    "\xEF\xBB\xBF", "\xE2", "\xC3\xA4", "\xF6", "-", "0", "99999999999999999999",
    "1e400", "NaN",          "--",   "\0"};

std::string mutate(const std::vector<std::string>& seeds, std::mt19937_64& random) {
    std::string input = seeds[random() % seeds.size()];
    const int steps = 1 + static_cast<int>(random() % 8);
    for (int step = 0; step < steps; ++step) {
        const std::size_t at = input.empty() ? 0 : random() % (input.size() + 1);
        switch (random() % 6) {
        case 0: // flip a byte
            if (!input.empty())
                input[at % input.size()] = static_cast<char>(random());
            break;
        case 1: // insert a token
        {
            const std::string_view token = kTokens[random() % std::size(kTokens)];
            input.insert(at, token.empty() ? std::string(1, '\0') : std::string(token));
            break;
        }
        case 2: // delete a run
            input.erase(at, random() % 16);
            break;
        case 3: // repeat a run
            if (at < input.size())
                input.insert(at, input.substr(at, random() % 64));
            break;
        case 4: // splice another seed in
        {
            const std::string& other = seeds[random() % seeds.size()];
            if (!other.empty())
                input.insert(at, other.substr(random() % other.size()));
            break;
        }
        default: // random bytes
            for (int n = static_cast<int>(random() % 8); n > 0; --n)
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(at),
                             static_cast<char>(random()));
            break;
        }
    }
    return input;
}

} // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    const unsigned long long seed =
        argc > 2 ? std::strtoull(argv[2], nullptr, 10) : std::random_device{}();
    std::printf("seed %llu\n", seed);
    std::fflush(stdout);

    std::vector<std::string> seeds = fuzzSeeds();
    seeds.emplace_back();
    for (const std::string& input : seeds)
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());

    std::mt19937_64 random(seed);
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    long runs = 0;
    while (std::chrono::steady_clock::now() < end) {
        const std::string input = mutate(seeds, random);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
        ++runs;
    }
    std::printf("%ld inputs\n", runs);
    return 0;
}
