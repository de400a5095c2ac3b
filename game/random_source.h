#pragma once

#include <cstdint>
#include <random>

namespace troven {

// Where the shuffle draws its positions from. The shuffle reseeds the source before it draws,
// then expects single-precision values r with 0 <= r < 1.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual float next() = 0;
};

// 32 random bits as a value in [0, 1): the top 24 fill a float's mantissa exactly, so the result is
// k / 2^24 and never rounds up to 1.0f (std::uniform_real_distribution<float> can).
constexpr float toUnitFloat(std::uint32_t bits) { return static_cast<float>(bits >> 8) * 0x1p-24f; }

// The game's own source: reseeded from a high-resolution clock at every shuffle.
class ClockSeededRandom final : public RandomSource {
  public:
    void reseed() override;
    float next() override;

  private:
    std::mt19937 engine_;
};

}  // namespace troven
