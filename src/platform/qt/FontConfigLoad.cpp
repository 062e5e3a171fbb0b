#include "platform/qt/FontConfigLoad.h"

#include "platform/ThreadPriority.h"

#ifdef TURNOPLANER_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <clocale>
#endif

namespace tp {

FontConfigLoad::FontConfigLoad() {
#ifdef TURNOPLANER_HAVE_FONTCONFIG
    // The application object sets the locale of the environment while the loading reads
    // numbers; setting the same one first leaves nothing for that call to change.
    std::setlocale(LC_ALL, "");
    loading_ = std::thread([] {
        lowerThisThreadPriority();
        FcInit();
    });
#endif
}

FontConfigLoad::~FontConfigLoad() {
    wait();
}

void FontConfigLoad::wait() {
    if (loading_.joinable())
        loading_.join();
}

} // namespace tp
