// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form.h"

#include "ui/contrast.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/qt_conversions.h"
#include "ui/result_label.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>

#include <algorithm>
#include <array>
#include <vector>

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

// A described label shows a result; the other labels are captions.
QWidget* createControl(const Control& c, bool described, QWidget* parent)
{
    const QString caption = toQString(c.caption);
    QWidget* widget = nullptr;
    switch (c.kind) {
    case Kind::Label: {
        auto* label = described ? new ResultLabel(caption, parent) : new QLabel(caption, parent);
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
    case Kind::RichTextBox: {
        auto* log = new QPlainTextEdit(parent);
        // Results can be selected and copied, with the mouse or the keyboard, not edited.
        log->setReadOnly(true);
        log->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        log->setPlainText(caption);
        widget = log;
        break;
    }
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

// A label whose caption is wider than its box with the installed fonts grows into a strip
// beside it that stays inside the window and covers no other control: away from the side
// its text is aligned to if it can, else towards it.
void widenToFit(QLabel* label, const std::vector<QWidget*>& all, QSize client)
{
    const QRect box = label->geometry();
    const int missing = label->sizeHint().width() - box.width();
    if (missing <= 0)
        return;
    const QRect right(box.right() + 1, box.top(), missing, box.height());
    const QRect left(box.left() - missing, box.top(), missing, box.height());
    const bool rightAligned = label->alignment() & Qt::AlignRight;
    for (const QRect& strip : rightAligned ? std::array{left, right} : std::array{right, left}) {
        const bool free = QRect(QPoint(0, 0), client).contains(strip)
            && std::none_of(all.begin(), all.end(),
                [&](const QWidget* other) { return other != label && other->geometry().intersects(strip); });
        if (free) {
            label->setGeometry(box.united(strip));
            return;
        }
    }
}

} // namespace

Form::Form(const FormLayout& layout)
{
    setObjectName(toQString(layout.name));
    setWindowTitle(toQString(layout.caption));
    setAttribute(Qt::WA_DeleteOnClose);
    // A title bar with a close box, no minimize or maximize button, and on Windows a thin
    // frame that offers no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    setAutoFillBackground(true);
    setColor(this, QPalette::Window, Qt::black);

    const QRect client = toQRect(layout.client);
    setGeometry(client);
    setFixedSize(client.size());

    std::vector<QWidget*> created;
    for (const Control& c : layout.controls) {
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
        if (auto* log = qobject_cast<QPlainTextEdit*>(widget))
            logs_[log] = log->toPlainText().replace('\n', QStringLiteral("\r\n")).toStdString();
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            connect(edit, &QLineEdit::textChanged, this, &Form::refreshLiveTips);
            connect(edit, &QLineEdit::textEdited, this, [this, edit] { dropNote(edit); });
        }
    }
    for (const Description& description : layout.descriptions)
        describe(description);
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

template <class Widget> Widget* Form::find(ControlName name) const
{
    const auto it = controls_.find(name.objectName());
    auto* widget = it == controls_.end() ? nullptr : qobject_cast<Widget*>(it->second);
    if (!widget)
        qFatal("%s has no control %s of that kind", qPrintable(objectName()), name.objectName().c_str());
    return widget;
}

QWidget* Form::control(ControlName name) const { return find<QWidget>(name); }

std::string Form::text(ControlName textBox) const { return find<QLineEdit>(textBox)->text().toStdString(); }

void Form::setText(ControlName textBox, std::string_view text)
{
    auto* edit = find<QLineEdit>(textBox);
    edit->setText(toQString(text));
    // A long number reads from its first digits ("0.5233…"), not from its tail.
    edit->setCursorPosition(0);
    dropNote(edit);
}

void Form::setCaption(ControlName label, std::string_view caption)
{
    auto* widget = find<QLabel>(label);
    if (auto* result = qobject_cast<ResultLabel*>(widget))
        result->setValue(toQString(caption));
    else
        widget->setText(toQString(caption));
    dropNote(widget);
}

std::string Form::logText(ControlName log) const { return logs_.at(find<QPlainTextEdit>(log)); }

void Form::setLogText(ControlName log, std::string_view text)
{
    auto* edit = find<QPlainTextEdit>(log);
    std::string& shown = logs_.at(edit);
    // The document keeps paragraphs; handlers see Windows line ends.
    const auto toDocument
        = [](std::string_view part) { return toQString(part).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); };
    const std::string_view added = text.starts_with(shown) ? text.substr(shown.size()) : std::string_view();
    // Split only where the two parts read the same apart as together: not inside a "\r\n"
    // or a UTF-8 sequence.
    const bool extends = !shown.empty() && !added.empty() && !shown.ends_with('\r') && (added.front() & 0xC0) != 0x80;
    if (extends) {
        QTextCursor end(edit->document());
        end.movePosition(QTextCursor::End);
        end.insertText(toDocument(added));
    } else {
        edit->setPlainText(toDocument(text));
    }
    shown = text;
    edit->moveCursor(QTextCursor::End);
    edit->ensureCursorVisible();
    dropNote(edit);
}

void Form::setNote(ControlName control, std::string_view note)
{
    QWidget* widget = find<QWidget>(control);
    const auto tip = tips_.find(widget);
    if (tip == tips_.end())
        qFatal("%s has no description for a note", control.objectName().c_str());
    tip->second.note = note;
    refreshTip(widget);
}

void Form::describe(const Description& description)
{
    QWidget* widget = find<QWidget>(description.name);
    widget->setAccessibleName(toQString(description.accessibleName));
    tips_[widget] = Tip{&description, {}};
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        label->setFocusPolicy(Qt::StrongFocus);
    }
    if (!description.enterClicks.empty()) {
        connect(find<QLineEdit>(description.name), &QLineEdit::returnPressed,
            find<QAbstractButton>({description.enterClicks, -1}), &QAbstractButton::click);
    }
    refreshTip(widget);
}

