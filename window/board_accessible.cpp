// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/board_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

#include "render/panel_texts.h"
#include "window/koravin_window.h"

namespace vaeloric {

namespace {

enum class TPart { Square, Throw, Enter, Move };

// One drawn part of the board window: a square or a picture button.
class TBoardPart : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    TBoardPart(TKoravinWindow* window, TPart part, TSquare square)
        : window_(window), part_(part), square_(square) {}

    bool isValid() const override { return !window_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return window_ ? window_->window()->windowHandle() : nullptr;
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(window_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    QAccessible::Role role() const override {
        return part_ == TPart::Square ? QAccessible::Cell : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!window_) return state;
        const TGameController& controller = window_->Controller();
        switch (part_) {
            case TPart::Throw:
            case TPart::Enter:
                state.invisible = !controller.AwaitsThrow();
                break;
            case TPart::Move:
                state.invisible = !controller.AwaitsComputerMove();
                break;
            case TPart::Square:
                state.focusable = true;
                state.focused = SquaresEqual(window_->KeyboardCursor(), square_);
                state.selected =
                    controller.PieceHeld() && SquaresEqual(controller.HeldSquare(), square_);
                break;
        }
        return state;
    }
    QString text(QAccessible::Text which) const override {
        if (!window_ || (which != QAccessible::Name && which != QAccessible::Description))
            return {};
        switch (part_) {
            case TPart::Throw:
                return which == QAccessible::Name ? QStringLiteral("THROW")
                                                  : QStringLiteral("Throws the die (T).");
            case TPart::Enter:
                return which == QAccessible::Name ? QStringLiteral("ENTER")
                                                  : QStringLiteral("Enters the face of a die (E).");
            case TPart::Move:
                return which == QAccessible::Name
                           ? QStringLiteral("MOVE")
                           : QStringLiteral("Makes the computer army's move (M).");
            case TPart::Square:
                break;
        }
        return which == QAccessible::Name ? SquareText() : QString();
    }
    QRect rect() const override {
        if (!window_) return {};
        const TBoardOrigin origin = window_->BoardOrigin();
        QRectF scene;
        switch (part_) {
            case TPart::Square: {
                const TPixel corner = SquareCornerOf(origin, square_.rank, square_.file);
                scene = QRectF(corner.x, corner.y, kSquareSize, kSquareSize);
                break;
            }
            case TPart::Throw:
                scene = HotRect(kThrowButtonRect);
                break;
            case TPart::Enter:
                scene = HotRect(kEnterButtonRect);
                break;
            case TPart::Move:
                scene = HotRect(kMoveButtonRect);
                break;
        }
        const QRect inWindow = window_->Scale().ToWindow(scene).toRect();
        return QRect(window_->mapToGlobal(inWindow.topLeft()), inWindow.size());
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override {
        if (!window_ || name != pressAction()) return;
        TGameController& controller = window_->Controller();
        switch (part_) {
            case TPart::Throw:
                controller.Throw();
                break;
            case TPart::Enter:
                controller.EnterThrow();
                break;
            case TPart::Move:
                controller.MakeComputerMove();
                break;
            case TPart::Square:
                // As Space on the keyboard's cursor: picks up, or drops the
                // piece held.
                window_->PressSquare(square_);
                break;
        }
        window_->update();
    }

  private:
    static QRectF HotRect(const THotRect& rect) {
        return QRectF(rect.left, rect.top, rect.right - rect.left + 1, rect.bottom - rect.top + 1);
    }
    QString SquareText() const {
        const TGameController& controller = window_->Controller();
        const TGameSession& game = controller.Game();
        QString text =
            QStringLiteral("%1%2: ").arg(QChar('A' + square_.file - 1)).arg(square_.rank);
        const TPiece& piece = game.board.GetPiece(square_.rank, square_.file);
        text += piece.kind == Empty ? QStringLiteral("empty")
                                    : QString::fromStdString(PieceNameText(
                                          piece.army, piece.kind, game.board.CompanionKind()));
        if (controller.PieceHeld() && SquaresEqual(controller.HeldSquare(), square_))
            text += QStringLiteral(", held");
        for (const SquareRecord& to : controller.HeldDestinations())
            if (controller.PieceHeld() && SquaresEqual(to.Square(), square_))
                text += to.capture ? QStringLiteral(", may be captured")
                                   : QStringLiteral(", may go here");
        const TTurnState& turn = game.turn;
        if (turn.mover != 0 &&
            (SquaresEqual(turn.moveFrom, square_) || SquaresEqual(turn.moveTo, square_)))
            text += QStringLiteral(", last move");
        if (SquaresEqual(game.setup.ptah, square_)) text += QStringLiteral(", Ptah square");
        return text;
    }

    QPointer<TKoravinWindow> window_;
    TPart part_;
    TSquare square_;
};

// The board window with its drawn parts as children after its widgets.
class TBoardAccessible : public QAccessibleWidget {
  public:
    explicit TBoardAccessible(TKoravinWindow* window)
        : QAccessibleWidget(window, QAccessible::Client) {
        for (TPart part : {TPart::Throw, TPart::Enter, TPart::Move})
            Add(new TBoardPart(window, part, TSquare{0, 0}));
        for (int rank = 8; rank >= 1; --rank)
            for (int file = 1; file <= 8; ++file)
                Add(new TBoardPart(window, TPart::Square, TSquare{rank, file}));
    }
    ~TBoardAccessible() override {
        for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(parts_.size());
    }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets) return QAccessibleWidget::child(index);
        const int part = index - widgets;
        return part < static_cast<int>(parts_.size()) ? parts_[part] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < parts_.size(); ++i)
            if (parts_[i] == child) return QAccessibleWidget::childCount() + static_cast<int>(i);
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (QAccessibleInterface* widget = QAccessibleWidget::childAt(x, y)) return widget;
        for (QAccessibleInterface* part : parts_)
            if (!part->state().invisible && part->rect().contains(x, y)) return part;
        return nullptr;
    }

  private:
    void Add(TBoardPart* part) {
        ids_.push_back(QAccessible::registerAccessibleInterface(part));
        parts_.push_back(part);
    }
    std::vector<QAccessibleInterface*> parts_;
    std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("vaeloric::TKoravinWindow"))
        if (auto* window = qobject_cast<TKoravinWindow*>(object))
            return new TBoardAccessible(window);
    return nullptr;
}

}  // namespace

void InstallBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(BoardFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace vaeloric
