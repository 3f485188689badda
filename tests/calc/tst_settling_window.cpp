// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/settling/settling_window.h"
#include "support/window_test.h"
#include "ui/qt_conversions.h"

#include <QLabel>
#include <QTest>

class TestSettlingWindow : public testing::WindowTest {
    Q_OBJECT

public:
    TestSettlingWindow()
        : WindowTest(settling::createWindow)
    {
    }

private slots:
    void opensWithInitialTexts();
    void calculate_data();
    void calculate();

private:
    QString velocity() const { return qobject_cast<QLabel*>(form_->control(settling::kVelocity))->text(); }
};

void TestSettlingWindow::opensWithInitialTexts()
{
    QCOMPARE(form_->windowTitle(), "沈降速度");
    for (const ui::ControlName field :
        {settling::kDiameter, settling::kParticleDensity, settling::kLiquidDensity, settling::kViscosity})
        QCOMPARE(text(field), "");
    QCOMPARE(text(settling::kGravity), "980");
    QCOMPARE(velocity(), "");
}

void TestSettlingWindow::calculate_data()
{
    QTest::addColumn<QStringList>("fields"); // diameter, densities, viscosity, gravity
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<QString>("message");

    const QStringList example{"30", "2", "1", "0.01", "980"};
    const auto with = [&example](int field, const QString& text) {
        QStringList fields = example;
        fields[field] = text;
        return fields;
    };
    const QString zeroViscosity = ui::toQString(settling::message::kZeroViscosity);
    const QString tooLarge = ui::toQString(settling::message::kValuesTooLarge);
    // clang-format off
    QTest::addRow("30 um particle in water") << example << "0.04900" << "";
    QTest::addRow("lighter than the liquid") << with(2, "3") << "-0.04900" << "";
    QTest::addRow("as dense as the liquid") << with(2, "2") << "0.00000" << "";
    QTest::addRow("unit typed after the diameter") << with(0, "10um") << "0.00544" << "";
    QTest::addRow("full-width diameter") << with(0, "３０") << "0.04900" << "";
    QTest::addRow("diameter that is not a number reads as 0") << with(0, "abc") << "0.00000" << "";
    for (int field = 0; field < 5; ++field)
        QTest::addRow("field %d empty", field + 1) << with(field, "") << "0.01000" << "";
    QTest::addRow("viscosity 0") << with(3, "0") << "" << zeroViscosity;
    QTest::addRow("blank viscosity reads as 0") << with(3, " ") << "" << zeroViscosity;
    QTest::addRow("negative viscosity") << with(3, "-0.01") << "" << ui::toQString(settling::message::kNegativeViscosity);
    QTest::addRow("ideographic full stop") << with(3, "０。０１") << "0.04900" << "";
    QTest::addRow("liquid density too large") << with(2, "1e400") << "" << "液体密度が大きすぎます。";
    QTest::addRow("diameter too large") << with(0, "-1e400") << "" << "紛体直径が大きすぎます。";
    QTest::addRow("gravity times densities overflows") << with(1, "1e308") << "" << tooLarge;
    QTest::addRow("velocity overflows") << with(3, "1e-320") << "" << tooLarge;
    // clang-format on
}

// Each row starts from an earlier velocity of 0.01000, which a failed click must not leave.
void TestSettlingWindow::calculate()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, velocity);
    QFETCH(QString, message);
    const ui::ControlName names[] = {settling::kDiameter, settling::kParticleDensity, settling::kLiquidDensity,
        settling::kViscosity, settling::kGravity};
    const QStringList earlier{"30", "2", "1", "0.049", "980"};
    for (int i = 0; i < 5; ++i)
        type(names[i], earlier[i]);
    click(settling::kCompute);
    QCOMPARE(this->velocity(), "0.01000");

    for (int i = 0; i < 5; ++i)
        type(names[i], fields[i]);
    click(settling::kCompute);

    QCOMPARE(this->velocity(), velocity);
    QCOMPARE(messages_.takeTexts(), message.isEmpty() ? QStringList() : QStringList{message});
}

QTEST_MAIN(TestSettlingWindow)
#include "tst_settling_window.moc"
