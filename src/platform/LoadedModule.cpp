#include "platform/LoadedModule.h"

#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace tp {

namespace fs = std::filesystem;

namespace {

fs::path runningProgram() {
#ifdef _WIN32
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return path;
#else
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error);
#endif
}

} // namespace

LoadedModule::LoadedModule(const std::string& fileName, const std::vector<fs::path>& folders,
                           Unloading unloading)
    : fileName_(fileName), unloading_(unloading) {
    std::string lastError;
    for (const fs::path& folder : folders) {
        const fs::path file = folder / fileName;
        std::error_code error;
        if (!fs::is_regular_file(file, error))
            continue;
#ifdef _WIN32
        handle_ = LoadLibraryW(file.c_str());
        if (!handle_)
            lastError = "Fehler " + std::to_string(GetLastError());
#else
        handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL |
                                           (unloading_ == Unloading::Never ? RTLD_NODELETE : 0));
        if (!handle_)
            lastError = dlerror();
#endif
        if (handle_)
            return;
    }
    problem_ =
        "Der Programmteil \"" + fileName + "\" kann nicht geladen werden" +
        (lastError.empty() ? std::string(": er ist nicht installiert.") : " (" + lastError + ").");
}

LoadedModule::~LoadedModule() {
    if (!handle_)
        return;
#ifdef _WIN32
    if (unloading_ == Unloading::Never)
        return;
    FreeLibrary(static_cast<HMODULE>(handle_));
#else
    dlclose(handle_);
#endif
}

void* LoadedModule::symbol(const char* name) {
    if (!handle_)
        return nullptr;
#ifdef _WIN32
    void* found = reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
#else
    void* found = dlsym(handle_, name);
#endif
    if (!found)
        problem_ = "Der Programmteil \"" + fileName_ + "\" ist beschädigt.";
    return found;
}

std::vector<fs::path> moduleFolders() {
    std::vector<fs::path> folders;
    const fs::path program = runningProgram();
    if (!program.empty())
        folders.push_back(program.parent_path());
    if (const char* given = std::getenv("TURNOPLANER_MODULE_DIR"); given && *given)
        folders.emplace_back(given);
    if (!program.empty())
        folders.push_back(program.parent_path().parent_path() / "lib" / "turnoplaner");
    return folders;
}

std::string moduleFileName(const std::string& name) {
#ifdef _WIN32
    return name + ".dll";
#else
    return "lib" + name + ".so";
#endif
}

} // namespace tp
