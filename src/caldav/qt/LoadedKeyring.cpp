#include "caldav/qt/LoadedKeyring.h"

#include "platform/LoadedModule.h"

namespace tp {

namespace {

// Keeps the module loaded for as long as its keyring lives.
class ModuleKeyring final : public PasswordKeyring {
  public:
    ModuleKeyring(std::unique_ptr<LoadedModule> module, PasswordKeyring* keyring)
        : module_(std::move(module)), keyring_(keyring) {}
    std::optional<std::string> read(const std::string& account) override {
        return keyring_->read(account);
    }
    bool write(const std::string& account, const std::string& password) override {
        return keyring_->write(account, password);
    }
    bool available() const override { return keyring_->available(); }

  private:
    std::unique_ptr<LoadedModule> module_;
    std::unique_ptr<PasswordKeyring> keyring_; // goes before the module
};

class MissingKeyring final : public PasswordKeyring {
  public:
    std::optional<std::string> read(const std::string&) override { return std::nullopt; }
    bool write(const std::string&, const std::string&) override { return false; }
    bool available() const override { return false; }
};

} // namespace

std::unique_ptr<PasswordKeyring> loadDesktopKeyring() {
    auto module = std::make_unique<LoadedModule>(moduleFileName("turnoplaner-keyring"),
                                                 moduleFolders(), LoadedModule::Unloading::Never);
    using NewKeyring = PasswordKeyring*();
    NewKeyring* newKeyring = module->entry<NewKeyring>("tpNewDesktopKeyring");
    if (!newKeyring)
        return std::make_unique<MissingKeyring>();
    PasswordKeyring* keyring = newKeyring();
    return std::make_unique<ModuleKeyring>(std::move(module), keyring);
}

} // namespace tp
