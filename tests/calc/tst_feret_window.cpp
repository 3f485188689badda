// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/feret/feret_window.h"
#include "support/window_test.h"
#include "ui/qt_conversions.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {

const QRegularExpression kResultLine(R"(^-?\d+\.\d{7}$)");

// The log's lines, each checked to have ended with "\r\n".
QStringList logLines(const ui::Form& form)
{
    QString text = QString::fromStdString(form.logText(feret::kResults));
    if (text.isEmpty())
        return {};
    if (!text.endsWith("\r\n"))
        return {"<log does not end with CR LF>"};
    text.chop(2);
    return text.split("\r\n");
}

bool isResultBetween(const QString& line, double low, double high)
{
    return kResultLine.match(line).hasMatch() && line.toDouble() >= low && line.toDouble() <= high;
}

const double kLongestWidth = std::sqrt(29.0); // the diagonal of the 5 x 2 rectangle

} // namespace

class TestFeretWindow : public testing::WindowTest {
    Q_OBJECT

public:
    TestFeretWindow()
        : WindowTest(feret::createWindow)
    {
    }

private slots:
    void opensWithInitialTexts();
    void rejectedRunAppendsNothing_data();
    void rejectedRunAppendsNothing();
    void messageBoxHasOkOnlyAndNoIcon();
    void runAppendsOneFormattedLine_data();
    void runAppendsOneFormattedLine();
    void logCollectsRunsUntilCleared();
    void newestLineIsScrolledIntoView();
    void logCanBeCopied();
    void clickDuringRunAppendsItsLineFirst();
    void closingDuringRunAbandonsIt();
    void closingWithAMessageOpen();
    void enterHeldDownNestsRunsOnlyUpToTheBound();
};

void TestFeretWindow::opensWithInitialTexts()
{
    QCOMPARE(form_->windowTitle(), "定方向径計算");
    QCOMPARE(form_->text(feret::kLength), "5");
    QCOMPARE(form_->text(feret::kWidth), "2");
    QCOMPARE(form_->text(feret::kTrialCount), "");
    QCOMPARE(form_->logText(feret::kResults), "");
}

void TestFeretWindow::rejectedRunAppendsNothing_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("message");
    const QString noCount = ui::toQString(feret::message::kNoTrialCount);
    const QString zeroTrials = ui::toQString(feret::message::kZeroTrials);
    const QString notWhole = ui::toQString(feret::message::kTrialCountNotWhole);

    // clang-format off
    QTest::addRow("empty count")                   << "5"     << "2"     << ""    << noCount;
    QTest::addRow("empty count is checked first")  << "x"     << ""      << ""    << noCount;
    QTest::addRow("count 0")                       << "5"     << "2"     << "0"   << zeroTrials;
    QTest::addRow("count 00")                      << "5"     << "2"     << "00"  << zeroTrials;
    QTest::addRow("count 0.0")                     << "5"     << "2"     << "0.0" << zeroTrials;
    QTest::addRow("count blank 0")                 << "5"     << "2"     << " 0"  << zeroTrials;
    QTest::addRow("count -0")                      << "5"     << "2"     << "-0"  << zeroTrials;
    QTest::addRow("empty a")                       << ""      << "2"     << "10"  << "長さ a が入力されていません。";
    QTest::addRow("empty b")                       << "5"     << ""      << "10"  << "幅 b が入力されていません。";
    QTest::addRow("a is a word")                   << "five"  << "2"     << "10"  << "長さ a が数値ではありません。";
    QTest::addRow("b with a unit")                 << "5"     << "2cm"   << "10"  << "幅 b が数値ではありません。";
    QTest::addRow("count is not a number")         << "5"     << "2"     << "1e"  << "n が数値ではありません。";
    QTest::addRow("a is checked before the count") << "inf"   << "2"     << "abc" << "長さ a が数値ではありません。";
    QTest::addRow("a too large")                   << "1e400" << "2"     << "10"  << "長さ a が大きすぎます。";
    QTest::addRow("count too large")               << "5"     << "2"     << "-1e400" << "n が大きすぎます。";
    for (const char* count : {"-3", "2.5", "0.5", "1e-3", "－３"})
        QTest::addRow("count %s", count)           << "5"     << "2"     << count << notWhole;
    QTest::addRow("count above 2^53")              << "5"     << "2"     << "9007199254740994" << "n が大きすぎます。";
    QTest::addRow("mean overflows")                << "1e308" << "1e308" << "3"   << ui::toQString(feret::message::kSidesTooLarge);
    // clang-format on
}

void TestFeretWindow::rejectedRunAppendsNothing()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, n);
    QFETCH(QString, message);
    form_->appendLine(feret::kResults, "4.4567890");
    type(feret::kLength, a);
    type(feret::kWidth, b);
    type(feret::kTrialCount, n);

    click(feret::kRun);

    QCOMPARE(messages_.takeTexts(), QStringList{message});
    QCOMPARE(form_->logText(feret::kResults), "4.4567890\r\n");
    QCOMPARE(text(feret::kLength), a);
    QCOMPARE(text(feret::kWidth), b);
    QCOMPARE(text(feret::kTrialCount), n);
}

void TestFeretWindow::messageBoxHasOkOnlyAndNoIcon()
{
    click(feret::kRun);
    const auto boxes = messages_.take();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, QApplication::applicationName());
    QCOMPARE(boxes[0].buttons, QStringList{"OK"});
    QVERIFY(!boxes[0].hasIcon);
}

