// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"
#include "app/calculators.h"
#include "app/menu_window.h"
#include "support/message_box_watcher.h"
#include "ui/placement.h"
#include "ui/qt_conversions.h"
#include "user_actions.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <utility>

using app::kCalculators;

namespace {

QString nameOf(const ui::FormLayout& window) { return ui::toQString(window.name); }
QString nameOf(std::size_t calculator) { return nameOf(*kCalculators[calculator].window); }

// The names of the program's windows a user can see, sorted.
QStringList visibleWindows()
{
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && qobject_cast<ui::Form*>(widget))
            names << widget->objectName();
    }
    names.sort();
    return names;
}

// Runs the program's event loop as main() does; a loop that does not end within ten
// seconds is ended with 1, its windows closed so that no run goes on, and the test fails
// instead of hanging.
int execWithDeadline()
{
    QObject deadline;
    QTimer::singleShot(10'000, &deadline, [] {
        QApplication::closeAllWindows();
        QCoreApplication::exit(1);
    });
    return QApplication::exec();
}

// Calls back whenever one of the program's windows is shown, once installed as a filter.
struct ShowWatcher : QObject {
    std::function<void()> shown;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<ui::Form*>(watched))
            shown();
        return false;
    }
};

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::setUpApplication(); }
    void init();
    void cleanup();

    void startsWithTheMenuAlone();
    void optionsLeaveOnlyTheChosenCalculator_data();
    void optionsLeaveOnlyTheChosenCalculator();
    void reopenedCalculatorStartsAfresh_data();
    void reopenedCalculatorStartsAfresh();
    void reopenedFeretHasAnEmptyLog();
    void othersCloseBeforeOrAfterTheChosenShows_data();
    void othersCloseBeforeOrAfterTheChosenShows();
    void choosingAnOpenCalculatorKeepsItsContents_data();
    void choosingAnOpenCalculatorKeepsItsContents();
    void windowsStayOnTheScreen_data();
    void windowsStayOnTheScreen();
    void companionPlacedBesideItsOwner_data();
    void companionPlacedBesideItsOwner();
    void calculatorPlacedBesideTheMenu_data();
    void calculatorPlacedBesideTheMenu();
    void closeBoxClosesLikeTheMenu();
    void optionFaceIsClickableToItsEnd();
    void switchingDuringARunAbandonsIt();
    void closingTheLastWindowEndsTheProgram();
    void exitClosesEveryWindow();
    void exitDuringARunEndsPromptly_data();
    void exitDuringARunEndsPromptly();

private:
    void click(ui::ControlName option) { automation::click(*menu_, option); }
    void choose(std::size_t calculator) { click(kCalculators[calculator].option.name); }
    ui::Form* window(std::size_t calculator) { return menu_->navigator().window(*kCalculators[calculator].window); }
    ui::Form* feretWindow() { return menu_->navigator().window(feret::kWindow); }

    QPointer<app::Menu> menu_;
    testing::MessageBoxWatcher messages_;
};

void TestNavigation::init()
{
    menu_ = new app::Menu;
    menu_->show();
    QVERIFY(QTest::qWaitForWindowExposed(menu_));
}

void TestNavigation::cleanup()
{
    QApplication::closeAllWindows();
    QTRY_COMPARE(QApplication::topLevelWidgets().size(), 0); // every window deleted itself
    QCOMPARE(messages_.takeTexts(), QStringList());
}

void TestNavigation::startsWithTheMenuAlone()
{
    QCOMPARE(visibleWindows(), QStringList{nameOf(app::kMenuWindow)});
    QCOMPARE(menu_->windowTitle(), "Form2");
    for (const app::Calculator& calculator : kCalculators)
        QVERIFY(!qobject_cast<QRadioButton*>(menu_->control(calculator.option.name))->isChecked());
    QCOMPARE(menu_->focusWidget(), menu_->control(app::kEnd));
}

