// The relative-strength family. Expected values are hand calculations shown
// next to each case.
#include "momentum/series.h"

namespace tolvex::momentum_test {
namespace {

TEST(Rsi, WilderAveragesOfMoves) {
  // Rsi(2) over 1, 2, 3: no losses -> 100; constant series -> 50.
  expect_values(run("Rsi", {2}, {1, 2, 3}), {kNone, kNone, 100});
  expect_values(run("Rsi", {2}, {4, 4, 4, 4}), {kNone, kNone, 50, 50});
  // Rsi(2) over 10, 12, 11, 14, 13: moves +2, -1, +3, -1.
  // seed up = 1, down = 0.5 -> 100/1.5 = 66.67;
  // +3: up = (1 + 3) / 2 = 2, down = 0.25 -> 200/2.25;
  // -1: up = 1, down = (0.25 + 1) / 2 = 0.625 -> 100/1.625.
  expect_values(run("Rsi", {2}, {10, 12, 11, 14, 13}),
                {kNone, kNone, 100.0 / 1.5, 200.0 / 2.25, 100.0 / 1.625});
}

}  // namespace
}  // namespace tolvex::momentum_test
