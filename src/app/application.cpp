// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"

#include "ui/fonts.h"

#include <QApplication>

namespace app {

void setUpEnvironment()
{
    // Only a default: QT_NO_GLIB set to anything, even empty, is the user's choice.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("化学工学概論"));
    QApplication::setApplicationVersion(QStringLiteral(CHEMENG_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(CHEMENG_APP_ID));
    ui::installFontSubstitutes();
}

} // namespace app
