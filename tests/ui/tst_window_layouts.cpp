// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"
#include "app/menu_window.h"
#include "calc/feret/feret_window.h"
#include "calc/settling/settling_window.h"
#include "calc/sphere/sphere_window.h"
#include "scenes.h"
#include "support/gui_test_support.h"
#include "ui/contrast.h"
#include "ui/qt_conversions.h"

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
#include <utility>
#include <vector>

Q_DECLARE_METATYPE(const ui::FormLayout*)

using WindowFactory = std::function<ui::Form*()>;
Q_DECLARE_METATYPE(WindowFactory)

namespace {

QString nameOf(const ui::Control& c) { return QString::fromStdString(c.name.objectName()); }

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

// Puts back the application's font and palette, the fonts Qt keeps for its own widgets too.
class AppearanceGuard {
public:
    AppearanceGuard()
    {
        for (const char* name : kClasses)
            classFonts_.emplace_back(name, QApplication::font(name));
    }
    ~AppearanceGuard()
    {
        QApplication::setPalette(palette_);
        QApplication::setFont(font_);
        for (const auto& [name, font] : classFonts_)
            QApplication::setFont(font, name);
    }

private:
    static constexpr const char* kClasses[] = {"QMessageBox", "QTipLabel", "QMenu"};
    QPalette palette_ = QApplication::palette();
    QFont font_ = QApplication::font();
    std::vector<std::pair<const char*, QFont>> classFonts_;
};

// A theme's palette: its text on its ground, in windows, fields and buttons alike.
QPalette themePalette(QColor text, QColor ground, QColor selection, QColor selectedText)
{
    QPalette palette(text, ground);
    palette.setColor(QPalette::Base, ground);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Highlight, selection);
    palette.setColor(QPalette::HighlightedText, selectedText);
    return palette;
}

struct Window {
    const char* name;
    const ui::FormLayout* layout;
    WindowFactory create;
};

const std::vector<Window>& everyWindow()
{
    static const std::vector<Window> windows{{"Form2 menu", &app::Form2, [] { return new app::Menu; }},
        {"Form1 Feret diameter", &feret::Form1, feret::createForm1},
        {"Form3 settling velocity", &settling::Form3, settling::createForm3},
        {"Form4 sphere division", &sphere::Form4, sphere::createForm4}};
    return windows;
}

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
    void contrastIsMeasuredAsWcagDoes_data();
    void contrastIsMeasuredAsWcagDoes();
    void qtWidgetsDrawKanjiInAGothic_data();
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
    for (const Window& window : everyWindow())
        QTest::addRow("%s", window.name) << window.layout << window.create;
}

void TestWindowLayouts::windowMatchesItsTable()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(WindowFactory, create);
    const testing::Owned form(create());
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
    const testing::Owned form(create());
    verifyControlsSitWhereTheTableSays(form.get(), layout);
}

// The README's pictures show each window at its table's size, every control in its place.
void TestWindowLayouts::screenshotsShowWindowsAsTheirTables()
{
    const std::map<QString, const ui::FormLayout*> layouts{
        {"Form2", &app::Form2}, {"Form1", &feret::Form1}, {"Form3", &settling::Form3}, {"Form4", &sphere::Form4}};
    QStringList drawn;
    screenshots::renderEach([&](const screenshots::Shot& shot) {
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
        QCOMPARE(shot.image.deviceIndependentSize().toSize() - area.size(), QSize(24, 24)); // the margin
    });
    QCOMPARE(drawn, QStringList({"Form2", "Form1", "Form2", "Form3", "Form2", "Form4"}));
}

void TestWindowLayouts::everyCaptionFitsAndRenders_data()
{
    QTest::addColumn<const ui::FormLayout*>("layout");
    QTest::addColumn<WindowFactory>("create");
    QTest::addColumn<int>("systemPoints"); // 0: the system's font as it is
    // A desktop's interface font may be larger and wider than Qt's own: GNOME's is 11 pt.
    for (const Window& window : everyWindow()) {
        for (const int points : {0, 11, 12})
            QTest::addRow("%s, %d pt", window.name, points) << window.layout << window.create << points;
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
    const testing::Owned form(create());

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
    const testing::Owned form(create());

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
    QTest::addColumn<const ui::FormLayout*>("layout");
    QTest::addColumn<WindowFactory>("create");
    QTest::addColumn<QPalette>("system");
    const std::pair<const char*, QPalette> themes[] = {{"light", QApplication::style()->standardPalette()},
        {"dark", themePalette(QColor(0xeeeeec), QColor(0x2d2d2d), QColor(0x3584e4), Qt::white)}, // Adwaita's
        {"high contrast", themePalette(Qt::white, Qt::black, Qt::yellow, Qt::black)}};
    for (const Window& window : everyWindow()) {
        for (const auto& [theme, palette] : themes)
            QTest::addRow("%s, %s theme", window.name, theme) << window.layout << window.create << palette;
    }
}

// Where the table fixes a colour, the text on it stays readable (WCAG AA, 4.5:1) whatever the
// system's palette: captions on the black window, the log's text and selection on its grey.
void TestWindowLayouts::fixedColoursStayReadable()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(WindowFactory, create);
    QFETCH(QPalette, system);
    const AppearanceGuard guard;
    QApplication::setPalette(system);
    const testing::Owned form(create());

    // Text needs 4.5:1; a selection, as any other mark that is not text, 3:1.
    const auto verifyReadable = [](const QString& what, const QColor& text, const QColor& ground, double least = 4.5) {
        QVERIFY2(ui::contrastRatio(text, ground) >= least,
            qPrintable(QString("%1: %2 on %3").arg(what, text.name(), ground.name())));
    };
    for (const ui::Control& c : layout->controls) {
        const QPalette colours = form->control(c.name)->palette();
        if (c.kind == ui::Kind::Label)
            verifyReadable(nameOf(c), colours.color(QPalette::WindowText), form->palette().color(QPalette::Window));
        if (!c.background)
            continue;
        const QPalette::ColorRole ground = c.kind == ui::Kind::RichTextBox ? QPalette::Base : QPalette::Window;
        const QPalette::ColorRole text = c.kind == ui::Kind::RichTextBox ? QPalette::Text : QPalette::WindowText;
        QCOMPARE(colours.color(ground), QColor(c.background->red, c.background->green, c.background->blue));
        verifyReadable(nameOf(c), colours.color(text), colours.color(ground));
        verifyReadable(
            nameOf(c) + " selected", colours.color(QPalette::HighlightedText), colours.color(QPalette::Highlight));
        verifyReadable(nameOf(c) + " selection", colours.color(QPalette::Highlight), colours.color(ground), 3);
    }
}

