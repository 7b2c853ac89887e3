// SPDX-License-Identifier: MIT
#include "checkletter.h"

#include <QLocale>
#include <QTest>

class TestCheckLetter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void letter_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("letter");

        // Every row of the table, so a misplaced letter cannot hide.
        const QString table = QStringLiteral("TRWAGMYFPDXBNJZSQVHLCKE");
        for (int remainder = 0; remainder < 23; ++remainder) {
            const QByteArray name = "remainder " + QByteArray::number(remainder);
            QTest::newRow(name.constData())
                << QString::number(remainder) << table.mid(remainder, 1);
        }
        QTest::newRow("23 wraps to the first letter") << "23"
                                                      << "T";
        QTest::newRow("1000, remainder 11") << "1000"
                                            << "B";
        QTest::newRow("12345678") << "12345678"
                                  << "Z";
        QTest::newRow("99999999, largest typed number") << "99999999"
                                                        << "R";
        QTest::newRow("eight zeros") << "00000000"
                                     << "T";
        QTest::newRow("leading zeros ignored") << "00000023"
                                               << "T";
        QTest::newRow("multiple of 23") << "46"
                                        << "T";
        QTest::newRow("INT_MAX, remainder 5") << "2147483647"
                                              << "M";
        QTest::newRow("negative multiple of 23") << "-46"
                                                 << "T";
        QTest::newRow("lowest multiple of 23 in range") << "-2147483642"
                                                        << "T";
        QTest::newRow("rounded half to even before the rule") << "22.5"
                                                              << "E";
    }
    void letter()
    {
        QFETCH(QString, number);
        QFETCH(QString, letter);
        QCOMPARE(CalcularLetra(number).toString(), letter);
    }

    void noLetter_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("negative, not a multiple of 23") << "-1";
        QTest::newRow("INT_MIN") << "-2147483648";
        QTest::newRow("one past INT_MAX") << "2147483648";
        QTest::newRow("exponent far past 32 bits") << "1e999999";
        QTest::newRow("400 digits") << QString(400, QLatin1Char('9'));
    }
    void noLetter()
    {
        QFETCH(QString, number);
        QVERIFY(CalcularLetra(number).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestCheckLetter)
#include "tst_checkletter.moc"
