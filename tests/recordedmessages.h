#pragma once
// Message boxes for window tests: answered at once, what they said is kept, and questions
// get the answer the test sets (No unless told otherwise, like the real box's default).

#include "app/ui/messagebox.h"

#include <QList>
#include <QString>
#include <utility>

namespace vocalith::test {

struct RecordedMessages : MessageBoxes {
    QList<std::pair<MessageKind, QString>> shown;
    QStringList questions;
    bool answer = false;

    void show(QWidget *, MessageKind kind, const QString &text) override { shown.append({kind, text}); }
    bool question(QWidget *, const QString &text) override {
        questions << text;
        return answer;
    }
    void clear() {
        shown.clear();
        questions.clear();
        answer = false;
    }
};

} // namespace vocalith::test
