// The shutdown saves: each file saved on its own, every failure reported together.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QString>

namespace hx {

struct SaveStep {
    QString file;                // the file the step writes, named in the failure message
    std::function<void()> save;  // raises hx::Error on failure
};

// Runs every step in order, whatever an earlier one did. Returns the message to show when
// any failed, naming each file not saved with its reason; nullopt when all were saved.
std::optional<QString> RunSaveSteps(const std::vector<SaveStep>& steps);

}  // namespace hx
