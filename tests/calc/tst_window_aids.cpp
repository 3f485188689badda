// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/menu_window.h"
#include "calc/feret/feret_window.h"
#include "calc/settling/settling_window.h"
#include "calc/sphere/sphere_window.h"
#include "support/window_test.h"
#include "ui/convergence_chart.h"
#include "ui/help_window.h"
#include "ui/qt_conversions.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <memory>
#include <tuple>

using automation::Actions;
using testing::Factory;

// What the calculator windows offer around their results: Enter to calculate, tips that
// explain the fields and check the results, and results a screen reader can speak.
class TestWindowAids : public testing::WindowTest {
    Q_OBJECT

private slots:
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
    void chartFollowsTheRuns_data();
    void chartFollowsTheRuns();
    void chartOpensFromTheLogBesideItsWindowAndGoesWithIt();
    void helpShowsItsWindowsPage_data();
    void helpShowsItsWindowsPage();
    void oneHelpWindowAtATime();
};

void TestWindowAids::enterPressesTheButtonThatReadsTheField_data()
{
    QTest::addColumn<Factory>("create");
    QTest::addColumn<ui::ControlName>("field");
    QTest::addColumn<ui::ControlName>("button"); // none: Enter presses nothing
    const Factory feret = feret::createWindow, settling = settling::createWindow, sphere = sphere::createWindow;
    // A focused button: Return and keypad Enter press it, as Space does.
    const std::tuple<const char*, Factory, ui::ControlName> buttons[]
        = {{"Feret", feret, feret::kRun}, {"Feret", feret, feret::kClearResults},
            {"settling", settling, settling::kCompute}, {"sphere", sphere, sphere::kComputeInitial},
            {"sphere", sphere, sphere::kDivide}, {"sphere", sphere, sphere::kClearAll}};
    for (const auto& [windowName, window, button] : buttons)
        QTest::addRow("%s %s", windowName, button.objectName().c_str()) << window << button << button;
    // clang-format off
    for (const ui::ControlName field : {feret::kLength, feret::kWidth, feret::kTrialCount})
        QTest::addRow("Feret %s", field.objectName().c_str()) << feret << field << feret::kRun;
    for (const ui::ControlName field : {settling::kDiameter, settling::kParticleDensity, settling::kLiquidDensity, settling::kViscosity, settling::kGravity})
        QTest::addRow("settling %s", field.objectName().c_str()) << settling << field << settling::kCompute;
    QTest::addRow("sphere diameter") << sphere << sphere::kInitialDiameter << sphere::kComputeInitial;
    QTest::addRow("sphere volume") << sphere << sphere::kInitialVolume << sphere::kDivide;
    QTest::addRow("sphere divisions") << sphere << sphere::kDivisionCount << sphere::kDivide;
    for (const ui::ControlName field : {sphere::kInitialSurface, sphere::kPieceDiameter, sphere::kPieceSurface, sphere::kTotalSurface})
        QTest::addRow("sphere result %s", field.objectName().c_str()) << sphere << field << ui::ControlName();
    // clang-format on
}

void TestWindowAids::enterPressesTheButtonThatReadsTheField()
{
    QFETCH(Factory, create);
    QFETCH(ui::ControlName, field);
    QFETCH(ui::ControlName, button);
    open(create);
    std::map<QString, std::unique_ptr<QSignalSpy>> clicks;
    for (auto* candidate : form_->findChildren<QAbstractButton*>())
        clicks[candidate->objectName()] = std::make_unique<QSignalSpy>(candidate, &QAbstractButton::clicked);

    // Return, then keypad Enter: each presses the button once.
    QTest::keyClick(form_->control(field), Qt::Key_Return);
    QTest::keyClick(form_->control(field), Qt::Key_Enter);
    const QString pressed = QString::fromStdString(button.objectName());
    for (const auto& [name, spy] : clicks)
        QCOMPARE(qMakePair(name, spy->count()), qMakePair(name, qsizetype(name == pressed ? 2 : 0)));
    messages_.take(); // Feret's empty count: what a press says is the window tests' concern
}

