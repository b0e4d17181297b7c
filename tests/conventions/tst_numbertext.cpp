#include "conventions/Errors.h"
#include "conventions/NumberText.h"

#include <QtTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(long double)

namespace {
const QChar kComma = u',';
}

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void formatGeneral_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("3") << 3.0L << "3";
        QTest::newRow("-1") << -1.0L << "-1";
        QTest::newRow("0") << 0.0L << "0";
        QTest::newRow("zéro négatif") << -0.0L << "0";
        QTest::newRow("12") << 12.0L << "12";
        QTest::newRow("2,5") << 2.5L << "2,5";
        QTest::newRow("0,05") << 0.05L << "0,05";
        QTest::newRow("0,0001 encore en clair") << 0.0001L << "0,0001";
        QTest::newRow("0,00001 en scientifique") << 0.00001L << "1E-5";
        QTest::newRow("10^15 en scientifique") << 1e15L << "1E15";
        QTest::newRow("10^15 - 1 en clair") << 999999999999999.0L << "999999999999999";
        QTest::newRow("18 chiffres vers 10^17") << 123456789012345678.0L << "1,23456789012346E17";
        QTest::newRow("1/3") << 1.0L / 3 << "0,333333333333333";
        QTest::newRow("2/3 arrondi") << 2.0L / 3 << "0,666666666666667";
        QTest::newRow("-2,5") << -2.5L << "-2,5";
        QTest::newRow("1000 sans séparateur de milliers") << 1000.0L << "1000";
        QTest::newRow("-0,00012") << -0.00012L << "-0,00012";
        QTest::newRow("retenue jusqu'à l'exposant") << 0.9999999999999999L << "1";
        QTest::newRow("grand négatif") << -2.5e20L << "-2,5E20";
        QTest::newRow("sous-normal vaut zéro")
            << std::numeric_limits<long double>::denorm_min() << "0";
        QTest::newRow("infini") << std::numeric_limits<long double>::infinity() << "INF";
    }
    void formatGeneral()
    {
        QFETCH(long double, value);
        QFETCH(QString, expected);
        QCOMPARE(FormatGeneral(value, kComma), expected);
    }

    void formatGeneralUsesDecimalMark()
    {
        QCOMPARE(FormatGeneral(2.5L, u'.'), QStringLiteral("2.5"));
        QCOMPARE(FormatGeneral(1.5e-7L, u'.'), QStringLiteral("1.5E-7"));
    }

    void formatFixed_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("expected");
        const QString used = QStringLiteral("0.000");
        QTest::newRow("0") << used << 0.0L << "0,000";
        QTest::newRow("2,5") << used << 2.5L << "2,500";
        QTest::newRow("0,25") << used << 0.25L << "0,250";
        QTest::newRow("12,3456") << used << 12.3456L << "12,346";
        QTest::newRow("0,0005 vers le haut") << used << 0.0005L << "0,001";
        QTest::newRow("-0,0004 sans signe") << used << -0.0004L << "0,000";
        QTest::newRow("-0,0006") << used << -0.0006L << "-0,001";
        QTest::newRow("-1,5") << used << -1.5L << "-1,500";
        QTest::newRow("1234567,891") << used << 1234567.891L << "1234567,891";
        QTest::newRow("914/360") << used << 914.0L / 360 << "2,539";
        QTest::newRow("-150/360") << used << -150.0L / 360 << "-0,417";
        QTest::newRow("0,9995 retenue") << used << 0.9995L << "1,000";
        QTest::newRow("au-delà de 10^18: forme générale") << used << 1e19L << "1E19";
        QTest::newRow("# sans chiffre forcé") << "#.##" << 0.5L << ",5";
        QTest::newRow("décimales facultatives") << "0.0##" << 1.5L << "1,5";
        QTest::newRow("entier forcé") << "000" << 7.0L << "007";
        QTest::newRow("sans point") << "0" << 2.5L << "3";
        QTest::newRow("texte autour") << "'env. '0.0' ans'" << 2.25L << "env. 2,3 ans";
        QTest::newRow("chiffres au-delà des places") << "0" << 12345.0L << "12345";
    }
    void formatFixed()
    {
        QFETCH(QString, pattern);
        QFETCH(long double, value);
        QFETCH(QString, expected);
        QCOMPARE(FormatFixed(pattern, value, kComma), expected);
    }

    void formatFixedPatternLength()
    {
        const QString longest = QStringLiteral("0.") + QString(222, u'0');
        QCOMPARE(FormatFixed(longest, 1.0L, kComma).size(), 224);
        try {
            FormatFixed(longest + u'0', 1.0L, kComma);
            QFAIL("aucune erreur");
        } catch (const ConversionError& error) {
            QCOMPARE(error.message(), QStringLiteral("Chaîne de format trop longue"));
        }
    }

    void decimalDigits_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<int>("precision");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("exponent");
        QTest::addColumn<bool>("negative");
        QTest::newRow("3,5") << 3.5L << 18 << 3 << "35" << 1 << false;
        QTest::newRow("0,05") << 0.05L << 18 << 3 << "5" << -1 << false;
        QTest::newRow("arrondi p = 0 vers 1") << 0.0006L << 18 << 3 << "1" << -2 << false;
        QTest::newRow("p négatif: zéro") << 0.00004L << 18 << 3 << "" << 0 << false;
        QTest::newRow("neuf neuf neuf") << 9.9996L << 18 << 3 << "1" << 2 << false;
        QTest::newRow("précision 15") << 1.0L / 3 << 15 << 1000 << "333333333333333" << 0 << false;
        QTest::newRow("négatif") << -12.5L << 18 << 0 << "13" << 2 << true;
        QTest::newRow("moitié vers l'extérieur") << -0.5L << 18 << 0 << "1" << 1 << true;
        // The 18th digit is rounded from the exact binary value: 0.1 is a hair above one tenth.
        QTest::newRow("0,1 exact sur 18 chiffres") << 0.1L << 18 << 1000 << "1" << 0 << false;
    }
    void decimalDigits()
    {
        QFETCH(long double, value);
        QFETCH(int, precision);
        QFETCH(int, decimals);
        QFETCH(QString, digits);
        QFETCH(int, exponent);
        QFETCH(bool, negative);
        const DecimalDigits result = ToDecimalDigits(value, precision, decimals);
        QCOMPARE(QString::fromLatin1(result.digits), digits);
        QCOMPARE(result.exponent, exponent);
        QCOMPARE(result.negative, negative);
    }

    void formatInteger_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0") << qint64(0) << "0";
        QTest::newRow("-30") << qint64(-30) << "-30";
        QTest::newRow("plus petit entier 64 bits")
            << std::numeric_limits<qint64>::min() << "-9223372036854775808";
        QTest::newRow("plus grand entier 64 bits")
            << std::numeric_limits<qint64>::max() << "9223372036854775807";
    }
    void formatInteger()
    {
        QFETCH(qint64, value);
        QFETCH(QString, expected);
        QCOMPARE(FormatInteger(std::int64_t(value)), expected);
        if (value >= INT32_MIN && value <= INT32_MAX)
            QCOMPARE(FormatInteger(std::int32_t(value)), expected);
    }

    void parseInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("7") << "7" << 7;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("blancs devant") << "  12" << 12;
        QTest::newRow("+5") << "+5" << 5;
        QTest::newRow("-0") << "-0" << 0;
        QTest::newRow("007") << "007" << 7;
        QTest::newRow("$1F") << "$1F" << 31;
        QTest::newRow("0x1f") << "0x1f" << 31;
        QTest::newRow("x1F") << "x1F" << 31;
        QTest::newRow("0X10") << "0X10" << 16;
        QTest::newRow("$FFFFFFFF vaut -1") << "$FFFFFFFF" << -1;
        QTest::newRow("$80000000") << "$80000000" << INT32_MIN;
        QTest::newRow("zéros devant les huit chiffres") << "$000FFFFFFFF" << -1;
        QTest::newRow("le plus grand") << "2147483647" << INT32_MAX;
        QTest::newRow("le plus petit") << "-2147483648" << INT32_MIN;
        QTest::newRow("10") << "10" << 10;
    }
    void parseInteger()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(ParseInteger(text), expected);
    }

    void parseIntegerInvalid_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("un de trop") << "2147483648";
        QTest::newRow("trop petit") << "-2147483649";
        QTest::newRow("beaucoup trop grand") << "99999999999999999999";
        QTest::newRow("blanc après") << "12 ";
        QTest::newRow("vide") << "";
        QTest::newRow("trois blancs") << "   ";
        QTest::newRow("1,5") << "1,5";
        QTest::newRow("moins blanc 5") << "- 5";
        QTest::newRow("-$1") << "-$1";
        QTest::newRow("$ seul") << "$";
        QTest::newRow("0x seul") << "0x";
        QTest::newRow("neuf chiffres hexadécimaux") << "$1FFFFFFFF";
        QTest::newRow("chiffre hexadécimal faux") << "$1G";
        QTest::newRow("signe seul") << "+";
        QTest::newRow("tabulation devant") << "\t5";
    }
    void parseIntegerInvalid()
    {
        QFETCH(QString, text);
        try {
            ParseInteger(text);
            QFAIL("aucune erreur");
        } catch (const ConversionError& error) {
            QCOMPARE(error.message(),
                QStringLiteral("'") + text
                    + QStringLiteral("' n'est pas une valeur entière correcte"));
        }
    }

    void parts_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<long double>("integral");
        QTest::addColumn<long double>("fraction");
        QTest::newRow("2,9") << 2.9L << 2.0L << 2.9L - 2;
        QTest::newRow("-2,9") << -2.9L << -2.0L << -2.9L + 2;
        QTest::newRow("2,75") << 2.75L << 2.0L << 0.75L;
        QTest::newRow("-2,75") << -2.75L << -2.0L << -0.75L;
        QTest::newRow("-1,25") << -1.25L << -1.0L << -0.25L;
    }
    void parts()
    {
        QFETCH(long double, value);
        QFETCH(long double, integral);
        QFETCH(long double, fraction);
        QVERIFY(IntPart(value) == integral);
        QVERIFY(FracPart(value) == fraction);
    }

    void intPartOfMinusHalfIsNegativeZero()
    {
        const long double zero = IntPart(-0.5L);
        QVERIFY(zero == 0);
        QVERIFY(std::signbit(zero));
        QCOMPARE(FormatGeneral(zero, kComma), QStringLiteral("0"));
    }

    void roundToInteger_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("2,5 vers le pair") << 2.5L << qint64(2);
        QTest::newRow("3,5 vers le pair") << 3.5L << qint64(4);
        QTest::newRow("-2,5 vers le pair") << -2.5L << qint64(-2);
        QTest::newRow("29,5") << 29.5L << qint64(30);
        QTest::newRow("30,5") << 30.5L << qint64(30);
        QTest::newRow("29,9999") << 29.9999L << qint64(30);
        QTest::newRow("-29,6") << -29.6L << qint64(-30);
    }
    void roundToInteger()
    {
        QFETCH(long double, value);
        QFETCH(qint64, expected);
        QCOMPARE(qint64(RoundToInteger(value)), expected);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
