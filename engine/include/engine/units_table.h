// The ten unit scales: how much space and time one grid unit of 72 pixels stands for.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace Globals {

// In every row the space is the distance light travels in the time. The unit texts begin with a
// blank so that they can follow a formatted number directly; "us" is plain ASCII.
struct UnitsRow {
    std::int64_t x_Val;
    std::string_view x_units;
    std::int64_t y_val;
    std::string_view y_units;
};

inline constexpr std::array<UnitsRow, 10> unitsTable{{
    {3, " mm", 10, " ps"},
    {3, " cm", 100, " ps"},
    {30, " cm", 1, " ns"},
    {3, " m", 10, " ns"},
    {30, " m", 100, " ns"},
    {300, " m", 1, " us"},
    {3, " km", 10, " us"},
    {30, " km", 100, " us"},
    {300, " km", 1, " ms"},
    {3000, " km", 10, " ms"},
}};

} // namespace Globals
