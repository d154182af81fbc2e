#include "calc/formula_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>
#include <QValidator>
#include <array>

#include "app/qt_user_prompts.h"
#include "app/widget_placement.h"
#include "calc/function_list.h"
#include "calc/qt_formula_file_dialogs.h"
#include "catalogue/cp1252.h"
#include "main/window_launchers.h"
#include "ui/choice_group.h"
#include "ui/dialog_layout.h"
#include "ui/fx_button.h"
#include "ui/record_text.h"
#include "ui/tooltip_table.h"

// Qt's resource initialiser must be named from the global namespace.
static void RegisterFormulaPictures() { Q_INIT_RESOURCE(formula_pictures); }

namespace quantora {

namespace {

namespace id = formula_id;

constexpr int kDialogWidth = 388;
constexpr int kDialogHeight = 228;
constexpr std::string_view kHelpPage = "expressa.htm";
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

constexpr std::array<ControlTip, 10> kTips{{
    {id::kFormula, "Type the function here or select from [Functions List]"},
    {id::kX, "Type the value of [x] here"},
    {id::kFunctionsList, "Double click the required fuction to be appended in [f(x)]"},
    {id::kPlus, "[Plus] Sign"},
    {id::kMinus, "[Minus] Sign"},
    {id::kMultiply, "[Multiplication] Sign"},
    {id::kDivide, "[Division] Sign"},
    {id::kPower, "[Power of] Sign"},
    {id::kCalculate, "Calculate Formula"},
    {id::kClose, "Close Expressa"},
}};

struct Key {
    int id;
    char character;
    DialogRect place;
};

constexpr std::array<Key, 14> kKeypad{{
    {1047, '7', {173, 69, 20, 17}},
    {1048, '8', {193, 69, 20, 17}},
    {1051, '9', {214, 69, 20, 17}},
    {1052, '4', {173, 88, 20, 17}},
    {1053, '5', {193, 88, 20, 17}},
    {1054, '6', {214, 88, 20, 17}},
    {1055, '1', {173, 107, 20, 17}},
    {1056, '2', {193, 107, 20, 17}},
    {1057, '3', {214, 107, 20, 17}},
    {1059, '0', {173, 127, 40, 17}},
    {1058, '.', {214, 127, 20, 17}},
    {1061, 'x', {173, 149, 20, 17}},
    {1062, '(', {193, 149, 20, 17}},
    {1063, ')', {214, 149, 20, 17}},
}};

constexpr std::array<int, 7> kVariableButtons{1067, 1069, 1070, 1071, 1072, 1073, 1074};
constexpr std::array<int, 7> kVariableFields{1089, 1091, 1092, 1094, 1095, 1096, 1097};

struct Operator {
    int id;
    char character;
    const char* menuText;
    const char* tip;
    const char* icon;
};

constexpr std::array<Operator, 5> kOperators{{
    {id::kPlus, '+', "&+ Plus", "[Plus] Sign", "plus"},
    {id::kMinus, '-', "&- Minus", "[Minus] Sign", "minus"},
    {id::kMultiply, '*', "&* [Multiply by ] sign", "[Multiply by] Sign", "multiply"},
    {id::kDivide, '/', "&/ [Divide by] sign", "[Divide by] Sign", "divide"},
    {id::kPower, '^', "&^ [to the Power of] sign", "[to the power of] Sign", "power"},
}};

bool FitsRecordText(const QString& text, std::size_t capacity) {
    bool lossless = true;
    const std::string bytes = Utf8ToCp1252(text.toStdString(), &lossless);
    return lossless && bytes.size() <= capacity;
}

// Characters a formula file cannot keep are refused as they are typed or pasted.
class Cp1252Validator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        bool lossless = true;
        Utf8ToCp1252(input.toStdString(), &lossless);
        return lossless ? Acceptable : Invalid;
    }
};

