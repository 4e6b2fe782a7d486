// Angle helpers: the unit's own arctangent, the one-step and loop reductions.
#include <QtTest>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "check_near.h"
#include "engine/angles.h"
#include "engine/constants.h"

using namespace zkc;

namespace {

// The reductions written the slow, obvious way, as loops.
double LoopAtLeast360(double x) {
    while (x >= 360)
        x -= 360;
    return x;
}
double LoopAbove360(double x) {
    while (x > 360)
        x -= 360;
    return x;
}
double LoopNegative(double x) {
    while (x < 0)
        x += 360;
    return x;
}

bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// π and 2π are stored to 15 significant digits, so angles built from them
// stand a few 1e-15 (four turns: 2.4e-14) away from the exact multiples of π
// the expected values are written as.
constexpr double kFifteenDigitPi = 1e-13;

}  // namespace

class TestAngles : public QObject {
    Q_OBJECT

  private slots:
    // Expected angles are exact multiples of π (independent hand check: the
    // diagonals are π/4 and 3π/4; 1 : √3 gives π/6 and 5π/6). The 30° rows
    // tell atan(|y/x|) from atan(|x/y|), which the diagonals cannot.
    void arcTan2_data() {
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        const double root3 = std::sqrt(3.0);
        QTest::newRow("first quadrant") << 1.0 << 1.0 << 0.785398163397448;            // π/4
        QTest::newRow("fourth quadrant") << -1.0 << 1.0 << -0.785398163397448;         // −π/4
        QTest::newRow("second quadrant") << 1.0 << -1.0 << 2.35619449019234;           // 3π/4
        QTest::newRow("third quadrant") << -1.0 << -1.0 << -2.35619449019234;          // −3π/4
        QTest::newRow("30° below the x axis") << -1.0 << root3 << -0.523598775598299;  // −π/6
        QTest::newRow("150°") << 1.0 << -root3 << 2.61799387799149;                    // 5π/6
        QTest::newRow("−150°") << -1.0 << -root3 << -2.61799387799149;                 // −5π/6
        QTest::newRow("x = 0, y > 0") << 2.0 << 0.0 << 1.5707963267949;                // π/2
        QTest::newRow("x = 0, y < 0") << -2.0 << 0.0 << -1.5707963267949;              // −π/2
        QTest::newRow("origin") << 0.0 << 0.0 << 0.0;
        // sign(0) × (π − 0) = 0: the negative x axis gives 0, not π.
        QTest::newRow("negative x axis") << 0.0 << -3.0 << 0.0;
    }
    void arcTan2() {
        QFETCH(double, y);
        QFETCH(double, x);
        QFETCH(double, expected);
        ZKC_VERIFY_NEAR(ArcTan2(y, x), expected, kFifteenDigitPi);
    }

    void normalize360_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        QTest::newRow("negative, once") << -23.5 << 336.5;
        QTest::newRow("above 360, once") << 370.0 << 10.0;
        QTest::newRow("exactly 360 stays") << 360.0 << 360.0;
        QTest::newRow("not repeated") << 800.0 << 440.0;
        QTest::newRow("in range") << 12.25 << 12.25;
    }
    void normalize360() {
        QFETCH(double, x);
        QFETCH(double, expected);
        QCOMPARE(Normalize360(x), expected);
    }

    // Independent hand check: 7 − 2π = 0.716814692820414; −20 + 4 × 2π =
    // −20 + 25.1327412287183 = 5.13274122871835 (three turns would leave it
    // negative, five would pass 2π).
    void normalizeRadians() {
        QCOMPARE(NormalizeRadians(-1.0), -1.0 + kTwoPi);
        QCOMPARE(NormalizeRadians(kTwoPi), 0.0);
        ZKC_VERIFY_NEAR(NormalizeRadians(7.0), 0.716814692820414, kFifteenDigitPi);
        ZKC_VERIFY_NEAR(NormalizeRadians(-20.0), 5.13274122871835, kFifteenDigitPi);
    }

    // The fmod forms must give the very bits the literal loops give, over the
    // whole range of magnitudes the formulas produce, boundaries included.
    void reductionsMatchTheLoops() {
        std::mt19937_64 rng(20261208);
        std::uniform_real_distribution<double> wide(-2e5, 2e5);
        std::vector<double> values = {0.0,    -0.0,           360.0,          720.0,
                                      -360.0, -720.0,         359.9999999999, -1e-300,
                                      1e-300, 360.0000000001, -1e-17};
        for (int i = 0; i < 200000; ++i) {
            values.push_back(wide(rng));
        }
        for (int k = -400; k <= 400; ++k) {
            values.push_back(360.0 * k);
            values.push_back(std::nextafter(360.0 * k, 1e9));
            values.push_back(std::nextafter(360.0 * k, -1e9));
        }
        for (double x : values) {
            QVERIFY2(SameBits(SubtractTurnsWhileAtLeast360(x), LoopAtLeast360(x)),
                     qPrintable(QString::number(x, 'g', 17)));
            QVERIFY2(SameBits(SubtractTurnsWhileAbove360(x), LoopAbove360(x)),
                     qPrintable(QString::number(x, 'g', 17)));
            QVERIFY2(SameBits(AddTurnsWhileNegative(x), LoopNegative(x)),
                     qPrintable(QString::number(x, 'g', 17)));
        }
    }

    void reductionsStopOnInfinity() {
        QVERIFY(std::isnan(SubtractTurnsWhileAtLeast360(INFINITY)));
        QVERIFY(std::isnan(AddTurnsWhileNegative(-INFINITY)));
        QVERIFY(std::isnan(SubtractTurnsWhileAbove360(INFINITY)));
    }
};

QTEST_GUILESS_MAIN(TestAngles)
#include "tst_angles.moc"
