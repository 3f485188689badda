#pragma once

namespace app {

// What the program sets up once its QApplication exists: its name, shown as the title of
// message boxes, and the fonts its windows ask for.
void setUpApplication();

} // namespace app