QLabel& AddCaption(DialogLayout& layout, int controlId, const char* text, const DialogRect& place) {
    auto& label = layout.Add<QLabel>(controlId, QString::fromUtf8(text), place);
    SetTextColour(label, kBlue);
    label.setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

QIcon ToolbarIcon(const char* name) {
    static const bool registered = (RegisterFormulaPictures(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/formula/%1.png").arg(QString::fromUtf8(name)));
}

}  // namespace

CFormulaDlg::CFormulaDlg(ProfileStore& profile, WindowLaunchers& launchers,
                         const std::optional<std::filesystem::path>& file, QWidget* parent, FormulaWindowSeams seams)
    : QDialog(parent), profile_(profile), launchers_(launchers) {
    if (seams.prompts == nullptr) {
        ownPrompts_ = std::make_unique<QtUserPrompts>(this);
        seams.prompts = ownPrompts_.get();
    }
    if (seams.fileDialogs == nullptr) {
        ownFileDialogs_ = std::make_unique<QtFormulaFileDialogs>(this);
        seams.fileDialogs = ownFileDialogs_.get();
    }
    model_ = std::make_unique<FormulaWindowModel>(profile_, *seams.prompts, *seams.fileDialogs);
    setWindowTitle(QString::fromUtf8(kExpressa.data(), static_cast<qsizetype>(kExpressa.size())));

    // The layout leaves the top of the window free for the toolbar, which lies over it.
    auto* body = new QWidget(this);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    CreateMenusAndToolbar(*body);
    frame->setMenuBar(menuBar_);
    frame->addWidget(body);
    DialogLayout layout(*body);
    body->setFixedSize(layout.Map({0, 0, kDialogWidth, kDialogHeight}).size());
    toolbar_->setGeometry(0, 0, body->width(), toolbar_->sizeHint().height());
    CreateFields(layout);
    CreateVariables(layout);
    CreateKeypad(layout);
    CreateAngleChoices(layout);
    CreateFunctionsList(layout);
    CreateButtons(layout);
    CreateHiddenButtons();
    SetTooltips(*this, kTips);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &CFormulaDlg::OnHelp);
    RestoreWindowPlacement(profile_, placement_entry::kFormulaWindow, *this);

    ShowLoaded(model_->Open(file));
    RebuildRecentFiles();
}

CFormulaDlg::~CFormulaDlg() {
    SaveWindowPlacement(profile_, placement_entry::kFormulaWindow, *this);
    model_->WriteState();
}

QAction* CFormulaDlg::AddCommand(QMenu& menu, const char* text, const char* tip, const char* icon,
                                 void (CFormulaDlg::*handler)()) {
    QAction* action = menu.addAction(QString::fromUtf8(text), this, handler);
    if (tip != nullptr) action->setToolTip(QString::fromUtf8(tip));
    if (icon != nullptr) action->setIcon(ToolbarIcon(icon));
    return action;
}

void CFormulaDlg::CreateMenusAndToolbar(QWidget& body) {
    menuBar_ = new QMenuBar(this);
    fileMenu_ = menuBar_->addMenu(QStringLiteral("&File"));
    QAction* newFile = AddCommand(*fileMenu_, "&New", "New Blank File", "new", &CFormulaDlg::OnNew);
    QAction* open = AddCommand(*fileMenu_, "&Open", "Open Existing File", "open", &CFormulaDlg::OnOpen);
    QAction* save = AddCommand(*fileMenu_, "&Save", "Save to File", "save", &CFormulaDlg::OnSave);
    QAction* close = AddCommand(*fileMenu_, "&Close", nullptr, nullptr, &CFormulaDlg::reject);
    fileMenu_->addSeparator();
    contextMenu_ = new QMenu(this);
    contextMenu_->addActions({newFile, open, save, close});

    QMenu* edit = menuBar_->addMenu(QStringLiteral("&Edit"));
    QAction* undo = AddCommand(*edit, "&Undo", "Undo Typing", "undo", &CFormulaDlg::OnUndo);
    QAction* backspace = AddCommand(*edit, "&Backspace", "Backspace", "backspace", &CFormulaDlg::OnBackspace);
    QAction* del = AddCommand(*edit, "&Del", "Delete after Cursor", "delete", &CFormulaDlg::OnDelete);
    QAction* clear = AddCommand(*edit, "&Clear all", "Clear constants ,variable x and function f(x)", "clear",
                                &CFormulaDlg::OnClearAll);

    QMenu* insert = menuBar_->addMenu(QStringLiteral("&Insert"));
    std::array<QAction*, kOperators.size()> operators{};
    for (std::size_t i = 0; i < kOperators.size(); ++i) {
        const Operator& op = kOperators[i];
        operators[i] = insert->addAction(QString::fromUtf8(op.menuText), this, [this, op] { Insert(op.character); });
        operators[i]->setToolTip(QString::fromUtf8(op.tip));
        operators[i]->setIcon(ToolbarIcon(op.icon));
    }

    toolbar_ = new QToolBar(&body);
    toolbar_->setIconSize(QSize(16, 16));
    toolbar_->setMovable(false);
    toolbar_->addActions({newFile, open, save});
    toolbar_->addSeparator();
    toolbar_->addAction(undo);
    toolbar_->addSeparator();
    toolbar_->addActions({backspace, del});
    toolbar_->addSeparator();
    toolbar_->addAction(clear);
    toolbar_->addSeparator();
    toolbar_->addActions({operators[0], operators[1]});
    toolbar_->addSeparator();
    toolbar_->addActions({operators[2], operators[3]});
    toolbar_->addSeparator();
    toolbar_->addAction(operators[4]);
}

void CFormulaDlg::CreateFields(DialogLayout& layout) {
    AddCaption(layout, 1110, "x:", {20, 26, 8, 8});
    auto& x = layout.Add<QLineEdit>(id::kX, {28, 24, 92, 14});
    fields_[static_cast<std::size_t>(FormulaField::kX)] = &x;
    AddCaption(layout, 1111, "f(x):", {12, 42, 16, 8});
    formula_ = &layout.Add<QPlainTextEdit>(id::kFormula, {28, 39, 207, 28});
    formula_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    formula_->setTabChangesFocus(true);
    formula_->setContextMenuPolicy(Qt::CustomContextMenu);
    formula_->installEventFilter(this);
    connect(formula_, &QPlainTextEdit::textChanged, this, &CFormulaDlg::OnFormulaChanged);
    connect(formula_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& point) { contextMenu_->exec(formula_->mapToGlobal(point)); });
    AddCaption(layout, 1112, "Result:", {5, 71, 23, 8});
    result_ = &layout.Add<QLineEdit>(id::kResult, {28, 69, 143, 14});
    result_->setReadOnly(true);
    SetTextColour(*result_, kRed);
}

