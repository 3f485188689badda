// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPlainTextEdit>
#include <QString>

namespace ui {

// A log of results, one line each: they can be selected and copied, with the mouse or the
// keyboard, but not edited.
class ResultLog : public QPlainTextEdit {
    Q_OBJECT

public:
    ResultLog(const QString& text, QWidget* parent);

    // Adds the line at the end and scrolls it into view. Only the new line is laid out, so
    // a long log costs no more than a short one.
    void appendLine(const QString& line);
    // Every line ended by "\r\n", as handlers and the clipboard of Windows write lines.
    QString lines() const;

    // Offers the action in the context menu, after copying and selecting.
    void addContextAction(QAction* action);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QList<QAction*> contextActions_;
};

} // namespace ui
