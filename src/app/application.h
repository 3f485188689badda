// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace app {

// What must be settled before the QApplication exists: the event dispatcher. A Feret run
// yields to the window system once per trial, and Qt's own dispatcher does less work for
// each yield than glib's, which the program needs nothing from.
void setUpEnvironment();

// What the program sets up once its QApplication exists: its name, shown as the title of
// message boxes, the desktop entry its windows belong to, Qt's texts in Japanese, and the
// fonts its windows ask for.
void setUpApplication();

} // namespace app
