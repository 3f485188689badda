#include "app/application.h"
#include "app/menu_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    app::setUpEnvironment();
    QApplication application(argc, argv);
    app::setUpApplication();

    auto* menu = new app::Menu; // deletes itself when closed
    menu->show();
    return QApplication::exec();
}
