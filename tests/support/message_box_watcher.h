// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

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

} // namespace testing
