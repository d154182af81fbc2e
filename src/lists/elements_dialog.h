#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>
#include <vector>

#include "lists/list_records.h"
#include "lists/list_rows.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace quantora {

class DialogLayout;
class ProfileStore;

// The chemical elements list: names and symbols narrowed by a part of the name, the selected
// element's properties beside them; a double-click copies the symbol.
class dlgElements : public QDialog {
    Q_OBJECT

public:
    dlgElements(ProfileStore& profile, const std::filesystem::path& elementsFile, QWidget* parent = nullptr);
    ~dlgElements() override;

private:
    void CreateDetailPane(DialogLayout& layout);
    void Fill();
    void ShowDetails(const QTreeWidgetItem* row);
    void CopySymbol();

    ProfileStore& profile_;
    std::vector<ElementRecord> table_;
    std::optional<ListRows> rows_;  // every element's row, made once when the file is read
    QLineEdit* filter_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* fileError_ = nullptr;
};

}  // namespace quantora
