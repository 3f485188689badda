// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/contrast.h"

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// Relative luminance of an sRGB colour, as WCAG 2 defines it.
double luminance(const QColor& color)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = luminance(first), b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QPalette readableOn(QPalette palette, QPalette::ColorRole backgroundRole, const QColor& background)
{
    // A deep blue selection on a light ground, a pale blue one on a dark ground: both far
    // from the text colour and from the background.
    // Black or white text, whichever stands out more.
    const bool light = contrastRatio(background, Qt::black) >= contrastRatio(background, Qt::white);
    const QColor text = light ? Qt::black : Qt::white;
    const QColor selection = light ? QColor(0x1c, 0x4e, 0x9c) : QColor(0x99, 0xc1, 0xf1);
    palette.setColor(backgroundRole, background);
    palette.setColor(backgroundRole == QPalette::Base ? QPalette::Text : QPalette::WindowText, text);
    palette.setColor(QPalette::Highlight, selection);
    palette.setColor(QPalette::HighlightedText, light ? Qt::white : Qt::black);
    return palette;
}

} // namespace ui
