// The program that GoogleTest's precompiled header is made for, once, so that every test
// program can reuse it; it holds no tests of its own.
#include <gtest/gtest.h>
