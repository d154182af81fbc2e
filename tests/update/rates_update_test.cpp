#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <variant>

#include "catalogue/rates_stamp.h"
#include "catalogue/records.h"
#include "shipped_data.h"
#include "support/temp_folder.h"
#include "support/update_server.h"
#include "update/data_update.h"
#include "update/reference_rates.h"
#include "update_data.h"
#include "update_test_support.h"

namespace quantora {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::kThirtyRates;
using test::ReferenceRatesXml;

const std::string kDaily = ReferenceRatesXml("2026-12-08", kThirtyRates);

struct ReaderCase {
    std::string name;
    std::string xml;
    std::string refusal;  // empty: accepted
};

class ReferenceRatesReader : public testing::TestWithParam<ReaderCase> {};

TEST_P(ReferenceRatesReader, AcceptsTheBanksFileAndRefusesWhatIsNot) {
    const auto read = ReadReferenceRates(GetParam().xml);
    if (GetParam().refusal.empty()) {
        ASSERT_TRUE(std::holds_alternative<ReferenceRates>(read)) << std::get<std::string>(read);
        const ReferenceRates& rates = std::get<ReferenceRates>(read);
        EXPECT_EQ(rates.date, "2026-12-08");
        EXPECT_EQ(rates.sender, "European Central Bank");
        EXPECT_EQ(rates.perEuro.size(), 30u);
        EXPECT_DOUBLE_EQ(rates.perEuro.at("IDR"), 16762.84);
    } else {
        ASSERT_TRUE(std::holds_alternative<std::string>(read));
        EXPECT_NE(std::get<std::string>(read).find(GetParam().refusal), std::string::npos)
            << std::get<std::string>(read);
    }
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReferenceRatesReader,
    testing::Values(
        ReaderCase{"Daily", kDaily, ""},
        ReaderCase{"DoubleQuotes", Replaced(kDaily, "time='2026-12-08'", "time=\"2026-12-08\""), ""},
        ReaderCase{"WrongRoot", ReferenceRatesXml("2026-12-08", kThirtyRates, "html"), "root element is <html>"},
        ReaderCase{"CutInTheMiddle", kDaily.substr(0, kDaily.size() / 2), "ends before"},
        ReaderCase{"MalformedRate", Replaced(kDaily, "'161.02'", "'161,02'"), "\"161,02\" of JPY"},
        ReaderCase{"NegativeRate", Replaced(kDaily, "'161.02'", "'-161.02'"), "of JPY is not a positive"},
        ReaderCase{"NoDay", Replaced(kDaily, " time='2026-12-08'", ""), "before the day"},
        ReaderCase{"NoCalendarDay", Replaced(kDaily, "2026-12-08", "2026-02-30"), "no calendar date"},
        ReaderCase{"NoDollar", Replaced(kDaily, "<Cube currency='USD' rate='1.0528'/>", ""), "no rate for USD"},
        ReaderCase{"CodeTwice", Replaced(kDaily, "'BGN'", "'JPY'"), "JPY is given twice"},
        ReaderCase{"BadCode", Replaced(kDaily, "'BGN'", "'bg<'"), "three-letter"}),
    [](const testing::TestParamInfo<ReaderCase>& test) { return test.param.name; });

double RateOf(const std::vector<CurrencyRecord>& records, std::string_view name) {
    for (const CurrencyRecord& record : records) {
        if (record.name.Text() == name) return record.rate;
    }
    return NAN;
}

const CurrencyRecord& RecordOf(const std::vector<CurrencyRecord>& records, std::string_view name) {
    for (const CurrencyRecord& record : records) {
        if (record.name.Text() == name) return record;
    }
    throw std::out_of_range(std::string(name));
}

// The program's own data installed, with no update server: the rates come alone.
class RatesRun : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.Running());
        for (const auto& [stem, bytes] : test::ShippedData()) test::WriteBytes(data_ / (stem + ".dat"), bytes);
        test::WriteBytes(data_ / "list.dat", test::MakeList({{"cat", "1"}}));
        auto rates = test::Decode<CurrencyRecord>(test::ReadBytes(data_ / "curr.dat"));
        for (CurrencyRecord& record : rates) {
            if (record.name.Text() == "Thai Baht") record.visible = 0;
        }
        installed_ = test::Encode(rates);
        test::WriteBytes(data_ / "curr.dat", installed_);
    }

    UpdateRunResult Run(const std::string& ratesUrl, const std::string& server = "") {
        DataUpdate update(data_.Path(), server, prompts_);
        update.SetRatesSource(ratesUrl);
        return update.Run(view_);
    }

    std::vector<CurrencyRecord> Rates() const {
        return test::Decode<CurrencyRecord>(test::ReadBytes(data_ / "curr.dat"));
    }

    test::TempFolder data_;
    test::UpdateServer server_;
    test::ScriptedPrompts prompts_;
    test::RecordingView view_;
    Bytes installed_;
};

