// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/controls.h"

#include <QFocusEvent>
#include <QFontInfo>
#include <QKeyEvent>

#include <utility>

namespace ui {

void FieldEdit::focusOutEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason)
        whileAway_ = Caret{text(), cursorPosition(), selectionStart(), int(selectedText().size())};
    QLineEdit::focusOutEvent(event);
    // A context menu takes focus too; its Copy and Cut act on the selection.
    if (reason != Qt::PopupFocusReason)
        setCursorPosition(0);
}

void FieldEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    const std::optional<Caret> caret = std::exchange(whileAway_, std::nullopt);
    if (event->reason() != Qt::ActiveWindowFocusReason || !caret || caret->text != text())
        return;
    if (caret->selectionLength > 0)
        setSelection(caret->selectionStart, caret->selectionLength);
    else
        setCursorPosition(caret->position);
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // One press, one click: a held key would start a run for every repeat.
    if (!event->isAutoRepeat())
        click();
    event->accept();
}

namespace {

// Whether the caption is whole: a push button needs its text and a frame's margin, an
// option its circle and spacing too, as its size hint counts them.
bool captionFits(const QAbstractButton* button)
{
    const QFontMetrics metrics = button->fontMetrics();
    const int width = qobject_cast<const QRadioButton*>(button) ? button->sizeHint().width()
                                                                : metrics.horizontalAdvance(button->text()) + 8;
    return width <= button->width() && metrics.height() <= button->height();
}

} // namespace

void shrinkToFit(QAbstractButton* button)
{
    // Half-point steps, down to a size still legible on a projector.
    constexpr qreal kStep = 0.5, kSmallest = 6;
    QFont font = button->font();
    // A font set in pixels has no point size of its own: start from the one it is drawn at.
    qreal points = QFontInfo(font).pointSizeF();
    while (!captionFits(button) && points - kStep >= kSmallest) {
        points -= kStep;
        font.setPointSizeF(points);
        button->setFont(font);
    }
}

} // namespace ui
