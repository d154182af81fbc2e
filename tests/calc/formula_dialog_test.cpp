#include "calc/formula_dialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <memory>

#include "app/settings.h"
#include "app/window_placement.h"
#include "calc/formula_calculation.h"
#include "scripted_formula_seams.h"
#include "support/controls.h"
#include "support/scripted_launchers.h"
#include "support/temp_folder.h"
#include "support/test_profile.h"

namespace quantora {
namespace {

namespace id = formula_id;
using Answer = UserPrompts::Answer;

class FormulaWindowTest : public ::testing::Test {
protected:
    CFormulaDlg& Open(const std::optional<std::filesystem::path>& file = std::nullopt) {
        window_ = std::make_unique<CFormulaDlg>(profile_.Store(), launchers_, file, nullptr,
                                                FormulaWindowSeams{&prompts_, &dialogs_});
        window_->show();
        return *window_;
    }

    template <typename W>
    W& Get(int controlId) {
        return test::Get<W>(*window_, controlId);
    }

    QPlainTextEdit& Formula() { return Get<QPlainTextEdit>(id::kFormula); }
    void Click(int controlId) { QTest::mouseClick(&Get<QAbstractButton>(controlId), Qt::LeftButton); }

    QAction& ToolbarAction(const char* tip) {
        for (QAction* action : window_->findChild<QToolBar*>()->actions()) {
            if (action->toolTip() == QString::fromUtf8(tip)) return *action;
        }
        ADD_FAILURE() << "no toolbar button " << tip;
        return *window_->findChild<QToolBar*>()->actions().front();
    }

    void TypeFormula(const QString& text) {
        Formula().setFocus();
        QTest::keyClicks(&Formula(), text);
    }

    std::pair<int, int> Selection() {
        const QTextCursor cursor = Formula().textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd()};
    }

