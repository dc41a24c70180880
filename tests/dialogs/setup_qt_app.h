#pragma once

namespace vaeloric::test {

// A QApplication for the dialog tests, made once per program (whichever
// test asks first).
void EnsureWidgetApplication();

}  // namespace vaeloric::test