void TestWindowLayouts::contrastIsMeasuredAsWcagDoes_data()
{
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::addColumn<double>("ratio");
    // clang-format off
    QTest::addRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::addRow("either order") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
    QTest::addRow("no contrast") << QColor(0x77, 0x77, 0x77) << QColor(0x77, 0x77, 0x77) << 1.0;
    QTest::addRow("#777 on white, just short of AA") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
    QTest::addRow("the log's grey under white text") << QColor(Qt::white) << QColor(224, 224, 224) << 1.32;
    // clang-format on
}

void TestWindowLayouts::contrastIsMeasuredAsWcagDoes()
{
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    QFETCH(double, ratio);
    QCOMPARE(std::round(ui::contrastRatio(first, second) * 100) / 100, ratio);
}

void TestWindowLayouts::qtWidgetsDrawKanjiInAGothic_data()
{
    QTest::addColumn<QString>("widget");
    QTest::newRow("message box") << "message box";
    QTest::newRow("tip") << "tip";
    QTest::newRow("context menu") << "context menu";
}

// Qt's own widgets take the system's fonts, which may have no Japanese glyphs: their kanji
// come from a gothic, never from the course title's brush face, and none is missing.
void TestWindowLayouts::qtWidgetsDrawKanjiInAGothic()
{
    QFETCH(QString, widget);
    QFont font = QToolTip::font();
    if (widget == "message box") {
        const QMessageBox box(QMessageBox::NoIcon, "化学工学概論", "値が入力されていません。");
        font = box.findChild<QLabel*>("qt_msgbox_label")->font();
    } else if (widget == "context menu") {
        font = QMenu().font();
    }
    QTextLayout layout("値が入力されていません。コピー(&C)", font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QString family = run.rawFont().familyName();
        QVERIFY2(!family.contains("Aoyagi", Qt::CaseInsensitive) && !family.contains("青柳"), qPrintable(family));
        const QList<quint32> glyphs = run.glyphIndexes();
        QVERIFY2(!glyphs.contains(0), qPrintable(family + " lacks a glyph"));
    }
}

// Characters that have look-alikes, spelled here by code point.
void TestWindowLayouts::lookAlikeCharactersAreTheRightOnes_data()
{
    QTest::addColumn<const ui::FormLayout*>("layout");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    // clang-format off
    QTest::addRow("particle, not powder") << &settling::Form3 << "Label1(0)" << QString::fromUtf8(u8"\u7D1B体直径");
    QTest::addRow("Greek mu, not micro sign") << &settling::Form3 << "Label1(5)" << QString::fromUtf8(u8"\u03BCm");
    QTest::addRow("half-width middle dot") << &settling::Form3 << "Label1(8)" << QString::fromUtf8(u8"g/cm\uFF65s");
    QTest::addRow("downwards arrow") << &sphere::Form4 << "Label1(3)" << QString::fromUtf8(u8"\u2193");
    QTest::addRow("ASCII one") << &sphere::Form4 << "Label1(8)" << QString::fromUtf8(u8"1個当たりの表面積");
    // clang-format on
}

void TestWindowLayouts::lookAlikeCharactersAreTheRightOnes()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    const auto row = std::find_if(
        layout->controls.begin(), layout->controls.end(), [&](const ui::Control& c) { return nameOf(c) == control; });
    QVERIFY(row != layout->controls.end());
    QCOMPARE(ui::toQString(row->caption), caption);
}

void TestWindowLayouts::tabOrderFollowsTheTable()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(WindowFactory, create);
    const testing::Owned form(create());

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
    const testing::Owned form(create());

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
    const ui::Control controls[] = {
        {"Label1", ui::Kind::Label, "重力加速度", {labelLeft, 0, 300, 375}, font, ui::Align(align)},
        {"Text1", ui::Kind::TextBox, "", {neighbourLeft, 0, 300, 375}, font},
    };
    const ui::FormLayout layout{"Test", "Test", {0, 0, 6000, 1000}, controls};
    const ui::Form form(layout);

    const QWidget* label = form.control("Label1");
    QCOMPARE(label->width() >= label->sizeHint().width(), grows);
    QCOMPARE(label->width() == ui::toPixels(300), !grows);
    if (grownLeft >= 0)
        QCOMPARE(label->x(), ui::toPixels(grownLeft));
    else
        QCOMPARE(label->geometry().right(), ui::toQRect(controls[0].rect).right());
    QCOMPARE(form.control("Text1")->geometry(), ui::toQRect(controls[1].rect));
}

QTEST_MAIN(TestWindowLayouts)
#include "tst_window_layouts.moc"
