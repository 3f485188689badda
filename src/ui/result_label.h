// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QString>

namespace ui {

// A label that shows a computed value on one line. A label cannot scroll, so a value wider
// than the label is shown from its start and cut with "…" at its end, rather than centred
// and clipped at both ends, which reads as another number. The whole value is still what
// Copy gives and what the window reads out and puts in the tip.
class ResultLabel : public QLabel {
    Q_OBJECT

public:
    ResultLabel(const QString& value, QWidget* parent);

    void setValue(const QString& value);
    const QString& value() const { return value_; }
    bool isElided() const { return text() != value_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void showFitting();
    void copyValue() const;

    QString value_;
};

} // namespace ui
