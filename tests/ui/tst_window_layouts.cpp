// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"
#include "app/calculators.h"
#include "app/menu_window.h"
#include "scenes.h"
#include "ui/contrast.h"
#include "ui/qt_conversions.h"
#include "user_actions.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRawFont>
#include <QStyle>
#include <QTest>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

Q_DECLARE_METATYPE(const ui::FormLayout*)

using WindowFactory = std::function<ui::Form*()>;
Q_DECLARE_METATYPE(WindowFactory)

namespace {

QString nameOf(const ui::Control& c) { return QString::fromStdString(c.name.objectName()); }
QString nameOf(const ui::FormLayout& window) { return ui::toQString(window.name); }

// The menu and every calculator: a window's table, and how a new window of it is made.
std::vector<std::pair<const ui::FormLayout*, WindowFactory>> everyWindow()
{
    std::vector<std::pair<const ui::FormLayout*, WindowFactory>> windows{
        {&app::kMenuWindow, [] { return new app::Menu; }}};
    for (const app::Calculator& calculator : app::kCalculators)
        windows.emplace_back(calculator.window, calculator.create);
    return windows;
}

// Some family of the font, installed here, draws the character: it will not show as a box.
bool hasGlyph(const QFont& font, char32_t ch)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : font.families()) {
        if (installed.contains(family, Qt::CaseInsensitive) && QFontMetrics(QFont(family)).inFontUcs4(ch))
            return true;
    }
    return false;
}

// The width a control needs to show its whole caption with the fonts installed here.
int neededWidth(const QWidget* widget, const QString& caption)
{
    if (qobject_cast<const QLabel*>(widget) || qobject_cast<const QRadioButton*>(widget))
        return widget->sizeHint().width();
    return widget->fontMetrics().horizontalAdvance(caption) + 8; // a push button's frame and margin
}

// A label draws its caption from its top edge, and only its ink must fit ("d" has no
// descender); a button centres a full line.
int neededHeight(const QWidget* widget, const QString& caption)
{
    const QFontMetrics metrics = widget->fontMetrics();
    if (qobject_cast<const QLabel*>(widget))
        return metrics.ascent() + metrics.tightBoundingRect(caption).bottom() + 1;
    return metrics.height();
}

// Puts back the application's palette and font.
struct AppearanceGuard {
    QPalette palette = QApplication::palette();
    QFont font = QApplication::font();
    ~AppearanceGuard()
    {
        QApplication::setPalette(palette);
        QApplication::setFont(font);
    }
};

} // namespace

class TestWindowLayouts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::setUpApplication(); }

    void windowMatchesItsTable_data();
    void windowMatchesItsTable();
    void controlsSitWhereTheTableSays_data() { windowMatchesItsTable_data(); }
    void controlsSitWhereTheTableSays();
    void screenshotsShowWindowsAsTheirTables();
    void everyCaptionFitsAndRenders_data();
    void everyCaptionFitsAndRenders();
    void controlsLookAsTheTableSays_data() { windowMatchesItsTable_data(); }
    void controlsLookAsTheTableSays();
    void fixedColoursStayReadable_data();
    void fixedColoursStayReadable();
    void qtWidgetsDrawKanjiInAGothic();
    void lookAlikeCharactersAreTheRightOnes_data();
    void lookAlikeCharactersAreTheRightOnes();
    void tabOrderFollowsTheTable_data() { windowMatchesItsTable_data(); }
    void tabOrderFollowsTheTable();
    void everyControlHasASpokenName_data() { windowMatchesItsTable_data(); }
    void everyControlHasASpokenName();
    void narrowLabelGrowsOnlyIntoFreeSpace_data();
    void narrowLabelGrowsOnlyIntoFreeSpace();
};

void TestWindowLayouts::windowMatchesItsTable_data()
{
    QTest::addColumn<const ui::FormLayout*>("layout");
    QTest::addColumn<WindowFactory>("create");
    for (const auto& [layout, create] : everyWindow())
        QTest::addRow("%s", qPrintable(nameOf(*layout))) << layout << create;
}