void Form::refreshTip(QWidget* widget)
{
    const Tip& tip = tips_.at(widget);
    QStringList lines{toQString(tip.description->toolTip)};
    const auto* result = qobject_cast<const ResultLabel*>(widget);
    if (result && result->isElided())
        lines << result->value();
    if (tip.description->liveNote)
        lines << toQString(tip.description->liveNote(*this));
    lines << toQString(tip.note);
    lines.removeAll(QString());
    widget->setToolTip(lines.join('\n'));
    // A result is read out as its name and its whole value.
    if (result) {
        const QString name = toQString(tip.description->accessibleName);
        widget->setAccessibleName(result->value().isEmpty() ? name : name + QStringLiteral(": ") + result->value());
    }
}

void Form::refreshLiveTips()
{
    for (auto& [widget, tip] : tips_) {
        if (tip.description->liveNote)
            refreshTip(widget);
    }
}

void Form::dropNote(QWidget* widget)
{
    const auto tip = tips_.find(widget);
    if (tip == tips_.end())
        return;
    tip->second.note.clear();
    refreshTip(widget);
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

Form* createForm(const FormLayout& layout, std::span<const ClickHandler> handlers)
{
    auto* form = new Form(layout);
    for (const ClickHandler& handler : handlers) {
        if (handler.mostRuns == 0) {
            form->onClick(handler.button, [form, run = handler.run] { run(*form); });
            continue;
        }
        const QPointer button = qobject_cast<QAbstractButton*>(form->control(handler.button));
        form->onClick(handler.button, [form, button, handler, running = 0]() mutable {
            button->setEnabled(++running < handler.mostRuns);
            handler.run(*form);
            if (button) // else the window was closed during the run
                button->setEnabled(--running < handler.mostRuns);
        });
    }
    return form;
}

void Form::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    closed_ = event->isAccepted();
}

} // namespace ui
