// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <optional>

// The Qt widgets that stand for the layout tables' kinds of control, where Qt's own behave
// otherwise than students expect.
namespace ui {

// A text box. Without focus it shows its first characters: a long number scrolled to its
// tail ("333333" of "0.5233333") reads as another number. Back from another window, editing
// goes on where it was.
class FieldEdit : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Caret {
        QString text; // what it applies to
        int position, selectionStart, selectionLength;
    };
    std::optional<Caret> whileAway_;
};

// A command button that Return and keypad Enter press when it has focus, as on Windows.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// An option button whose whole face is the control, not only its circle and caption.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// Shrinks a button's font, keeping its family, to the largest size at which its caption fits
// the button's fixed rectangle; a caption that fits keeps the size it has.
void shrinkToFit(QAbstractButton* button);

} // namespace ui
