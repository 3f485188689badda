// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenes.h"

#include "app/calculators.h"
#include "app/menu_window.h"
#include "ui/convergence_chart.h"
#include "ui/log_chart.h"
#include "user_actions.h"

#include <QPainter>
#include <QTest>

namespace automation {
namespace {

// The windows drawn where they stand, on a plain desktop-grey margin.
QImage compose(const std::vector<QWidget*>& windows)
{
    constexpr int margin = 12;
    QRect area;
    for (const QWidget* window : windows)
        area |= window->geometry();
    const qreal ratio = windows.front()->devicePixelRatioF();
    QImage image((area.size() + QSize(2 * margin, 2 * margin)) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(0x5a, 0x6b, 0x7b));
    QPainter painter(&image);
    painter.setPen(QColor(0xc8, 0xd0, 0xd8));
    for (QWidget* window : windows) {
        const QRect place = window->geometry().translated(QPoint(margin, margin) - area.topLeft());
        painter.drawPixmap(place.topLeft(), window->grab());
        painter.drawRect(place.adjusted(-1, -1, 0, 0)); // where one window ends and the next begins
    }
    return image;
}

struct Scene {
    const char* fileName;
    const ui::FormLayout* calculator; // opened by its option in the menu
    Actions actions;
    bool chartAlone = false; // the calculator beside its chart, without the menu
};

const Actions kFeretRuns{{feret::kTrialCount, "10"}, feret::kRun, {feret::kTrialCount, "100"}, feret::kRun,
    {feret::kTrialCount, "1000"}, feret::kRun, {feret::kTrialCount, "10000"}, feret::kRun,
    {feret::kTrialCount, "100000"}, feret::kRun};

const Scene kScenes[] = {
    {"menu-and-feret.png", &feret::kWindow, kFeretRuns},
    {"settling-velocity.png", &settling::kWindow,
        {{settling::kDiameter, "30"}, {settling::kParticleDensity, "2"}, {settling::kLiquidDensity, "1"},
            {settling::kViscosity, "0.01"}, settling::kCompute}},
    {"sphere-division.png", &sphere::kWindow,
        {{sphere::kInitialDiameter, "1"}, sphere::kComputeInitial, {sphere::kDivisionCount, "3"}, sphere::kDivide}},
    {"feret-convergence.png", &feret::kWindow,
        kFeretRuns
            + Actions{{feret::kTrialCount, "30"}, feret::kRun, {feret::kTrialCount, "300"}, feret::kRun,
                {feret::kTrialCount, "3000"}, feret::kRun, {feret::kTrialCount, "30000"}, feret::kRun},
        true},
};

// Opens the window's chart as its key does.
ui::ConvergenceChart& openChart(ui::Form& window)
{
    QTest::keyClick(&window, ui::LogChart::kOpenKey.key(), ui::LogChart::kOpenKey.keyboardModifiers());
    auto* opened = window.findChild<ui::ConvergenceChart*>();
    if (!opened)
        qFatal("%s opened no chart", qPrintable(window.objectName()));
    return *opened;
}

} // namespace

void renderEach(const std::function<void(const Shot&)>& take)
{
    for (const Scene& scene : kScenes) {
        const Owned menu(new app::Menu);
        menu->show();
        click(*menu, app::calculatorWith(*scene.calculator).option.name);
        ui::Form* calculator = menu->navigator().window(*scene.calculator);
        act(*calculator, scene.actions);
        if (scene.chartAlone) {
            QWidget& chart = openChart(*calculator);
            chart.move(calculator->geometry().topRight() + QPoint(1, 0)); // beside it however small the screen
            take(Shot{scene.fileName, compose({calculator, &chart}), {calculator}, {&chart}});
        } else {
            take(Shot{scene.fileName, compose({menu.get(), calculator}), {menu.get(), calculator}, {}});
        }
        calculator->close();
    }
}

} // namespace automation
