// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/sphere/sphere_window.h"
#include "support/window_test.h"
#include "ui/qt_conversions.h"

#include <QLineEdit>
#include <QTest>

namespace {

const ui::ControlName kAllFields[] = {sphere::kInitialDiameter, sphere::kInitialVolume, sphere::kInitialSurface,
    sphere::kDivisionCount, sphere::kPieceDiameter, sphere::kPieceSurface, sphere::kTotalSurface};

} // namespace

class TestSphereWindow : public testing::WindowTest {
    Q_OBJECT

public:
    TestSphereWindow()
        : WindowTest(sphere::createWindow)
    {
    }

private slots:
    void opensWithInitialTexts();
    void stepTwoReadsWhatStepOneWrote();
    void initialValues_data();
    void initialValues();
    void division_data();
    void division();
    void clearEmptiesEveryField();

private:
    QStringList texts(std::initializer_list<ui::ControlName> fields)
    {
        QStringList result;
        for (const ui::ControlName field : fields)
            result << text(field);
        return result;
    }
};

void TestSphereWindow::opensWithInitialTexts()
{
    QCOMPARE(form_->windowTitle(), "Form4");
    for (const ui::ControlName field : kAllFields)
        QCOMPARE(text(field), "");
}

// Step 2 reads the volume back from the text step 1 wrote.
void TestSphereWindow::stepTwoReadsWhatStepOneWrote()
{
    type(sphere::kInitialDiameter, "1");
    click(sphere::kComputeInitial);
    QCOMPARE(texts({sphere::kInitialVolume, sphere::kInitialSurface}), (QStringList{"0.523333333333333", "3.14"}));
    // Shown from its first digits although it is wider than its box.
    QCOMPARE(qobject_cast<QLineEdit*>(form_->control(sphere::kInitialVolume))->cursorPosition(), 0);

    type(sphere::kDivisionCount, "3");
    click(sphere::kDivide);
    QCOMPARE(texts({sphere::kPieceDiameter, sphere::kPieceSurface, sphere::kTotalSurface}),
        (QStringList{"0.5", "0.785", "6.28"}));

    type(sphere::kDivisionCount, "0");
    click(sphere::kDivide);
    QCOMPARE(texts({sphere::kPieceDiameter, sphere::kPieceSurface, sphere::kTotalSurface}),
        (QStringList{"1", "3.14", "3.14"}));
}

void TestSphereWindow::initialValues_data()
{
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QStringList>("results"); // initial volume, initial surface
    QTest::addColumn<QString>("message");
    const QStringList earlier{"9", "9"};
    // clang-format off
    QTest::addRow("diameter 2") << "2" << QStringList{"4.18666666666667", "12.56"} << "";
    QTest::addRow("negative diameter") << "-1" << QStringList{"", ""} << ui::toQString(sphere::message::kNegativeDiameter);
    QTest::addRow("not a number reads as 0") << "abc" << QStringList{"0", "0"} << "";
    QTest::addRow("empty") << "" << earlier << "";
    QTest::addRow("too large to read") << "1e400" << QStringList{"", ""} << "初期直径が大きすぎます。";
    QTest::addRow("volume overflows") << "1e103" << QStringList{"", ""} << ui::toQString(sphere::message::kDiameterTooLarge);
    // clang-format on
}

void TestSphereWindow::initialValues()
{
    QFETCH(QString, diameter);
    QFETCH(QStringList, results);
    QFETCH(QString, message);
    type(sphere::kInitialVolume, "9");
    type(sphere::kInitialSurface, "9");
    type(sphere::kInitialDiameter, diameter);

    click(sphere::kComputeInitial);

    QCOMPARE(texts({sphere::kInitialVolume, sphere::kInitialSurface}), results);
    QCOMPARE(messages_.takeTexts(), message.isEmpty() ? QStringList() : QStringList{message});
}

void TestSphereWindow::division_data()
{
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("divisions");
    QTest::addColumn<QStringList>("results"); // piece diameter, piece surface, total surface
    QTest::addColumn<QString>("message");
    const QStringList earlier{"9", "9", "9"};
    const QStringList none{"", "", ""};
    const QString unit = "0.523333333333333";
    // clang-format off
    QTest::addRow("merged, N = -1") << unit << "-1" << QStringList{"1.25992104989487", "4.98443930318014", "2.49221965159007"}
                                    << "";
    QTest::addRow("no volume") << "0" << "3" << QStringList{"0", "0", "0"} << "";
    QTest::addRow("volume empty") << "" << "3" << earlier << "";
    QTest::addRow("count empty") << unit << "" << earlier << "";
    QTest::addRow("negative volume") << "-1" << "3" << none << ui::toQString(sphere::message::kNegativeVolume);
    QTest::addRow("volume too large to read") << "1e400" << "3" << none << "初期体積が大きすぎます。";
    QTest::addRow("count too large to read") << unit << "1e400" << none << "分割回数が大きすぎます。";
    QTest::addRow("2^N overflows") << unit << "1024" << none << ui::toQString(sphere::message::kTooManyDivisions);
    QTest::addRow("2^N underflows") << unit << "-1100" << none << ui::toQString(sphere::message::kTooFewDivisions);
    QTest::addRow("result overflows") << "1e308" << "0" << none << ui::toQString(sphere::message::kValuesTooLarge);
    // clang-format on
}

void TestSphereWindow::division()
{
    QFETCH(QString, volume);
    QFETCH(QString, divisions);
    QFETCH(QStringList, results);
    QFETCH(QString, message);
    for (const ui::ControlName output : {sphere::kPieceDiameter, sphere::kPieceSurface, sphere::kTotalSurface})
        type(output, "9");
    type(sphere::kInitialVolume, volume);
    type(sphere::kDivisionCount, divisions);

    click(sphere::kDivide);

    QCOMPARE(texts({sphere::kPieceDiameter, sphere::kPieceSurface, sphere::kTotalSurface}), results);
    QCOMPARE(messages_.takeTexts(), message.isEmpty() ? QStringList() : QStringList{message});
}

void TestSphereWindow::clearEmptiesEveryField()
{
    for (const ui::ControlName field : kAllFields)
        type(field, "1");
    click(sphere::kClearAll);
    for (const ui::ControlName field : kAllFields)
        QCOMPARE(text(field), "");
}

QTEST_MAIN(TestSphereWindow)
#include "tst_sphere_window.moc"
