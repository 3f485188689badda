#pragma once

#include "ui/form.h"
#include "ui/layout.h"

namespace feret {

extern const ui::FormLayout Form1;

// A new Feret-diameter window with its initial texts, its handlers connected.
ui::Form* createForm1();

} // namespace feret
