// The command-line 3D exports: `--step CASES.nbd` and `--stl CASES.nbd` with --slot,
// --state, -o and the title block options.
#pragma once

#include <map>
#include <string>

// Writes the model of one case of the case file and returns 0. A wrong option throws
// std::invalid_argument with the text for the usage message; a file or a spring that
// cannot be handled throws CommandError.
int RunSpring3dCommand(const std::string& command, const std::string& caseFile,
                       const std::map<std::string, std::string>& values);
