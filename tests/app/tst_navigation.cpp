// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"
#include "app/menu_window.h"
#include "calc/feret/feret_window.h"
#include "support/gui_test_support.h"
#include "ui/placement.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <utility>

Q_DECLARE_METATYPE(app::Calculator)

namespace {

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
    void choosingAnOpenCalculatorKeepsItsContents_data();
    void choosingAnOpenCalculatorKeepsItsContents();
    void windowsStayOnTheScreen_data();
    void windowsStayOnTheScreen();
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
    void click(ui::ControlName option) { testing::click(*menu_, option); }
    ui::Form* feretWindow() { return menu_->navigator().window(app::Calculator::FeretDiameter); }

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
    QCOMPARE(visibleWindows(), QStringList{"Form2"});
    QCOMPARE(menu_->windowTitle(), "Form2");
    for (const ui::ControlName option :
        {app::kSettlingVelocityOption, app::kFeretDiameterOption, app::kSphereDivisionOption})
        QVERIFY(!qobject_cast<QRadioButton*>(menu_->control(option))->isChecked());
    QCOMPARE(menu_->focusWidget(), menu_->control(app::kEnd));
}

void TestNavigation::optionsLeaveOnlyTheChosenCalculator_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("windows");

    // clang-format off
    const std::pair<QString, QString> calculators[] = {{"Option1", "Form3"}, {"Option2", "Form1"}, {"Option3", "Form4"}};
    for (const auto& [first, firstWindow] : calculators) {
        QTest::addRow("%s", qPrintable(first)) << QStringList{first} << QStringList{firstWindow, "Form2"};
        for (const auto& [second, secondWindow] : calculators) {
            QTest::addRow("%s then %s", qPrintable(first), qPrintable(second))
                << QStringList{first, second} << QStringList{secondWindow, "Form2"};
        }
    }
    QTest::addRow("round trip") << QStringList{"Option2", "Option1", "Option3", "Option2"} << QStringList{"Form1", "Form2"};
    // clang-format on
}

void TestNavigation::optionsLeaveOnlyTheChosenCalculator()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, windows);
    for (const QString& option : options)
        click(option.toStdString().c_str());
    windows.sort();
    QCOMPARE(visibleWindows(), windows);
}

void TestNavigation::reopenedCalculatorStartsAfresh_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<app::Calculator>("calculator");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("initialText");
    // clang-format off
    QTest::addRow("settling velocity") << "Option1" << app::Calculator::SettlingVelocity << "Text5" << "980";
    QTest::addRow("Feret diameter") << "Option2" << app::Calculator::FeretDiameter << "Text1" << "5";
    QTest::addRow("sphere division") << "Option3" << app::Calculator::SphereDivision << "Text4" << "";
    // clang-format on
}

void TestNavigation::reopenedCalculatorStartsAfresh()
{
    QFETCH(QString, option);
    QFETCH(app::Calculator, calculator);
    QFETCH(QString, field);
    QFETCH(QString, initialText);
    const std::string fieldName = field.toStdString();

    click(option.toStdString().c_str());
    QPointer<ui::Form> first = menu_->navigator().window(calculator);
    testing::typeInto(*first, fieldName.c_str(), "7");
    QCOMPARE(first->text(fieldName.c_str()), "7");

    click(option == "Option1" ? app::kFeretDiameterOption : app::kSettlingVelocityOption);
    QTRY_VERIFY(first.isNull());
    click(option.toStdString().c_str());

    ui::Form* second = menu_->navigator().window(calculator);
    QVERIFY(second);
    QCOMPARE(QString::fromStdString(second->text(fieldName.c_str())), initialText);
}

void TestNavigation::reopenedFeretHasAnEmptyLog()
{
    click(app::kFeretDiameterOption);
    QPointer<ui::Form> first = feretWindow();
    testing::typeInto(*first, feret::kTrialCount, "3");
    testing::click(*first, feret::kRun);
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
    testing::typeInto(*window, feret::kTrialCount, "12");
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
    QTest::addColumn<QString>("option");
    QTest::addColumn<app::Calculator>("calculator");
    QTest::newRow("settling velocity") << "Option1" << app::Calculator::SettlingVelocity;
    QTest::newRow("Feret diameter") << "Option2" << app::Calculator::FeretDiameter;
    QTest::newRow("sphere division") << "Option3" << app::Calculator::SphereDivision;
}

// Whatever the screen, each frame is on it or, where larger, starts at its top-left edge.
void TestNavigation::windowsStayOnTheScreen()
{
    QFETCH(QString, option);
    QFETCH(app::Calculator, calculator);
    click(option.toStdString().c_str());
    const QRect available = menu_->screen()->availableGeometry();
    for (const ui::Form* window : {static_cast<ui::Form*>(menu_), menu_->navigator().window(calculator)}) {
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
    testing::typeInto(*window, feret::kTrialCount, "12");
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
    QCOMPARE(visibleWindows(), (QStringList{"Form2", "Form4"}));
}

void TestNavigation::switchingDuringARunAbandonsIt()
{
    click(app::kFeretDiameterOption);
    QPointer<ui::Form> window = feretWindow();
    testing::typeInto(*window, feret::kTrialCount, "1000000000");
    QTimer::singleShot(50, menu_, [this] { click(app::kSettlingVelocityOption); });

    QElapsedTimer clock;
    clock.start();
    testing::click(*window, feret::kRun);

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
        testing::typeInto(*feretWindow(), feret::kTrialCount, "1000000000");
        testing::click(*feretWindow(), feret::kRun);
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
