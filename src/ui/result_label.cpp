// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/result_label.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace ui {

ResultLabel::ResultLabel(const QString& value, QWidget* parent)
    : QLabel(parent)
{
    setValue(value);
}

void ResultLabel::setValue(const QString& value)
{
    value_ = value;
    showFitting();
}

void ResultLabel::showFitting() { setText(fontMetrics().elidedText(value_, Qt::ElideRight, contentsRect().width())); }

void ResultLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    showFitting();
}

void ResultLabel::copyValue() const { QGuiApplication::clipboard()->setText(value_); }

// Whatever part of a cut value is selected, Copy gives all of it: a part is of no use.
void ResultLabel::keyPressEvent(QKeyEvent* event)
{
    if (isElided() && hasSelectedText() && event->matches(QKeySequence::Copy)) {
        copyValue();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ResultLabel::contextMenuEvent(QContextMenuEvent* event)
{
    if (!isElided()) {
        QLabel::contextMenuEvent(event);
        return;
    }
    // Not modal: it goes with the label if the window closes while it is open.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy
        = menu->addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"), this, &ResultLabel::copyValue);
    copy->setShortcut(QKeySequence::Copy);
    menu->popup(event->globalPos());
}

} // namespace ui
