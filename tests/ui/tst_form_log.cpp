// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form.h"

#include <QPlainTextEdit>
#include <QTest>

// A log takes its whole text from a handler each time; whether the builder appends or
// replaces underneath, the student sees the same text.
class TestFormLog : public QObject {
    Q_OBJECT

private slots:
    void rewritingReadsAsAPlainReplace_data();
    void rewritingReadsAsAPlainReplace();

private:
    static constexpr ui::Control kControls[] = {{"RTB1", ui::Kind::RichTextBox, "", {0, 0, 3000, 3000}}};
    static constexpr ui::FormLayout kLayout{"Test", "Test", {0, 0, 3000, 3000}, kControls};
};

void TestFormLog::rewritingReadsAsAPlainReplace_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    const QByteArray lines = QByteArray("4.4563384\r\n").repeated(1000);
    // clang-format off
    QTest::addRow("first line") << QByteArray() << QByteArray("4.4563384\r\n");
    QTest::addRow("one more line") << QByteArray("4.4563384\r\n") << QByteArray("4.4563384\r\n1.0000000\r\n");
    QTest::addRow("a line after a thousand") << lines << lines + "-0.0000001\r\n";
    QTest::addRow("cleared") << lines << QByteArray();
    QTest::addRow("same text") << lines << lines;
    QTest::addRow("different text") << QByteArray("1\r\n2\r\n") << QByteArray("1\r\n3\r\n");
    QTest::addRow("shorter text") << QByteArray("1\r\n2\r\n") << QByteArray("1\r\n");
    QTest::addRow("line end split in two") << QByteArray("1\r") << QByteArray("1\r\n2\r\n");
    QTest::addRow("unfinished line completed") << QByteArray("1") << QByteArray("12\r\n");
    QTest::addRow("character split in two") << QByteArray("1\xE2\x88") << QByteArray("1\xE2\x88\x92\r\n");
    QTest::addRow("Japanese added") << QByteArray("1\r\n") << QByteArray("1\r\n計算結果\r\n");
    // clang-format on
}

void TestFormLog::rewritingReadsAsAPlainReplace()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    ui::Form rewritten(kLayout), replaced(kLayout);
    rewritten.setLogText("RTB1", before.toStdString());
    rewritten.setLogText("RTB1", after.toStdString());
    replaced.setLogText("RTB1", after.toStdString());

    const auto document
        = [](const ui::Form& form) { return qobject_cast<QPlainTextEdit*>(form.control("RTB1"))->toPlainText(); };
    QCOMPARE(document(rewritten), document(replaced));
    QCOMPARE(document(rewritten), QString::fromUtf8(after).replace("\r\n", "\n"));
    QCOMPARE(QByteArray::fromStdString(rewritten.logText("RTB1")), after);
}

QTEST_MAIN(TestFormLog)
#include "tst_form_log.moc"
