// Every oscillator against an independent step-by-step restatement of its
// arithmetic over the shared fixture. The tables were printed by
// reference_values.py (plain doubles, exact fma via fractions); each row
// picks the first value, the next one, one a week later and the last.
#include <string>
#include <vector>

#include "oscillators/fixture.h"
#include "oscillators/series.h"

namespace tolvex::test {
namespace {

struct Pick {
  std::size_t step;
  std::vector<double> outputs;  // primary value, then the named outputs after it
};

struct ReferenceCase {
  const char* name;
  std::vector<double> params;
  long first;
  std::vector<Pick> picks;
};

// Running sums (Vwma, Cci) round differently from the reference's
// recomputed sums, so those types are compared to within 1e-9; the rest
// must match to the last bit.
bool needs_tolerance(std::string_view name) {
  return name == "VolumeWeightedMacd" || name == "StochasticCci";
}

const std::vector<ReferenceCase>& cases() {
  static const std::vector<ReferenceCase> kCases = {
      {"MacdIndicator",
       {5, 13, 4},
       15,
       {{15, {-3.8015773675865603, -4.185940908376686, 0.384363540790126}},
        {16, {-2.5659439843330176, -3.537942138759219, 0.9719981544262013}},
        {22, {3.5183675396185237, 2.2855856349273846, 1.232781904691139}},
        {59, {4.208437014077504, 3.5750745779284117, 0.6333624361490919}}}},
      {"MacdFix",
       {9},
       33,
       {{33, {-0.05142160659059414, 1.81525019577295, -1.8666718023635442}},
        {34, {0.0908096593951484, 1.4703620884973898, -1.3795524291022414}},
        {40, {2.6634012691092863, 1.6753952300243404, 0.9880060390849459}},
        {59, {3.0749693278751096, 1.8539849457075737, 1.220984382167536}}}},
      {"MacdHistogram",
       {5, 13, 4},
       15,
       {{15, {0.384363540790126}},
        {16, {0.9719981544262013}},
        {22, {1.232781904691139}},
        {59, {0.6333624361490919}}}},
      {"ZeroLagMacd",
       {4, 9, 3},
       15,
       {{15, {0.09743131480745149, -0.6408855832234744, 0.7383168980309259}},
        {16, {1.468560122217795, 1.0994016732023322, 0.3691584490154629}},
        {22, {-1.76235269846849, -1.7681207992343566, 0.005768100765866535}},
        {59, {-1.9957508067766838, -1.9957508067767258, 4.196643033083092e-14}}}},
      {"VolumeWeightedMacd",
       {3, 8, 4},
       10,
       {{10, {-3.1041976744186, -1.1437382568991374, -1.9604594175194627}},
        {11, {-6.640809523809523, -3.342566763663292, -3.298242760146231}},
        {17, {1.7446527777777732, -0.7113933659846863, 2.4560461437624594}},
        {59, {6.057443609022556, 6.5745195033161385, -0.5170758942935825}}}},
      {"PpoHistogram",
       {4, 10, 3},
       11,
       {{11, {-0.9462509559598911}},
        {12, {-0.46691071354929337}},
        {18, {0.8629510011729145}},
        {59, {0.06531813278250675}}}},
      {"AwesomeOscillator",
       {5, 12},
       11,
       {{11, {-2.3635000000000446}},
        {12, {-3.9786666666666974}},
        {18, {-0.5966666666667209}},
        {59, {7.4964166666666046}}}},
      {"AcceleratorOscillator",
       {3, 8, 4},
       10,
       {{10, {-2.614010416666666}},
        {11, {-2.3897916666666745}},
        {17, {3.134531249999995}},
        {59, {-1.1123958333333235}}}},
      {"Stochastic",
       {7, 3},
       8,
       {{8, {39.096916299559545, 47.71865465305072}},
        {9, {22.241529105125988, 34.48284571593494}},
        {15, {45.379537953795364, 22.59208653419466}},
        {59, {83.7272113436867, 86.03368536021212}}}},
      {"WilliamsR",
       {9},
       8,
       {{8, {-42.76875483372002}},
        {9, {-77.75847089487401}},
        {15, {-67.16417910447761}},
        {59, {-11.105990783410128}}}},
      {"StochasticCci",
       {6},
       10,
       {{10, {0.0}}, {11, {23.705755330274958}}, {17, {92.12634172913073}}, {59, {0.0}}}},
      {"StochRsi",
       {6, 5},
       10,
       {{10, {0.0}}, {11, {0.0}}, {17, {96.41024191676372}}, {59, {32.850710512993636}}}},
      {"Smi",
       {6, 4, 3},
       10,
       {{10, {-19.52408850699194}},
        {11, {-41.177982294566576}},
        {17, {-4.994019146472226}},
        {59, {64.77782388434188}}}},
      {"KasePermissionStochastic",
       {7, 3},
       10,
       {{10, {22.047170458157787, 34.915305663432285}},
        {11, {16.992391467831126, 25.953848565631706}},
        {17, {65.58856176065035, 52.95780356705052}},
        {59, {84.3164564359326, 83.96644954267533}}}},
      {"Stc",
       {4, 10, 5, 0.5},
       17,
       {{17, {100.0}}, {18, {100.0}}, {24, {50.0}}, {59, {36.805180721921445}}}},
      {"Qqe",
       {5, 3, 4.236},
       24,
       {{24, {75.48696445524055, 46.13637622247979}},
        {25, {62.66903495504308, 46.13637622247979}},
        {31, {30.01192852773647, 58.218459982124884}},
        {59, {78.24661309146717, 52.52692505939541}}}},
      {"WaveTrend",
       {5, 6, 3},
       15,
       {{15, {-45.05285928719664, -60.09278944210656}},
        {16, {-13.9048016259725, -41.72696165566008}},
        {22, {63.45934642451122, 63.011169947947614}},
        {59, {57.327392806317526, 60.98958117466706}}}},
  };
  return kCases;
}

TEST(Reference, FirstValueAtWarmupAndValuesMatch) {
  for (const ReferenceCase& c : cases()) {
    SCOPED_TRACE(c.name);
    IndicatorBox ev = build(c.name, c.params);
    ASSERT_TRUE(ev);
    EXPECT_EQ(ev->warmup(), static_cast<std::size_t>(c.first + 1));
    const double tol = needs_tolerance(c.name) ? 1e-9 : 0.0;
    std::size_t next = 0;
    const auto& bars = fixture_bars();
    for (std::size_t i = 0; i < bars.size(); ++i) {
      auto v = step(*ev, bars[i]);
      ASSERT_EQ(v.has_value(), static_cast<long>(i) >= c.first) << "step " << i;
      if (next == c.picks.size() || c.picks[next].step != i) continue;
      const std::vector<double>& want = c.picks[next++].outputs;
      OutputList fields = ev->fields();
      // Single-valued types have no fields; multi-valued ones list every
      // output, the primary value first.
      std::vector<double> got{*v};
      if (!fields.empty()) {
        EXPECT_EQ(fields[0].value, *v) << "primary value is the first output, step " << i;
        got.clear();
        for (const NamedOutput& o : fields) got.push_back(o.value);
      }
      ASSERT_EQ(got.size(), want.size()) << "step " << i;
      for (std::size_t k = 0; k < want.size(); ++k) {
        if (tol == 0)
          EXPECT_EQ(got[k], want[k]) << "step " << i << " output " << k;
        else
          EXPECT_NEAR(got[k], want[k], tol) << "step " << i << " output " << k;
      }
    }
    EXPECT_EQ(next, c.picks.size());
  }
}

TEST(Reference, ElderImpulseSequence) {
  // '.' no value, '+' +1, '0' 0, '-' -1; printed by reference_values.py.
  const std::string want = "............000++0++00000--0--00-0++0++0000--0--0000++0++000";
  IndicatorBox ev = build("ElderImpulse", {6, 4, 10, 3});
  ASSERT_TRUE(ev);
  EXPECT_EQ(ev->warmup(), 13u);
  std::string got;
  for (auto v : run_bars(*ev, fixture_bars())) got += !v ? '.' : *v > 0 ? '+' : *v < 0 ? '-' : '0';
  EXPECT_EQ(got, want);
}

}  // namespace
}  // namespace tolvex::test
