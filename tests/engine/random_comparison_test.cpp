#include "engine/converter.h"

#include "random_source.h"
#include "reference_converter.h"
#include "test_tag_sets.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace {

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\\n";
  }
  return text;
}

class RandomComparison : public testing::TestWithParam<std::uint32_t> {};

TEST_P(RandomComparison, EngineMatchesReference) {
  std::mt19937 random(GetParam());
  constexpr std::int32_t tabSizes[] = {2, 0, 1, 4, 99, 100, -1, 2147483647};
  for (int round = 0; round < 2500; ++round) {
    const std::vector<std::string> lines = randomSourceLines(random);
    for (const TagSet& tags : test_tags::all(tabSizes[random() % std::size(tabSizes)])) {
      ASSERT_EQ(Convert(lines, tags), referenceConvert(lines, tags))
          << "seed " << GetParam() << ", round " << round << ", source " << joined(lines);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, RandomComparison, testing::Values(1u, 2u, 3u, 20240607u));

}  // namespace
