// Every recurrence of the family to the last bit. The expected values come
// from a small independent Python calculation written from the definitions
// (reference_values.py beside this file; Python floats are IEEE doubles, its
// math module calls the same libm, and fma is computed exactly with
// fractions and rounded once). The checkpoints sit on input 48, where Sma(3)
// rebuilds its sum and Wma(3) its sums after 16 wraps, and on the last
// input; a change of evaluation order, a lost fma or a sum started from the
// wrong zero shows up here even where the hand-checked tables, compared with
// a tolerance, would not notice.
#include "moving_averages/series.h"

namespace tolvex::test {
namespace {

const std::vector<double> kCloses{
    100.0,  104.88, 107.64, 107.15, 103.82, 99.39,  96.12,  95.71,  98.54,  103.45, 108.3,  110.99,
    110.42, 107.04, 102.61, 99.39,  99.07,  101.96, 106.9,  111.72, 114.33, 113.69, 110.26, 105.84,
    102.67, 102.42, 105.39, 110.34, 115.13, 117.68, 116.96, 113.48, 109.06, 105.94, 105.78, 108.81,
    113.79, 118.55, 121.02, 120.22, 116.7,  112.28, 109.22, 109.14, 112.24, 117.24, 121.96, 124.36,
    123.48, 119.91, 115.5,  112.5,  112.5,  115.66, 120.69, 125.38, 127.7,  126.75, 123.13, 118.73};
// Every eleventh bar trades nothing, so the volume sums see zero terms.
const std::vector<double> kVolumes{
    900.0, 607.0, 157.2, 209.6, 687.4, 0.0,   521.6, 120.9, 275.6, 759.0, 863.0, 435.2,
    102.3, 352.1, 818.5, 818.3, 0.0,   102.4, 435.5, 863.1, 758.8, 275.3, 121.0, 521.9,
    890.7, 687.1, 209.4, 0.0,   607.3, 900.0, 606.7, 157.1, 209.9, 687.7, 890.6, 521.2,
    120.8, 275.9, 0.0,   862.8, 434.8, 102.3, 352.4, 818.8, 818.1, 351.4, 102.4, 435.9,
    863.3, 0.0,   275.0, 121.1, 522.3, 890.8, 686.8, 209.1, 157.6, 607.7, 900.0, 606.3};

struct Checkpoint {
  const char* name;
  std::initializer_list<double> params;
  double at_48;  // the value returned by input 48
  double at_60;  // the value returned by input 60
};

const Checkpoint kCheckpoints[] = {
    {"Sma", {3}, 121.18666666666667, 122.87},
    {"Ema", {5}, 119.12743868528713, 122.0135194666105},
    {"Smma", {5}, 117.06026205410508, 121.32649740889426},
    {"Wma", {3}, 122.37333333333333, 121.53333333333336},
    {"Dema", {4}, 123.17928045317905, 121.39917836280829},
    {"Tema", {4}, 124.59791386103615, 120.00878338818707},
    {"GeneralizedDema", {4, 0.7}, 122.23599549597066, 121.5650985487884},
    {"T3", {3, 0.7}, 120.05329843761035, 123.75786289418204},
    {"Trima", {6}, 115.35166666666663, 124.98249999999999},
    {"Zlema", {6}, 123.16313189720552, 120.61756565416717},
    {"Hma", {9}, 121.15981481481485, 125.91585185185238},
    {"Ehma", {9}, 119.52672298949983, 124.18712912005192},
    {"Alma", {9, 0.85, 6}, 118.95309328481181, 123.86291633293857},
    {"SineWeightedMa", {7}, 114.45716020983645, 123.8710241487386},
    {"McGinleyDynamic", {6}, 116.75725164909184, 121.01160477691802},
    {"Kama", {10, 2, 30}, 108.44953611195561, 111.33188542109073},
    {"Vidya", {9, 5}, 115.80826620594159, 120.72544009244773},
    {"Frama", {10}, 114.97955914778979, 121.16261610772224},
    {"HoltWinters", {0.3, 0.2}, 119.89186941326743, 124.16254851849934},
    {"Jma", {7, 50, 2}, 121.77333666980921, 122.77622111840647},
    {"SuperSmoother", {10}, 116.96743591964864, 124.69246241450847},
    {"Mama", {0.5, 0.05}, 117.94077444299431, 120.21120783180044},
    {"Fama", {0.5, 0.05}, 111.55955814355775, 116.91051285215292},
    {"GeometricMa", {5}, 116.84795317473485, 124.29632709503916},
    {"Vwma", {4}, 116.94513877503219, 123.24110494805421},
    {"Evwma", {4}, 116.22926545943896, 121.35744361167454},
};

TEST(BitExact, AgreesWithIndependentReference) {
  std::vector<Candle> bars;
  for (std::size_t i = 0; i < kCloses.size(); ++i) bars.push_back(bar_of(kCloses[i], kVolumes[i]));
  for (const Checkpoint& c : kCheckpoints) {
    SCOPED_TRACE(c.name);
    IndicatorBox ev = build(c.name, c.params);
    ASSERT_TRUE(ev);
    Values got = run_bars(*ev, bars);
    ASSERT_TRUE(got[47] && got[59]);
    EXPECT_EQ(*got[47], c.at_48);
    EXPECT_EQ(*got[59], c.at_60);
  }
}

}  // namespace
}  // namespace tolvex::test
