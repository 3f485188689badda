// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/gui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace testing {

MessageBoxWatcher::MessageBoxWatcher() { qApp->installEventFilter(this); }

bool MessageBoxWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            Box seen{box->windowTitle(), box->text(), box->icon() != QMessageBox::NoIcon, {}};
            for (QAbstractButton* button : box->buttons())
                seen.buttons << button->text();
            seen_ << seen;
            // Dismissed from its own event loop, once it is running.
            QTimer::singleShot(0, box, [guard = QPointer<QMessageBox>(box)] {
                if (guard)
                    guard->done(QMessageBox::Ok);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

QList<MessageBoxWatcher::Box> MessageBoxWatcher::take() { return std::exchange(seen_, {}); }

QStringList MessageBoxWatcher::takeTexts()
{
    QStringList texts;
    for (const Box& box : take())
        texts << box.text;
    return texts;
}

void typeInto(const ui::Form& form, ui::ControlName textBox, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(form.control(textBox));
    if (!edit) // a mistake in the test itself, which a QVERIFY here could not end
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

void act(const ui::Form& form, const QStringList& actions)
{
    for (const QString& action : actions) {
        const QStringList parts = action.split('=');
        const std::string control = parts[0].toStdString();
        if (parts.size() == 2)
            typeInto(form, {control, -1}, parts[1]);
        else
            click(form, {control, -1});
    }
}

} // namespace testing
