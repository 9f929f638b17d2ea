// Errors that end a user command. Each carries its text as a composed text: what() is the
// exact Japanese text, text() the pattern and arguments the Qt layer shows in the reader's
// language.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "core/base/catalogue_text.h"
#include "core/base/composed_text.h"

namespace torsion {

class CommandError : public std::runtime_error {
  public:
    // A marked catalogue text (a const char*), a composed text, or a verbatim std::string.
    explicit CommandError(ComposedText text) : std::runtime_error(text.Japanese()), text_(std::move(text)) {}
    std::string message() const { return what(); }
    const ComposedText& text() const { return text_; }

  private:
    ComposedText text_;
};

// The standard messages; %1 is the text or the file name.
inline constexpr const char* kNotFloatMessage = TS_TEXT("'%1' は浮動小数点数ではありません");
inline constexpr const char* kNotIntegerMessage = TS_TEXT("'%1' は整数ではありません");
inline constexpr const char* kCannotOpenMessage = TS_TEXT("ファイル %1 は開けません");
inline constexpr const char* kCannotCreateMessage = TS_TEXT("ファイル %1 を作成できません");
inline constexpr const char* kDivisionByZeroMessage = TS_TEXT("0 による浮動小数点数除算");
inline constexpr const char* kInvalidOperationMessage = TS_TEXT("不正な浮動小数点数演算命令");
inline constexpr const char* kOverflowMessage = TS_TEXT("浮動小数点数のオーバーフロー");

[[noreturn]] void ThrowNotFloat(std::string_view text);
[[noreturn]] void ThrowNotInteger(std::string_view text);
[[noreturn]] void ThrowCannotOpen(std::string_view path);
[[noreturn]] void ThrowCannotCreate(std::string_view path);
[[noreturn]] void ThrowDivisionByZero();
[[noreturn]] void ThrowInvalidOperation();
[[noreturn]] void ThrowOverflow();

}  // namespace torsion
