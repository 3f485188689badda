// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/message_box_watcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <utility>

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

} // namespace testing
