// Errors that end a user command. Each carries the exact Japanese text that the
// standard error dialog shows.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace torsion {

class CommandError : public std::runtime_error {
  public:
    explicit CommandError(const std::string& message) : std::runtime_error(message) {}
    std::string message() const { return what(); }
};

namespace message_text {
inline constexpr const char* kNotFloat = "'%s' は浮動小数点数ではありません";
inline constexpr const char* kNotInteger = "'%s' は整数ではありません";
inline constexpr const char* kCannotOpen = "ファイル %s は開けません";
inline constexpr const char* kCannotCreate = "ファイル %s を作成できません";
inline constexpr const char* kDivisionByZero = "0 による浮動小数点数除算";
inline constexpr const char* kInvalidOperation = "不正な浮動小数点数演算命令";
inline constexpr const char* kOverflow = "浮動小数点数のオーバーフロー";
}  // namespace message_text

// Replaces the first "%s" of pattern with argument.
std::string FillMessage(std::string_view pattern, std::string_view argument);

[[noreturn]] void ThrowNotFloat(std::string_view text);
[[noreturn]] void ThrowNotInteger(std::string_view text);
[[noreturn]] void ThrowCannotOpen(std::string_view path);
[[noreturn]] void ThrowCannotCreate(std::string_view path);
[[noreturn]] void ThrowDivisionByZero();
[[noreturn]] void ThrowInvalidOperation();
[[noreturn]] void ThrowOverflow();

}  // namespace torsion
