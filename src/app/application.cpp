// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"

#include "ui/fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace app {
namespace {

// Qt's own texts (a field's context menu, the buttons of its boxes) in the program's language,
// whatever the desktop's: a build may carry the translation, else it is the system's.
void installQtTranslation()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString name = QStringLiteral("qtbase_ja");
    if (translator->load(name, QStringLiteral(":/i18n"))
        || translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

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
    installQtTranslation();
    ui::installFontSubstitutes();
}

} // namespace app
