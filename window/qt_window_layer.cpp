// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt_window_layer.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "dialogs/dice_dialog.h"
#include "dialogs/game_div_dialog.h"
#include "dialogs/option_dialogs.h"
#include "dialogs/piece_info_dialog.h"
#include "dialogs/player_settings_dialog.h"
#include "dialogs/ptah_square_dialog.h"
#include "dialogs/setup_dialog_style.h"
#include "game/board.h"
#include "render/pictures/picture_catalogue.h"
#include "window/music.h"

namespace vaeloric {

namespace {

QMessageBox::Icon QtIcon(TBoxIcon icon) {
    switch (icon) {
        case TBoxIcon::Question:
            return QMessageBox::Question;
        case TBoxIcon::Exclamation:
            return QMessageBox::Warning;
        case TBoxIcon::Information:
            return QMessageBox::Information;
        case TBoxIcon::Stop:
            return QMessageBox::Critical;
        case TBoxIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtButtons(TBoxButtons buttons) {
    switch (buttons) {
        case TBoxButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case TBoxButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case TBoxButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case TBoxButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

bool RunFileDialog(QWidget* parent, std::string& fileName, bool save) {
    QFileDialog dialog(parent);
    dialog.setNameFilter(save ? kQtSavedGameFilter : kQtOpenGameFilter);
    dialog.setDefaultSuffix(kQtSavedGameExtension);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The read-only check box of other systems does not exist here; overwrite
    // is confirmed by the game's own "Game filename" question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!fileName.empty()) dialog.selectFile(QString::fromStdString(fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    fileName = dialog.selectedFiles().constFirst().toStdString();
    return true;
}

// Once the dialog's own event loop runs (it is shown and sized by then),
// move it beside the board.
void PlaceWhenShown(const TLayerHost& host, QWidget* dialog) {
    QTimer::singleShot(0, dialog, [&host, dialog] { host.PlaceBesideBoard(dialog); });
}

}  // namespace

TBoxAnswer TQtWindowLayer::ShowMessage(const TMessageBox& box) {
    // An empty title would be replaced by the program's name: a blank shows
    // the empty title bar the box asks for.
    const QString title =
        box.title.empty() ? QStringLiteral(" ") : QString::fromStdString(box.title);
    QMessageBox message(QtIcon(box.icon), title, QString::fromStdString(box.text),
                        QtButtons(box.buttons), &window_);
    // Wide enough that the window frame can show the whole title (most boxes
    // carry the question as their title).
    FitToTitle(&message);
    PlaceWhenShown(host_, &message);
    switch (message.exec()) {
        case QMessageBox::Cancel:
            return TBoxAnswer::Cancel;
        case QMessageBox::Yes:
            return TBoxAnswer::Yes;
        case QMessageBox::No:
            return TBoxAnswer::No;
        default:
            break;
    }
    return TBoxAnswer::Ok;
}

bool TQtWindowLayer::RunPtahSquareDialog(TPtahSquareChoice& choice) {
    TPtahSquareData data{choice.file, choice.rank, choice.question};
    if (!TPtahSquareDialog::Run(&window_, host_.Pictures().BoardLetter(), data)) return false;
    choice = TPtahSquareChoice{data.question, data.file, data.rank};
    return true;
}

bool TQtWindowLayer::RunPlayerSettingsDialog(TPlayerChoice& choice) {
    TPlayerSettingsData data{choice.seatCode, choice.names, choice.seerLevel};
    if (!TPlayerSettingsDialog::Run(&window_, data)) return false;
    choice.seatCode = data.seatCode;
    choice.names = data.names;
    choice.seerLevel = data.seerLevel;
    return true;
}

bool TQtWindowLayer::RunDiceDialog(TDiceChoice& choice) {
    TDiceDialog dialog(&window_, TDiceData{choice.face});
    PlaceWhenShown(host_, &dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    choice.face = dialog.Data().face;
    return true;
}

bool TQtWindowLayer::RunOptionDialog(TOptionKind which, TOptionSettings& options) {
    // The dialogs exchange one on/off value per radio button.
    QWidget* parent = &window_;
    switch (which) {
        case TOptionKind::BackgroundColour: {
            TBackgroundColourTransfer transfer;
            SelectButton(transfer.state, static_cast<int>(options.background));
            if (!RunBackgroundColourDialog(parent, transfer)) return false;
            options.background = static_cast<TBackground>(SelectedButton(transfer.state, 0));
            return true;
        }
        case TOptionKind::SquareStyle: {
            TSquareTypeTransfer transfer;
            SelectButton(transfer.state, options.vaeloricSquares ? 1 : 0);
            if (!RunSquareTypeDialog(parent, transfer)) return false;
            options.vaeloricSquares = SquarePictureOffset(transfer) != 0;
            return true;
        }
        case TOptionKind::BoardStyle: {
            TBoardsTransfer transfer;
            SelectButton(transfer.state, options.simpleBoard ? 1 : 0);
            if (!RunBoardsDialog(parent, transfer)) return false;
            options.simpleBoard = SimpleBoardChosen(transfer);
            return true;
        }
        case TOptionKind::PieceStyle: {
            TPiecesTransfer transfer;
            SelectButton(transfer.state, options.symbolicPieces ? 1 : 0);
            if (!RunPiecesDialog(parent, transfer)) return false;
            options.symbolicPieces = PieceSetOffset(transfer) != 0;
            return true;
        }
        case TOptionKind::Music: {
            TMusicTransfer transfer;
            SelectButton(transfer.state, options.musicOn ? 0 : 1);
            if (!RunMusicDialog(parent, transfer)) return false;
            options.musicOn = MusicChosenOn(transfer);
            return true;
        }
    }
    return false;
}

void TQtWindowLayer::RunPieceInfoDialog() {
    vaeloric::RunPieceInfoDialog(&window_, ElementCodeOfLetter(host_.Pictures().BoardLetter()),
                                 host_.Pictures());
}

void TQtWindowLayer::RunReadingDialog(const std::string& text, const std::string& caption) {
    TGameDivDialog dialog(&window_, text, caption);
    PlaceWhenShown(host_, &dialog);
    dialog.exec();
}

bool TQtWindowLayer::RunOpenDialog(std::string& fileName) {
    return RunFileDialog(&window_, fileName, false);
}

bool TQtWindowLayer::RunSaveDialog(std::string& fileName) {
    return RunFileDialog(&window_, fileName, true);
}

void TQtWindowLayer::SetCursor(int resourceId) {
    if (resourceId == kArrowCursor)
        window_.setCursor(Qt::ArrowCursor);
    else
        window_.setCursor(host_.Pictures().Cursor(resourceId, host_.Scale().Scale(),
                                                  window_.devicePixelRatioF()));
}

void TQtWindowLayer::SetWaitCursor(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TQtWindowLayer::Invalidate() {
    host_.ShowRuler(false);
}

void TQtWindowLayer::ShowMove(TSquare, TSquare) {
    host_.SlideLastMove();
}

void TQtWindowLayer::DrawButton(int) {
    window_.update();
}

void TQtWindowLayer::DrawInformationPanel() {
    host_.ShowRuler(false);
}

void TQtWindowLayer::DrawRulerPanel() {
    host_.ShowRuler(true);
}

void TQtWindowLayer::SetTitle(const std::string& title) {
    window_.setWindowTitle(QString::fromStdString(title));
}

void TQtWindowLayer::ShowControlPanel() {
    host_.ShowControlPanel();
}

void TQtWindowLayer::StartMusic() {
    host_.Music().Start();
}
void TQtWindowLayer::StopMusic() {
    host_.Music().Stop();
}
void TQtWindowLayer::CloseMusic() {
    host_.Music().Close();
}

void TQtWindowLayer::PlaySound(TSound sound) {
    host_.Music().PlaySound(sound);
}

void TQtWindowLayer::RequestClose() {
    window_.close();
}

void TQtWindowLayer::DestroyWindow() {
    host_.DestroyWithoutAsking();
}

void TQtWindowLayer::PostToWindow(std::function<void()> work) {
    // Queued on the window's thread; Qt drops it if the window is gone.
    QMetaObject::invokeMethod(&window_, std::move(work), Qt::QueuedConnection);
}

}  // namespace vaeloric
