// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form.h"

#include <QPlainTextEdit>
#include <QTest>

// A log grows by whole lines and empties at once; handlers read back what the student sees.
class TestFormLog : public QObject {
    Q_OBJECT

private slots:
    void linesAddUpUntilCleared_data();
    void linesAddUpUntilCleared();

private:
    static constexpr ui::ControlName kLog{"Log"};
    static constexpr ui::Control kControls[] = {{kLog, ui::Kind::RichTextBox, "", {0, 0, 3000, 3000}}};
    static constexpr ui::FormLayout kLayout{"Test", "Test", {0, 0, 3000, 3000}, kControls};
};

void TestFormLog::linesAddUpUntilCleared_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<bool>("cleared"); // after the lines before
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QByteArray>("log");
    // clang-format off
    QTest::addRow("first line") << QStringList() << false << QStringList{"4.4563384"} << QByteArray("4.4563384\r\n");
    QTest::addRow("lines in order") << QStringList{"1", "2"} << false << QStringList{"-0.0000001"} << QByteArray("1\r\n2\r\n-0.0000001\r\n");
    QTest::addRow("cleared") << QStringList{"1", "2"} << true << QStringList() << QByteArray();
    QTest::addRow("a line after clearing") << QStringList{"1"} << true << QStringList{"2"} << QByteArray("2\r\n");
    QTest::addRow("Japanese added") << QStringList{"1"} << false << QStringList{"計算結果"} << QByteArray("1\r\n計算結果\r\n");
    // clang-format on
}

void TestFormLog::linesAddUpUntilCleared()
{
    QFETCH(QStringList, before);
    QFETCH(bool, cleared);
    QFETCH(QStringList, after);
    QFETCH(QByteArray, log);
    ui::Form form(kLayout);
    for (const QString& line : before)
        form.appendLine(kLog, line.toStdString());
    if (cleared)
        form.clear(kLog);
    for (const QString& line : after)
        form.appendLine(kLog, line.toStdString());

    QCOMPARE(QByteArray::fromStdString(form.logText(kLog)), log);
    QCOMPARE(
        qobject_cast<QPlainTextEdit*>(form.control(kLog))->toPlainText(), QString::fromUtf8(log).replace("\r\n", "\n"));
}

QTEST_MAIN(TestFormLog)
#include "tst_form_log.moc"