void TestNavigation::optionsLeaveOnlyTheChosenCalculator_data()
{
    QTest::addColumn<QList<std::size_t>>("choices"); // rows of kCalculators, in the order clicked
    QTest::addColumn<QStringList>("windows");

    const QString menu = nameOf(app::kMenuWindow);
    for (std::size_t first = 0; first < std::size(kCalculators); ++first) {
        const std::string firstOption = kCalculators[first].option.name.objectName();
        QTest::addRow("%s", firstOption.c_str()) << QList{first} << QStringList{nameOf(first), menu};
        for (std::size_t second = 0; second < std::size(kCalculators); ++second) {
            QTest::addRow("%s then %s", firstOption.c_str(), kCalculators[second].option.name.objectName().c_str())
                << QList{first, second} << QStringList{nameOf(second), menu};
        }
    }
    QTest::addRow("round trip") << QList<std::size_t>{1, 0, 2, 1} << QStringList{nameOf(1), menu};
}

void TestNavigation::optionsLeaveOnlyTheChosenCalculator()
{
    QFETCH(QList<std::size_t>, choices);
    QFETCH(QStringList, windows);
    for (const std::size_t calculator : choices)
        choose(calculator);
    windows.sort();
    QCOMPARE(visibleWindows(), windows);
}

void TestNavigation::othersCloseBeforeOrAfterTheChosenShows_data()
{
    QTest::addColumn<std::size_t>("open"); // rows of kCalculators
    QTest::addColumn<std::size_t>("chosen");
    QTest::addColumn<bool>("openWhileShown"); // the other window, while the chosen one is shown
    QTest::addRow("settling velocity closes Feret first") << std::size_t(1) << std::size_t(0) << false;
    QTest::addRow("Feret diameter shows first") << std::size_t(0) << std::size_t(1) << true;
    QTest::addRow("sphere division shows first") << std::size_t(1) << std::size_t(2) << true;
}

void TestNavigation::othersCloseBeforeOrAfterTheChosenShows()
{
    QFETCH(std::size_t, open);
    QFETCH(std::size_t, chosen);
    QFETCH(bool, openWhileShown);
    choose(open);
    const QPointer<ui::Form> other = window(open);
    QList<bool> otherOpen;
    ShowWatcher watcher;
    watcher.shown = [&] { otherOpen << (other && !other->isClosed()); };
    qApp->installEventFilter(&watcher);
    choose(chosen);
    QCOMPARE(otherOpen, QList<bool>{openWhileShown});
}

void TestNavigation::reopenedCalculatorStartsAfresh_data()
{
    QTest::addColumn<std::size_t>("calculator");
    QTest::addColumn<ui::ControlName>("field");
    QTest::addColumn<QString>("initialText");
    QTest::addRow("settling velocity") << std::size_t(0) << settling::kGravity << "980";
    QTest::addRow("Feret diameter") << std::size_t(1) << feret::kLength << "5";
    QTest::addRow("sphere division") << std::size_t(2) << sphere::kDivisionCount << "";
}

void TestNavigation::reopenedCalculatorStartsAfresh()
{
    QFETCH(std::size_t, calculator);
    QFETCH(ui::ControlName, field);
    QFETCH(QString, initialText);

    choose(calculator);
    QPointer<ui::Form> first = window(calculator);
    automation::typeInto(*first, field, "7");
    QCOMPARE(first->text(field), "7");

    choose((calculator + 1) % std::size(kCalculators));
    QTRY_VERIFY(first.isNull());
    choose(calculator);

    ui::Form* second = window(calculator);
    QVERIFY(second);
    QCOMPARE(QString::fromStdString(second->text(field)), initialText);
}

void TestNavigation::reopenedFeretHasAnEmptyLog()
{
    click(app::kFeretDiameterOption);
    QPointer<ui::Form> first = feretWindow();
    automation::typeInto(*first, feret::kTrialCount, "3");
    automation::click(*first, feret::kRun);
    QVERIFY(!first->logText(feret::kResults).empty());

    click(app::kSphereDivisionOption);
    QTRY_VERIFY(first.isNull());
    click(app::kFeretDiameterOption);
    QCOMPARE(feretWindow()->text(feret::kTrialCount), "");
    QCOMPARE(feretWindow()->logText(feret::kResults), "");
}

