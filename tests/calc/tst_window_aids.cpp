// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"
#include "calc/feret/feret_window.h"
#include "calc/settling/settling_window.h"
#include "calc/sphere/sphere_window.h"
#include "support/gui_test_support.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <tuple>

using Factory = ui::Form* (*)();
Q_DECLARE_METATYPE(Factory)

// What the calculator windows offer around their results: Enter to calculate, tips that
// explain the fields and check the results, and results a screen reader can speak.
class TestWindowAids : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::setUpApplication(); }
    void init();
    void cleanup();

    void enterPressesTheButtonThatReadsTheField_data();
    void enterPressesTheButtonThatReadsTheField();
    void fieldShowsItsStartOnceLeft_data();
    void fieldShowsItsStartOnceLeft();
    void editingGoesOnAfterAnotherWindow();
    void qtOwnTextsAreJapanese();
    void tipFollowsTheCurrentValues_data();
    void tipFollowsTheCurrentValues();
    void velocityCanBeCopiedAndIsReadOut_data();
    void velocityCanBeCopiedAndIsReadOut();

private:
    void open(Factory create);
    void act(const QStringList& actions) { testing::act(*form_, actions); }
    QString toolTip(const char* control) const { return form_->control(control)->toolTip(); }

    QPointer<ui::Form> form_; // deletes itself if a test closes it
    testing::MessageBoxWatcher messages_;
};

void TestWindowAids::init() { messages_.take(); }

void TestWindowAids::cleanup() { delete form_; }

void TestWindowAids::open(Factory create)
{
    form_ = create();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
}

void TestWindowAids::enterPressesTheButtonThatReadsTheField_data()
{
    QTest::addColumn<Factory>("create");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("button"); // empty: Enter presses nothing
    const Factory feret = feret::createForm1, settling = settling::createForm3, sphere = sphere::createForm4;
    // A focused button: Return and keypad Enter press it, as Space does.
    const std::tuple<const char*, Factory, ui::ControlName> buttons[]
        = {{"Feret", feret, feret::kRun}, {"Feret", feret, feret::kClearResults},
            {"settling", settling, settling::kCompute}, {"sphere", sphere, sphere::kComputeInitial},
            {"sphere", sphere, sphere::kDivide}, {"sphere", sphere, sphere::kClearAll}};
    for (const auto& [windowName, window, control] : buttons) {
        const QString button = QString::fromStdString(control.objectName());
        QTest::addRow("%s %s", windowName, qPrintable(button)) << window << button << button;
    }
    // clang-format off
    for (const char* field : {"Text1", "Text2", "Text3"})
        QTest::addRow("Feret %s", field) << feret << field << "Command1";
    for (const char* field : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        QTest::addRow("settling %s", field) << settling << field << "Command1";
    QTest::addRow("sphere diameter") << sphere << "Text1" << "Command1";
    QTest::addRow("sphere volume") << sphere << "Text2" << "Command2";
    QTest::addRow("sphere divisions") << sphere << "Text4" << "Command2";
    for (const char* field : {"Text3", "Text5", "Text6", "Text7"})
        QTest::addRow("sphere result %s", field) << sphere << field << "";
    // clang-format on
}

void TestWindowAids::enterPressesTheButtonThatReadsTheField()
{
    QFETCH(Factory, create);
    QFETCH(QString, field);
    QFETCH(QString, button);
    open(create);
    std::map<QString, std::unique_ptr<QSignalSpy>> clicks;
    for (auto* candidate : form_->findChildren<QAbstractButton*>())
        clicks[candidate->objectName()] = std::make_unique<QSignalSpy>(candidate, &QAbstractButton::clicked);

    // Return, then keypad Enter: each presses the button once.
    QTest::keyClick(form_->control({field.toStdString(), -1}), Qt::Key_Return);
    QTest::keyClick(form_->control({field.toStdString(), -1}), Qt::Key_Enter);
    for (const auto& [name, spy] : clicks)
        QCOMPARE(qMakePair(name, spy->count()), qMakePair(name, qsizetype(name == button ? 2 : 0)));
}

void TestWindowAids::fieldShowsItsStartOnceLeft_data()
{
    QTest::addColumn<Factory>("create");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("field");
    QTest::addRow("initial volume") << Factory(sphere::createForm4) << QStringList{"Text1=1", "Command1"} << "Text2";
    // A run would change nothing here, and takes minutes under Wine.
    QTest::addRow("long trial count") << Factory(feret::createForm1) << QStringList{"Text3=1000000"} << "Text3";
}

// Tab into a field selects its text and scrolls to its end; once focus moves on, the field
// shows its first characters again, not the tail of a long number.
void TestWindowAids::fieldShowsItsStartOnceLeft()
{
    QFETCH(Factory, create);
    QFETCH(QStringList, actions);
    QFETCH(QString, field);
    open(create);
    QVERIFY(QTest::qWaitForWindowActive(form_));
    act(actions);
    auto* edit = qobject_cast<QLineEdit*>(form_->control({field.toStdString(), -1}));
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(!edit->hasFocus());
    QVERIFY2(edit->fontMetrics().horizontalAdvance(edit->text()) > edit->width(), qPrintable(edit->text()));
    QCOMPARE(edit->cursorPosition(), 0);
}

// While another window is active the field shows its start; back in it, the student types on
// where the cursor was.
void TestWindowAids::editingGoesOnAfterAnotherWindow()
{
    open(settling::createForm3);
    QVERIFY(QTest::qWaitForWindowActive(form_));
    auto* field = qobject_cast<QLineEdit*>(form_->control(settling::kDiameter));
    QTest::keyClicks(field, "0.000000000000003");
    field->setCursorPosition(4);

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(field->cursorPosition(), 0);
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_));
    QTest::keyClicks(field, "1");
    QCOMPARE(field->text(), "0.0010000000000003");
}