void TestFeretWindow::runAppendsOneFormattedLine_data()
{
    QTest::addColumn<QString>("n");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");

    QTest::addRow("one trial") << "1" << 2.0 << kLongestWidth;
    QTest::addRow("many trials") << "2000" << 4.2 << 4.7;
    QTest::addRow("full-width count") << "１００" << 2.0 << kLongestWidth;
    QTest::addRow("count with blanks") << " 10 " << 2.0 << kLongestWidth;
    QTest::addRow("whole count written as a decimal") << "3.0" << 2.0 << kLongestWidth;
    QTest::addRow("whole count with an exponent") << "1e2" << 2.0 << kLongestWidth;
}

void TestFeretWindow::runAppendsOneFormattedLine()
{
    QFETCH(QString, n);
    QFETCH(double, low);
    QFETCH(double, high);
    type(feret::kTrialCount, n);

    click(feret::kRun);

    const QStringList lines = logLines(*form_);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(isResultBetween(lines[0], low, high), qPrintable(lines[0]));
}

void TestFeretWindow::logCollectsRunsUntilCleared()
{
    type(feret::kTrialCount, "10");
    for (int run = 1; run <= 3; ++run)
        click(feret::kRun);
    QStringList lines = logLines(*form_);
    QCOMPARE(lines.size(), 3);
    for (const QString& line : lines)
        QVERIFY2(isResultBetween(line, 2.0, kLongestWidth), qPrintable(line));

    click(feret::kClearResults);
    QCOMPARE(form_->logText(feret::kResults), "");

    click(feret::kRun);
    lines = logLines(*form_);
    QCOMPARE(lines.size(), 1);
    QVERIFY(isResultBetween(lines[0], 2.0, kLongestWidth));
}

void TestFeretWindow::newestLineIsScrolledIntoView()
{
    auto* log = qobject_cast<QPlainTextEdit*>(form_->control(feret::kResults));
    type(feret::kTrialCount, "1");
    for (int run = 0; run < 40; ++run)
        click(feret::kRun);
    QScrollBar* bar = log->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
}

void TestFeretWindow::logCanBeCopied()
{
    auto* log = qobject_cast<QPlainTextEdit*>(form_->control(feret::kResults));
    type(feret::kTrialCount, "3");
    click(feret::kRun);
    click(feret::kRun);
    log->setFocus();
    QTest::keyClick(log, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(log, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
        QString::fromStdString(form_->logText(feret::kResults)).replace("\r\n", "\n"));
    QTest::keyClicks(log, "9");
    QCOMPARE(logLines(*form_).size(), 2); // typing does not change the results
}

// A second click while a run yields runs to its end inside the first, so its line comes
// first; the first run keeps the values it captured, whatever is typed meanwhile.
void TestFeretWindow::clickDuringRunAppendsItsLineFirst()
{
    type(feret::kTrialCount, "50");
    QTimer::singleShot(0, form_, [this] {
        type(feret::kLength, "1");
        type(feret::kWidth, "1");
        type(feret::kTrialCount, "1");
        click(feret::kRun);
    });

    click(feret::kRun);

    const QStringList lines = logLines(*form_);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(isResultBetween(lines[0], 1.0, std::sqrt(2.0)), qPrintable(lines[0])); // the 1 x 1 square
    QVERIFY2(isResultBetween(lines[1], 4.0, 5.0), qPrintable(lines[1]));            // 50 trials of 5 x 2
}

void TestFeretWindow::closingDuringRunAbandonsIt()
{
    QSignalSpy logChanges(qobject_cast<QPlainTextEdit*>(form_->control(feret::kResults)), &QPlainTextEdit::textChanged);
    type(feret::kTrialCount, "100000000");
    QTimer::singleShot(50, form_, &QWidget::close);

    QElapsedTimer clock;
    clock.start();
    click(feret::kRun);

    QVERIFY2(clock.elapsed() < 10'000, "the run went on after its window closed");
    QCOMPARE(logChanges.count(), 0);
    QTRY_VERIFY(form_.isNull()); // deleted once control is back in the event loop
}

// Closed from code while its box waits, the window is deleted at the next flush of
// deletions, the box with it; nothing is deleted twice.
void TestFeretWindow::closingWithAMessageOpen()
{
    QTimer::singleShot(0, form_, [this] { // inside the box's own event loop
        form_->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    click(feret::kRun);
    QVERIFY(form_.isNull());
    QCOMPARE(messages_.takeTexts(), QStringList{ui::toQString(feret::message::kNoTrialCount)});
}

// Key repeat on Enter during a run: each repeat starts a run inside the one before, until
// eight are under way; the repeats beyond that do nothing. Every run adds its one line.
void TestFeretWindow::enterHeldDownNestsRunsOnlyUpToTheBound()
{
    type(feret::kTrialCount, "100");
    QWidget* count = form_->control(feret::kTrialCount);
    for (int repeat = 0; repeat < 40; ++repeat)
        QCoreApplication::postEvent(count, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true));

    QCoreApplication::processEvents();

    const QStringList lines = logLines(*form_);
    QCOMPARE(lines.size(), 8);
    for (const QString& line : lines)
        QVERIFY2(isResultBetween(line, 2.0, kLongestWidth), qPrintable(line));
    QVERIFY(form_->control(feret::kRun)->isEnabled());
}

QTEST_MAIN(TestFeretWindow)
#include "tst_feret_window.moc"
