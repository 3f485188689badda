// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companion_window.h"

#include "ui/placement.h"

#include <QKeyEvent>
#include <QScreen>

namespace ui {
namespace {

constexpr char kCompanion[] = "companion";

// Esc closes the window, as it closes a dialog. A key filter: as a window shortcut, Esc did
// not reach a help window's text browser.
class EscapeCloses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        static_cast<QWidget*>(watched)->close();
        return true;
    }
};

} // namespace

void makeCompanion(QWidget& window, const QString& title)
{
    window.setWindowFlags(Qt::Window);
    window.setProperty(kCompanion, true);
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setWindowTitle(title);
    window.installEventFilter(new EscapeCloses(&window));
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