void TestWindowAids::fieldShowsItsStartOnceLeft_data()
{
    QTest::addColumn<Factory>("create");
    QTest::addColumn<Actions>("actions");
    QTest::addColumn<ui::ControlName>("field");
    QTest::addRow("initial volume") << Factory(sphere::createWindow)
                                    << Actions{{sphere::kInitialDiameter, "1"}, sphere::kComputeInitial}
                                    << sphere::kInitialVolume;
    // A run would change nothing here, and takes minutes under Wine.
    QTest::addRow("long trial count") << Factory(feret::createWindow) << Actions{{feret::kTrialCount, "1000000"}}
                                      << feret::kTrialCount;
}

// Tab into a field selects its text and scrolls to its end; once focus moves on, the field
// shows its first characters again, not the tail of a long number.
void TestWindowAids::fieldShowsItsStartOnceLeft()
{
    QFETCH(Factory, create);
    QFETCH(Actions, actions);
    QFETCH(ui::ControlName, field);
    open(create);
    QVERIFY(QTest::qWaitForWindowActive(form_));
    act(actions);
    auto* edit = qobject_cast<QLineEdit*>(form_->control(field));
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
    open(settling::createWindow);
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
    open(feret::createWindow);
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
    QTest::addColumn<Actions>("actions");
    QTest::addColumn<ui::ControlName>("control");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("doesNotSay");

    const Factory feret = feret::createWindow, settling = settling::createWindow, sphere = sphere::createWindow;
    using namespace settling;
    const Actions water{
        {kDiameter, "30"}, {kParticleDensity, "2"}, {kLiquidDensity, "1"}, {kViscosity, "0.01"}, kCompute};
    const Actions sand{
        {kDiameter, "300"}, {kParticleDensity, "2.5"}, {kLiquidDensity, "1"}, {kViscosity, "0.01"}, kCompute};
    const Actions divided{
        {sphere::kInitialDiameter, "1"}, sphere::kComputeInitial, {sphere::kDivisionCount, "3"}, sphere::kDivide};
    // clang-format off
    QTest::addRow("diameter in cm") << settling << Actions{{kDiameter, "30"}} << kDiameter << "30 μm = 0.003 cm" << "";
    QTest::addRow("diameter retyped") << settling << Actions{{kDiameter, "30"}, {kDiameter, "10"}} << kDiameter << "10 μm = 0.001 cm" << "0.003";
    QTest::addRow("field says its unit") << settling << Actions{} << kViscosity << "(g/cm･s、ポアズ)" << "";
    QTest::addRow("Stokes' law holds") << settling << water << kVelocity << "Re = ρf·v·d/μ = 0.0147\nストークスの式が成り立つ範囲です (JIS Z 8820-1、ISO 13317 の適用範囲 Re < 0.25)" << "小さく";
    QTest::addRow("beyond Stokes' law") << settling << sand << kVelocity << "Re = ρf·v·d/μ = 22.05\nストークスの式の範囲外です" << "";
    QTest::addRow("true velocity lower") << settling << sand << kVelocity << "実際の沈降速度はこの値より小さくなります。" << "";
    QTest::addRow("drag beyond Stokes' law") << settling << sand << kVelocity << "による沈降速度 v = 4.01757 cm/s (Re = 12.05)" << "ニュートン域";
    QTest::addRow("largest Stokes diameter") << settling << sand << kVelocity << "ストークスの式が成り立つ最大の直径 (Re = 0.25) は 67.4 μm" << "";
    QTest::addRow("no drag line where Stokes holds") << settling << water << kVelocity << "Re < 0.25)" << "シラー";
    QTest::addRow("Newton regime, approximate") << settling << Actions{{kDiameter, "5000"}, {kParticleDensity, "7.87"}, {kLiquidDensity, "1"}, {kViscosity, "0.01"}, kCompute} << kVelocity << "Re が約 800 を超え、シラー・ナウマンの式の範囲外です。\nニュートン域 (C_D ≈ 0.44) の概算値 v ≈ 100.99955 cm/s (Re ≈ 5049.98)" << "";
    QTest::addRow("no Re without a velocity") << settling << water + Actions{{kViscosity, "0"}, kCompute} << kVelocity << "沈降速度 v" << "Re";
    QTest::addRow("exact mean") << feret << Actions{} << feret::kResults << "2(a+b)/π = 4.4563384" << "標準誤差";
    QTest::addRow("exact mean of new a, b") << feret << Actions{{feret::kLength, "1"}, {feret::kWidth, "1"}} << feret::kResults << "2(a+b)/π = 1.2732395" << "4.4563384";
    QTest::addRow("no exact mean without b") << feret << Actions{{feret::kWidth, "x"}} << feret::kResults << "平均定方向径" << "2(a+b)/π";
    QTest::addRow("standard error of the run") << feret << Actions{{feret::kTrialCount, "1000"}, feret::kRun} << feret::kResults << "前回の計算 (n = 1000) の標準誤差 σ/√n = 0.0317371" << "";
    QTest::addRow("cleared log, no standard error") << feret << Actions{{feret::kTrialCount, "1000"}, feret::kRun, feret::kClearResults} << feret::kResults << "4.4563384" << "標準誤差";
    QTest::addRow("surface ratio") << sphere << divided << sphere::kTotalSurface << "初期表面積の 2^(N/3) = 2 倍" << "";
    QTest::addRow("surface ratio of merging") << sphere << Actions{{sphere::kInitialDiameter, "1"}, sphere::kComputeInitial, {sphere::kDivisionCount, "-3"}, sphere::kDivide} << sphere::kTotalSurface << "2^(N/3) = 0.5 倍" << "";
    QTest::addRow("no ratio after clearing") << sphere << divided + Actions{sphere::kClearAll} << sphere::kTotalSurface << "表面積の和" << "倍";
    QTest::addRow("no ratio once the total is edited") << sphere << divided + Actions{{sphere::kTotalSurface, "9"}} << sphere::kTotalSurface << "表面積の和" << "倍";
    // clang-format on
}