void TestWindowLayouts::windowMatchesItsTable()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(WindowFactory, create);
    const automation::Owned form(create());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));

    QCOMPARE(form->windowTitle(), ui::toQString(layout->caption));
    QCOMPARE(form->geometry(), ui::toQRect(layout->client));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(form->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(form->palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(form->autoFillBackground());
    // On a scaled screen the window is drawn in proportion, scale times as many pixels.
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    QCOMPARE(form->devicePixelRatioF(), scale);
    QCOMPARE(form->grab().size(), (QSizeF(form->size()) * scale).toSize());
}

// Every control at its rectangle; a label may only have grown sideways, onto a strip inside
// the window that no other control covers.
static void verifyControlsSitWhereTheTableSays(const ui::Form* form, const ui::FormLayout* layout)
{
    for (const ui::Control& c : layout->controls) {
        const QRect table = ui::toQRect(c.rect);
        const QWidget* widget = form->control(c.name);
        QCOMPARE(widget->objectName(), nameOf(c));
        const QRect actual = widget->geometry();
        if (actual == table)
            continue;
        QVERIFY2(c.kind == ui::Kind::Label, qPrintable(nameOf(c) + " moved"));
        QCOMPARE(actual.top(), table.top());
        QCOMPARE(actual.height(), table.height());
        QVERIFY2(actual.contains(table) && (actual.left() == table.left() || actual.right() == table.right()),
            qPrintable(nameOf(c) + " did not grow on one side only"));
        const QRect strip = actual.left() == table.left()
            ? QRect(table.right() + 1, table.top(), actual.width() - table.width(), table.height())
            : QRect(actual.left(), table.top(), actual.width() - table.width(), table.height());
        QVERIFY(form->rect().contains(strip));
        for (const ui::Control& other : layout->controls) {
            if (other.name.objectName() != c.name.objectName())
                QVERIFY2(
                    !ui::toQRect(other.rect).intersects(strip), qPrintable(nameOf(c) + " covers " + nameOf(other)));
        }
    }
}

void TestWindowLayouts::controlsSitWhereTheTableSays()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(WindowFactory, create);
    const automation::Owned form(create());
    verifyControlsSitWhereTheTableSays(form.get(), layout);
}

// The README's pictures show each window at its table's size, every control in its place.
void TestWindowLayouts::screenshotsShowWindowsAsTheirTables()
{
    std::map<QString, const ui::FormLayout*> layouts;
    for (const auto& [layout, create] : everyWindow())
        layouts[nameOf(*layout)] = layout;
    QStringList drawn;
    automation::renderEach([&](const automation::Shot& shot) {
        QRect area;
        for (const ui::Form* window : shot.windows) {
            const ui::FormLayout* layout = layouts.at(window->objectName());
            QCOMPARE(window->geometry(), ui::toQRect(layout->client));
            verifyControlsSitWhereTheTableSays(window, layout);
            if (QTest::currentTestFailed())
                return;
            area |= window->geometry();
            drawn << window->objectName();
        }
        for (const QWidget* companion : shot.companions)
            area |= companion->geometry();
        QCOMPARE(shot.image.deviceIndependentSize().toSize() - area.size(), QSize(24, 24)); // the margin
    });
    const QString menu = nameOf(app::kMenuWindow);
    QCOMPARE(drawn,
        QStringList({menu, nameOf(feret::kWindow), menu, nameOf(settling::kWindow), menu, nameOf(sphere::kWindow),
            nameOf(feret::kWindow)}));
}

void TestWindowLayouts::everyCaptionFitsAndRenders_data()
{
    QTest::addColumn<const ui::FormLayout*>("layout");
    QTest::addColumn<WindowFactory>("create");
    QTest::addColumn<int>("systemPoints"); // 0: the system's font as it is
    // A desktop's interface font may be larger and wider than Qt's own: GNOME's is 11 pt.
    for (const int pt : {0, 11, 12}) {
        for (const auto& [layout, create] : everyWindow())
            QTest::addRow("%s, %d pt", qPrintable(nameOf(*layout)), pt) << layout << create << pt;
    }
}

void TestWindowLayouts::everyCaptionFitsAndRenders()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(WindowFactory, create);
    QFETCH(int, systemPoints);
    const AppearanceGuard guard;
    if (systemPoints > 0)
        QApplication::setFont(QFont("DejaVu Sans", systemPoints));
    const automation::Owned form(create());

    for (const ui::Control& c : layout->controls) {
        const QWidget* widget = form->control(c.name);
        const QString caption = ui::toQString(c.caption);
        for (char32_t ch : caption.toUcs4())
            QVERIFY2(
                hasGlyph(widget->font(), ch), qPrintable(nameOf(c) + ": no glyph for " + QString::fromUcs4(&ch, 1)));
        if (c.kind == ui::Kind::TextBox || c.kind == ui::Kind::RichTextBox)
            continue; // what a student types may scroll
        QVERIFY2(neededWidth(widget, caption) <= widget->width(),
            qPrintable(QString("%1 needs %2 px, has %3")
                           .arg(nameOf(c))
                           .arg(neededWidth(widget, caption))
                           .arg(widget->width())));
        QVERIFY2(neededHeight(widget, caption) <= widget->height(),
            qPrintable(QString("%1 needs %2 px high, has %3")
                           .arg(nameOf(c))
                           .arg(neededHeight(widget, caption))
                           .arg(widget->height())));
    }
}

