// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numtext/numtext.h"

#include <QTest>

#include <cmath>
#include <limits>

using numtext::Status;

Q_DECLARE_METATYPE(numtext::Status)

namespace {

// QCOMPARE on doubles forgives the last digits; a sign or a subnormal must match exactly.
void verifyExactly(double actual, double expected)
{
    QVERIFY2(actual == expected && std::signbit(actual) == std::signbit(expected),
        qPrintable(QString("%1 instead of %2").arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

} // namespace

class TestNumtext : public QObject {
    Q_OBJECT

private slots:
    void lenientParse_data();
    void lenientParse();
    void lenientParseTooLarge_data();
    void lenientParseTooLarge();
    void strictCoerce_data();
    void strictCoerce();
    void strictCoerceRejects_data();
    void strictCoerceRejects();
    void fixedDecimal_data();
    void fixedDecimal();
    void generalFormat_data();
    void generalFormat();
    void generalFormatReadsBack_data();
    void generalFormatReadsBack();
};

void TestNumtext::lenientParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::addRow("unit after the number") << "10um" << 10.0;
    QTest::addRow("no number at all") << "abc" << 0.0;
    QTest::addRow("decimal") << "2.5" << 2.5;
    QTest::addRow("negative") << "-3" << -3.0;
    QTest::addRow("empty") << "" << 0.0;
    QTest::addRow("leading blanks") << " \t 7" << 7.0;
    QTest::addRow("exponent") << "1.5e-3x" << 0.0015;
    QTest::addRow("capital exponent") << "2E3" << 2000.0;
    QTest::addRow("letter e without digits is not an exponent") << "1e" << 1.0;
    QTest::addRow("exponent sign without digits") << "1e+" << 1.0;
    QTest::addRow("lone point") << "." << 0.0;
    QTest::addRow("lone minus") << "-" << 0.0;
    QTest::addRow("plus and leading point") << "+.5" << 0.5;
    QTest::addRow("trailing point") << "5." << 5.0;
    QTest::addRow("hex prefix is not read") << "0x10" << 0.0;
    QTest::addRow("comma is not a decimal point") << "1,5" << 1.0;
    QTest::addRow("blank ends the number") << "1 2" << 1.0;
    QTest::addRow("stops at the first letter") << "12abc34" << 12.0;
    QTest::addRow("full-width digits and point") << "１２．５" << 12.5;
    QTest::addRow("full-width minus") << "－３" << -3.0;
    QTest::addRow("ideographic full stop as the point") << "１。５" << 1.5;
    QTest::addRow("half-width ideographic full stop") << "1｡5" << 1.5;
    QTest::addRow("ideographic comma is not a point") << "1、5" << 1.0;
    QTest::addRow("full-width exponent") << "１ｅ２" << 100.0;
    QTest::addRow("minus sign U+2212") << "−3" << -3.0;
    QTest::addRow("ideographic space before") << "　４" << 4.0;
    QTest::addRow("inf is not a number") << "inf" << 0.0;
    QTest::addRow("nan is not a number") << "nan" << 0.0;
    QTest::addRow("too small reads as zero") << "1e-400" << 0.0;
    QTest::addRow("too small negative keeps its sign") << "-1e-400" << -0.0;
    QTest::addRow("smallest subnormal") << "5e-324" << 5e-324;
    QTest::addRow("largest double") << "1.7976931348623157e308" << std::numeric_limits<double>::max();
    QTest::addRow("many digits") << QString(300, '1').prepend("0.") << 0.11111111111111111;
    QTest::addRow("huge negative exponent of a long mantissa") << "1" + QString(400, '0') + "e-400" << 1.0;
    // An exponent is read up to 10^9, far beyond what a double needs beside a long mantissa.
    QTest::addRow("exponent of ten thousand") << "0." + QString(9999, '0') + "1e10000" << 1.0;
    QTest::addRow("emoji") << "😀5" << 0.0;
}

void TestNumtext::lenientParse()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const numtext::Number n = numtext::lenientParse(text.toStdString());
    QCOMPARE(n.status, Status::Ok);
    verifyExactly(n.value, expected);
}

void TestNumtext::lenientParseTooLarge_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("1e400") << "1e400";
    QTest::addRow("-1e400") << "-1e400";
    QTest::addRow("400 nines") << QString(400, '9');
    QTest::addRow("exponent beyond any integer") << "1e99999999999999999999999";
    QTest::addRow("just above the largest double") << "1.8e308";
}