void TestWindowAids::tipFollowsTheCurrentValues()
{
    QFETCH(Factory, create);
    QFETCH(Actions, actions);
    QFETCH(ui::ControlName, control);
    QFETCH(QString, says);
    QFETCH(QString, doesNotSay);
    open(create);
    act(actions);
    messages_.take();

    const QString tip = form_->control(control)->toolTip();
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
    open(settling::createWindow);
    auto* label = qobject_cast<QLabel*>(form_->control(settling::kVelocity));
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(label);
    QCOMPARE(spoken->text(QAccessible::Name), "沈降速度 (cm/s)");

    act({{settling::kDiameter, diameter}, {settling::kParticleDensity, "2"}, {settling::kLiquidDensity, "1"},
        {settling::kViscosity, "0.01"}, settling::kCompute});
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

void TestWindowAids::chartFollowsTheRuns_data()
{
    QTest::addColumn<Actions>("actions");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("counts"); // of the last runs the log shows, in order
    QTest::addColumn<QString>("exact");
    QTest::addColumn<QStringList>("messages");
    using namespace feret;
    const Actions tenAndHundred{{kTrialCount, "10"}, kRun, {kTrialCount, "100"}, kRun};
    const QString fiveByTwo = "厳密な平均 2(a+b)/π = 4.4563384";
    // clang-format off
    QTest::addRow("a point per run") << tenAndHundred << "a = 5, b = 2" << QStringList{"10", "100"} << fiveByTwo << QStringList{};
    QTest::addRow("cleared log, empty chart") << tenAndHundred + Actions{kClearResults} << "" << QStringList{} << "" << QStringList{};
    QTest::addRow("other b starts afresh") << tenAndHundred + Actions{{kWidth, "3"}, kRun} << "a = 5, b = 3" << QStringList{"100"} << "厳密な平均 2(a+b)/π = 5.0929582" << QStringList{};
    QTest::addRow("refused run, no point") << tenAndHundred + Actions{{kTrialCount, "2.5"}, kRun} << "a = 5, b = 2" << QStringList{"10", "100"} << fiveByTwo << QStringList{message::kTrialCountNotWhole.data()};
    // clang-format on
}

void TestWindowAids::chartFollowsTheRuns()
{
    QFETCH(Actions, actions);
    QFETCH(QString, heading);
    QFETCH(QStringList, counts);
    QFETCH(QString, exact);
    QFETCH(QStringList, messages);
    open(feret::createWindow);
    QTest::keyClick(form_, Qt::Key_G, Qt::ControlModifier);
    const auto* chart = form_->findChild<ui::ConvergenceChart*>();
    QVERIFY(chart && chart->isVisible());
    act(actions);
    QCOMPARE(messages_.takeTexts(), messages);

    const QStringList log = QString::fromStdString(form_->logText(feret::kResults)).split("\r\n", Qt::SkipEmptyParts);
    QStringList expected{ui::toQString(feret::kWindow.chart->noRuns)};
    if (!counts.isEmpty()) {
        expected = QStringList{heading};
        for (qsizetype i = 0; i < counts.size(); ++i)
            expected << "n = " + counts[i] + ": " + log[log.size() - counts.size() + i];
        expected << exact;
    }
    QCOMPARE(chart->accessibleDescription().split('\n'), expected);
}

void TestWindowAids::chartOpensFromTheLogBesideItsWindowAndGoesWithIt()
{
    open(feret::createWindow);
    act({{feret::kTrialCount, "10"}, feret::kRun});
    QWidget* log = form_->control(feret::kResults);
    QTimer::singleShot(0, log, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions()) {
            if (action->text() == ui::toQString(feret::kWindow.chart->command))
                action->trigger();
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, {5, 5}, log->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(log, &event);

    const QPointer chart = form_->findChild<ui::ConvergenceChart*>();
    QVERIFY(chart && chart->isVisible());
    QCOMPARE(chart->window()->windowTitle(), ui::toQString(feret::kWindow.chart->caption));
    QCOMPARE(chart->accessibleDescription().count('\n'), 2); // the inputs, one run, the exact mean
    QVERIFY(chart->frameGeometry().left() > form_->frameGeometry().right());
    form_->close();
    QVERIFY(!chart->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!chart);
}

void TestWindowAids::helpShowsItsWindowsPage_data()
{
    QTest::addColumn<Factory>("create");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("example");
    const Factory menu = [] { return static_cast<ui::Form*>(new app::Menu); };
    // clang-format off
    QTest::addRow("menu") << menu << "ヘルプ: 化学工学概論 数値計算プログラム" << "いまのウィンドウのヘルプを開く";
    QTest::addRow("settling") << Factory(settling::createWindow) << "ヘルプ: 沈降速度" << "→ 0.04900 cm/s";
    QTest::addRow("Feret") << Factory(feret::createWindow) << "ヘルプ: 定方向径計算" << "2 × (5 + 2)/π = 4.4563";
    QTest::addRow("sphere") << Factory(sphere::createWindow) << "ヘルプ: 球の分割" << "総表面積 6.28";
    // clang-format on
}

void TestWindowAids::helpShowsItsWindowsPage()
{
    QFETCH(Factory, create);
    QFETCH(QString, title);
    QFETCH(QString, example);
    open(create);
    QTest::keyClick(form_, Qt::Key_F1);
    const QPointer help = form_->findChild<ui::HelpWindow*>();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), title);
    QVERIFY2(help->toPlainText().contains(example), qPrintable(help->toPlainText()));
    // Every picture and every link of the page is in the program.
    QString link;
    for (QTextBlock block = help->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat()) {
                const QUrl picture(format.toImageFormat().name());
                QVERIFY2(
                    !help->loadResource(QTextDocument::ImageResource, picture).isNull(), qPrintable(picture.path()));
            }
            if (format.isAnchor()) {
                QVERIFY2(QFile::exists(":/help/" + format.anchorHref()), qPrintable(format.anchorHref()));
                link = format.anchorHref();
            }
        }
    }
    help->setSource(QUrl(link)); // as Enter on a link does
    QVERIFY(help->windowTitle() != title);
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
}

void TestWindowAids::oneHelpWindowAtATime()
{
    open(feret::createWindow);
    const automation::Owned other(settling::createWindow());
    other->show();
    QTest::keyClick(form_, Qt::Key_F1);
    const QPointer first = form_->findChild<ui::HelpWindow*>();
    other->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(other.get()));
    QTest::keyClick(other.get(), Qt::Key_F1);
    QTest::keyClick(other.get(), Qt::Key_F1);
    QCOMPARE(other->findChildren<ui::HelpWindow*>().size(), 1);
    const QPointer second = other->findChild<ui::HelpWindow*>();
    QVERIFY(first && !first->isVisible());
    QVERIFY(second && second->isVisible());
    other->close();
    QVERIFY(!second->isVisible());
}

QTEST_MAIN(TestWindowAids)
#include "tst_window_aids.moc"