void TestWindowLayouts::controlsLookAsTheTableSays()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(WindowFactory, create);
    const automation::Owned form(create());

    for (const ui::Control& c : layout->controls) {
        const QWidget* widget = form->control(c.name);
        if (!c.font.family.empty())
            QCOMPARE(widget->font().families().value(0), ui::toQString(c.font.family));
        if (c.font.points > 0)
            QCOMPARE(widget->font().pointSizeF(), c.font.points);
        QCOMPARE(widget->font().italic(), c.font.italic);
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            const ui::Rgb rgb = c.foreground.value_or(ui::kWhite);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(rgb.red, rgb.green, rgb.blue));
            const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, horizontal[int(c.align)]);
        }
    }
}

void TestWindowLayouts::fixedColoursStayReadable_data()
{
    QTest::addColumn<QPalette>("system");
    QTest::addRow("light theme") << QApplication::style()->standardPalette();
    QTest::addRow("dark theme") << QPalette(QColor(0xeeeeec), QColor(0x2d2d2d)); // Adwaita's
    QTest::addRow("high-contrast theme") << QPalette(Qt::white, Qt::black);
}

// The log's grey is fixed by its table: its text stays readable on it (WCAG AA, 4.5:1), and
// its selection (3:1, as any mark that is not text), whatever the system's palette.
void TestWindowLayouts::fixedColoursStayReadable()
{
    QFETCH(QPalette, system);
    const AppearanceGuard guard;
    QApplication::setPalette(system);
    QCOMPARE(std::round(ui::contrastRatio(QColor(0x777777), Qt::white) * 100), 448.0); // WCAG's own example
    const automation::Owned form(feret::createWindow());
    const QPalette log = form->control(feret::kResults)->palette();
    QCOMPARE(log.color(QPalette::Base), QColor(224, 224, 224));
    QCOMPARE_GE(ui::contrastRatio(log.color(QPalette::Text), log.color(QPalette::Base)), 4.5);
    QCOMPARE_GE(ui::contrastRatio(log.color(QPalette::HighlightedText), log.color(QPalette::Highlight)), 4.5);
    QCOMPARE_GE(ui::contrastRatio(log.color(QPalette::Highlight), log.color(QPalette::Base)), 3.0);
}

// Qt's own widgets (message box, tip, context menu) take the system's fonts, which may have no
// Japanese glyphs: their kanji come from a gothic, never from the course title's brush face.
void TestWindowLayouts::qtWidgetsDrawKanjiInAGothic()
{
    const QMessageBox box(QMessageBox::NoIcon, "化学工学概論", "値が入力されていません。");
    for (const QFont& font : {box.findChild<QLabel*>("qt_msgbox_label")->font(), QToolTip::font(), QMenu().font()}) {
        QTextLayout layout("値が入力されていません。コピー(&C)", font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns()) {
            const QString family = run.rawFont().familyName();
            QVERIFY2(!family.contains("Aoyagi", Qt::CaseInsensitive) && !family.contains("青柳"), qPrintable(family));
            QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(family + " lacks a glyph"));
        }
    }
}

// Characters that have look-alikes, spelled here by code point: the right one is in a
// caption of the window, the look-alike in none.
void TestWindowLayouts::lookAlikeCharactersAreTheRightOnes_data()
{
    QTest::addColumn<const ui::FormLayout*>("layout");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("lookAlike");
    // clang-format off
    QTest::addRow("particle, not powder") << &settling::kWindow << QString::fromUtf8(u8"\u7D1B体直径") << QString::fromUtf8(u8"\u7C89");
    QTest::addRow("Greek mu, not micro sign") << &settling::kWindow << QString::fromUtf8(u8"\u03BCm") << QString::fromUtf8(u8"\u00B5");
    QTest::addRow("half-width middle dot") << &settling::kWindow << QString::fromUtf8(u8"g/cm\uFF65s") << QString::fromUtf8(u8"\u30FB");
    QTest::addRow("downwards arrow") << &sphere::kWindow << QString::fromUtf8(u8"\u2193") << QString::fromUtf8(u8"\uFFEC");
    QTest::addRow("ASCII one") << &sphere::kWindow << QString::fromUtf8(u8"1個当たりの表面積") << QString::fromUtf8(u8"\uFF11");
    // clang-format on
}

void TestWindowLayouts::lookAlikeCharactersAreTheRightOnes()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(QString, caption);
    QFETCH(QString, lookAlike);
    QStringList captions;
    for (const ui::Control& c : layout->controls)
        captions << ui::toQString(c.caption);
    QVERIFY2(captions.contains(caption), qPrintable(captions.join(' ')));
    QVERIFY2(!captions.join(' ').contains(lookAlike), qPrintable(captions.join(' ')));
}

