// SPDX-License-Identifier: MIT
#include "numerictext.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<qint32>)

namespace {
const QLocale spanish(QLocale::Spanish, QLocale::Spain);
const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
const QLocale french(QLocale::French, QLocale::France);
const QLocale c = QLocale::c();
const QString nbsp = QStringLiteral("\u00A0");
const QString narrowNbsp = QStringLiteral("\u202F");
} // namespace

class TestNumericText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isNumeric_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");

        QTest::newRow("single digit 0") << c << "0" << true;
        QTest::newRow("single digit 9") << c << "9" << true;
        QTest::newRow("single letter") << c << "a" << false;
        QTest::newRow("single blank") << c << " " << false;
        QTest::newRow("single minus") << c << "-" << false;
        QTest::newRow("single plus") << spanish << "+" << false;
        QTest::newRow("single point") << spanish << "." << false;
        QTest::newRow("single comma") << spanish << "," << false;
        QTest::newRow("single euro sign") << spanish << "€" << false;
        QTest::newRow("single control character") << c << QString(QChar(22)) << false;
        QTest::newRow("empty") << c << "" << false;
        QTest::newRow("blanks only") << c << " \t " << false;

        QTest::newRow("eight digits") << c << "12345678" << true;
        QTest::newRow("surrounding blanks and tabs") << c << " \t12 \t" << true;
        QTest::newRow("blank inside") << c << "1 2" << false;
        QTest::newRow("leading sign") << c << "-5" << true;
        QTest::newRow("two signs") << c << "--5" << false;
        QTest::newRow("trailing sign") << c << "5-" << false;

        QTest::newRow("es: groups of thousands") << spanish << "1.234.567" << true;
        QTest::newRow("es: decimal comma") << spanish << "1.234,5" << true;
        QTest::newRow("es: fraction only") << spanish << ",5" << true;
        QTest::newRow("es: trailing decimal comma") << spanish << "7," << true;
        QTest::newRow("es: two decimal commas") << spanish << "1,2,3" << false;
        QTest::newRow("es: doubled group separator") << spanish << "1..2" << false;
        QTest::newRow("es: group separator first") << spanish << ".5" << false;
        QTest::newRow("es: group separator after decimal") << spanish << "1,2.3" << false;
        QTest::newRow("C: groups and decimal point") << c << "1,234.5" << true;
        QTest::newRow("C: two decimal points") << c << "1.2.3" << false;

        QTest::newRow("exponent") << c << "1e5" << true;
        QTest::newRow("exponent with sign, capital E") << c << "1.5E-3" << true;
        QTest::newRow("exponent without digits") << c << "1e" << false;
        QTest::newRow("exponent without mantissa") << c << "e5" << false;
        QTest::newRow("fractional exponent") << c << "1e5.0" << false;

        QTest::newRow("es: currency after") << spanish << "5 €" << true;
        QTest::newRow("es: currency before, then sign") << spanish << "€-5" << true;
        QTest::newRow("es: sign, then currency") << spanish << "-€ 5" << true;
        QTest::newRow("es: currency twice") << spanish << "€5€" << false;
        QTest::newRow("C: no currency symbol") << c << "€5" << false;
        QTest::newRow("es: a no-break space between digits is a blank")
            << spanish << "1" + nbsp + "234" << false;

        QTest::newRow("Arabic-Indic digits") << c << QStringLiteral("\u0661\u0662") << false;
        QTest::newRow("full-width digits") << c << QStringLiteral("\uFF11\uFF12") << false;
        QTest::newRow("embedded NUL") << c << QString::fromUtf16(u"12\0", 3) << false;
        QTest::newRow("emoji") << c << QStringLiteral("1\U0001F600") << false;
        QTest::newRow("hexadecimal") << c << "0x1A" << false;
    }
    void isNumeric()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(platform::isNumeric(text, locale), numeric);
        if (!numeric)
            QCOMPARE(platform::textToInteger(text, locale), std::nullopt);
    }

    void defaultLocaleIsUsed()
    {
        QLocale::setDefault(spanish);
        QVERIFY(platform::isNumeric(QStringLiteral("1.234,5")));
        QCOMPARE(platform::textToInteger(QStringLiteral("2,5")), std::optional<qint32>(2));
        QLocale::setDefault(c);
        QVERIFY(!platform::isNumeric(QStringLiteral("1.234,5")));
    }

    void textToInteger_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint32>>("value");
        const std::optional<qint32> none;
        const auto v = [](qint32 x) { return std::optional<qint32>(x); };

        QTest::newRow("zero") << c << "0" << v(0);
        QTest::newRow("negative zero") << c << "-0" << v(0);
        QTest::newRow("leading zeros") << c << "00000023" << v(23);
        QTest::newRow("400 zeros then 5") << c << QString(400, u'0') + u'5' << v(5);
        QTest::newRow("400 digits") << c << QString(400, u'9') << none;

        QTest::newRow("INT_MAX") << c << "2147483647" << v(2147483647);
        QTest::newRow("one past INT_MAX") << c << "2147483648" << none;
        QTest::newRow("INT_MIN") << c << "-2147483648" << v(-2147483647 - 1);
        QTest::newRow("one below INT_MIN") << c << "-2147483649" << none;
        QTest::newRow("eleven digits") << c << "10000000000" << none;

        QTest::newRow("half to even: 0.5") << c << "0.5" << v(0);
        QTest::newRow("half to even: 1.5") << c << "1.5" << v(2);
        QTest::newRow("half to even: 2.5") << c << "2.5" << v(2);
        QTest::newRow("half to even: -2.5") << c << "-2.5" << v(-2);
        QTest::newRow("half to even: -3.5") << c << "-3.5" << v(-4);
        QTest::newRow("just above a half") << c << "2.5000001" << v(3);
        QTest::newRow("just below a half") << c << "2.4999999" << v(2);
        QTest::newRow("small fraction") << c << "0.05" << v(0);
        QTest::newRow("INT_MAX plus a half rounds out of range") << c << "2147483647.5" << none;
        QTest::newRow("INT_MAX minus a half rounds to even")
            << c << "2147483646.5" << v(2147483646);
        QTest::newRow("INT_MIN minus a half rounds to even")
            << c << "-2147483648.5" << v(-2147483647 - 1);

        QTest::newRow("es: thousands and half") << spanish << "1.234,5" << v(1234);
        QTest::newRow("es: currency") << spanish << " 12 € " << v(12);
        QTest::newRow("C: thousands") << c << "1,234" << v(1234);
        QTest::newRow("es: the locale's own currency format")
            << spanish << spanish.toCurrencyString(5.5) << v(6);
        QTest::newRow("es: no-break spaces around") << spanish << nbsp + "7" + narrowNbsp << v(7);
        QTest::newRow("sv: the locale's own negative number")
            << swedish << swedish.toString(-5) << v(-5);
        QTest::newRow("sv: ASCII minus") << swedish << "-5" << v(-5);
        QTest::newRow("sv: the locale's own thousands")
            << swedish << swedish.toString(1234567) << v(1234567);
        QTest::newRow("sv: groups split by no-break spaces")
            << swedish << "1" + nbsp + "234" << v(1234);
        QTest::newRow("sv: groups split by narrow no-break spaces")
            << swedish << "1" + narrowNbsp + "234" << v(1234);
        QTest::newRow("fr: groups split by no-break spaces")
            << french << "1" + nbsp + "234" << v(1234);
        QTest::newRow("fr: groups split by narrow no-break spaces")
            << french << "1" + narrowNbsp + "234" << v(1234);

        QTest::newRow("exponent") << c << "1e3" << v(1000);
        QTest::newRow("exponent and fraction") << c << "1.5e1" << v(15);
        QTest::newRow("negative exponent, half to even") << c << "25e-1" << v(2);
        QTest::newRow("one billion") << c << "1e9" << v(1000000000);
        QTest::newRow("ten billion") << c << "1e10" << none;
        QTest::newRow("huge exponent") << c << "1e999999" << none;
        QTest::newRow("exponent with 30 digits") << c << "1e" + QString(30, u'9') << none;
        QTest::newRow("huge negative exponent") << c << "1e-999999" << v(0);
        QTest::newRow("zero with huge exponent") << c << "0e999999" << v(0);
        QTest::newRow("lone sign") << c << "-" << none;
    }
    void textToInteger()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(std::optional<qint32>, value);
        QCOMPARE(platform::textToInteger(text, locale), value);
    }
};

QTEST_APPLESS_MAIN(TestNumericText)
#include "tst_numerictext.moc"
