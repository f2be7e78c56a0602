#pragma once
// Loading the engine's results: the conditions of the run back into Form2's boxes, the field grids
// into Module1, then Form1 reset and shown. Called by Form2's "計算結果の表示"; reports its own
// failures to the user (any exception that still escapes is shown by Form2).
#include "module1.h"

namespace orvane {

class Form2;
class FormRegistry;

void LoadResults(Module1& module, Form2& form2, FormRegistry& forms);

}  // namespace orvane
