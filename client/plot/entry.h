// What the plotting layer's entry points share: reference-form results and arguments.
#pragma once

namespace lumora::plot {

// Stores a reference form's result (when there is a variable) and returns it.
inline int store(int* result, int value) {
    if (result != nullptr) *result = value;
    return value;
}

// An argument passed by address; a null address reads as zero.
template <typename T>
T at(const T* p) {
    return p != nullptr ? *p : T{};
}

}  // namespace lumora::plot
