#pragma once

#include "app/navigator.h"
#include "ui/form.h"
#include "ui/layout.h"

namespace app {

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
