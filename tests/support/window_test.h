// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/message_box_watcher.h"
#include "user_actions.h"

#include <QObject>
#include <QPointer>

namespace testing {

using Factory = ui::Form* (*)();

// A test case with a fresh calculator window for each test function, shown and exposed.
// Every message box is recorded and dismissed; one the test did not take fails it.
class WindowTest : public QObject {
    Q_OBJECT

public:
    // The window each test function starts with; none where each opens its own with open().
    explicit WindowTest(Factory create = nullptr)
        : create_(create)
    {
    }

protected:
    void open(Factory create);
    void type(ui::ControlName textBox, const QString& text) { automation::typeInto(*form_, textBox, text); }
    void click(ui::ControlName button) { automation::click(*form_, button); }
    void act(const automation::Actions& actions) { automation::act(*form_, actions); }
    QString text(ui::ControlName textBox) const { return QString::fromStdString(form_->text(textBox)); }

    QPointer<ui::Form> form_; // deletes itself if a test closes it
    MessageBoxWatcher messages_;

private slots:
    void initTestCase();
    void init();
    void cleanup();

private:
    Factory create_;
};

} // namespace testing

Q_DECLARE_METATYPE(testing::Factory)
