#include "caldav/LoadedHttpClient.h"

#include "platform/LoadedModule.h"

namespace tp::caldav {

namespace {

// Keeps the module loaded for as long as its client lives.
class ModuleHttpClient final : public HttpClient {
  public:
    ModuleHttpClient(std::shared_ptr<LoadedModule> module, HttpClient* client)
        : module_(std::move(module)), client_(client) {}
    HttpResponse send(const HttpRequest& request) override { return client_->send(request); }

  private:
    std::shared_ptr<LoadedModule> module_;
    std::unique_ptr<HttpClient> client_; // goes before the module
};

} // namespace

std::unique_ptr<HttpClient> loadHttpClient(const HttpSettings& settings, std::string& problem) {
    auto module =
        std::make_shared<LoadedModule>(moduleFileName("turnoplaner-http"), moduleFolders());
    using NewClient = HttpClient*(const HttpSettings*);
    NewClient* newClient = module->entry<NewClient>("tpNewHttpClient");
    if (!newClient) {
        problem = module->problem();
        return nullptr;
    }
    return std::make_unique<ModuleHttpClient>(module, newClient(&settings));
}

} // namespace tp::caldav
