#include "app/application.h"
#include "app/menu_window.h"
#include "calc/feret/feret_window.h"
#include "ui/qt_conversions.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <memory>

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

} // namespace

class TestWindowLayouts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::setUpApplication(); }

    void windowMatchesItsTable_data();
    void windowMatchesItsTable();
    void controlsSitWhereTheTableSays_data() { windowMatchesItsTable_data(); }
    void controlsSitWhereTheTableSays();
    void everyCaptionFitsAndRenders_data() { windowMatchesItsTable_data(); }
    void everyCaptionFitsAndRenders();
    void tabOrderFollowsTheTable_data() { windowMatchesItsTable_data(); }
    void tabOrderFollowsTheTable();
    void narrowLabelGrowsOnlyIntoFreeSpace_data();
    void narrowLabelGrowsOnlyIntoFreeSpace();
};

void TestWindowLayouts::windowMatchesItsTable_data()
{
    QTest::addColumn<const ui::FormLayout*>("layout");
    QTest::addColumn<WindowFactory>("create");
    QTest::addRow("Form2 menu") << &app::Form2 << WindowFactory([] { return new app::Menu; });
    QTest::addRow("Form1 Feret diameter") << &feret::Form1 << WindowFactory(feret::createForm1);
}

void TestWindowLayouts::windowMatchesItsTable()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(WindowFactory, create);
    const std::unique_ptr<ui::Form> form(create());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));

    QCOMPARE(form->windowTitle(), ui::toQString(layout->caption));
    QCOMPARE(form->geometry(), ui::toQRect(layout->client));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(form->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(form->palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(form->autoFillBackground());
}

// Every control at its rectangle; a label may only have grown to the right, onto a strip
// inside the window that no other control covers.
void TestWindowLayouts::controlsSitWhereTheTableSays()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(WindowFactory, create);
    const std::unique_ptr<ui::Form> form(create());

    for (const ui::Control& c : layout->controls) {
        const QRect table = ui::toQRect(c.rect);
        const QWidget* widget = form->control(c.name);
        QCOMPARE(widget->objectName(), nameOf(c));
        const QRect actual = widget->geometry();
        if (actual == table)
            continue;
        QVERIFY2(c.kind == ui::Kind::Label, qPrintable(nameOf(c) + " moved"));
        QCOMPARE(actual.topLeft(), table.topLeft());
        QCOMPARE(actual.height(), table.height());
        QVERIFY2(actual.width() > table.width(), qPrintable(nameOf(c) + " shrank"));
        const QRect strip(table.right() + 1, table.top(), actual.width() - table.width(), table.height());
        QVERIFY(form->rect().contains(strip));
        for (const ui::Control& other : layout->controls) {
            if (other.name.objectName() != c.name.objectName())
                QVERIFY2(
                    !ui::toQRect(other.rect).intersects(strip), qPrintable(nameOf(c) + " covers " + nameOf(other)));
        }
    }
}

void TestWindowLayouts::everyCaptionFitsAndRenders()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(WindowFactory, create);
    const std::unique_ptr<ui::Form> form(create());

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
        QVERIFY2(widget->fontMetrics().height() <= widget->height(),
            qPrintable(QString("%1 needs %2 px high, has %3")
                           .arg(nameOf(c))
                           .arg(widget->fontMetrics().height())
                           .arg(widget->height())));
    }
}

void TestWindowLayouts::tabOrderFollowsTheTable()
{
    QFETCH(const ui::FormLayout*, layout);
    QFETCH(WindowFactory, create);
    const std::unique_ptr<ui::Form> form(create());

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

void TestWindowLayouts::narrowLabelGrowsOnlyIntoFreeSpace_data()
{
    QTest::addColumn<int>("neighbourLeft");
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<bool>("grows");
    // A 300-twip (20 px) label at the left edge whose caption needs far more.
    QTest::addRow("free space to the right") << 3000 << 6000 << true;
    QTest::addRow("a control in the way") << 600 << 6000 << false;
    QTest::addRow("the window's edge in the way") << 3000 << 600 << false;
}

void TestWindowLayouts::narrowLabelGrowsOnlyIntoFreeSpace()
{
    QFETCH(int, neighbourLeft);
    QFETCH(int, windowWidth);
    QFETCH(bool, grows);
    const ui::Font font{"ＭＳ Ｐゴシック", 15.75};
    const ui::Control controls[] = {
        {"Label1", ui::Kind::Label, "重力加速度", {0, 0, 300, 375}, font},
        {"Text1", ui::Kind::TextBox, "", {neighbourLeft, 0, 300, 375}, font},
    };
    const ui::FormLayout layout{"Test", "Test", {0, 0, windowWidth, 1000}, controls};
    const ui::Form form(layout);

    const QWidget* label = form.control("Label1");
    QCOMPARE(label->width() >= label->sizeHint().width(), grows);
    QCOMPARE(label->width() == ui::toPixels(300), !grows);
    QCOMPARE(form.control("Text1")->geometry(), ui::toQRect(controls[1].rect));
}

QTEST_MAIN(TestWindowLayouts)
#include "tst_window_layouts.moc"
