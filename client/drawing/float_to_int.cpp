#include "float_to_int.h"

namespace lumora {

std::int32_t truncate_to_int(double value) {
    // Written so that NaN fails the test as well as values beyond either end.
    if (!(value > -2147483649.0 && value < 2147483648.0)) return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

}  // namespace lumora
