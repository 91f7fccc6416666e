#include "AppTestSupport.h"
#include "common/CommandLine.h"
#include "common/NumberInput.h"

#include <cmath>

using namespace vexa::app;

class InputTest : public QObject {
    Q_OBJECT
private slots:
    void switchValue_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("value");
        // clang-format off
        QTest::newRow("plain")                       << "/QUOTEID=1234"                    << "1234";
        QTest::newRow("lower case, blanks, second")  << "/quoteid= 77 /OTHER=5"            << "77";
        QTest::newRow("blanks round the name")       << "/ QuoteId =9"                     << "9";
        QTest::newRow("after another switch")        << "/USER=ann /QUOTEID=42"            << "42";
        QTest::newRow("switch without value first")  << "/X /QUOTEID=8"                    << "8";
        QTest::newRow("absent")                      << "/USER=ann"                        << "";
        QTest::newRow("empty line")                  << ""                                 << "";
        QTest::newRow("value runs to the end")       << "/QUOTEID=12 34 "                  << "12 34";
        // clang-format on
    }
    void switchValue()
    {
        QFETCH(QString, line);
        QFETCH(QString, value);
        QCOMPARE(vexa::app::switchValue(line, QStringLiteral("QUOTEID")), value);
    }

    void quoteId_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("key");
        // clang-format off
        QTest::newRow("key")                 << "/QUOTEID=1234"        << 1234;
        QTest::newRow("zero")                << "/QUOTEID=0"           << 0;
        QTest::newRow("no switch")           << ""                     << 0;
        QTest::newRow("leading number")      << "/QUOTEID=15abc"       << 15;
        QTest::newRow("no number")           << "/QUOTEID=abc"         << 0;
        QTest::newRow("half to even down")   << "/QUOTEID=2.5"         << 2;
        QTest::newRow("half to even up")     << "/QUOTEID=3.5"         << 4;
        QTest::newRow("beyond 32 bits")      << "/QUOTEID=99999999999" << 0;
        // clang-format on
    }
    void quoteId()
    {
        QFETCH(QString, line);
        QFETCH(int, key);
        QCOMPARE(quoteIdFrom(line), key);
    }

    void readNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");
        // clang-format off
        QTest::newRow("whole")               << "33"           << true  << 33.0;
        QTest::newRow("decimal")             << "27.5"         << true  << 27.5;
        QTest::newRow("blanks round")        << "  18 "        << true  << 18.0;
        QTest::newRow("plus sign")           << "+5"           << true  << 5.0;
        QTest::newRow("negative zero")       << "-0"           << true  << 0.0;
        QTest::newRow("point first")         << ".5"           << true  << 0.5;
        QTest::newRow("exponent")            << "1e3"          << true  << 1000.0;
        QTest::newRow("trailing line break") << "33\n"         << true  << 33.0;
        QTest::newRow("comma decimal")       << "12,5"         << false << 0.0;
        QTest::newRow("thousands")           << "1,200"        << false << 0.0;
        QTest::newRow("text")                << "abc"          << false << 0.0;
        QTest::newRow("number then text")    << "12mm"         << false << 0.0;
        QTest::newRow("line break inside")   << "3\n3"         << false << 0.0;
        QTest::newRow("empty")               << ""             << false << 0.0;
        QTest::newRow("sign only")           << "-"            << false << 0.0;
        QTest::newRow("two points")          << "1.2.3"        << false << 0.0;
        QTest::newRow("exponent no digits")  << "1e"           << false << 0.0;
        QTest::newRow("infinity")            << "inf"          << false << 0.0;
        QTest::newRow("not a number")        << "nan"          << false << 0.0;
        QTest::newRow("hexadecimal")         << "0x10"         << false << 0.0;
        QTest::newRow("too large")           << "1e400"        << false << 0.0;
        QTest::newRow("arabic digits")       << "\u0663\u0663" << false << 0.0;
        // clang-format on
    }
    void readNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, value);
        const auto read = vexa::app::readNumber(text);
        QCOMPARE(read.has_value(), numeric);
        if (numeric) {
            QCOMPARE(*read, value);
        }
    }

    void negativeZeroKeepsItsSign() { QVERIFY(std::signbit(*vexa::app::readNumber(QStringLiteral("-0")))); }

    void veryLongTextIsNotANumber()
    {
        QVERIFY(!vexa::app::readNumber(QString(5000, QLatin1Char('9')) + QStringLiteral("x")).has_value());
        QVERIFY(!vexa::app::readNumber(QString(100000, QLatin1Char('a'))).has_value());
    }
};

VEXA_QTEST_MAIN(InputTest)
#include "InputTest.moc"
