#pragma once

#include <QWidget>
#include <string>

#include "app/flow/window_layer.h"

namespace vaeloric {

// Plain option and piece dialogs used until the drawn ones are wired in.
bool RunStandInOptionDialog(QWidget* parent, TOptionDialog which, TOptionSettings& options);
void RunStandInPieceInfoDialog(QWidget* parent);

}  // namespace vaeloric
