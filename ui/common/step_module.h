// The STEP writer lives in a library of its own (with the CAD kernel behind it); it is
// loaded the first time a STEP file is written, so the program starts without it.
#pragma once

#include <QString>

#include "cad/spring_step.h"

// Writes the spring's STEP file through the library. Throws CommandError with the
// library's message, or "3D モデル出力の部品 %s を読み込めません" when it cannot be loaded.
void WriteSpringStepFile(const QString& path, const torsion::SpringShape& shape,
                         const torsion::StepTitle& title);
