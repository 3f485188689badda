// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures, in one run, what a student feels: how fast a Feret run goes with each of Qt's
// event dispatchers and how quickly it answers a click, what a result costs in a long log, how
// fast the program starts and how much memory it takes. Prints a Markdown table with each
// goal. Run it with scripts/bench.sh.
#include "app/application.h"
#include "app/calculators.h"
#include "app/command_line.h"
#include "app/menu_window.h"
#include "calc/feret/feret.h"
#include "calc/feret/feret_window.h"
#include "calc/feret/uniform_source.h"
#include "user_actions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Row {
    QString measure;
    double figure;
    QString unit;
    double goal; // 0: shown for comparison only
};

// The best of a few repetitions, in nanoseconds per call: the least disturbed by the machine.
double nanosecondsPer(long calls, const std::function<void()>& body, int repetitions = 5)
{
    double best = 1e300;
    for (int r = 0; r < repetitions; ++r) {
        QElapsedTimer timer;
        timer.start();
        for (long i = 0; i < calls; ++i)
            body();
        best = std::min(best, double(timer.nsecsElapsed()) / double(calls));
    }
    return best;
}

automation::Owned<ui::Form> openFeret()
{
    automation::Owned form(feret::createWindow());
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qFatal("the Feret window was not shown");
    return form;
}

void setField(ui::Form& form, ui::ControlName field, const QString& text)
{
    qobject_cast<QLineEdit*>(form.control(field))->setText(text);
}

void press(ui::Form& form, ui::ControlName button) { qobject_cast<QAbstractButton*>(form.control(button))->click(); }

// A whole run of n trials through the real window, its handler and its yield, in seconds.
double runSeconds(ui::Form& form, long n)
{
    setField(form, feret::kTrialCount, QString::number(n));
    QElapsedTimer timer;
    timer.start();
    press(form, feret::kRun);
    return double(timer.nsecsElapsed()) / 1e9;
}

// How long a click waits while a run of 10^7 trials is under way: a timer posts the click
// as a mouse event, as the window system would, and the clear button's handler notes when it
// ran. The run is then ended by closing the window.
double clickLatencyMilliseconds()
{
    auto form = openFeret();
    QWidget* clear = form->control(feret::kClearResults);
    QElapsedTimer sinceClick;
    double latency = -1;
    QObject::connect(qobject_cast<QAbstractButton*>(clear), &QAbstractButton::clicked,
        [&] { latency = double(sinceClick.nsecsElapsed()) / 1e6; });
    QTimer::singleShot(200, [&] {
        sinceClick.start();
        QTest::mouseClick(clear, Qt::LeftButton, Qt::NoModifier, clear->rect().center());
    });
    QTimer::singleShot(400, form.get(), [&] { form->close(); });
    setField(*form, feret::kTrialCount, "10000000");
    press(*form, feret::kRun);
    return latency;
}

