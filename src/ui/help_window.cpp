// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/help_window.h"

#include "ui/companion_window.h"
#include "ui/qt_conversions.h"

#include <QApplication>

namespace ui {

HelpWindow::HelpWindow(std::string_view page, QWidget* owner)
    : QTextBrowser(owner)
{
    setObjectName(QStringLiteral("Help"));
    setTextInteractionFlags(textInteractionFlags() | Qt::TextSelectableByKeyboard);
    zoomIn(2); // read across a classroom too; Ctrl and the wheel zoom further
    setSource(QUrl(toQString(page)));
    makeCompanion(*this, documentTitle());
    setAccessibleName(documentTitle());
    // A link to another window's page: the title names the page shown.
    connect(this, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(documentTitle());
        setAccessibleName(documentTitle());
    });
    resize(600, 640);
}

void showHelp(QWidget& owner, std::string_view page)
{
    HelpWindow* shown = nullptr;
    for (HelpWindow* help : owner.findChildren<HelpWindow*>(Qt::FindDirectChildrenOnly))
        shown = help;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* other = qobject_cast<HelpWindow*>(window);
        if (other && other != shown)
            other->close();
    }
    showBesideOwner(shown ? *shown : *new HelpWindow(page, &owner));
}

} // namespace ui
