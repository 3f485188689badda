// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/layout.h"

#include <QRect>
#include <QString>

#include <string_view>

// From the layout tables' plain types to Qt's.
namespace ui {

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QRect toQRect(const Twips& t)
{
    return QRect(toPixels(t.left), toPixels(t.top), toPixels(t.width), toPixels(t.height));
}

} // namespace ui
