// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "user_actions.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

namespace automation {

void typeInto(const ui::Form& form, ui::ControlName textBox, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(form.control(textBox));
    if (!edit) // a mistake in the caller itself, which a QVERIFY here could not end
        qFatal("%s is not a text box", textBox.objectName().c_str());
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(edit, ch.toLatin1());
        } else {
            // What a Japanese input method delivers when the student confirms a character.
            QInputMethodEvent commit;
            commit.setCommitString(ch);
            QCoreApplication::sendEvent(edit, &commit);
        }
    }
}

void click(const ui::Form& form, ui::ControlName button)
{
    QWidget* widget = form.control(button);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void act(const ui::Form& form, const Actions& actions)
{
    for (const Action& action : actions) {
        if (action.typed)
            typeInto(form, action.control, *action.typed);
        else
            click(form, action.control);
    }
}

} // namespace automation
