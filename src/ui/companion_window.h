// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace ui {

// Makes a widget made with owner as parent a window of its own that belongs to owner: it goes
// when owner goes, Esc closes it, and closing deletes it.
void makeCompanion(QWidget& window, const QString& title);

// Closes the owner's companions now, rather than when the owner is deleted.
void closeCompanions(QWidget& owner);

// Shows the companion beside its owner where the screen has room, and brings it forward.
void showBesideOwner(QWidget& window);

} // namespace ui