void CFormulaDlg::CreateVariables(DialogLayout& layout) {
    auto& frame = layout.Add<QGroupBox>(id::kConstantsGroup, QStringLiteral("Constants"), {27, 84, 143, 115});
    SetTextColour(frame, kBlue);
    for (std::size_t i = 0; i < kVariableButtons.size(); ++i) {
        const int y = 96 + static_cast<int>(i) * 86 / 6;
        const char letter = FormulaRecord::kVariableNames[i];
        auto& button =
            layout.Add<QPushButton>(kVariableButtons[i], QStringLiteral("%1:").arg(QChar(letter)), {30, y, 20, 14});
        button.setAutoDefault(false);
        connect(&button, &QPushButton::clicked, this, [this, letter] { Insert(letter); });
        auto& field = layout.Add<QLineEdit>(kVariableFields[i], {50, y, 116, 14});
        fields_[static_cast<std::size_t>(FormulaField::kF) + i] = &field;
    }
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        QLineEdit* field = fields_[i];
        if (field == nullptr) continue;
        field->setMaxLength(static_cast<int>(FieldCapacity(static_cast<FormulaField>(i))));
        field->setValidator(new Cp1252Validator(field));
        connect(field, &QLineEdit::textChanged, this, [this, i](const QString& text) {
            if (!showing_) model_->SetText(static_cast<FormulaField>(i), ToRecordText(text));
        });
    }
}

void CFormulaDlg::CreateKeypad(DialogLayout& layout) {
    for (const Key& key : kKeypad) {
        auto& button = layout.Add<QPushButton>(key.id, QString(QChar(key.character)), key.place);
        button.setAutoDefault(false);
        connect(&button, &QPushButton::clicked, this, [this, character = key.character] { Insert(character); });
    }
}

