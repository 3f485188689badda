// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/navigator.h"
#include "ui/form.h"
#include "ui/layout.h"

namespace app {

// The menu's button that ends the program, besides its options (calculators.h). The string is
// its object name in the window's table.
inline constexpr ui::ControlName kEnd{"Command3"}; // 終了

extern const ui::FormLayout kMenuWindow;

// The menu window, with the navigator its options drive.
class Menu : public ui::Form {
    Q_OBJECT

public:
    Menu();

    Navigator& navigator() { return navigator_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Navigator navigator_;
};

} // namespace app
