// The design file (.nbdx): JSON in UTF-8 holding the whole case table, each slot as its
// 224-byte record byte for byte (hex) plus the design options beside it, with a version
// number. A case file (.nbd) is a design file whose options are all at their defaults, so
// either converts into the other without losing a byte of the records.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/design_case.h"
#include "core/model/design_options.h"

namespace torsion {

inline constexpr int kDesignFileVersion = 1;
inline constexpr std::string_view kDesignFileFormat = "torsion-spring-design";
// A design file of 31 slots is about 20 kB; anything far larger is refused unread.
inline constexpr std::size_t kMaxDesignFileBytes = 1 << 20;
inline constexpr int kMaxDesignFileDepth = 8;

// The file's text (UTF-8 JSON, a line end at the end).
std::string EncodeDesignFile(const CaseTable& cases, const DesignOptionsTable& options);

// Reads a design file's text into the tables. On the first fault it throws
// "ファイル %s は設計ファイルとして読めません: " + the fault (path in place of %s) and
// changes nothing.
void DecodeDesignFile(std::string_view text, const std::string& path, CaseTable& cases,
                      DesignOptionsTable& options);

// Whether a path names a design file by its name (.nbdx, any case).
bool IsDesignFileName(const std::string& path);

// Whether a file's bytes are a design file: its name ends in .nbdx, or it does not end in
// .nbd, is not a whole case table long and its text starts with "{".
bool IsDesignFileContent(const std::string& path, std::span<const std::uint8_t> bytes);

// Reads the bytes of a case file of either kind (IsDesignFileContent): a design file, or
// the byte image of the case table (.nbd), which copies min(size, 6944) bytes over the
// table and sets the options of the slots it reaches to their defaults (a short file
// leaves the other slots and their options as they are). Throws the design file's fault
// and then changes nothing.
void OverlayAnyCaseFile(const std::string& path, std::span<const std::uint8_t> bytes, CaseTable& cases,
                        DesignOptionsTable& options);

// Reads a case file of either kind from disk (OverlayAnyCaseFile). Throws "ファイル %s は
// 開けません" when it cannot be read, or the design file's fault; either way nothing changes.
void ReadAnyCaseFile(const std::string& path, CaseTable& cases, DesignOptionsTable& options);

// Writes the design file safely; throws "ファイル %s を作成できません".
void WriteDesignFile(const std::string& path, const CaseTable& cases, const DesignOptionsTable& options);

// What saving as a case file (.nbd) loses: one line per slot whose options are not all at
// their defaults ("現在のケース: …" or "履歴 n: …"); empty when nothing is lost.
std::vector<std::string> OptionsLostInCaseFile(const DesignOptionsTable& options);

}  // namespace torsion