void TestNavigation::choosingAnOpenCalculatorKeepsItsContents_data()
{
    QTest::addColumn<bool>("minimised");
    QTest::addRow("in front") << false;
    QTest::addRow("minimised by the window manager") << true;
}

void TestNavigation::choosingAnOpenCalculatorKeepsItsContents()
{
    QFETCH(bool, minimised);
    click(app::kFeretDiameterOption);
    ui::Form* window = feretWindow();
    automation::typeInto(*window, feret::kTrialCount, "12");
    if (minimised) {
        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());
    }
    click(app::kFeretDiameterOption);
    QCOMPARE(feretWindow(), window);
    QCOMPARE(window->text(feret::kTrialCount), "12");
    QVERIFY(window->isVisible());
    QVERIFY(!window->isMinimized());
}

void TestNavigation::windowsStayOnTheScreen_data()
{
    QTest::addColumn<std::size_t>("calculator");
    for (std::size_t calculator = 0; calculator < std::size(kCalculators); ++calculator)
        QTest::addRow("%s", qPrintable(nameOf(calculator))) << calculator;
}

// Whatever the screen, each frame is on it or, where larger, starts at its top-left edge.
void TestNavigation::windowsStayOnTheScreen()
{
    QFETCH(std::size_t, calculator);
    choose(calculator);
    const QRect available = menu_->screen()->availableGeometry();
    for (const ui::Form* window : {static_cast<ui::Form*>(menu_), window(calculator)}) {
        const QRect frame = window->frameGeometry();
        QVERIFY2(frame.width() <= available.width()
                ? available.left() <= frame.left() && frame.right() <= available.right()
                : frame.left() == available.left(),
            qPrintable(window->objectName()));
        QVERIFY2(frame.height() <= available.height()
                ? available.top() <= frame.top() && frame.bottom() <= available.bottom()
                : frame.top() == available.top(),
            qPrintable(window->objectName()));
    }
}

void TestNavigation::companionPlacedBesideItsOwner_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("placed"); // the frame's top-left
    // The owner's frame is 404x430 at (333, 40); the companion's 570x440.
    // clang-format off
    QTest::addRow("right of it") << QRect(0, 0, 1920, 1040) << QPoint(737, 40);
    QTest::addRow("left of it, no room right") << QRect(-600, 0, 1500, 1040) << QPoint(-237, 40);
    QTest::addRow("over it, no room either side") << QRect(0, 0, 1000, 1040) << QPoint(430, 40);
    QTest::addRow("small screen: on it, over the owner") << QRect(0, 0, 910, 460) << QPoint(340, 20);
    // clang-format on
}

void TestNavigation::companionPlacedBesideItsOwner()
{
    QFETCH(QRect, available);
    QFETCH(QPoint, placed);
    QCOMPARE(ui::placeBeside({{333, 40}, QSize(404, 430)}, QSize(570, 440), available), QRect(placed, QSize(570, 440)));
}

void TestNavigation::calculatorPlacedBesideTheMenu_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("menu"); // where the menu's frame is
    QTest::addColumn<QPoint>("placedMenu");
    QTest::addColumn<QPoint>("placedCalculator");
    // Frames of 204x430 and 404x430; the calculator's own place is (333, 40).
    // clang-format off
    QTest::addRow("its own place") << QRect(0, 0, 1920, 1040) << QPoint(133, 40) << QPoint(133, 40) << QPoint(333, 40);
    QTest::addRow("menu moved away, own place free") << QRect(0, 0, 1920, 1040) << QPoint(1600, 40) << QPoint(1600, 40) << QPoint(333, 40);
    QTest::addRow("menu moved onto its place") << QRect(0, 0, 1920, 1040) << QPoint(400, 40) << QPoint(400, 40) << QPoint(604, 40);
    QTest::addRow("past the right and bottom edges") << QRect(0, 0, 683, 360) << QPoint(133, 40) << QPoint(75, 0) << QPoint(279, 0);
    QTest::addRow("too narrow for both") << QRect(0, 0, 500, 800) << QPoint(133, 40) << QPoint(133, 40) << QPoint(286, 40);
    // clang-format on
}

