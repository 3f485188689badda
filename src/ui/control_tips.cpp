// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/control_tips.h"

#include "ui/qt_conversions.h"
#include "ui/result_label.h"

#include <QStringList>

namespace ui {

void ControlTips::describe(QWidget* widget, const Description& description)
{
    widget->setAccessibleName(toQString(description.accessibleName));
    tips_[widget] = Tip{&description, {}};
    refresh(widget);
}

const Description* ControlTips::descriptionOf(const QWidget* widget) const
{
    const auto tip = tips_.find(widget);
    return tip == tips_.end() ? nullptr : tip->second.description;
}

void ControlTips::setNote(QWidget* widget, std::string_view note)
{
    tips_.at(widget).note = note;
    refresh(widget);
}

void ControlTips::dropNote(QWidget* widget)
{
    const auto tip = tips_.find(widget);
    if (tip == tips_.end())
        return;
    tip->second.note.clear();
    refresh(widget);
}

void ControlTips::refreshLiveLines()
{
    for (auto& [widget, tip] : tips_) {
        if (tip.description->liveNote)
            refresh(widget);
    }
}

void ControlTips::refresh(QWidget* widget)
{
    const Tip& tip = tips_.at(widget);
    QStringList lines{toQString(tip.description->toolTip)};
    const auto* result = qobject_cast<const ResultLabel*>(widget);
    if (result && result->isElided())
        lines << result->value();
    if (tip.description->liveNote)
        lines << toQString(tip.description->liveNote(form_));
    lines << toQString(tip.note);
    lines.removeAll(QString());
    widget->setToolTip(lines.join('\n'));
    // A result is read out as its name and its whole value.
    if (result) {
        const QString name = toQString(tip.description->accessibleName);
        widget->setAccessibleName(result->value().isEmpty() ? name : name + QStringLiteral(": ") + result->value());
    }
}

} // namespace ui