void CFormulaDlg::CreateAngleChoices(DialogLayout& layout) {
    layout.Add<QGroupBox>(id::kAngleGroup, QStringLiteral("Angle type"), {171, 175, 63, 48});
    angleChoice_ = new QButtonGroup(this);
    const std::array<std::pair<int, const char*>, 3> choices{
        {{id::kDegrees, "&Degrees"}, {id::kRadians, "&Radians"}, {id::kGrads, "&Grads"}}};
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const auto& [controlId, text] = choices[i];
        auto& radio = layout.AddChoice<QRadioButton>(controlId, QString::fromUtf8(text),
                                                     {177, 186 + 12 * static_cast<int>(i), 52, 10});
        angleChoice_->addButton(&radio, controlId);
        const auto unit = static_cast<AngleUnit>(i + 1);
        connect(&radio, &QRadioButton::clicked, this, [this, unit] { model_->ChooseAngle(unit); });
    }
}

void CFormulaDlg::CreateFunctionsList(DialogLayout& layout) {
    AddCaption(layout, 1113, "Functions List:", {237, 24, 47, 8});
    functions_ = &layout.Add<QListWidget>(id::kFunctionsList, {235, 39, 86, 184});
    for (const std::string& line : FunctionListLines()) functions_->addItem(QString::fromStdString(line));
    connect(functions_, &QListWidget::itemDoubleClicked, this, &CFormulaDlg::OnFunctionActivated);
}

void CFormulaDlg::CreateButtons(DialogLayout& layout) {
    auto& calculate = layout.Add<CFxButton>(id::kCalculate, {324, 39, 60, 19});
    ConfigureSkinnedButton(calculate, 193, QStringLiteral("C&alculate"), QStringLiteral("Calculate Formula"));
    calculate.SetLookCaption(ButtonLook::kHover, QStringLiteral("C&alculate?"));
    calculate.setDefault(true);
    connect(&calculate, &QPushButton::clicked, this, &CFormulaDlg::OnCalculate);

    auto& close = layout.Add<CFxButton>(id::kClose, {324, 66, 60, 19});
    ConfigureSkinnedButton(close, 186, QStringLiteral("&Close"), QStringLiteral("Close Expressa"));
    close.SetLookCaption(ButtonLook::kPressed, QStringLiteral("Closing"));
    close.SetLookCaption(ButtonLook::kHover, QStringLiteral("Close?"));
    close.setAutoDefault(false);
    connect(&close, &QPushButton::clicked, this, &CFormulaDlg::reject);
}

void CFormulaDlg::CreateHiddenButtons() {
    for (const Operator& op : kOperators) {
        auto* button = new QPushButton(QString(QChar(op.character)), this);
        button->setObjectName(QString::number(op.id));
        button->setAutoDefault(false);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, character = op.character] { Insert(character); });
    }
    auto* functions = new QPushButton(QStringLiteral("Functions"), this);
    functions->setObjectName(QString::number(id::kFunctions));
    functions->setAutoDefault(false);
    functions->hide();
}

FieldEdit CFormulaDlg::FormulaEdit() const {
    const QTextCursor cursor = formula_->textCursor();
    return {model_->Text(FormulaField::kFormula), static_cast<std::size_t>(cursor.selectionStart()),
            static_cast<std::size_t>(cursor.selectionEnd())};
}

void CFormulaDlg::ShowFormula(const FieldEdit& formula) {
    showing_ = true;
    const QString text = FromRecordText(formula.text);
    if (formula_->toPlainText() != text) formula_->setPlainText(text);
    QTextCursor cursor = formula_->textCursor();
    const int length = static_cast<int>(text.size());
    cursor.setPosition(std::min(static_cast<int>(formula.start), length));
    cursor.setPosition(std::min(static_cast<int>(formula.end), length), QTextCursor::KeepAnchor);
    formula_->setTextCursor(cursor);
    showing_ = false;
    formula_->setFocus();
}

void CFormulaDlg::ShowFields() {
    showing_ = true;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i] != nullptr) fields_[i]->setText(FromRecordText(model_->Text(static_cast<FormulaField>(i))));
    }
    const QString formula = FromRecordText(model_->Text(FormulaField::kFormula));
    if (formula_->toPlainText() != formula) formula_->setPlainText(formula);
    result_->setText(FromRecordText(model_->Result()));
    setWindowTitle(QString::fromStdString(model_->Caption()));
    showing_ = false;
    ShowAngle();
}

