#pragma once

#include <thread>

namespace tp {

// Loads the desktop's font configuration (fontconfig's files and font caches) on a thread of its
// own. Made before the application object, it overlaps Qt's connection to the window system,
// which takes about as long; Qt's font database then finds the configuration loaded. Where
// fonts are not configured by fontconfig, it does nothing.
class FontConfigLoad {
  public:
    FontConfigLoad();
    ~FontConfigLoad();
    FontConfigLoad(const FontConfigLoad&) = delete;
    FontConfigLoad& operator=(const FontConfigLoad&) = delete;

    // Until the configuration is loaded; at once if it was, or if there is none to load.
    void wait();

  private:
    std::thread loading_;
};

} // namespace tp
