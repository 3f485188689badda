// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"
#include "app/calculators.h"
#include "app/menu_window.h"
#include "calc/field_reader.h"
#include "ui/qt_conversions.h"
#include "ui/result_label.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <vector>

namespace {

// What students have been seen to type, and worse.
QStringList hostileTexts()
{
    QStringList texts{"", " ", "   ", "0", "00", "-0", " 0", "0.0", "1e308", "1e400", "-1e400", "1e-400", "inf", "-inf",
        "nan", "NaN", "0x10", "1,5", "１２．５", "１。５", "－３", "1e", ".", "-", "+.5", QString(400, '9'),
        QString(100'000, '7'), "😀", "1\x01\t\x1b", "\u202Eمرحبا", "١٢٣", "10um"};
    // Ordinary values too, so that calculations also succeed.
    texts += QStringList{"5", "2", "30", "1", "0.01", "980", "3", "-1", "1000", "12"};
    return texts;
}

const QRegularExpression kVelocity(R"(^-?\d+\.\d{5}$)");
const QRegularExpression kMeanLine(R"(^-?\d+\.\d{7}$)");
const QRegularExpression kGeneral(R"(^-?(0|[1-9]\d*)(\.\d*[1-9])?$|^-?[1-9](\.\d*[1-9])?E[+-]\d{2,3}$)");

QString nameOf(const ui::FormLayout& window) { return ui::toQString(window.name); }

// The program's own messages: each calculator's, and those about every field it names.
bool isOwnMessage(const QString& text)
{
    static const QSet<QString> own = [] {
        QSet<QString> messages;
        for (const app::Calculator& calculator : app::kCalculators) {
            for (const std::string_view message : calculator.messages)
                messages << ui::toQString(message);
            for (const ui::Description& field : calculator.window->descriptions) {
                for (const auto problem : calculator_window::kFieldProblems) {
                    if (!field.displayName.empty()) // else a result, which is never read
                        messages << QString::fromStdString(
                            calculator_window::problemMessage(field.displayName, problem));
                }
            }
        }
        return messages;
    }();
    return own.contains(text);
}

// Drives the real program through random actions, each from the event loop, so that actions
// also land while a long run yields or a message box waits, as a student's clicks do.
class Stress : public QObject {
public:
    Stress(unsigned seed, long actions)
        : random_(seed),
          target_(actions)
    {
    }

    void run();

    long actions = 0, messageBoxes = 0, runs = 0, sessions = 0, closedMidRun = 0;
    QStringList failures;
    // What the actions reached: windows typed in, and which of the texts were typed.
    std::set<QString> windowsTypedIn;
    std::set<std::size_t> textsTyped;

private:
    void step();
    void act();
    void fail(const QString& what) { failures << QString("action %1: %2").arg(actions).arg(what); }
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
    std::vector<ui::Form*> calculators() const;
    void watchLog(ui::Form* feretWindow);
    void checkFields();

    std::mt19937 random_;
    long target_;
    bool stepPending_ = false;
    int busy_ = 0; // actions under way, waiting for the one started inside them
    QPointer<app::Menu> menu_;
    const QStringList texts_ = hostileTexts();
    std::map<const QLineEdit*, QString> typed_; // what this test last put in each field
    std::set<const QObject*> watchedLogs_;
};

void Stress::run()
{
    // Each session is the program from start to end: 終了, or its last window closed.
    while (actions < target_ && failures.size() < 20) {
        ++sessions;
        menu_ = new app::Menu;
        menu_->show();
        if (!stepPending_) {
            stepPending_ = true;
            QTimer::singleShot(0, this, &Stress::step);
        }
        QApplication::exec();
    }
    QApplication::closeAllWindows();
    QTest::qWait(1); // let closed windows delete themselves
}

void Stress::step()
{
    stepPending_ = false;
    if (actions >= target_ || failures.size() >= 20) {
        QApplication::closeAllWindows(); // abandons any run still going
        QCoreApplication::quit();
        return;
    }
    // The next action is due even while this one runs a long calculation or waits in a box.
    stepPending_ = true;
    QTimer::singleShot(0, this, &Stress::step);
    // While an action waits (a run yielding, a box open) the student mostly waits too, so that
    // runs of a thousand trials can also finish.
    if (busy_ > 0 && pick(100) > 0)
        return;
    ++actions;
    ++busy_;
    act();
    --busy_;
    if ((!menu_ || menu_->isClosed()) && !calculators().empty())
        fail("a calculator outlived the menu");
    checkFields();
}

// The calculator windows on screen.
std::vector<ui::Form*> Stress::calculators() const
{
    std::vector<ui::Form*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<ui::Form*>(widget);
        if (form && form != menu_ && form->isVisible() && !form->isClosed())
            open.push_back(form);
    }
    return open;
}

void Stress::act()
{
    // A message box is modal: the student answers it before anything else.
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ++messageBoxes;
        if (!isOwnMessage(box->text()))
            fail("unexpected message " + box->text());
        box->done(QMessageBox::Ok);
        return;
    }
    const std::vector<ui::Form*> open = calculators();
    const std::size_t dice = pick(1000);
    if (dice < 2 && menu_) {
        qobject_cast<QAbstractButton*>(menu_->control(app::kEnd))->click(); // 終了
    } else if (dice < 40) {
        if (menu_ && pick(20) == 0)
            menu_->close(); // ends the program as 終了 does
        else if (!open.empty()) {
            ui::Form* form = open[pick(open.size())];
            // Boxes are answered first, so an action still under way is a Feret run.
            closedMidRun += busy_ > 1 && form->objectName() == nameOf(feret::kWindow);
            form->close();
        }
    } else if (dice < 150 || open.empty()) {
        if (menu_) {
            const app::Calculator& chosen = app::kCalculators[pick(std::size(app::kCalculators))];
            qobject_cast<QAbstractButton*>(menu_->control(chosen.option.name))->click();
        }
    } else {
        ui::Form* form = open[pick(open.size())];
        if (form->objectName() == nameOf(feret::kWindow))
            watchLog(form);
        const auto fields = form->findChildren<QLineEdit*>();
        const auto buttons = form->findChildren<QAbstractButton*>();
        if (dice < 600) {
            QLineEdit* field = fields[pick(fields.size())];
            const std::size_t textIndex = pick(texts_.size());
            field->setText(texts_[textIndex]);
            windowsTypedIn.insert(form->objectName());
            textsTyped.insert(textIndex);
            typed_[field] = field->text(); // as much of it as the field takes
        } else if (dice < 650) {
            QTest::keyClick(fields[pick(fields.size())], Qt::Key_Return);
        } else if (dice < 655) {
            const bool help = pick(2) == 0; // F1's help, else Ctrl+G's chart
            QTest::keyClick(fields[pick(fields.size())], help ? Qt::Key_F1 : Qt::Key_G,
                help ? Qt::NoModifier : Qt::ControlModifier);
        } else {
            buttons[pick(buttons.size())]->click();
        }
    }
}

// A Feret log changes only by one well-formed line per run, or by being emptied.
void Stress::watchLog(ui::Form* feretWindow)
{
    auto* log = qobject_cast<QPlainTextEdit*>(feretWindow->control(feret::kResults));
    if (!watchedLogs_.insert(log).second)
        return;
    connect(log, &QObject::destroyed, this, [this, log] { watchedLogs_.erase(log); });
    if (!log->toPlainText().isEmpty())
        fail("a new Feret window has an old log");
    connect(log, &QPlainTextEdit::textChanged, this, [this, log, seen = QString()]() mutable {
        const QString now = log->toPlainText();
        if (now.startsWith(seen) && now.size() > seen.size()) {
            const QString added = now.mid(seen.size());
            if (!added.endsWith('\n') || added.count('\n') != 1 || !kMeanLine.match(added.chopped(1)).hasMatch())
                fail("log grew by " + added.left(80));
            ++runs;
        } else if (!now.isEmpty()) {
            fail("log changed to " + now.right(80));
        }
        seen = now;
    });
}

// Every text is one this test typed, the table's, or a well-formed number the program wrote.
void Stress::checkFields()
{
    for (ui::Form* form : calculators()) {
        for (const QLineEdit* field : form->findChildren<QLineEdit*>()) {
            const QString text = field->text();
            const auto typed = typed_.find(field);
            const bool initial = text.isEmpty() || text == "980" || text == "5" || text == "2";
            if ((typed != typed_.end() && typed->second == text) || initial)
                continue;
            if (form->objectName() != nameOf(sphere::kWindow) || !kGeneral.match(text).hasMatch())
                fail(form->objectName() + "." + field->objectName() + " shows " + text.left(80));
        }
        if (form->objectName() == nameOf(settling::kWindow)) {
            const auto* label
                = form->findChild<ui::ResultLabel*>(QString::fromStdString(settling::kVelocity.objectName()));
            const QString velocity = label->value();
            if (!velocity.isEmpty() && !kVelocity.match(velocity).hasMatch())
                fail("velocity is " + velocity.left(80));
            if (label->text() != velocity && !label->text().endsWith("…"))
                fail("velocity shows " + label->text());
        }
    }
}

} // namespace

