// Character sources for the console reads: one character at a time, so that a read takes
// exactly what it needs from the input and leaves the rest for whoever reads next.
#pragma once

#include <cstdio>
#include <istream>

namespace lumora::fourier {

inline constexpr int kEndOfInput = -1;

class CharSource {
  public:
    virtual ~CharSource() = default;
    // The next character as an unsigned char value, or kEndOfInput.
    virtual int get() = 0;
};

class StreamSource final : public CharSource {
  public:
    explicit StreamSource(std::istream& in) : in_(in) {}
    int get() override;

  private:
    std::istream& in_;
};

// Reads through the C stream, so later readers of the same FILE* (stdin) continue where
// this one stopped.
class FileSource final : public CharSource {
  public:
    explicit FileSource(std::FILE* file) : file_(file) {}
    int get() override;

  private:
    std::FILE* file_;
};

}  // namespace lumora::fourier
