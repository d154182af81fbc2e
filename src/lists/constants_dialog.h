#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>

#include "lists/list_records.h"
#include "lists/list_rows.h"
#include "ui/widget_anchors.h"

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace quantora {

class ProfileStore;

// The physical constants list: every constant of the file with its value and uncertainty, narrowed
// by a part of the name; a double-click copies a value.
class dlgConstants : public QDialog {
    Q_OBJECT

public:
    dlgConstants(ProfileStore& profile, const std::filesystem::path& constantsFile, QWidget* parent = nullptr);
    ~dlgConstants() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void Fill();
    void CopyValue();

    ProfileStore& profile_;
    QLineEdit* filter_ = nullptr;
    QTreeWidget* list_ = nullptr;
    // Every constant's row and its match text, made once when the file is read.
    std::optional<ListRows> rows_;
    QLabel* fileError_ = nullptr;
    WidgetAnchors anchors_;
};

}  // namespace quantora
