// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/control_factory.h"

#include "ui/contrast.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/qt_conversions.h"
#include "ui/result_label.h"
#include "ui/result_log.h"

#include <QApplication>

namespace ui {
namespace {

QColor toQColor(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

Qt::Alignment toQt(Align align)
{
    switch (align) {
    case Align::Left: return Qt::AlignLeft;
    case Align::Center: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

void setColor(QWidget* widget, QPalette::ColorRole role, QColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

} // namespace

QWidget* createControl(const Control& c, bool showsResult, QWidget* parent)
{
    const QString caption = toQString(c.caption);
    QWidget* widget = nullptr;
    switch (c.kind) {
    case Kind::Label: {
        auto* label = showsResult ? new ResultLabel(caption, parent) : new QLabel(caption, parent);
        label->setAlignment(toQt(c.align) | Qt::AlignTop);
        // Transparent: no background is filled, the window's black shows through.
        setColor(label, QPalette::WindowText, toQColor(c.foreground.value_or(kWhite)));
        widget = label;
        break;
    }
    case Kind::TextBox: widget = new FieldEdit(caption, parent); break;
    case Kind::CommandButton: widget = new CommandButton(caption, parent); break;
    case Kind::OptionButton: {
        // Drawn on a button face of its own, readable on the black window.
        auto* option = new OptionButton(caption, parent);
        const QPalette standard = QApplication::palette();
        option->setAutoFillBackground(true);
        setColor(option, QPalette::Window, standard.color(QPalette::Button));
        setColor(option, QPalette::WindowText, standard.color(QPalette::ButtonText));
        widget = option;
        break;
    }
    case Kind::RichTextBox: widget = new ResultLog(caption, parent); break;
    }
    widget->setFont(toQFont(c.font));
    if (c.background) {
        const QPalette::ColorRole role = c.kind == Kind::RichTextBox ? QPalette::Base : QPalette::Window;
        widget->setPalette(readableOn(widget->palette(), role, toQColor(*c.background)));
    }
    widget->setGeometry(toQRect(c.rect));
    // The system's font may be too large for a caption in a rectangle the table fixes.
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        shrinkToFit(button);
    return widget;
}

} // namespace ui
