// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/gui_test_support.h"

#include <QObject>
#include <QPointer>

namespace testing {

// A test case with a fresh calculator window for each test function, shown and exposed.
// Every message box is recorded and dismissed; one the test did not take fails it.
class WindowTest : public QObject {
    Q_OBJECT

public:
    using Factory = ui::Form* (*)();
    explicit WindowTest(Factory create)
        : create_(create)
    {
    }

protected:
    void type(ui::ControlName textBox, const QString& text) { typeInto(*form_, textBox, text); }
    void click(ui::ControlName button) { testing::click(*form_, button); }
    QString text(ui::ControlName textBox) const { return QString::fromStdString(form_->text(textBox)); }

    QPointer<ui::Form> form_;
    MessageBoxWatcher messages_;

private slots:
    void initTestCase();
    void init();
    void cleanup();

private:
    Factory create_;
};

} // namespace testing