void TestNumtext::lenientParseTooLarge()
{
    QFETCH(QString, text);
    QCOMPARE(numtext::lenientParse(text.toStdString()).status, Status::TooLarge);
    QCOMPARE(numtext::strictCoerce(text.toStdString()).status, Status::TooLarge);
}

void TestNumtext::strictCoerce_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::addRow("whole number") << "5" << 5.0;
    QTest::addRow("blanks around") << "  2.5\t" << 2.5;
    QTest::addRow("negative") << "-3" << -3.0;
    QTest::addRow("plus and leading point") << "+.5" << 0.5;
    QTest::addRow("trailing point") << "5." << 5.0;
    QTest::addRow("exponent") << "1e3" << 1000.0;
    QTest::addRow("zero spelled 00") << "00" << 0.0;
    QTest::addRow("zero spelled 0.0") << "0.0" << 0.0;
    QTest::addRow("full-width") << "１２．５" << 12.5;
    QTest::addRow("ideographic full stop") << "－０。２５" << -0.25;
    QTest::addRow("ideographic spaces around") << "　３　" << 3.0;
    QTest::addRow("too small reads as zero") << "1e-400" << 0.0;
    QTest::addRow("line break after") << "5\r\n" << 5.0;
    QTest::addRow("line break before") << "\n5" << 5.0;
}

void TestNumtext::strictCoerce()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const numtext::Number n = numtext::strictCoerce(text.toStdString());
    QCOMPARE(n.status, Status::Ok);
    verifyExactly(n.value, expected);
}

void TestNumtext::strictCoerceRejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("empty") << "";
    QTest::addRow("blanks only") << "   ";
    QTest::addRow("word") << "abc";
    QTest::addRow("unit after the number") << "10um";
    QTest::addRow("letter e without digits") << "1e";
    QTest::addRow("exponent sign without digits") << "1e+";
    QTest::addRow("lone point") << ".";
    QTest::addRow("lone minus") << "-";
    QTest::addRow("double minus") << "--1";
    QTest::addRow("hex") << "0x10";
    QTest::addRow("comma") << "1,5";
    QTest::addRow("ideographic comma") << "1、5";
    QTest::addRow("two numbers") << "1 2";
    QTest::addRow("inf") << "inf";
    QTest::addRow("negative infinity") << "-inf";
    QTest::addRow("nan") << "NaN";
    QTest::addRow("control character") << QString("1\x01");
    QTest::addRow("right-to-left text") << "١٢";
}

void TestNumtext::strictCoerceRejects()
{
    QFETCH(QString, text);
    QCOMPARE(numtext::strictCoerce(text.toStdString()).status, Status::NotANumber);
}

void TestNumtext::fixedDecimal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::addRow("pads with zeros") << 0.049 << "0.00000"
                                     << "0.04900";
    QTest::addRow("two thirds rounds up") << 2.0 / 3.0 << "0.0000000"
                                          << "0.6666667";
    QTest::addRow("zero") << 0.0 << "0.00000"
                          << "0.00000";
    QTest::addRow("negative zero has no sign") << -0.0 << "0.0000000"
                                               << "0.0000000";
    QTest::addRow("negative keeps its sign") << -0.049 << "0.00000"
                                             << "-0.04900";
    QTest::addRow("negative rounded keeps its sign") << -2.0 / 3.0 << "0.0000000"
                                                     << "-0.6666667";
    QTest::addRow("tiny negative keeps its sign") << -1e-9 << "0.00000"
                                                  << "-0.00000";
    QTest::addRow("below half of the last place") << 0.000004 << "0.00000"
                                                  << "0.00000";
    QTest::addRow("whole number") << 12.5 << "0.0000000"
                                  << "12.5000000";
    QTest::addRow("no exponent for large values") << 1e20 << "0.00000"
                                                  << "100000000000000000000.00000";
    QTest::addRow("largest double")
        << std::numeric_limits<double>::max() << "0.00000"
        << "17976931348623157081452742373170435679807056752584499659891747680315726078002853876058955863276687817154045"
           "89535143824642343213268894641827684675467035375169860499105765512820762454900903893289440758685084551339423"
           "04583236903222948165808559332123348274797826204144723168738177180919299881250404026184124858368.00000";
    QTest::addRow("64 decimals") << 1.0 / 3 << "0." + QString(64, '0')
                                 << "0.3333333333333333148296162562473909929394721984863281250000000000";
    QTest::addRow("no more than 64 decimals")
        << 1.0 / 3 << "0." + QString(70, '0') << "0.3333333333333333148296162562473909929394721984863281250000000000";
    QTest::addRow("infinity gives no text") << std::numeric_limits<double>::infinity() << "0.00000"
                                            << "";
    QTest::addRow("NaN gives no text") << std::numeric_limits<double>::quiet_NaN() << "0.00000"
                                       << "";
}

