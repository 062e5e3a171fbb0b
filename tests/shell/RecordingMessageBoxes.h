#pragma once

#include "platform/MessageBoxes.h"

#include <QStringList>

namespace tp::test {

// Answers every question with `answer` and keeps what was shown as "title: text".
class RecordingMessageBoxes final : public MessageBoxes {
  public:
    void inform(QWidget*, const QString& title, const QString& text) override {
        shown.append(title + QStringLiteral(": ") + text);
    }
    bool ask(QWidget*, const QString& text) override {
        shown.append(QStringLiteral("Frage: ") + text);
        return answer;
    }

    bool answer = true;
    QStringList shown;
};

} // namespace tp::test
