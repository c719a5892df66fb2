// Scripted answers of the yes/no question when nobody can click: LUMORA_ANSWERS holds a
// comma-separated list such as "yes,no,yes", taken in order, one per question. Words are
// compared without case and surrounding blanks:
//   yes, y, 1   answer 6 (yes, as the Win32 IDYES)
//   no, n, 0    answer 7 (no, IDNO)
//   anything else, e.g. cancel or an empty word: answer 2 (IDCANCEL)
// When the list is used up, or there is none, every question is answered yes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace luwnd {

inline constexpr std::int32_t kAnswerYes = 6;
inline constexpr std::int32_t kAnswerNo = 7;
inline constexpr std::int32_t kAnswerCancel = 2;

class AnswerScript {
  public:
    explicit AnswerScript(std::string_view text = {});
    std::int32_t next();
    // Whether answers were scripted at all: then nobody is asked, even with a display.
    bool scripted() const { return !answers_.empty(); }

  private:
    std::vector<std::int32_t> answers_;
    std::size_t next_ = 0;
};

}  // namespace luwnd