void TestNumtext::fixedDecimal()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(numtext::fixedDecimal(value, pattern.toStdString())), expected);
}

void TestNumtext::generalFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::addRow("3.14") << 3.14 << "3.14";
    QTest::addRow("one") << 1.0 << "1";
    QTest::addRow("half") << 0.5 << "0.5";
    QTest::addRow("just below a half") << std::nextafter(0.5, 0.0) << "0.5";
    QTest::addRow("3.14 / 6 to 15 digits") << 3.14 / 6 << "0.523333333333333";
    QTest::addRow("6.28 with a rounding error below it") << std::nextafter(6.28, 0.0) << "6.28";
    QTest::addRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
    QTest::addRow("zero") << 0.0 << "0";
    QTest::addRow("negative zero") << -0.0 << "0";
    QTest::addRow("negative") << -2.5 << "-2.5";
    QTest::addRow("hundred") << 100.0 << "100";
    QTest::addRow("15 digits stay plain") << 123456789012345.0 << "123456789012345";
    QTest::addRow("1e15 is scientific") << 1e15 << "1E+15";
    QTest::addRow("large with fraction") << 1.5e20 << "1.5E+20";
    QTest::addRow("1e-4 stays plain") << 0.0001 << "0.0001";
    QTest::addRow("below 1e-4 is scientific") << 0.00002 << "2E-05";
    QTest::addRow("negative small") << -1.25e-7 << "-1.25E-07";
    QTest::addRow("two-digit exponent") << 1e-10 << "1E-10";
    QTest::addRow("three-digit exponent") << 1e-300 << "1E-300";
    QTest::addRow("largest double, rounded down") << std::numeric_limits<double>::max() << "1.79769313486231E+308";
    QTest::addRow("infinity gives no text") << std::numeric_limits<double>::infinity() << "";
    QTest::addRow("NaN gives no text") << std::numeric_limits<double>::quiet_NaN() << "";
}

void TestNumtext::generalFormat()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(numtext::generalFormat(value)), expected);
}

void TestNumtext::generalFormatReadsBack_data()
{
    QTest::addColumn<double>("value");
    QTest::addRow("pi") << 3.141592653589793;
    QTest::addRow("large") << 6.02214076e23;
    QTest::addRow("small") << 1.602176634e-19;
    QTest::addRow("negative") << -987654.321;
    QTest::addRow("subnormal") << 4.9406564584124654e-324;
    QTest::addRow("largest double") << std::numeric_limits<double>::max();
    QTest::addRow("most negative double") << -std::numeric_limits<double>::max();
}

// The general format keeps 15 significant digits, so reading it back agrees to that many.
void TestNumtext::generalFormatReadsBack()
{
    QFETCH(double, value);
    const std::string text = numtext::generalFormat(value);
    const numtext::Number back = numtext::lenientParse(text);
    QCOMPARE(back.status, Status::Ok);
    QVERIFY2(std::abs(back.value - value) <= std::abs(value) * 5e-15, text.c_str());
    QCOMPARE(numtext::strictCoerce(text).value, back.value);
}

QTEST_APPLESS_MAIN(TestNumtext)
#include "tst_numtext.moc"
