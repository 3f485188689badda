// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form.h"

#include "ui/companion_window.h"
#include "ui/control_factory.h"
#include "ui/help_window.h"
#include "ui/label_widening.h"
#include "ui/qt_conversions.h"
#include "ui/result_label.h"
#include "ui/result_log.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>

#include <algorithm>
#include <vector>

namespace ui {

Form::Form(const FormLayout& layout)
    : helpPage_(layout.helpPage)
{
    setObjectName(toQString(layout.name));
    setWindowTitle(toQString(layout.caption));
    setAttribute(Qt::WA_DeleteOnClose);
    // A title bar with a close box, no minimize or maximize button, and on Windows a thin
    // frame that offers no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    const QRect client = toQRect(layout.client);
    setGeometry(client);
    setFixedSize(client.size());

    std::vector<QWidget*> created;
    for (const Control& c : layout.controls) {
        // A described label shows a result; the other labels are captions.
        const bool described = std::any_of(layout.descriptions.begin(), layout.descriptions.end(),
            [&c](const Description& d) { return d.name.objectName() == c.name.objectName(); });
        QWidget* widget = createControl(c, described, this);
        widget->setObjectName(QString::fromStdString(c.name.objectName()));
        controls_.emplace(c.name.objectName(), widget);
        created.push_back(widget);
    }
    for (QWidget* widget : created) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            widenToFit(label, created, client.size());
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            connect(edit, &QLineEdit::textChanged, this, [this] { tips_.refreshLiveLines(); });
            connect(edit, &QLineEdit::textEdited, this, [this, edit] { tips_.dropNote(edit); });
        }
    }
    for (const Description& description : layout.descriptions)
        describe(description);
    if (layout.chart)
        chart_ = std::make_unique<LogChart>(*this, *layout.chart);
    // Rows are in tab order; the first control that takes focus has it when the window opens.
    QWidget* previous = nullptr;
    for (QWidget* widget : created) {
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        else
            widget->setFocus();
        previous = widget;
    }
}

void Form::describe(const Description& description)
{
    QWidget* widget = find<QWidget>(description.name);
    // A result can be reached with Tab, selected and copied.
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        label->setFocusPolicy(Qt::StrongFocus);
    }
    if (!description.enterClicks.empty()) {
        connect(find<QLineEdit>(description.name), &QLineEdit::returnPressed,
            find<QAbstractButton>({description.enterClicks, -1}), &QAbstractButton::click);
    }
    tips_.describe(widget, description);
}

template <class Widget> Widget* Form::find(ControlName name) const
{
    const auto it = controls_.find(name.objectName());
    auto* widget = it == controls_.end() ? nullptr : qobject_cast<Widget*>(it->second);
    if (!widget)
        qFatal("%s has no control %s of that kind", qPrintable(objectName()), name.objectName().c_str());
    return widget;
}

QWidget* Form::control(ControlName name) const { return find<QWidget>(name); }

const Description& Form::description(ControlName name) const
{
    const Description* description = tips_.descriptionOf(control(name));
    if (!description)
        qFatal("%s has no description of %s", qPrintable(objectName()), name.objectName().c_str());
    return *description;
}

std::string Form::text(ControlName textBox) const { return find<QLineEdit>(textBox)->text().toStdString(); }

void Form::setText(ControlName textBox, std::string_view text)
{
    auto* edit = find<QLineEdit>(textBox);
    edit->setText(toQString(text));
    // A long number reads from its first digits ("0.5233…"), not from its tail.
    edit->setCursorPosition(0);
    tips_.dropNote(edit);
}

void Form::setCaption(ControlName label, std::string_view caption)
{
    auto* widget = find<QLabel>(label);
    if (auto* result = qobject_cast<ResultLabel*>(widget))
        result->setValue(toQString(caption));
    else
        widget->setText(toQString(caption));
    tips_.dropNote(widget);
}

void Form::appendLine(ControlName log, std::string_view line)
{
    auto* edit = find<ResultLog>(log);
    edit->appendLine(toQString(line));
    tips_.dropNote(edit);
}

std::string Form::logText(ControlName log) const { return find<ResultLog>(log)->lines().toStdString(); }

void Form::clear(ControlName control)
{
    QWidget* widget = find<QWidget>(control);
    if (qobject_cast<QLineEdit*>(widget)) {
        setText(control, "");
    } else if (qobject_cast<QLabel*>(widget)) {
        setCaption(control, "");
    } else {
        find<ResultLog>(control)->clear();
        tips_.dropNote(widget);
        if (chart_ && chart_->follows(control))
            chart_->clear();
    }
}

void Form::plot(ControlName log, const ChartSeries& series, ChartRun run)
{
    if (!chart_ || !chart_->follows(log))
        qFatal("%s has no chart of %s", qPrintable(objectName()), log.objectName().c_str());
    chart_->add(series, run);
}

void Form::refuse(std::string_view message, std::span<const ControlName> results)
{
    for (const ControlName result : results)
        clear(result);
    showMessage(message);
}

void Form::setNote(ControlName control, std::string_view note)
{
    description(control); // only a described control has a tip to add to
    tips_.setNote(find<QWidget>(control), note);
}

void Form::showMessage(std::string_view message)
{
    // On the heap: if this window is closed while the box waits, the window deletes it with
    // its other children, and exec() notices and returns.
    auto* box = new QMessageBox(
        QMessageBox::NoIcon, QApplication::applicationName(), toQString(message), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->exec();
}

bool Form::yieldToEvents()
{
    const QPointer<Form> self(this);
    QCoreApplication::processEvents();
    return self && !self->closed_;
}

void Form::onClick(ControlName button, std::function<void()> handler)
{
    connect(
        find<QAbstractButton>(button), &QAbstractButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

// F1 and the chart's key reach the window as keys its controls did not take. Not as window
// shortcuts: registering those for every window made each window the program opens slower.
void Form::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::HelpContents) && !helpPage_.empty())
        showHelp(*this, helpPage_);
    else if (chart_ && event->keyCombination() == LogChart::kOpenKey)
        chart_->open();
    else
        QWidget::keyPressEvent(event);
}

void Form::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    closed_ = event->isAccepted();
    if (closed_)
        closeCompanions(*this);
}

} // namespace ui
