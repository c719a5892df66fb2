// Allocations that fail on demand: this program replaces the global operator new so that
// a test can make one chosen allocation throw std::bad_alloc, as memory running out would.
#pragma once

namespace lumora::test {

// The n-th allocation from now (n >= 1) throws, once; 0 makes none fail.
void fail_allocation(long n);
// Whether the chosen allocation came and threw.
bool allocation_failed();

// Runs call with allocation n failing, for n = 1, 2, ... until the call makes no more
// allocations than that; prepare runs before each, without failures, and check(result,
// failed) judges each run. Returns the runs made.
template <class Prepare, class Call, class Check>
long with_each_allocation_failing(Prepare prepare, Call call, Check check, long most = 100000) {
    long n = 1;
    for (; n <= most; ++n) {
        prepare();
        fail_allocation(n);
        const int result = call();
        const bool failed = allocation_failed();
        fail_allocation(0);
        check(result, failed);
        if (!failed) break;
    }
    return n;
}

}  // namespace lumora::test
