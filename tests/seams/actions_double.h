#pragma once
// The window's actions as a test's owner sees them: each one asked for, and the gate's answer.
#include "ui/window_actions.h"

#include <vector>

namespace seams {

struct ActionsDouble final : qennet::ui::WindowActions {
    bool Perform(qennet::ui::Action action) override {
        performed.push_back(action);
        return lets;
    }
    bool Allows(qennet::ui::Action action) const override {
        allowed.push_back(action);
        return lets;
    }
    bool lets = true;
    std::vector<qennet::ui::Action> performed;
    mutable std::vector<qennet::ui::Action> allowed;
};

} // namespace seams
