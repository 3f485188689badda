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
    makeCompanion(*this, {});
    // The title names the page shown, also once a link has led to another window's page.
    connect(this, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(documentTitle());
        setAccessibleName(documentTitle());
    });
    setSource(QUrl(toQString(page)));
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
