// The legs and the coil gap of the current case, on the page "＜　設計基準　＞" below the
// design conditions: per leg its shape, and for a leg bent out or along the axis the straight
// length before the bend and the inner bend radius; the gap between coils. Read by "計算"
// like every other input; a recalled or read case shows its own.
#pragma once

#include <QGroupBox>
#include <array>

#include "core/model/design_options.h"

class QComboBox;
class QLineEdit;

class LegsGroup : public QGroupBox {
    Q_OBJECT
  public:
    explicit LegsGroup(QWidget* parent = nullptr);

    // The legs and the gap as the controls hold them, over the rest of o. A text that is no
    // number, or a length outside 0..kMaxLegLength, throws CommandError. A leg without a bend
    // keeps no lengths, so straight legs read as the record's own.
    void readInto(torsion::DesignOptions& o) const;
    // Shows a case's legs and gap (lengths as texts that read back to their numbers).
    void showOptions(const torsion::DesignOptions& o);

    QComboBox* shapeBox(int leg) const { return shape_[static_cast<std::size_t>(leg)]; }
    QLineEdit* straightBox(int leg) const { return straight_[static_cast<std::size_t>(leg)]; }
    QLineEdit* radiusBox(int leg) const { return radius_[static_cast<std::size_t>(leg)]; }
    QLineEdit* gapBox() const { return gap_; }

  private:
    // The length boxes of a leg take input only while its shape has a bend.
    void ShowBent(int leg);

    std::array<QComboBox*, 2> shape_{};
    std::array<QLineEdit*, 2> straight_{};
    std::array<QLineEdit*, 2> radius_{};
    QLineEdit* gap_ = nullptr;
};
