#pragma once

#include "ui/form.h"
#include "ui/layout.h"

namespace sphere {

extern const ui::FormLayout Form4;

// A new sphere-division window with its initial texts, its handlers connected.
ui::Form* createForm4();

} // namespace sphere
