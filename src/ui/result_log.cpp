// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/result_log.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTextCursor>

#include <memory>

namespace ui {

ResultLog::ResultLog(const QString& text, QWidget* parent)
    : QPlainTextEdit(text, parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void ResultLog::appendLine(const QString& line)
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(line + '\n');
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
}

QString ResultLog::lines() const { return toPlainText().replace('\n', QStringLiteral("\r\n")); }

void ResultLog::addContextAction(QAction* action) { contextActions_.append(action); }

void ResultLog::contextMenuEvent(QContextMenuEvent* event)
{
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    if (!contextActions_.isEmpty()) {
        menu->addSeparator();
        menu->addActions(contextActions_);
    }
    menu->exec(event->globalPos());
}

} // namespace ui
