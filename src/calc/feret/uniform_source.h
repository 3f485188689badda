// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

namespace feret {

// Uniform single-precision draws in [0, 1). A fixed initial state, never reseeded, so
// every start of the program replays the same sequence.
class UniformSource {
public:
    float next() { return toUnitFloat(engine_()); }

    // The top 24 bits of a 32-bit word, scaled by 2^-24: exactly representable as a float
    // and at most 1 - 2^-24, so a draw can never round up to 1.0.
    static float toUnitFloat(std::uint32_t bits) { return static_cast<float>(bits >> 8) * 0x1p-24f; }

private:
    std::mt19937 engine_; // default seed: the same sequence on every platform
};

// The program's one generator.
UniformSource& processUniformSource();

} // namespace feret
