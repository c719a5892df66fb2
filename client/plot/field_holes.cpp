#include "field_holes.h"

#include <cmath>
#include <map>
#include <utility>

namespace lumora::plot {

std::vector<CellBox> known_boxes(const Grid& field) {
    std::vector<CellBox> done;
    std::map<std::pair<int, int>, CellBox> open;  // by the run's first and end column
    for (int j = 0; j < field.ny; ++j) {
        std::map<std::pair<int, int>, CellBox> next;
        for (int i = 0; i < field.nx;) {
            if (std::isnan(field.at(i, j))) {
                ++i;
                continue;
            }
            int end = i + 1;
            while (end < field.nx && !std::isnan(field.at(end, j))) ++end;
            const auto run = std::make_pair(i, end);
            const auto above = open.find(run);
            CellBox box = above != open.end() ? above->second : CellBox{i, j, end, j};
            if (above != open.end()) open.erase(above);
            box.j1 = j + 1;
            next.emplace(run, box);
            i = end;
        }
        for (const auto& [run, box] : open) done.push_back(box);
        open = std::move(next);
    }
    for (const auto& [run, box] : open) done.push_back(box);
    return done;
}

}  // namespace lumora::plot
