// Random byte edits of JSON texts for the robustness tests: one to three
// replacements, deletions or insertions of bytes from an alphabet. The
// generator is seeded, so every failure replays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolvex::json::testing {

class ByteEdits {
 public:
  ByteEdits(std::uint64_t seed, std::string_view alphabet) : state_(seed), alphabet_(alphabet) {}

  // A number in [0, n).
  std::size_t below(std::size_t n) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::size_t>((state_ >> 33) % n);
  }
  char any_byte() { return alphabet_[below(alphabet_.size())]; }

  std::string apply(std::string text) {
    for (std::size_t edits = 1 + below(3); edits > 0 && !text.empty(); --edits) {
      std::size_t at = below(text.size());
      switch (below(3)) {
        case 0:
          text[at] = any_byte();
          break;
        case 1:
          text.erase(at, 1 + below(4));
          break;
        default:
          text.insert(at, 1, any_byte());
      }
    }
    return text;
  }

 private:
  std::uint64_t state_;
  std::string_view alphabet_;
};

}  // namespace tolvex::json::testing
