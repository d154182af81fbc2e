#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "edit/find_model.h"

class QLineEdit;
class QListWidget;

namespace quantora {

class Catalogue;
class ProfileStore;

// The find window: every unit of the catalogue as "category>unit", narrowed by a part of either
// name. OK or a double-click on a line hands back that line's position code.
class dlgSearch : public QDialog {
    Q_OBJECT

public:
    dlgSearch(ProfileStore& profile, const Catalogue& catalogue, QWidget* parent = nullptr);
    ~dlgSearch() override;

    // The chosen line's code; none when cancelled or when no line was selected.
    std::optional<int> Result() const { return result_; }

private:
    void Fill();
    void Choose();

    ProfileStore& profile_;
    FindModel model_;
    std::vector<QString> shown_;  // the model's lines as shown, made once
    std::optional<int> result_;
    QLineEdit* filter_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace quantora
