// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenes.h"

#include "app/menu_window.h"
#include "support/gui_test_support.h"

#include <QPainter>

namespace screenshots {
namespace {

using app::Calculator;

// The windows drawn where they stand, on a plain desktop-grey margin.
QImage compose(const std::vector<ui::Form*>& windows)
{
    constexpr int margin = 12;
    QRect area;
    for (const ui::Form* window : windows)
        area |= window->geometry();
    const qreal ratio = windows.front()->devicePixelRatioF();
    QImage image((area.size() + QSize(2 * margin, 2 * margin)) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(0x5a, 0x6b, 0x7b));
    QPainter painter(&image);
    painter.setPen(QColor(0xc8, 0xd0, 0xd8));
    for (ui::Form* window : windows) {
        const QRect place = window->geometry().translated(QPoint(margin, margin) - area.topLeft());
        painter.drawPixmap(place.topLeft(), window->grab());
        painter.drawRect(place.adjusted(-1, -1, 0, 0)); // where one window ends and the next begins
    }
    return image;
}

struct Scene {
    const char* fileName;
    const char* option; // the menu's option that opens the calculator
    Calculator calculator;
    QStringList actions; // as testing::act takes them
};

const Scene kScenes[] = {
    {"menu-and-feret.png", "Option2", Calculator::FeretDiameter,
        {"Text3=10", "Command1", "Text3=100", "Command1", "Text3=1000", "Command1", "Text3=10000", "Command1",
            "Text3=100000", "Command1"}},
    {"settling-velocity.png", "Option1", Calculator::SettlingVelocity,
        {"Text1=30", "Text2=2", "Text3=1", "Text4=0.01", "Command1"}},
    {"sphere-division.png", "Option3", Calculator::SphereDivision, {"Text1=1", "Command1", "Text4=3", "Command2"}},
};

} // namespace

void renderEach(const std::function<void(const Shot&)>& take)
{
    for (const Scene& scene : kScenes) {
        const testing::Owned menu(new app::Menu);
        menu->show();
        testing::click(*menu, scene.option);
        ui::Form* calculator = menu->navigator().window(scene.calculator);
        testing::act(*calculator, scene.actions);
        take(Shot{scene.fileName, compose({menu.get(), calculator}), {menu.get(), calculator}});
        calculator->close();
    }
}

} // namespace screenshots
