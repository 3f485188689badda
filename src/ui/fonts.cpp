// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include "ui/qt_conversions.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <utility>
#include <vector>

namespace ui {
namespace {

// Japanese gothic faces, in order of preference: Linux's, then Windows' (Yu Gothic is on every
// Windows 10 and 11, Meiryo comes with the Japanese supplemental fonts). Listed after a Japanese
// font's own family so that kanji never fall back to a Chinese face or to boxes.
const QStringList& japaneseGothics()
{
    static const QStringList families{"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "Yu Gothic", "Meiryo"};
    return families;
}

// Faces a build may carry inside the program (the Windows one does), each loaded only where
// the system has none of the faces it stands in for: few Windows machines have a brush face,
// and a Japanese gothic is missing only from unusual ones, but then every kanji is a box.
void loadBundledFonts()
{
    struct BundledFace {
        QString resource;
        QStringList standsInFor;
    };
    const BundledFace faces[] = {
        {":/fonts/AoyagiKouzanT.ttf", {"HGP行書体", "HGPGyoshotai"}},
        {":/fonts/ipagp.ttf",
            QStringList{"ＭＳ Ｐゴシック", "MS PGothic", "ＭＳ ゴシック", "MS Gothic"} + japaneseGothics()},
    };
    for (const BundledFace& face : faces) {
        if (!QFile::exists(face.resource))
            continue;
        const bool installed = std::any_of(face.standsInFor.begin(), face.standsInFor.end(),
            [](const QString& family) { return QFontDatabase::hasFamily(family); });
        if (!installed)
            QFontDatabase::addApplicationFont(face.resource);
    }
}

// The font's own families, then those of the list it does not name yet.
QFont followedBy(QFont font, const QStringList& fallbacks)
{
    QStringList families = font.families().isEmpty() ? QStringList{font.family()} : font.families();
    for (const QString& family : fallbacks) {
        if (!families.contains(family, Qt::CaseInsensitive))
            families << family;
    }
    font.setFamilies(families);
    return font;
}

// Qt's own widgets, message boxes, tips and menus among them, take the fonts the system names
// for them. Where such a font has no Japanese glyphs, Qt falls back to any face that has, and
// on a Windows without a Japanese gothic that was the course title's brush face: each gets the
// gothics to fall back to instead.
void giveQtWidgetsJapaneseFallbacks()
{
    // The classes Qt keeps fonts for, from its platform themes.
    static const char* const kClasses[] = {"QMessageBox", "QTipLabel", "QMenu", "QMenuBar", "QMenuItem", "QLabel",
        "QPushButton", "QCheckBox", "QRadioButton", "QToolButton", "QStatusBar", "QAbstractItemView", "QListView",
        "QHeaderView", "QComboMenuItem", "QComboLineEdit", "QSmallFont", "QMiniFont"};
    const QFont application = QApplication::font();
    std::vector<std::pair<const char*, QFont>> ownFonts;
    for (const char* name : kClasses) {
        if (QApplication::font(name) != application)
            ownFonts.emplace_back(name, QApplication::font(name));
    }
    QApplication::setFont(followedBy(application, japaneseGothics())); // forgets the classes' fonts
    for (const auto& [name, font] : ownFonts)
        QApplication::setFont(followedBy(font, japaneseGothics()), name);
}

} // namespace

void installFontSubstitutes()
{
    loadBundledFonts();
    giveQtWidgetsJapaneseFallbacks();
    // Fonts with the Japanese charset fall back to the Japanese gothics anyway (toQFont),
    // so each list names only what stands in for that face in particular.
    QFont::insertSubstitutions("ＭＳ Ｐゴシック", {"MS PGothic", "IPAPGothic", "Noto Sans CJK JP"});
    QFont::insertSubstitutions("ＭＳ ゴシック", {"MS Gothic", "IPAGothic", "Noto Sans Mono CJK JP"});
    // A brush face for the course title.
    QFont::insertSubstitutions("HGP行書体", {"HGPGyoshotai", "AoyagiKouzanFontT"});
    // Metric-compatible, so the Latin symbols keep their widths.
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
}

QFont toQFont(const Font& font)
{
    QFont result = QApplication::font();
    QStringList candidates;
    if (font.family.empty()) {
        candidates << result.family();
    } else {
        // Spelled out rather than left to Qt: a family list would otherwise skip the
        // substitutes of a missing first family and go straight to the next entry.
        const QString family = toQString(font.family);
        candidates << family << QFont::substitutes(family);
    }
    if (font.charset == Charset::Japanese)
        candidates << japaneseGothics();
    result.setFamilies({candidates.takeFirst()});
    result = followedBy(result, candidates);
    if (font.points > 0)
        result.setPointSizeF(font.points);
    result.setItalic(font.italic);
    return result;
}

} // namespace ui
