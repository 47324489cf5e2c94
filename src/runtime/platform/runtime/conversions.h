// The runtime's checked conversions.
#pragma once

#include <cstdint>

#include "platform/errors.h"

namespace ql {

inline std::uint8_t toByte(std::int32_t value) {
    if (value < 0 || value > 255) throw RuntimeError("Overflow");
    return static_cast<std::uint8_t>(value);
}

}  // namespace ql

namespace ql {

// 32-bit integer arithmetic that raises "Overflow" instead of wrapping.
inline std::int32_t checkedAdd(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = std::int64_t{a} + b;
    if (sum < INT32_MIN || sum > INT32_MAX) throw RuntimeError("Overflow");
    return static_cast<std::int32_t>(sum);
}

}  // namespace ql
