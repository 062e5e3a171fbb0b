#pragma once

#include <QString>

class QWidget;

namespace tp {

// All message boxes go through this, so that tests can answer them.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // A message with an OK button; titles are "Fehler", "Information" or "Info".
    virtual void inform(QWidget* parent, const QString& title, const QString& text) = 0;
    // A Yes/No question titled "Frage"; true for Yes.
    virtual bool ask(QWidget* parent, const QString& text) = 0;
    // A choice between two named buttons; true for the first. Without buttons of its own a
    // box asks its Yes/No question instead.
    virtual bool choose(QWidget* parent, const QString& title, const QString& text,
                        const QString& firstButton, const QString& secondButton) {
        (void)title, (void)firstButton, (void)secondButton;
        return ask(parent, text);
    }
};

class QtMessageBoxes final : public MessageBoxes {
  public:
    void inform(QWidget* parent, const QString& title, const QString& text) override;
    bool ask(QWidget* parent, const QString& text) override;
    bool choose(QWidget* parent, const QString& title, const QString& text,
                const QString& firstButton, const QString& secondButton) override;
};

} // namespace tp
