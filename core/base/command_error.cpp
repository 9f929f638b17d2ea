#include "core/base/command_error.h"

namespace torsion {

std::string FillMessage(std::string_view pattern, std::string_view argument) {
    std::string out(pattern);
    const auto pos = out.find("%s");
    if (pos != std::string::npos) out.replace(pos, 2, argument);
    return out;
}

void ThrowNotFloat(std::string_view text) {
    throw CommandError(FillMessage(message_text::kNotFloat, text));
}
void ThrowNotInteger(std::string_view text) {
    throw CommandError(FillMessage(message_text::kNotInteger, text));
}
void ThrowCannotOpen(std::string_view path) {
    throw CommandError(FillMessage(message_text::kCannotOpen, path));
}
void ThrowCannotCreate(std::string_view path) {
    throw CommandError(FillMessage(message_text::kCannotCreate, path));
}
void ThrowDivisionByZero() {
    throw CommandError(message_text::kDivisionByZero);
}
void ThrowInvalidOperation() {
    throw CommandError(message_text::kInvalidOperation);
}
void ThrowOverflow() {
    throw CommandError(message_text::kOverflow);
}

}  // namespace torsion
