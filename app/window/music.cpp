#include "app/window/music.h"

namespace vaeloric {

TMusic::TMusic(QObject* parent) : QObject(parent) {}
TMusic::~TMusic() { Close(); }

void TMusic::Start() { playing_ = true; }
void TMusic::Stop() { playing_ = false; }
void TMusic::Close() { playing_ = false; }

}  // namespace vaeloric
