// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <memory>

#include "launch/question_form.h"

namespace vaeloric {

class TPictureCatalogue;

// The board of the chosen element, drawn with the board program's own
// picture, on which the Ptah square is picked with a click. Corner squares
// are shaded and cannot be picked.
class TPtahPicker : public QWidget {
    Q_OBJECT
  public:
    explicit TPtahPicker(QWidget* parent = nullptr);
    ~TPtahPicker() override;

    void SetBoard(char boardLetter);
    void SetSquare(TPtahChoice square);  // rank 0: none marked
    TPtahChoice Square() const { return square_; }

    QSize sizeHint() const override { return {320, 320}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

  signals:
    void SquarePicked(vaeloric::TPtahChoice square);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QRect BoardRect() const;

    std::unique_ptr<TPictureCatalogue> pictures_;
    TPtahChoice square_;
};

}  // namespace vaeloric
