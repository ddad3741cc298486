// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace peg {

// xorshift32: tiny and the same on every compiler, unlike the standard
// distributions, so pictures drawn from a fixed seed never change.
class XorShift32 {
public:
    explicit XorShift32(std::uint32_t seed) : state_(seed ? seed : 1u) {}

    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

    // Uniform on 0..n-1; the top remainder is rejected so no value is favoured.
    int below(std::uint32_t n)
    {
        const std::uint64_t limit = ((std::uint64_t(1) << 32) / n) * n;
        for (;;) {
            const std::uint32_t r = next();
            if (r < limit)
                return int(r % n);
        }
    }

    double unit() { return next() / 4294967296.0; }

private:
    std::uint32_t state_;
};

} // namespace peg