// One more result in a log of `lines` lines, as the handler adds it, or by rewriting the
// whole text as a plain replace would.
double appendMilliseconds(long lines, bool plainReplace)
{
    auto form = openFeret();
    auto* edit = qobject_cast<QPlainTextEdit*>(form->control(feret::kResults));
    edit->setPlainText(QString("4.4563384\n").repeated(lines));
    double best = 1e300;
    for (int r = 0; r < 5; ++r) {
        QElapsedTimer timer;
        timer.start();
        if (plainReplace)
            edit->setPlainText(edit->toPlainText() + "4.4598882\n");
        else
            form->appendLine(feret::kResults, "4.4598882");
        QCoreApplication::processEvents(); // the repaint is part of the cost
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

// In a fresh process: start to the menu on screen, and peak memory with every window opened.
Row startupRow(const QString& self)
{
    double best = 1e300;
    for (int r = 0; r < 5; ++r) {
        QElapsedTimer timer;
        timer.start();
        QProcess child;
        child.start(self, {"--until-menu-shown"});
        child.waitForFinished();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return {"start to menu shown (new process)", best, "ms", 100};
}

Row memoryRow(const QString& self)
{
    QProcess child;
    child.start(self, {"--open-every-window"});
    child.waitForFinished();
    return {"peak memory, every window opened once", child.readAllStandardOutput().trimmed().toDouble(), "MiB", 40};
}

// What a trial costs with the event dispatcher this process got: the bare trial, the bare
// yield, and a whole run of 10^6 trials through the real window, in ns, ns and s.
int runCosts(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::setUpApplication();
    feret::UniformSource source;
    volatile double sink = 0;
    const double trial = nanosecondsPer(10'000'000, [&] { sink = sink + feret::trialWidth(5, 2, source.next()); });
    const double yield = nanosecondsPer(1'000'000, [] { QCoreApplication::processEvents(); });
    const auto form = openFeret();
    double run = 1e300; // the best of three, like the bare figures
    for (int r = 0; r < 3; ++r)
        run = std::min(run, runSeconds(*form, 1'000'000));
    std::printf("%g %g %g\n", trial, yield, run);
    return 0;
}

struct Costs {
    double trial, yield, runSeconds;
};

// QT_NO_GLIB empty keeps glib's dispatcher; set, Qt's own Unix one.
Costs costsWith(const QString& self, const QString& noGlib)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_NO_GLIB", noGlib);
    child.setProcessEnvironment(environment);
    child.start(self, {"--run-costs"});
    child.waitForFinished(-1);
    const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
    if (figures.size() != 3)
        qFatal("no costs from the child with QT_NO_GLIB=%s", qPrintable(noGlib));
    return {figures[0].toDouble(), figures[1].toDouble(), figures[2].toDouble()};
}

int untilMenuShown(int argc, char* argv[])
{
    // Everything main() does, the reading of a command line that asks for nothing included.
    app::setUpEnvironment();
    int programOnly = 1;
    if (app::handleCommandLine(programOnly, argv))
        return 1;
    QApplication application(argc, argv);
    app::setUpApplication();
    auto* menu = new app::Menu;
    menu->show();
    return QTest::qWaitForWindowExposed(menu) ? 0 : 1;
}

// Peak resident memory of this process, from the kernel's own record (Linux).
double peakMebibytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return -1;
}

int openEveryWindow(int argc, char* argv[])
{
    app::setUpEnvironment();
    QApplication application(argc, argv);
    app::setUpApplication();
    auto* menu = new app::Menu;
    menu->show();
    if (!QTest::qWaitForWindowExposed(menu))
        return 1;
    for (const app::Calculator& calculator : app::kCalculators) {
        qobject_cast<QAbstractButton*>(menu->control(calculator.option.name))->click();
        QTest::qWait(50);
    }
    std::printf("%.1f\n", peakMebibytes());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const QString mode = argc > 1 ? QString(argv[1]) : QString();
    if (mode == "--until-menu-shown")
        return untilMenuShown(argc, argv);
    if (mode == "--open-every-window")
        return openEveryWindow(argc, argv);
    if (mode == "--run-costs")
        return runCosts(argc, argv);

    app::setUpEnvironment();
    QApplication application(argc, argv);
    app::setUpApplication();
    std::vector<Row> rows;

    const QString self = QCoreApplication::applicationFilePath();
    const Costs glibCosts = costsWith(self, "");
    const Costs unixCosts = costsWith(self, "1");
    const double glibPerTrial = glibCosts.runSeconds * 1e3, unixPerTrial = unixCosts.runSeconds * 1e3;
    rows.push_back({"bare trial (draw, two cosines)", unixCosts.trial, "ns", 0});
    rows.push_back({"bare processEvents(), glib dispatcher", glibCosts.yield, "ns", 0});
    rows.push_back({"bare processEvents(), Qt's Unix dispatcher", unixCosts.yield, "ns", 0});
    rows.push_back({"Feret run per trial, glib dispatcher", glibPerTrial, "ns", 0});
    rows.push_back({"Feret run per trial, Unix dispatcher (the program's)", unixPerTrial, "ns", 0.8 * glibPerTrial});
    rows.push_back(
        {"the same against its bare yield and trial", unixPerTrial, "ns", 1.2 * (unixCosts.trial + unixCosts.yield)});
    rows.push_back({"Feret run of 10^6 trials", unixCosts.runSeconds, "s", 1.0});
    rows.push_back({"click during a run of 10^7 trials, handled after", clickLatencyMilliseconds(), "ms", 30});
    for (long lines : {10'000L, 100'000L}) {
        const QString size = lines == 10'000 ? "10^4" : "10^5";
        rows.push_back({"result added to a log of " + size + " lines", appendMilliseconds(lines, false), "ms", 1});
        rows.push_back({"the same by a plain replace, for comparison", appendMilliseconds(lines, true), "ms", 0});
    }
    rows.push_back(startupRow(self));
    rows.push_back(memoryRow(self));

    std::printf("| measure | figure | goal |\n| --- | ---: | ---: |\n");
    bool met = true;
    for (const Row& row : rows) {
        const bool ok = row.goal == 0 || row.figure <= row.goal;
        met = met && ok;
        const QString goal
            = row.goal == 0 ? "" : QString("≤ %1 %2%3").arg(row.goal, 0, 'g', 3).arg(row.unit, ok ? "" : " (missed)");
        std::printf(
            "| %s | %.3g %s | %s |\n", qPrintable(row.measure), row.figure, qPrintable(row.unit), qPrintable(goal));
    }
    return met ? 0 : 1;
}