class TestStress : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::setUpApplication(); }
    void randomActionsKeepEveryInvariant();
};

void TestStress::randomActionsKeepEveryInvariant()
{
    // The offscreen platform cannot raise windows or pass size hints; it says so at every step.
    static QtMessageHandler qtTest = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith("This plugin does not support"))
            qtTest(type, context, message);
    });
    const unsigned seed
        = qEnvironmentVariableIsSet("STRESS_SEED") ? qEnvironmentVariableIntValue("STRESS_SEED") : 20261208;
    const long target
        = qEnvironmentVariableIsSet("STRESS_ACTIONS") ? qEnvironmentVariableIntValue("STRESS_ACTIONS") : 100'000;
    Stress stress(seed, target);
    stress.run();
    std::printf("stress: seed %u, %ld actions, %ld message boxes, %ld runs, %ld windows closed during a run, "
                "%ld sessions\n",
        seed, stress.actions, stress.messageBoxes, stress.runs, stress.closedMidRun, stress.sessions);
    QVERIFY2(stress.failures.isEmpty(), qPrintable(stress.failures.join('\n')));
    QCOMPARE(stress.actions, target);
    QVERIFY(stress.messageBoxes > 0 && stress.runs > 0 && stress.closedMidRun > 0);
    // A shorter run (STRESS_ACTIONS) must still cover every calculator and every text.
    std::set<QString> calculators;
    for (const app::Calculator& calculator : app::kCalculators)
        calculators.insert(nameOf(*calculator.window));
    QCOMPARE(stress.windowsTypedIn, calculators);
    QCOMPARE(stress.textsTyped.size(), std::size_t(hostileTexts().size()));
}

QTEST_MAIN(TestStress)
#include "tst_stress.moc"