    test::TempFolder folder_;
    test::TestProfile profile_;
    test::ScriptedLaunchers launchers_;
    test::ScriptedPrompts prompts_;
    test::ScriptedFileDialogs dialogs_;
    std::unique_ptr<CFormulaDlg> window_;
};

TEST_F(FormulaWindowTest, KeypadAndToolbarBuildTheFormulaAndUndoTakesBackOneStep) {
    Open();
    Click(1056);
    ToolbarAction("[Plus] Sign").trigger();
    Click(1057);
    EXPECT_EQ(Formula().toPlainText(), "2+3");
    EXPECT_EQ(Selection(), std::make_pair(3, 3));
    ToolbarAction("Undo Typing").trigger();
    EXPECT_EQ(Formula().toPlainText(), "2+");
    EXPECT_EQ(Selection(), std::make_pair(2, 2));
    EXPECT_EQ(window_->focusWidget(), &Formula());
    EXPECT_FALSE(window_->Model().Unsaved());
}

TEST_F(FormulaWindowTest, DoubleClickingAFunctionInsertsItAndAHeaderNothing) {
    Open();
    TypeFormula("2*");
    auto& functions = Get<QListWidget>(id::kFunctionsList);
    ASSERT_EQ(functions.count(), 38);
    for (const char* entry : {"------Hyperbolic------", "sin(x)"}) {
        QListWidgetItem* item = functions.findItems(QString::fromUtf8(entry), Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << entry;
        const QRect place = functions.visualItemRect(item);
        // The view takes a double click on the item its press went to.
        QTest::mouseClick(functions.viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(functions.viewport(), Qt::LeftButton, {}, place.center());
        if (std::string_view(entry).starts_with('-')) {
            EXPECT_EQ(Formula().toPlainText(), "2*");
        }
    }
    EXPECT_EQ(Formula().toPlainText(), "2*sin(x)");
    EXPECT_EQ(Selection(), std::make_pair(8, 8));
}

TEST_F(FormulaWindowTest, AFaultMarksItsPlaceInTheFormula) {
    Open();
    Get<QLineEdit>(1089).setText(QStringLiteral("2"));
    TypeFormula("F#3");
    Click(id::kCalculate);
    EXPECT_EQ(Get<QLineEdit>(id::kResult).text(), "Error caculation at cursor position");
    EXPECT_EQ(Formula().toPlainText(), "2 #3");
    EXPECT_EQ(Selection(), std::make_pair(1, 2));
    EXPECT_EQ(window_->focusWidget(), &Formula());
    Formula().setPlainText(QStringLiteral("2+3"));
    QTest::keyClick(&Formula(), Qt::Key_Return);
    EXPECT_EQ(Get<QLineEdit>(id::kResult).text(), "5.000000");
    EXPECT_EQ(Formula().toPlainText(), "2+3");
}

TEST_F(FormulaWindowTest, ClearAllEmptiesTheFieldsAndKeepsTheFile) {
    Open();
    Get<QLineEdit>(id::kX).setText(QStringLiteral("4"));
    Get<QLineEdit>(1097).setText(QStringLiteral("9"));
    TypeFormula("x*Z");
    Click(id::kCalculate);
    EXPECT_EQ(Get<QLineEdit>(id::kResult).text(), "36.000000");
    ToolbarAction("Clear constants ,variable x and function f(x)").trigger();
    for (int field : {id::kX, id::kResult, 1089, 1097}) EXPECT_EQ(Get<QLineEdit>(field).text(), "") << field;
    EXPECT_EQ(Formula().toPlainText(), "");
    EXPECT_TRUE(window_->Model().Unsaved());
}

TEST_F(FormulaWindowTest, TheClosingQuestionDecidesWhetherTheWindowCloses) {
    struct Case {
        const char* what;
        Answer answer;
        std::optional<std::filesystem::path> savePath;
        bool closes;
    };
    const Case cases[] = {
        {"yes and saved", Answer::Yes, folder_ / "closing", true},
        {"yes and the save dialog cancelled", Answer::Yes, std::nullopt, false},
        {"no", Answer::No, std::nullopt, true},
        {"cancel", Answer::Cancel, std::nullopt, false},
    };
    for (const Case& c : cases) {
        Open();
        Formula().clear();
        TypeFormula("1+1");
        prompts_.answers = {c.answer};
        prompts_.asked.clear();
        dialogs_.savePaths = {c.savePath};
        QTest::keyClick(window_.get(), Qt::Key_Escape);
        EXPECT_EQ(prompts_.asked, std::vector<std::string>{"File not Saved , Save?"}) << c.what;
        EXPECT_EQ(window_->isVisible(), !c.closes) << c.what;
        EXPECT_EQ(Formula().toPlainText(), "1+1") << c.what;
    }
    EXPECT_TRUE(std::filesystem::exists(folder_ / "closing.xpq"));
}

TEST_F(FormulaWindowTest, NewAsksToSaveFirst) {
    Open();
    TypeFormula("7");
    prompts_.answers = {Answer::Cancel};
    ToolbarAction("New Blank File").trigger();
    EXPECT_EQ(prompts_.asked, std::vector<std::string>{"Do you want to save the changes to :New Formula  ?"});
    EXPECT_EQ(Formula().toPlainText(), "7");
    prompts_.answers = {Answer::No};
    ToolbarAction("New Blank File").trigger();
    EXPECT_EQ(Formula().toPlainText(), "");
    EXPECT_FALSE(window_->Model().Unsaved());
}

TEST_F(FormulaWindowTest, RecentFilesFollowTheSeparatorWithTheirCommandIds) {
    Open();
    for (const auto& [name, formula] : {std::pair{"a", "1"}, std::pair{"b", "2"}}) {
        Formula().clear();
        TypeFormula(QString::fromUtf8(formula));
        dialogs_.savePaths = {folder_ / name};
        ToolbarAction("Save to File").trigger();
    }
    const QList<QAction*> items = window_->FileMenu().actions();
    ASSERT_EQ(items.size(), 7);
    EXPECT_TRUE(items[4]->isSeparator());
    EXPECT_EQ(items[5]->text().toStdString(), PathText(folder_ / "b.xpq"));
    EXPECT_EQ(items[5]->data().toInt(), 111);
    EXPECT_EQ(items[6]->text().toStdString(), PathText(folder_ / "a.xpq"));
    EXPECT_EQ(items[6]->data().toInt(), 112);
    EXPECT_EQ(window_->windowTitle(), "b - Expressa");
    items[6]->trigger();
    EXPECT_EQ(Formula().toPlainText(), "1");
    EXPECT_EQ(window_->FileMenu().actions()[5]->text().toStdString(), PathText(folder_ / "a.xpq"));
}

// Nothing the formula file cannot keep whole can be typed into a field.
TEST_F(FormulaWindowTest, FieldsRefuseWhatAFormulaFileCannotHold) {
    Open();
    struct Case {
        int field;
        int length;
    };
    for (const Case c : {Case{id::kX, 239}, Case{1089, 199}, Case{1097, 199}}) {
        auto& field = Get<QLineEdit>(c.field);
        field.setText(QString(c.length, QLatin1Char('1')));
        QTest::keyClicks(&field, QStringLiteral("2"));
        EXPECT_EQ(field.text().size(), c.length) << c.field;
        field.clear();
        field.insert(QString::fromUtf8("\xE2\x82\xAC"));
        field.insert(QString::fromUtf8("\xCF\x80"));
        EXPECT_EQ(field.text(), QString::fromUtf8("\xE2\x82\xAC")) << c.field;
    }
    Formula().setPlainText(QString(1239, QLatin1Char('1')));
    EXPECT_EQ(window_->Model().Text(FormulaField::kFormula).size(), 1239U);
    QTextCursor cursor = Formula().textCursor();
    cursor.setPosition(5);
    Formula().setTextCursor(cursor);
    QTest::keyClicks(&Formula(), QStringLiteral("2"));
    Formula().insertPlainText(QString::fromUtf8("\xCF\x80"));
    EXPECT_EQ(Formula().toPlainText(), QString(1239, QLatin1Char('1')));
    EXPECT_EQ(Selection(), std::make_pair(5, 5));
}

// Start-up hands the window the file the command line names.
TEST_F(FormulaWindowTest, AFileGivenAtOpeningIsLoadedAndCalculated) {
    FormulaRecord record;
    ASSERT_EQ(record.x.Assign("3", "x"), std::nullopt);
    ASSERT_EQ(record.formula.Assign("x^2", "formula"), std::nullopt);
    record.angleUnit = 3;
    ASSERT_EQ(WriteFormulaFile(folder_ / "report.xpq", record), std::nullopt);
    Open(folder_ / "report.xpq");
    EXPECT_EQ(window_->windowTitle(), "report - Expressa");
    EXPECT_EQ(Get<QLineEdit>(id::kX).text(), "3");
    EXPECT_EQ(Get<QLineEdit>(id::kResult).text(), "9.000000");
    EXPECT_TRUE(Get<QRadioButton>(id::kGrads).isChecked());
    std::vector<std::string> opened;
    launchers_.onOpen = [&opened](const std::string& window) { opened.push_back(window); };
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_.get(), Qt::Key_F1);
    EXPECT_EQ(opened, std::vector<std::string>{"Help expressa.htm"});
    window_.reset();
    EXPECT_EQ(ReadSetting(profile_.Store(), Setting::kFormulaFx), "x^2");
    EXPECT_TRUE(LoadPlacement(profile_.Store(), placement_entry::kFormulaWindow).has_value());
}

// A formula file may come from anywhere: one whose variables multiply its length stops at the bound
// with a fault that names it, and a device, a pipe or a huge file is refused by name, unread.
// Sparse where the file system allows it; Windows gives every byte of a file its room on the disk.
#ifdef _WIN32
constexpr std::uint64_t kHugeFileBytes = std::uint64_t{64} << 20;
#else
constexpr std::uint64_t kHugeFileBytes = std::uint64_t{100} << 30;
#endif

TEST_F(FormulaWindowTest, AHostileFileGivenAtOpeningEndsInAMessage) {
    enum class Kind { kBomb, kSparse, kPipe, kDevice };
    struct Case {
        Kind kind;
        const char* message;
    };
    const Case cases[] = {{Kind::kBomb, ""},
                          {Kind::kSparse, "bytes, too large"},
#ifndef _WIN32  // pipes and device nodes in a folder are a POSIX matter
                          {Kind::kPipe, "not a regular file"},
                          {Kind::kDevice, "not a regular file"}
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        const std::filesystem::path file = folder_ / (std::to_string(static_cast<int>(c.kind)) + ".xpq");
        FormulaRecord record;
        ASSERT_EQ(record.formula.Assign(std::string(1239, 'F'), "formula"), std::nullopt);
        for (std::size_t v = 0; v < 3; ++v) {
            ASSERT_EQ(record.variables[v].Assign(std::string(199, FormulaRecord::kVariableNames[v + 1]), "v"),
                      std::nullopt);
        }
        ASSERT_EQ(record.variables[3].Assign("1+", "M"), std::nullopt);
        ASSERT_EQ(WriteFormulaFile(file, record), std::nullopt);
        switch (c.kind) {
            case Kind::kBomb: break;
            case Kind::kSparse: std::filesystem::resize_file(file, kHugeFileBytes); break;
#ifndef _WIN32
            case Kind::kPipe:
                std::filesystem::remove(file);
                ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
                break;
            case Kind::kDevice:
                std::filesystem::remove(file);
                std::filesystem::create_symlink("/dev/zero", file);
                break;
#else
            default: break;
#endif
        }
        prompts_.messages.clear();
        Open(file);
        if (c.kind == Kind::kBomb) {
            EXPECT_EQ(Get<QLineEdit>(id::kResult).text(), QString::fromStdString(TooLongText()));
            EXPECT_TRUE(prompts_.messages.empty());
        } else {
            ASSERT_EQ(prompts_.messages.size(), 1u);
            EXPECT_NE(prompts_.messages[0].find(c.message), std::string::npos) << prompts_.messages[0];
        }
        window_.reset();
    }
}

}  // namespace
}  // namespace quantora
