#include "core/base/command_error.h"

namespace torsion {

void ThrowNotFloat(std::string_view text) {
    throw CommandError({kNotFloatMessage, {std::string(text)}});
}
void ThrowNotInteger(std::string_view text) {
    throw CommandError({kNotIntegerMessage, {std::string(text)}});
}
void ThrowCannotOpen(std::string_view path) {
    throw CommandError({kCannotOpenMessage, {std::string(path)}});
}
void ThrowCannotCreate(std::string_view path) {
    throw CommandError({kCannotCreateMessage, {std::string(path)}});
}
void ThrowDivisionByZero() {
    throw CommandError(kDivisionByZeroMessage);
}
void ThrowInvalidOperation() {
    throw CommandError(kInvalidOperationMessage);
}
void ThrowOverflow() {
    throw CommandError(kOverflowMessage);
}

}  // namespace torsion
