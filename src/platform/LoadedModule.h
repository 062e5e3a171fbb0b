#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tp {

// A part of the program kept in a library of its own and loaded only when it is first needed,
// so that the libraries it brings (the network's, for one) cost nothing at start-up.
class LoadedModule {
  public:
    // Whether the module is unloaded with its last LoadedModule. A module that links Qt's
    // libraries stays to the end of the run: Qt keeps what they registered.
    enum class Unloading { WithLastUser, Never };

    // Looks for the library file `fileName` in each of `folders` in turn; an empty module when
    // none can be loaded, `problem` then saying why (German).
    LoadedModule(const std::string& fileName, const std::vector<std::filesystem::path>& folders,
                 Unloading unloading = Unloading::WithLastUser);
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    explicit operator bool() const { return handle_ != nullptr; }
    const std::string& problem() const { return problem_; }

    // The function `name` of the module; null when the module or the function is missing,
    // problem() then saying why.
    template <typename Function> Function* entry(const char* name) {
        return reinterpret_cast<Function*>(symbol(name));
    }

  private:
    void* symbol(const char* name);

    std::string fileName_;
    void* handle_ = nullptr;
    Unloading unloading_;
    std::string problem_;
};

// Where the program's modules are looked for: the folder of the running program (a build), the
// folder given by TURNOPLANER_MODULE_DIR (tests), and the installed "../lib/turnoplaner".
std::vector<std::filesystem::path> moduleFolders();

// "turnoplaner-http" as the file name of a module on this system ("libturnoplaner-http.so").
std::string moduleFileName(const std::string& name);

} // namespace tp