void TestNavigation::calculatorPlacedBesideTheMenu()
{
    QFETCH(QRect, available);
    QFETCH(QPoint, menu);
    QFETCH(QPoint, placedMenu);
    QFETCH(QPoint, placedCalculator);
    const QRect menuFrame(menu, QSize(204, 430));
    const QRect choices = QRect(48, 88, 105, 205).translated(menu); // the options and 終了
    const auto [newMenu, calculator] = ui::placeBesideMenu(menuFrame, {{333, 40}, QSize(404, 430)}, choices, available);
    QCOMPARE(newMenu, QRect(placedMenu, menuFrame.size()));
    QCOMPARE(calculator, QRect(placedCalculator, QSize(404, 430)));
}

void TestNavigation::closeBoxClosesLikeTheMenu()
{
    click(app::kFeretDiameterOption);
    QPointer<ui::Form> window = feretWindow();
    automation::typeInto(*window, feret::kTrialCount, "12");
    QVERIFY(window->close());
    QVERIFY(!feretWindow());
    QTRY_VERIFY(window.isNull());

    click(app::kFeretDiameterOption);
    QVERIFY(feretWindow());
    QCOMPARE(feretWindow()->text(feret::kTrialCount), "");
}

// Past the end of the caption, at the right end of the option's grey face.
void TestNavigation::optionFaceIsClickableToItsEnd()
{
    QWidget* face = menu_->control(app::kSphereDivisionOption);
    QTest::mouseClick(face, Qt::LeftButton, Qt::NoModifier, QPoint(face->width() - 2, face->height() / 2));
    QCOMPARE(visibleWindows(), (QStringList{nameOf(app::kMenuWindow), nameOf(sphere::kWindow)}));
}

void TestNavigation::switchingDuringARunAbandonsIt()
{
    click(app::kFeretDiameterOption);
    QPointer<ui::Form> window = feretWindow();
    automation::typeInto(*window, feret::kTrialCount, "1000000000");
    QTimer::singleShot(50, menu_, [this] { click(app::kSettlingVelocityOption); });

    QElapsedTimer clock;
    clock.start();
    automation::click(*window, feret::kRun);

    QVERIFY2(clock.elapsed() < 10'000, "the run went on after its window closed");
    QVERIFY(!feretWindow());
    QTRY_VERIFY(window.isNull());
}

void TestNavigation::closingTheLastWindowEndsTheProgram()
{
    click(app::kFeretDiameterOption);
    QTimer::singleShot(0, menu_, [this] {
        feretWindow()->close();
        menu_->close();
    });
    QCOMPARE(execWithDeadline(), 0);
}

void TestNavigation::exitClosesEveryWindow()
{
    click(app::kFeretDiameterOption);
    click(app::kEnd);
    QCOMPARE(visibleWindows(), QStringList());
}

void TestNavigation::exitDuringARunEndsPromptly_data()
{
    QTest::addColumn<bool>("byCloseBox");
    QTest::addRow("終了") << false;
    QTest::addRow("the menu's close box") << true;
}

// "終了", or closing the menu, while a long Feret run yields: the run is abandoned, every
// window closes and the event loop ends.
void TestNavigation::exitDuringARunEndsPromptly()
{
    QFETCH(bool, byCloseBox);
    QTimer::singleShot(0, menu_, [this] {
        click(app::kFeretDiameterOption);
        automation::typeInto(*feretWindow(), feret::kTrialCount, "1000000000");
        automation::click(*feretWindow(), feret::kRun);
    });
    QTimer::singleShot(100, menu_, [this, byCloseBox] { byCloseBox ? void(menu_->close()) : click(app::kEnd); });

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(execWithDeadline(), 0);
    QVERIFY2(clock.elapsed() < 10'000, "the run went on after the program ended");
    QCOMPARE(visibleWindows(), QStringList());
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
