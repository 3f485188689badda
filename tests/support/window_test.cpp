// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/window_test.h"

#include "app/application.h"

#include <QTest>

namespace testing {

void WindowTest::initTestCase() { app::setUpApplication(); }

void WindowTest::init()
{
    if (create_)
        open(create_);
}

void WindowTest::open(Factory create)
{
    form_ = create();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
}

void WindowTest::cleanup()
{
    delete form_;
    QCOMPARE(messages_.takeTexts(), QStringList());
}

} // namespace testing
