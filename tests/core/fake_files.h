#pragma once
// A working directory made of names only: a file exists when its name is in the set.
#include "core/types.h"

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

namespace qennet::testing {

struct FakeFiles {
    FakeFiles() = default;
    FakeFiles(std::initializer_list<const char*> names) : present(names.begin(), names.end()) {}

    std::set<std::string> present;
    std::vector<std::string> asked; // every name looked up, in order

    FileExistsFn Exists() {
        return [this](const std::string& name) {
            asked.push_back(name);
            return present.count(name) > 0;
        };
    }
};

} // namespace qennet::testing