TEST_F(RatesRun, ListedCurrenciesTakeTheDaysRatePeggedOnesFollowOthersAreMarkedOlder) {
    const std::vector<CurrencyRecord> before = Rates();
    std::vector<std::pair<std::string, std::string>> day = kThirtyRates;
    std::erase_if(day, [](const auto& rate) { return rate.first == "JPY"; });
    const UpdateRunResult result = Run(server_.ServeRates("daily", ReferenceRatesXml("2026-12-08", day)));
    EXPECT_EQ(result.outcome, UpdateOutcome::kCompleted);
    EXPECT_TRUE(result.dataChanged);
    EXPECT_NE(view_.Last().find("rates of 2026-12-08, European Central Bank"), std::string::npos) << view_.Last();
    EXPECT_NE(view_.Last().find(update_text::kNoServerForFiles), std::string::npos) << view_.Last();

    const std::vector<CurrencyRecord> after = Rates();
    ASSERT_EQ(after.size(), before.size());
    const double usdPerEuro = 1.0528;
    EXPECT_DOUBLE_EQ(RateOf(after, "US Dollar"), 1);
    EXPECT_DOUBLE_EQ(RateOf(after, "Euro"), usdPerEuro);
    EXPECT_DOUBLE_EQ(RateOf(after, "British Pound"), usdPerEuro / 0.83118);
    EXPECT_DOUBLE_EQ(RateOf(after, "Thai Baht"), usdPerEuro / 35.876);
    EXPECT_EQ(RecordOf(after, "Thai Baht").visible, 0) << "the user's hidden choice stays";
    EXPECT_DOUBLE_EQ(RateOf(after, "Japanese Yen"), RateOf(before, "Japanese Yen")) << "not in the day's file";
    EXPECT_EQ(RecordOf(after, "Japanese Yen").olderRate, 1);
    EXPECT_EQ(RecordOf(after, "Euro").olderRate, 0);
    EXPECT_DOUBLE_EQ(RateOf(after, "West African CFA Franc") / RateOf(after, "Euro"),
                     RateOf(before, "West African CFA Franc") / RateOf(before, "Euro"))
        << "pegged to the euro";
    EXPECT_DOUBLE_EQ(RateOf(after, "Saudi Riyal"), RateOf(before, "Saudi Riyal")) << "pegged to the dollar";
    EXPECT_EQ(FindRatesStamp(after), (RatesStamp{"2026-12-08", "European Central Bank"}));
}

struct RefusedRatesCase {
    std::string name;
    std::string xml;
    std::string answer;
    std::string reason;
};

class RefusedRates : public RatesRun, public testing::WithParamInterface<RefusedRatesCase> {};

TEST_P(RefusedRates, ChangeNothingAndSayWhy) {
    const std::string url = server_.ServeRates("daily", GetParam().xml);
    server_.Answer("daily", GetParam().answer);
    EXPECT_EQ(Run(url).outcome, UpdateOutcome::kFailed);
    EXPECT_TRUE(view_.Last().starts_with("Exchange rates not updated: ")) << view_.Last();
    EXPECT_NE(view_.Last().find(GetParam().reason), std::string::npos) << view_.Last();
    EXPECT_EQ(test::ReadBytes(data_ / "curr.dat"), installed_);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RefusedRates,
    testing::Values(RefusedRatesCase{"WrongRoot", ReferenceRatesXml("2026-12-08", kThirtyRates, "html"), "", "root"},
                    RefusedRatesCase{"Cut", kDaily.substr(0, kDaily.size() / 2), "", "ends before"},
                    RefusedRatesCase{"MalformedRate", Replaced(kDaily, "'1.0528'", "'1.05.28'"), "", "of USD"},
                    RefusedRatesCase{"CutInTransfer", kDaily, "truncate", ""},
                    RefusedRatesCase{"Status500", kDaily, "status500", "HTTP status 500"}),
    [](const testing::TestParamInfo<RefusedRatesCase>& test) { return test.param.name; });

TEST_F(RatesRun, OfflineChangesNothing) {
    EXPECT_EQ(Run("http://127.0.0.1:1/eurofxref-daily.xml").outcome, UpdateOutcome::kFailed);
    EXPECT_TRUE(view_.Last().starts_with("Exchange rates not updated: ")) << view_.Last();
    EXPECT_EQ(test::ReadBytes(data_ / "curr.dat"), installed_);
}

// The data files come first and the rates are written over what they brought.
TEST_F(RatesRun, FollowTheDataFiles) {
    test::WriteBytes(data_ / "list.dat", test::MakeList({{"curr", "1"}}));
    server_.Serve("list", test::MakeList({{"curr", "2"}}));
    server_.Serve("curr", test::ShippedData()["curr"]);
    const UpdateRunResult result = Run(server_.ServeRates("daily", kDaily), server_.Url());
    EXPECT_EQ(result.outcome, UpdateOutcome::kCompleted);
    EXPECT_NE(view_.Last().find(update_text::kCompleted), std::string::npos) << view_.Last();
    EXPECT_EQ(server_.Requests(),
              (std::vector<std::string>{"/update.aspx?file=list.zip", "/update.aspx?file=curr.zip", "/daily.xml"}));
    EXPECT_EQ(FindRatesStamp(Rates())->date, "2026-12-08");
    EXPECT_DOUBLE_EQ(RateOf(Rates(), "Euro"), 1.0528);
}

}  // namespace
}  // namespace quantora