void CFormulaDlg::ShowAngle() {
    // An unknown unit checks none.
    const int angle = model_->CheckedAngle();
    CheckOnly(*angleChoice_, angle == 0 ? std::nullopt : std::optional(id::kDegrees + angle - 1));
}

void CFormulaDlg::ShowCalculation(const CalculationOutcome& outcome) {
    ShowFields();
    if (outcome.failed) ShowFormula(outcome.marked);
}

void CFormulaDlg::ShowLoaded(const std::optional<CalculationOutcome>& outcome) {
    if (outcome) {
        ShowCalculation(*outcome);
    } else {
        ShowFields();
    }
    RebuildRecentFiles();
}

void CFormulaDlg::RebuildRecentFiles() {
    const QList<QAction*> items = fileMenu_->actions();
    for (qsizetype position = 8; position >= 5; --position) {
        if (position < items.size()) {
            fileMenu_->removeAction(items[position]);
            items[position]->deleteLater();
        }
    }
    const RecentFiles files = model_->Recent();
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].empty()) continue;
        QAction* item = fileMenu_->addAction(QString::fromStdString(files[i]), this, [this, i] { OnRecentFile(i); });
        const int commandId = id::kFirstRecentFile + static_cast<int>(i);
        item->setObjectName(QString::number(commandId));
        item->setData(commandId);
    }
}

// What the user types is kept within what a formula file can hold, as the one-line fields are.
void CFormulaDlg::OnFormulaChanged() {
    if (showing_) return;
    const QString text = formula_->toPlainText();
    if (FitsRecordText(text, FieldCapacity(FormulaField::kFormula))) {
        model_->EditFormula(ToRecordText(text));
        return;
    }
    // The refused change goes, and the caret stays where it stood before the change.
    const std::string& kept = model_->Text(FormulaField::kFormula);
    const qsizetype grown = text.size() - static_cast<qsizetype>(kept.size());
    const auto caret = static_cast<std::size_t>(std::max<qsizetype>(formula_->textCursor().position() - grown, 0));
    ShowFormula({kept, caret, caret});
    QApplication::beep();
}

void CFormulaDlg::OnCalculate() { ShowCalculation(model_->Calculate()); }

void CFormulaDlg::Insert(char character) { ShowFormula(model_->InsertCharacter(FormulaEdit(), character)); }

void CFormulaDlg::OnFunctionActivated() {
    const QListWidgetItem* item = functions_->currentItem();
    if (item == nullptr) return;
    const std::string entry = ToRecordText(item->text());
    if (entry.starts_with('-')) return;
    ShowFormula(model_->InsertFunction(FormulaEdit(), entry));
}

void CFormulaDlg::OnUndo() { ShowFormula(model_->Undo()); }

void CFormulaDlg::OnBackspace() { ShowFormula(model_->Backspace(FormulaEdit())); }

void CFormulaDlg::OnDelete() { ShowFormula(model_->DeleteAfterCaret(FormulaEdit())); }

void CFormulaDlg::OnClearAll() {
    model_->ClearAll();
    ShowFields();
}

void CFormulaDlg::OnNew() {
    model_->New();
    ShowFields();
}

void CFormulaDlg::OnOpen() { ShowLoaded(model_->OpenFile()); }

void CFormulaDlg::OnSave() { ShowLoaded(model_->Save()); }

void CFormulaDlg::OnRecentFile(std::size_t index) { ShowLoaded(model_->OpenRecentFile(index)); }

void CFormulaDlg::OnHelp() { launchers_.ShowHelp(*this, kHelpPage); }

void CFormulaDlg::reject() {
    const bool mayClose = model_->ConfirmClose();
    ShowLoaded(std::nullopt);
    if (mayClose) QDialog::reject();
}

void CFormulaDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

// Enter in the formula calculates, as in the one-line fields, instead of starting a new line.
bool CFormulaDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == formula_ && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OnCalculate();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quantora
