// Comparing a computed number with a reference value within a named
// tolerance. A failure prints both numbers in full precision, the tolerance
// and the difference, so that a drift in the last digits can be told from a
// wrong formula without rerunning anything.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtTest>
#include <cmath>

namespace zkc::test {

// Reference values printed to n decimals hold the computed double to within
// half a unit of their last digit.
inline constexpr double kPrintedToThreeDecimals = 0.5e-3;
inline constexpr double kPrintedToFourDecimals = 0.5e-4;
inline constexpr double kPrintedToSixDecimals = 0.5e-6;
inline constexpr double kPrintedToSevenDecimals = 0.5e-7;

// NaN is never near anything, so a result that went NaN fails too.
inline bool IsNear(double actual, double expected, double tolerance) {
    return std::abs(actual - expected) <= tolerance;
}

inline QByteArray NearMessage(const QString& context, const char* actualText, double actual,
                              const char* expectedText, double expected, const char* toleranceText,
                              double tolerance) {
    QString message = context.isEmpty() ? QString() : context + QStringLiteral(": ");
    message += QString::asprintf("%s is %.17g, expected %.17g (%s) within %.3g (%s), off by %.3g",
                                 actualText, actual, expected, expectedText, tolerance,
                                 toleranceText, actual - expected);
    return message.toUtf8();
}

}  // namespace zkc::test

// ZKC_VERIFY_NEAR_AT names the case inside a loop (a QString), so that the
// failing one can be found.
#define ZKC_VERIFY_NEAR_AT(actual, expected, tolerance, context)                                  \
    do {                                                                                          \
        const double zkcActual = (actual);                                                        \
        const double zkcExpected = (expected);                                                    \
        const double zkcTolerance = (tolerance);                                                  \
        const bool withinTolerance = ::zkc::test::IsNear(zkcActual, zkcExpected, zkcTolerance);   \
        QVERIFY2(withinTolerance, withinTolerance ? ""                                            \
                                                  : ::zkc::test::NearMessage(                     \
                                                        (context), #actual, zkcActual, #expected, \
                                                        zkcExpected, #tolerance, zkcTolerance)    \
                                                        .constData());                            \
    } while (false)

#define ZKC_VERIFY_NEAR(actual, expected, tolerance) \
    ZKC_VERIFY_NEAR_AT(actual, expected, tolerance, QString())