// A field's context menu, which Qt makes, speaks the program's language, whatever the desktop's.
void TestWindowAids::qtOwnTextsAreJapanese()
{
    open(feret::createForm1);
    const std::unique_ptr<QMenu> menu(
        qobject_cast<QLineEdit*>(form_->control(feret::kLength))->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text().section('\t', 0, 0);
    texts.removeAll(QString());
    QCOMPARE(texts,
        (QStringList{
            "元に戻す(&U)", "やり直す(&R)", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)", "削除", "すべてを選択"}));
}

void TestWindowAids::tipFollowsTheCurrentValues_data()
{
    QTest::addColumn<Factory>("create");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("doesNotSay");

    const Factory feret = feret::createForm1, settling = settling::createForm3, sphere = sphere::createForm4;
    const QStringList water{"Text1=30", "Text2=2", "Text3=1", "Text4=0.01"};
    const QStringList sand{"Text1=300", "Text2=2.5", "Text3=1", "Text4=0.01"};
    // clang-format off
    QTest::addRow("diameter in cm") << settling << QStringList{"Text1=30"} << "Text1" << "30 μm = 0.003 cm" << "";
    QTest::addRow("diameter retyped") << settling << QStringList{"Text1=30", "Text1=10"} << "Text1" << "10 μm = 0.001 cm" << "0.003";
    QTest::addRow("field says its unit") << settling << QStringList{} << "Text4" << "(g/cm･s、ポアズ)" << "";
    QTest::addRow("Stokes' law holds") << settling << water + QStringList{"Command1"} << "Label2" << "Re = ρf·v·d/μ = 0.0147\nストークスの式が成り立つ範囲です (JIS Z 8820-1、ISO 13317 の適用範囲 Re < 0.25)" << "小さく";
    QTest::addRow("beyond Stokes' law") << settling << sand + QStringList{"Command1"} << "Label2" << "Re = ρf·v·d/μ = 22.05\nストークスの式の範囲外です" << "";
    QTest::addRow("true velocity lower") << settling << sand + QStringList{"Command1"} << "Label2" << "実際の沈降速度はこの値より小さくなります。" << "";
    QTest::addRow("no Re without a velocity") << settling << water + QStringList{"Command1", "Text4=0", "Command1"} << "Label2" << "沈降速度 v" << "Re";
    QTest::addRow("exact mean") << feret << QStringList{} << "RTB1" << "2(a+b)/π = 4.4563384" << "標準誤差";
    QTest::addRow("exact mean of new a, b") << feret << QStringList{"Text1=1", "Text2=1"} << "RTB1" << "2(a+b)/π = 1.2732395" << "4.4563384";
    QTest::addRow("no exact mean without b") << feret << QStringList{"Text2=x"} << "RTB1" << "平均定方向径" << "2(a+b)/π";
    QTest::addRow("standard error of the run") << feret << QStringList{"Text3=1000", "Command1"} << "RTB1" << "前回の計算 (n = 1000) の標準誤差 σ/√n = 0.0317371" << "";
    QTest::addRow("cleared log, no standard error") << feret << QStringList{"Text3=1000", "Command1", "Command3"} << "RTB1" << "4.4563384" << "標準誤差";
    QTest::addRow("surface ratio") << sphere << QStringList{"Text1=1", "Command1", "Text4=3", "Command2"} << "Text7" << "初期表面積の 2^(N/3) = 2 倍" << "";
    QTest::addRow("surface ratio of merging") << sphere << QStringList{"Text1=1", "Command1", "Text4=-3", "Command2"} << "Text7" << "2^(N/3) = 0.5 倍" << "";
    QTest::addRow("no ratio after clearing") << sphere << QStringList{"Text1=1", "Command1", "Text4=3", "Command2", "Command3"} << "Text7" << "表面積の和" << "倍";
    QTest::addRow("no ratio once the total is edited") << sphere << QStringList{"Text1=1", "Command1", "Text4=3", "Command2", "Text7=9"} << "Text7" << "表面積の和" << "倍";
    // clang-format on
}

void TestWindowAids::tipFollowsTheCurrentValues()
{
    QFETCH(Factory, create);
    QFETCH(QStringList, actions);
    QFETCH(QString, control);
    QFETCH(QString, says);
    QFETCH(QString, doesNotSay);
    open(create);
    act(actions);
    messages_.take();

    const QString tip = toolTip(qPrintable(control));
    QVERIFY2(tip.contains(says), qPrintable(tip));
    QVERIFY2(doesNotSay.isEmpty() || !tip.contains(doesNotSay), qPrintable(tip));
}

void TestWindowAids::velocityCanBeCopiedAndIsReadOut_data()
{
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<bool>("cut"); // wider than the label: shown up to "…"
    QTest::addRow("fits") << "30"
                          << "0.04900" << false;
    QTest::addRow("wider than the label") << "1e10"
                                          << "5444444444444445.00000" << true;
}

void TestWindowAids::velocityCanBeCopiedAndIsReadOut()
{
    QFETCH(QString, diameter);
    QFETCH(QString, velocity);
    QFETCH(bool, cut);
    open(settling::createForm3);
    auto* label = qobject_cast<QLabel*>(form_->control(settling::kVelocity));
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(label);
    QCOMPARE(spoken->text(QAccessible::Name), "沈降速度 (cm/s)");

    act({"Text1=" + diameter, "Text2=2", "Text3=1", "Text4=0.01", "Command1"});
    const QString shown = label->text();
    QCOMPARE(shown == velocity, !cut);
    QVERIFY2(
        !cut || (shown.endsWith("…") && velocity.startsWith(shown.chopped(1)) && shown.size() > 5), qPrintable(shown));
    QCOMPARE(label->toolTip().contains(velocity), cut);
    QCOMPARE(spoken->text(QAccessible::Name), "沈降速度 (cm/s): " + velocity);
    QVERIFY(label->focusPolicy() & Qt::TabFocus);
    label->setFocus();
    QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), velocity);

    if (!cut)
        return; // the label's own menu, as Qt makes it
    QGuiApplication::clipboard()->clear();
    QContextMenuEvent rightClick(
        QContextMenuEvent::Mouse, label->rect().center(), label->mapToGlobal(label->rect().center()));
    QCoreApplication::sendEvent(label, &rightClick);
    auto* menu = label->findChild<QMenu*>();
    QVERIFY(menu && menu->actions().size() == 1); // Copy
    menu->actions().first()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), velocity);
    menu->close();
}

QTEST_MAIN(TestWindowAids)
#include "tst_window_aids.moc"
