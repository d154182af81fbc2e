#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <vector>

#include "catalogue/records.h"
#include "edit/custom_units_model.h"

class QComboBox;
class QLineEdit;

namespace quantora {

class WindowLaunchers;

// The unit dialog: a unit's name, abbreviation and value, and the unit ("of:") it is a multiple of.
class dlgAddItem : public QDialog {
    Q_OBJECT

public:
    // `choices` are the category's common units, then its user-defined ones; the entry whose id is
    // `entry.referenceUnitId` starts selected.
    dlgAddItem(const QString& title, const UnitEntryTexts& entry, const std::vector<UnitRecord>& choices,
               WindowLaunchers& launchers, QWidget* parent = nullptr);

    // The texts taken by OK, with the chosen unit's id (-1 when none is chosen).
    const UnitEntryTexts& Entry() const { return entry_; }

    void accept() override;

private:
    void FillChoices(const std::vector<UnitRecord>& choices);
    std::int32_t ChosenUnitId() const;

    UnitEntryTexts entry_;
    QLineEdit* name_;
    QLineEdit* abbreviation_;
    QLineEdit* value_;
    QComboBox* of_;
};

}  // namespace quantora
