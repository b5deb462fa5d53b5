// The first step of every property setter: store the new value unless it is the same.
#pragma once

#include <utility>

namespace vek {

/// Stores value in field and returns true, or returns false when field already equals
/// value (the setter then has nothing to repaint or report).
template <typename T, typename U>
bool Change(T& field, U&& value)
{
    if (field == value)
        return false;
    field = std::forward<U>(value);
    return true;
}

} // namespace vek
