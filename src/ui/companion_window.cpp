// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companion_window.h"

#include "ui/placement.h"

#include <QAction>
#include <QScreen>

namespace ui {
namespace {

constexpr char kCompanion[] = "companion";

} // namespace

void makeCompanion(QWidget& window, const QString& title)
{
    window.setWindowFlags(Qt::Window);
    window.setProperty(kCompanion, true);
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setWindowTitle(title);
    auto* close = new QAction(&window);
    close->setShortcut(Qt::Key_Escape);
    close->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(close, &QAction::triggered, &window, &QWidget::close);
    window.addAction(close);
}

void closeCompanions(QWidget& owner)
{
    for (QWidget* child : owner.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->property(kCompanion).toBool())
            child->close();
    }
}

void showBesideOwner(QWidget& window)
{
    if (!window.isVisible()) {
        const QWidget& owner = *window.parentWidget()->window();
        const QRect available = owner.screen()->availableGeometry();
        // The frame is not drawn yet: take the owner's for it.
        const QSize frameMargins = owner.frameGeometry().size() - owner.size();
        window.resize(window.size().boundedTo(available.size() - frameMargins));
        const QRect frame = placeBeside(owner.frameGeometry(), window.size() + frameMargins, available);
        window.move(frame.topLeft());
        window.show();
    }
    window.raise();
    window.activateWindow();
}

} // namespace ui
