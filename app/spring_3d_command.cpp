#include "app/spring_3d_command.h"

#include <QString>
#include <memory>
#include <stdexcept>

#include "cad/spring_stl.h"
#include "core/base/command_error.h"
#include "core/base/number_text.h"
#include "core/files/case_file.h"
#include "core/geometry/spring_3d.h"
#include "ui/common/step_module.h"

using namespace torsion;

namespace {

std::string Value(const std::map<std::string, std::string>& values, const std::string& name) {
    const auto it = values.find(name);
    return it == values.end() ? std::string() : it->second;
}

SpringState StateOption(const std::string& text) {
    if (text.empty() || text == "free") return SpringState::Free;
    if (text == "1") return SpringState::Angle1;
    if (text == "2") return SpringState::Angle2;
    if (text == "max") return SpringState::MaxAngle;
    throw std::invalid_argument("--state は free, 1, 2, max のどれかです: " + text);
}

int SlotOption(const std::string& text) {
    if (text.empty()) return 0;
    int slot = -1;
    try {
        slot = ParseInteger(text);
    } catch (const CommandError&) {
    }
    if (slot < 0 || slot > kHistorySlots) throw std::invalid_argument("--slot は 0 から 30 です: " + text);
    return slot;
}

}  // namespace

int RunSpring3dCommand(const std::string& command, const std::string& caseFile,
                       const std::map<std::string, std::string>& values) {
    const std::string out = Value(values, "-o");
    if (out.empty() || out == "-")
        throw std::invalid_argument(command + " には -o で出力ファイルを指定します");
    const int slot = SlotOption(Value(values, "--slot"));
    const SpringState state = StateOption(Value(values, "--state"));
    auto cases = std::make_unique<CaseTable>();
    ReadCaseFile(*cases, caseFile);
    const SpringShape shape = SpringShapeAt((*cases)[static_cast<std::size_t>(slot)], state);
    if (command == "--stl") {
        WriteSpringStl(out, shape);
    } else {
        WriteSpringStepFile(
            QString::fromStdString(out), shape,
            {Value(values, "--product"), Value(values, "--drawing-no"), Value(values, "--designer")});
    }
    return 0;
}
