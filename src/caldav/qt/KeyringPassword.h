#pragma once

#include <optional>
#include <string>

namespace tp {

// The server passwords of the calendar sync, kept in the desktop's keyring (Secret Service,
// KWallet, the Windows credential store) and never in a file of the program.
class PasswordKeyring {
  public:
    virtual ~PasswordKeyring() = default;
    // The password kept for `account`; nothing when none is kept or no keyring answers.
    virtual std::optional<std::string> read(const std::string& account) = 0;
    // False when no keyring took it.
    virtual bool write(const std::string& account, const std::string& password) = 0;
    // Whether a keyring service answered the last request.
    virtual bool available() const = 0;
};

// The keyring through QtKeychain; each request waits for its answer.
class DesktopKeyring final : public PasswordKeyring {
  public:
    std::optional<std::string> read(const std::string& account) override;
    bool write(const std::string& account, const std::string& password) override;
    bool available() const override { return available_; }

  private:
    bool available_ = true;
};

} // namespace tp