void TestWindowLayouts::tabOrderFollowsTheTable()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(WindowFactory, create);
    const automation::Owned form(create());

    QList<QWidget*> expected;
    for (const ui::Control& c : layout->controls) {
        if (form->control(c.name)->focusPolicy() & Qt::TabFocus)
            expected << form->control(c.name);
    }
    QVERIFY(!expected.isEmpty());
    QCOMPARE(form->focusWidget(), expected.first());

    QList<QWidget*> chain;
    QWidget* widget = expected.first();
    for (int step = 0; step < 1000 && (step == 0 || widget != expected.first()); ++step) {
        if (widget->focusPolicy() & Qt::TabFocus && widget->parentWidget() == form.get())
            chain << widget;
        widget = widget->nextInFocusChain();
    }
    QCOMPARE(chain, expected);
}

// As a screen reader finds them: buttons and options by their captions, fields and results by
// what they hold, and every field and result reachable with Tab.
void TestWindowLayouts::everyControlHasASpokenName()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(WindowFactory, create);
    const automation::Owned form(create());

    for (const ui::Control& c : layout->controls) {
        const QString spoken = QAccessible::queryAccessibleInterface(form->control(c.name))->text(QAccessible::Name);
        const bool namedByCaption = c.kind == ui::Kind::CommandButton || c.kind == ui::Kind::OptionButton
            || (c.kind == ui::Kind::Label && !c.caption.empty());
        if (namedByCaption)
            QCOMPARE(spoken, ui::toQString(c.caption));
        else
            QVERIFY2(!spoken.isEmpty(), qPrintable(nameOf(c) + " has no name"));
    }
    for (const ui::Description& d : layout->descriptions) {
        const QWidget* widget = form->control(d.name);
        QCOMPARE(QAccessible::queryAccessibleInterface(form->control(d.name))->text(QAccessible::Name),
            ui::toQString(d.accessibleName));
        QVERIFY(widget->focusPolicy() & Qt::TabFocus);
        QVERIFY(!widget->toolTip().isEmpty());
    }
}

void TestWindowLayouts::narrowLabelGrowsOnlyIntoFreeSpace_data()
{
    QTest::addColumn<int>("labelLeft");
    QTest::addColumn<int>("neighbourLeft");
    QTest::addColumn<int>("align");
    QTest::addColumn<int>("grownLeft"); // where the label's left edge ends up, in twips
    QTest::addColumn<bool>("grows");
    // A 300-twip (20 px) label whose caption needs far more, in a 6000-twip window.
    const int left = int(ui::Align::Left), right = int(ui::Align::Right);
    // clang-format off
    QTest::addRow("free space to the right") << 0 << 3000 << left << 0 << true;
    QTest::addRow("right-aligned prefers the left") << 3000 << 5000 << right << -1 << true;
    QTest::addRow("left-aligned blocked, grows left") << 3000 << 3300 << left << -1 << true;
    QTest::addRow("a control to the right, the edge to the left") << 0 << 600 << left << 0 << false;
    QTest::addRow("a control to the left, the edge to the right") << 5700 << 5000 << right << 5700 << false;
    // clang-format on
}

void TestWindowLayouts::narrowLabelGrowsOnlyIntoFreeSpace()
{
    QFETCH(int, labelLeft);
    QFETCH(int, neighbourLeft);
    QFETCH(int, align);
    QFETCH(int, grownLeft);
    QFETCH(bool, grows);
    const ui::Font font{"ＭＳ Ｐゴシック", 15.75};
    const ui::ControlName labelName{"Label"}, neighbourName{"Neighbour"};
    const ui::Control controls[] = {
        {labelName, ui::Kind::Label, "重力加速度", {labelLeft, 0, 300, 375}, font, ui::Align(align)},
        {neighbourName, ui::Kind::TextBox, "", {neighbourLeft, 0, 300, 375}, font},
    };
    const ui::FormLayout layout{"Test", "Test", {0, 0, 6000, 1000}, controls};
    const ui::Form form(layout);

    const QWidget* label = form.control(labelName);
    QCOMPARE(label->width() >= label->sizeHint().width(), grows);
    QCOMPARE(label->width() == ui::toPixels(300), !grows);
    if (grownLeft >= 0)
        QCOMPARE(label->x(), ui::toPixels(grownLeft));
    else
        QCOMPARE(label->geometry().right(), ui::toQRect(controls[0].rect).right());
    QCOMPARE(form.control(neighbourName)->geometry(), ui::toQRect(controls[1].rect));
}

QTEST_MAIN(TestWindowLayouts)
#include "tst_window_layouts.moc"
