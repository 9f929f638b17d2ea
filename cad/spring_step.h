// The spring as one solid for CAD: the wire swept along the centre line of the 3D
// geometry, written as a STEP file (AP214, millimetres) with Open CASCADE. It is built
// into its own library, loaded the first time a model is written, so the program
// starts without the CAD kernel.
#pragma once

#include <string>

#include "core/base/catalogue_text.h"
#include "core/geometry/spring_3d.h"

namespace torsion {

// The title block the file's header carries; empty fields are left out. The labels name
// the fields in the header's description, in the language of the printed words.
struct StepTitle {
    std::string productName;  // 品名
    std::string drawingNo;    // 図番
    std::string designer;     // 設計者
    std::string productLabel = "品名";
    std::string drawingNoLabel = "図番";
    std::string designerLabel = "設計者";
};

// Writes the solid into the file at path as it stands; the program hands it the
// temporary file of a ReplacingFile (ui/common/step_module.cpp), which takes the
// user's name once it is complete. Throws CommandError "このばねは 3D モデルにできません"
// when the kernel cannot build a valid solid, and the usual message when the file
// cannot be written.
void WriteSpringStep(const std::string& path, const SpringShape& shape, const StepTitle& title);

inline constexpr const char* kCannotModelMessage = TS_TEXT("このばねは 3D モデルにできません");

// The entry the program looks up in the loaded library: WriteSpringStep with the
// message of a failure in `message` and false returned instead of an exception.
using WriteSpringStepEntry = bool (*)(const char* path, const SpringShape* shape, const StepTitle* title,
                                      std::string* message);
inline constexpr const char* kWriteSpringStepEntry = "TorsionWriteSpringStep";

}  // namespace torsion

// Exported by the STEP library; matches WriteSpringStepEntry.
extern "C" bool TorsionWriteSpringStep(const char* path, const torsion::SpringShape* shape,
                                       const torsion::StepTitle* title, std::string* message);
