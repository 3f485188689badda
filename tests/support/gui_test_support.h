#pragma once

#include "ui/form.h"

#include <QList>
#include <QObject>
#include <QString>

namespace testing {

// Dismisses every message box the moment it is shown and records it, so a test can check
// for the message it expects, and a box nobody expected fails the test instead of hanging it.
class MessageBoxWatcher : public QObject {
public:
    struct Box {
        QString title;
        QString text;
        bool hasIcon = false;
        QStringList buttons;
    };

    MessageBoxWatcher();

    // The boxes shown since the last call.
    QList<Box> take();
    QStringList takeTexts();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<Box> seen_;
};

// Replaces a text box's text the way a user does: select all, delete, then type; characters
// beyond ASCII arrive as an input method commits them.
void typeInto(const ui::Form& form, ui::ControlName textBox, const QString& text);

// A left click in the middle of a button or option button.
void click(const ui::Form& form, ui::ControlName button);

} // namespace testing
