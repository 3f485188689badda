#pragma once

#include "ui/form.h"
#include "ui/layout.h"

namespace settling {

extern const ui::FormLayout Form3;

// A new settling-velocity window with its initial texts, its handler connected.
ui::Form* createForm3();

} // namespace settling
