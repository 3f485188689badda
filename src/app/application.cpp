#include "app/application.h"

#include "ui/fonts.h"

#include <QApplication>

namespace app {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("化学工学概論"));
    ui::installFontSubstitutes();
}

} // namespace app
