// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/navigator.h"
#include "ui/form.h"
#include "ui/layout.h"

namespace app {

// The menu's controls the handlers and the tests reach, named by what they do. The strings
// are the object names of the window's table.
inline constexpr ui::ControlName kSettlingVelocityOption{"Option1"};
inline constexpr ui::ControlName kFeretDiameterOption{"Option2"};
inline constexpr ui::ControlName kSphereDivisionOption{"Option3"};
inline constexpr ui::ControlName kEnd{"Command3"}; // 終了

extern const ui::FormLayout Form2;

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
