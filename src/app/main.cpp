#include "app/menu_window.h"
#include "ui/fonts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("化学工学概論"));
    ui::installFontSubstitutes();

    auto* menu = new app::Menu; // deletes itself when closed
    menu->show();
    return QApplication::exec();
}
