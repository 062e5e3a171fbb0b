#pragma once

#include <QString>
#include <QStringList>

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
    // A choice among several named buttons: the index of the one clicked. The first is the
    // default; the last is what Escape and the close box choose. Without buttons of its own a
    // box offers the first and the last.
    virtual int chooseAmong(QWidget* parent, const QString& title, const QString& text,
                            const QStringList& buttons) {
        return choose(parent, title, text, buttons.front(), buttons.back())
                   ? 0
                   : static_cast<int>(buttons.size()) - 1;
    }
};

class QtMessageBoxes final : public MessageBoxes {
  public:
    void inform(QWidget* parent, const QString& title, const QString& text) override;
    bool ask(QWidget* parent, const QString& text) override;
    bool choose(QWidget* parent, const QString& title, const QString& text,
                const QString& firstButton, const QString& secondButton) override;
    int chooseAmong(QWidget* parent, const QString& title, const QString& text,
                    const QStringList& buttons) override;
};

} // namespace tp
