#pragma once

#include "platform/qt/MessageBoxes.h"

#include <QStringList>
#include <QWidget>

namespace tp::test {

// Answers every question with `answer` and keeps what was shown as "title: text".
class RecordingMessageBoxes final : public MessageBoxes {
  public:
    void inform(QWidget* parent, const QString& title, const QString& text) override {
        shown.append(title + QStringLiteral(": ") + text);
        parentVisible.append(parent && parent->isVisible());
    }
    bool ask(QWidget*, const QString& text) override {
        shown.append(QStringLiteral("Frage: ") + text);
        return answer;
    }

    // A choice between two buttons: the answers in `choices` in turn, then the second button.
    bool choose(QWidget* parent, const QString& title, const QString& text, const QString& first,
                const QString& second) override {
        shown.append(title + QStringLiteral(": ") + text + QStringLiteral(" [") + first +
                     QStringLiteral("|") + second + QStringLiteral("]"));
        parentVisible.append(parent && parent->isVisible());
        return choices.isEmpty() ? false : choices.takeFirst();
    }

    // A choice among several buttons: the indexes in `picks` in turn, then the last button.
    int chooseAmong(QWidget* parent, const QString& title, const QString& text,
                    const QStringList& buttons) override {
        shown.append(title + QStringLiteral(": ") + text + QStringLiteral(" [") +
                     buttons.join(QLatin1Char('|')) + QStringLiteral("]"));
        parentVisible.append(parent && parent->isVisible());
        return picks.isEmpty() ? static_cast<int>(buttons.size()) - 1 : picks.takeFirst();
    }

    bool answer = true;
    QList<bool> choices;
    QList<int> picks;
    QStringList shown;
    QList<bool> parentVisible; // for each message of `inform`: whether its window was on show
};

} // namespace tp::test
