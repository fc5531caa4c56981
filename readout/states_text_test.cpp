#include "readout/states_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "readout/model_panel.h"

namespace calorix {
namespace {

// Splits a CSV text made of plain and quoted fields into records of fields
// (RFC 4180: CR LF ends a record, "" inside quotes is one quote).
std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            record.push_back(field);
            field.clear();
        } else if (c == '\r') {
            EXPECT_EQ(i + 1 < text.size() ? text[i + 1] : '\0', '\n') << "CR LF ends a record";
            record.push_back(field);
            field.clear();
            records.push_back(record);
            record.clear();
            ++i;
        } else {
            EXPECT_NE(c, '\n') << "a line feed alone ends no record";
            field += c;
        }
    }
    EXPECT_TRUE(field.empty() && record.empty()) << "the last record ends with CR LF";
    return records;
}

double ReadDouble(const std::string& text) {
    double value = -1;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ec, std::errc()) << text;
    EXPECT_EQ(result.ptr, text.data() + text.size()) << "the whole field is the number: " << text;
    return value;
}

std::vector<NumberedState> SomeStates() {
    std::vector<NumberedState> rows;
    double wetT = 373.159;
    rows.push_back({1, *DescribeState(PanelVariant::kClick, wetT, 4.0).values});
    double hotT = 812.345;
    rows.push_back({2, *DescribeState(PanelVariant::kLocate, hotT, 7.7).values});
    double smallT = 280.01;
    rows.push_back({3, *DescribeState(PanelVariant::kClick, smallT, 0.5).values});
    // A compressed liquid of IAPWS-IF97, which names its phase and model.
    rows.push_back({4, *DescribeModelPoint(If97Model(), PanelVariant::kClick, 400, 1.6).values});
    return rows;
}

// A locale whose decimal point is a comma, as in much of Europe.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(StatesCsv, ReadsBackToTheSameDoublesWhateverTheLocale) {
    const std::locale saved =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    {
        std::ostringstream check;
        check << 1.5;
        ASSERT_EQ(check.str(), "1,5") << "the comma locale is in force";
    }
    const std::vector<NumberedState> rows = SomeStates();
    const std::string csv = StatesCsv(rows);
    std::locale::global(saved);

    const auto records = ReadCsv(csv);
    ASSERT_EQ(records.size(), rows.size() + 1);
    EXPECT_EQ(records[0],
              (std::vector<std::string>{"No.", "T (K)", "P (MPa)", "v (m^3/kg)", "h (kJ/kg)",
                                        "s (kJ/kg-K)", "x", "region", "model"}));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<std::string>& record = records[i + 1];
        const PanelValues& state = rows[i].state;
        ASSERT_EQ(record.size(), 9u);
        EXPECT_EQ(record[0], std::to_string(rows[i].number));
        EXPECT_EQ(ReadDouble(record[1]), state.T);
        EXPECT_EQ(ReadDouble(record[2]), state.P);
        EXPECT_EQ(ReadDouble(record[3]), state.v);
        EXPECT_EQ(ReadDouble(record[4]), state.h);
        EXPECT_EQ(ReadDouble(record[5]), state.s);
        if (state.model == "if97") {
            EXPECT_EQ(record[6], "");
            EXPECT_EQ(record[7], "liquid");
            EXPECT_EQ(record[8], "IAPWS-IF97");
        } else if (state.x) {
            EXPECT_EQ(ReadDouble(record[6]), *state.x);
            EXPECT_EQ(record[7], "wet mixture");
            EXPECT_EQ(record[8], "Chart correlations");
        } else {
            EXPECT_EQ(record[6], "");
            EXPECT_EQ(record[7], "superheated");
            EXPECT_EQ(record[8], "Chart correlations");
        }
        for (const std::string& field : record)
            EXPECT_EQ(field.find(','), std::string::npos) << "no decimal comma: " << field;
    }
}

TEST(StatesCsv, AnEmptyTableIsTheHeaderAlone) {
    EXPECT_EQ(StatesCsv({}),
              "No.,T (K),P (MPa),v (m^3/kg),h (kJ/kg),s (kJ/kg-K),x,region,model\r\n");
}

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CsvField("373.15"), "373.15");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(ReadCsv(CsvField("x,\"y\"\nz") + ",1\r\n"),
              (std::vector<std::vector<std::string>>{{"x,\"y\"\nz", "1"}}));
}

TEST(FullPrecisionText, IsTheShortestTextOfTheSameDouble) {
    EXPECT_EQ(FullPrecisionText(373.15), "373.15");
    EXPECT_EQ(FullPrecisionText(0.1), "0.1");
    EXPECT_EQ(FullPrecisionText(-2.5), "-2.5");
    for (const double value : {1.0 / 3, 0.0010435621, 2676.1512345678, 1e-7, 6.02214076e23}) {
        EXPECT_EQ(ReadDouble(FullPrecisionText(value)), value);
    }
}

TEST(StatesTabText, ShowsThePanelsValuesUnderAHeader) {
    const std::vector<NumberedState> rows = SomeStates();
    const std::string text = StatesTabText({rows[0], rows[1], rows[3]});
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(lines[0],
              "No.\tT (K)\tP (MPa)\tv (m^3/kg)\th (kJ/kg)\ts (kJ/kg-K)\tx\tregion\tmodel");
    const PanelValues& wet = rows[0].state;
    EXPECT_EQ(lines[1], "1\t373.15\t.1014\t" + wet.vText.substr(1) + "\t" + wet.hText.substr(1) +
                            "\t" + wet.sText.substr(1) + "\t.445\twet mixture\tChart correlations");
    const PanelValues& hot = rows[1].state;
    EXPECT_EQ(lines[2], "2\t812.34\t" + hot.PText.substr(1) + "\t" + hot.vText.substr(1) + "\t" +
                            hot.hText.substr(1) + "\t" + hot.sText.substr(1) +
                            "\t\tsuperheated\tChart correlations");
    const PanelValues& liquid = rows[3].state;
    EXPECT_EQ(lines[3], "4\t400\t" + liquid.PText.substr(1) + "\t" + liquid.vText.substr(1) + "\t" +
                            liquid.hText.substr(1) + "\t" + liquid.sText.substr(1) +
                            "\t\tliquid\tIAPWS-IF97");
}

}  // namespace
}  // namespace calorix
