// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/label_widening.h"

#include <algorithm>
#include <array>

namespace ui {

void widenToFit(QLabel* label, const std::vector<QWidget*>& all, QSize client)
{
    const QRect box = label->geometry();
    const int missing = label->sizeHint().width() - box.width();
    if (missing <= 0)
        return;
    const QRect right(box.right() + 1, box.top(), missing, box.height());
    const QRect left(box.left() - missing, box.top(), missing, box.height());
    const bool rightAligned = label->alignment() & Qt::AlignRight;
    for (const QRect& strip : rightAligned ? std::array{left, right} : std::array{right, left}) {
        const bool free = QRect(QPoint(0, 0), client).contains(strip)
            && std::none_of(all.begin(), all.end(),
                [&](const QWidget* other) { return other != label && other->geometry().intersects(strip); });
        if (free) {
            label->setGeometry(box.united(strip));
            return;
        }
    }
}

} // namespace ui
