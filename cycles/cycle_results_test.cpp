// The cycle's results window over a real chart window: its figures are
// calorix-steam cycle's for the same inputs, it follows the chart's steps,
// and Copy and Export CSV... give the report as text.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <sstream>

#include "cycles/cycle_test.h"
#include "tools/cycle_command.h"

namespace calorix {
namespace {

using test::CycleTest;
using test::ReheatWithTwoHeaters;

// A cycle as the dialog's boxes take it and as calorix-steam cycle's
// options give it.
struct Case {
    const char* name;
    const char* model;
    RankineTexts texts;
    std::vector<std::string> options;
};

const Case kCases[] = {
    {"ideal, saturated vapour at 8 MPa",
     "if97",
     {"8", "", "8k", "", "", "", "", "", ""},
     {"--boiler-pressure", "8", "--condenser-pressure", "0.008"}},
    {"3 MPa and 350 C (623 K)",
     "if97",
     {"3", "350c", "10k", "", "", "", "", "", ""},
     {"--boiler-pressure", "3", "--turbine-inlet-temperature", "623", "--condenser-pressure",
      "0.01"}},
    {"reheat and two heaters",
     "if97",
     {"15", "873.15", "10k", "4", "873.15", "4, 0.5", "0.9", "0.8", "250"},
     {"--boiler-pressure",
      "15",
      "--turbine-inlet-temperature",
      "873.15",
      "--condenser-pressure",
      "0.01",
      "--reheat-pressure",
      "4",
      "--reheat-temperature",
      "873.15",
      "--heater-pressure",
      "4",
      "--heater-pressure",
      "0.5",
      "--turbine-efficiency",
      "0.9",
      "--pump-efficiency",
      "0.8",
      "--net-power",
      "250"}},
    {"reheat and two heaters, chart correlations",
     "classic",
     {"15", "873.15", "10k", "4", "873.15", "4 500k", "0.9", "0.8", "250"},
     {"--boiler-pressure",
      "15",
      "--turbine-inlet-temperature",
      "873.15",
      "--condenser-pressure",
      "0.01",
      "--reheat-pressure",
      "4",
      "--reheat-temperature",
      "873.15",
      "--heater-pressure",
      "4",
      "--heater-pressure",
      "0.5",
      "--turbine-efficiency",
      "0.9",
      "--pump-efficiency",
      "0.8",
      "--net-power",
      "250"}},
};

// calorix-steam cycle's answer for the options, as JSON.
QJsonObject SteamCycle(const char* model, std::vector<std::string> options) {
    options.insert(options.begin(), {"--model", model});
    std::ostringstream out, err;
    const int status = RunCycleCommand(options, out, err);
    EXPECT_EQ(status, 0) << err.str();
    return QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
}

// The number behind a cell of a table.
double Number(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    if (!item) {
        ADD_FAILURE() << "no cell " << row << ", " << column;
        return 0;
    }
    const QVariant number = item->data(Qt::UserRole);
    EXPECT_TRUE(number.isValid()) << item->text().toStdString();
    return number.toDouble();
}

// The row of the figures table whose name begins so.
int FigureRow(const QTableWidget& figures, const QString& name) {
    for (int row = 0; row < figures.rowCount(); ++row) {
        if (figures.item(row, 0)->text().startsWith(name)) return row;
    }
    return -1;
}

TEST_F(CycleTest, TheResultsAgreeWithCalorixSteamCycle) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        if (std::string(c.model) == "if97") ChooseIf97();
        if (std::string(c.model) == "classic") Chart().ChooseModel("classic");
        Draw(c.texts);
        ASSERT_TRUE(messages_.Calls().empty()) << messages_.Calls().back().prompt.toStdString();
        ASSERT_NE(Results(), nullptr);
        const CycleResults& results = *Results();
        const QJsonObject json = SteamCycle(c.model, c.options);
        ASSERT_EQ(json.value("model").toString().toStdString(), c.model);

        const QJsonArray states = json.value("states").toArray();
        const QTableWidget& stateTable = results.StatesView();
        ASSERT_EQ(stateTable.rowCount(), states.size());
        const char* const keys[] = {"T", "P", "v", "h", "s"};
        for (int i = 0; i < states.size(); ++i) {
            const QJsonObject state = states[i].toObject();
            EXPECT_EQ(stateTable.item(i, 0)->text(), QString::number(i + 1));
            for (int k = 0; k < 5; ++k)
                EXPECT_EQ(Number(stateTable, i, 1 + k), state.value(keys[k]).toDouble())
                    << "state " << i + 1 << " " << keys[k];
            if (state.value("x").isNull()) {
                EXPECT_EQ(stateTable.item(i, 6)->text(), "");
            } else {
                EXPECT_EQ(Number(stateTable, i, 6), state.value("x").toDouble()) << i + 1;
            }
            EXPECT_TRUE(stateTable.item(i, 7)->text().startsWith(state.value("region").toString()));
            EXPECT_EQ(stateTable.item(i, 7)->text().endsWith("(approximate)"),
                      state.value("approximate").toBool());
        }

        const QJsonArray processes = json.value("processes").toArray();
        const QTableWidget& processTable = results.ProcessesView();
        ASSERT_EQ(processTable.rowCount(), processes.size());
        for (int i = 0; i < processes.size(); ++i) {
            const QJsonObject process = processes[i].toObject();
            EXPECT_EQ(Number(processTable, i, 0), process.value("from").toDouble());
            EXPECT_EQ(Number(processTable, i, 1), process.value("to").toDouble());
            EXPECT_EQ(processTable.item(i, 2)->text(),
                      process.value("kind").toString().replace('_', ' '));
            EXPECT_EQ(Number(processTable, i, 3), process.value("fraction").toDouble());
            EXPECT_EQ(Number(processTable, i, 4), process.value("q").toDouble());
            EXPECT_EQ(Number(processTable, i, 5), process.value("w").toDouble());
        }

        const QTableWidget& figures = results.FiguresView();
        const std::pair<const char*, const char*> kilojoules[] = {
            {"net work", "net_work"},         {"heat in", "heat_in"},     {"heat out", "heat_out"},
            {"turbine work", "turbine_work"}, {"pump work", "pump_work"},
        };
        for (const auto& [name, key] : kilojoules) {
            const int row = FigureRow(figures, name);
            ASSERT_GE(row, 0) << name;
            EXPECT_EQ(Number(figures, row, 1), json.value(key).toDouble()) << name;
            EXPECT_EQ(figures.item(row, 2)->text(), "kJ/kg");
        }
        const std::pair<const char*, const char*> percents[] = {
            {"thermal efficiency", "thermal_efficiency"},
            {"back-work ratio", "back_work_ratio"},
            {"Carnot efficiency between ", "carnot_efficiency"},
        };
        for (const auto& [name, key] : percents) {
            const int row = FigureRow(figures, name);
            ASSERT_GE(row, 0) << name;
            EXPECT_EQ(Number(figures, row, 1), 100 * json.value(key).toDouble()) << name;
            EXPECT_EQ(figures.item(row, 2)->text(), "%");
        }
        const QJsonArray fractions = json.value("extraction_fractions").toArray();
        const QJsonArray pressures = json.value("extraction_pressures").toArray();
        for (int i = 0; i < fractions.size(); ++i) {
            const QString name =
                QStringLiteral("extraction fraction at %1 MPa").arg(pressures[i].toDouble());
            const int row = FigureRow(figures, name);
            ASSERT_GE(row, 0) << name.toStdString();
            EXPECT_EQ(Number(figures, row, 1), fractions[i].toDouble());
        }
        const std::pair<const char*, const char*> rates[] = {{"mass flow", "mass_flow"},
                                                             {"heat in rate", "heat_in_rate"},
                                                             {"heat out rate", "heat_out_rate"}};
        for (const auto& [name, key] : rates) {
            const int row = FigureRow(figures, name);
            if (json.value(key).isNull()) {
                EXPECT_EQ(row, -1) << name << " without a net power";
            } else {
                ASSERT_GE(row, 0) << name;
                EXPECT_EQ(Number(figures, row, 1), json.value(key).toDouble()) << name;
            }
        }
        const QString carnot = figures.item(FigureRow(figures, "Carnot"), 0)->text();
        EXPECT_EQ(carnot, QStringLiteral("Carnot efficiency between %1 and %2 K")
                              .arg(json.value("lowest_temperature").toDouble(), 0, 'f', 2)
                              .arg(json.value("highest_temperature").toDouble(), 0, 'f', 2));

        // The correlations' note, as calorix-steam gives it.
        if (json.value("note").isNull()) {
            EXPECT_TRUE(results.Note().isHidden());
        } else {
            EXPECT_FALSE(results.Note().isHidden());
            EXPECT_EQ(results.Note().text(), "Note: " + json.value("note").toString() + ".");
        }
        EXPECT_TRUE(results.Title().text().endsWith(
            std::string(c.model) == "if97" ? "under IAPWS-IF97" : "under Chart correlations"))
            << results.Title().text().toStdString();
    }
}

TEST_F(CycleTest, TheTextbookCyclesShowTheirEfficiencies) {
    ChooseIf97();
    const std::pair<RankineTexts, const char*> cycles[] = {
        {{"8", "", "8k", "", "", "", "", "", ""}, "37.1"},
        {{"3", "623.15", "10k", "", "", "", "", "", ""}, "33.4"},
        {{"3", "873.15", "10k", "", "", "", "", "", ""}, "37.3"},
        {{"15", "873.15", "10k", "", "", "", "", "", ""}, "43.0"},
    };
    for (const auto& [texts, efficiency] : cycles) {
        Draw(texts);
        ASSERT_NE(Results(), nullptr);
        const QTableWidget& figures = Results()->FiguresView();
        const int row = FigureRow(figures, "thermal efficiency");
        EXPECT_NEAR(figures.item(row, 1)->text().toDouble(), QString(efficiency).toDouble(), 0.1)
            << efficiency;
    }
}

TEST_F(CycleTest, TheResultsFollowTheChartsSteps) {
    Item("mnuCycleResults").trigger();
    ASSERT_NE(Results(), nullptr);
    CycleResults& results = *Results();
    EXPECT_EQ(results.objectName(), "CycleResults");
    EXPECT_TRUE(results.isVisible());
    EXPECT_FALSE(results.HasCycle());
    EXPECT_EQ(results.Title().text(),
              "No cycle is drawn on the chart: Cycle > Rankine cycle... draws one.");
    EXPECT_EQ(results.StatesView().rowCount(), 0);
    EXPECT_FALSE(results.CopyButton().isEnabled());
    EXPECT_FALSE(results.ExportCsvButton().isEnabled());

    Draw(test::IdealSaturated());
    EXPECT_EQ(Results(), &results) << "one results window";
    EXPECT_TRUE(results.HasCycle());
    EXPECT_EQ(results.Title().text(), "Rankine cycle 8 MPa under Chart correlations");
    EXPECT_EQ(results.StatesView().rowCount(), 4);
    EXPECT_FALSE(results.Note().isHidden()) << "the correlations' pump outlet";
    const double classicEfficiency = results.Report().figures.at(5).value.number.value();

    // A switch of model draws the cycle again under IAPWS-IF97.
    ChooseIf97();
    EXPECT_EQ(results.Title().text(), "Rankine cycle 8 MPa under IAPWS-IF97");
    EXPECT_TRUE(results.Note().isHidden());
    EXPECT_NE(results.Report().figures.at(5).value.number.value(), classicEfficiency);

    Item("mnuUndo").trigger();  // the switch
    EXPECT_EQ(results.Title().text(), "Rankine cycle 8 MPa under Chart correlations");
    EXPECT_EQ(results.Report().figures.at(5).value.number.value(), classicEfficiency);
    Item("mnuUndo").trigger();  // the cycle
    EXPECT_FALSE(results.HasCycle());
    EXPECT_EQ(results.StatesView().rowCount(), 0);
    Item("mnuRedo").trigger();
    EXPECT_TRUE(results.HasCycle());
    EXPECT_EQ(results.Report().figures.at(5).value.number.value(), classicEfficiency);

    // A Clear erases the drawing, not the results (as the table of states
    // keeps its rows).
    messages_.QueueAnswer(MessageBoxes::kYes);
    Chart().ClearButton().click();
    EXPECT_TRUE(results.HasCycle());
    // Close hides the window; Results shows it again.
    results.CloseButton().click();
    EXPECT_FALSE(results.isVisible());
    Item("mnuCycleResults").trigger();
    EXPECT_EQ(Results(), &results);
    EXPECT_TRUE(results.isVisible());
}

TEST_F(CycleTest, CopyPutsTheWholeReportOnTheClipboardAsTabSeparatedText) {
    Draw(ReheatWithTwoHeaters());
    ASSERT_NE(Results(), nullptr);
    QGuiApplication::clipboard()->clear();
    Results()->CopyButton().click();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied.toStdString(), CycleReportTabText(Results()->Report()));
    EXPECT_TRUE(copied.startsWith("States\nNo.\tT (K)\t"));
    EXPECT_TRUE(copied.contains("\nthermal efficiency\t"));

    // Ctrl+C anywhere in the window does the same.
    QGuiApplication::clipboard()->clear();
    Results()->activateWindow();
    QTest::keyClick(&Results()->FiguresView(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);
}

// Save dialogs that answer with a path of the test's choosing.
class AnsweringDialogs : public ExportDialogs {
  public:
    SaveChoice AskSaveFile(QWidget*, const QString& caption, const QStringList& filters) override {
        captions << caption;
        offered = filters;
        return {answer, filters.value(0)};
    }
    bool AskPrint(QWidget*, QPrinter&) override { return false; }

    QString answer;
    QStringList captions;
    QStringList offered;
};

TEST_F(CycleTest, ExportCsvWritesTheReportAtFullPrecision) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Draw(ReheatWithTwoHeaters());
    ASSERT_NE(Results(), nullptr);
    AnsweringDialogs dialogs;
    Results()->SetDialogs(dialogs);

    dialogs.answer = dir.filePath("cycle");
    Results()->ExportCsvButton().click();
    EXPECT_EQ(dialogs.captions, QStringList{"Export CSV"});
    EXPECT_EQ(dialogs.offered, QStringList{"CSV file (*.csv)"});
    QFile file(dir.filePath("cycle.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the extension added";
    EXPECT_EQ(file.readAll().toStdString(), CycleReportCsv(Results()->Report()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"cycle.csv"})
        << "no temporary file is left behind";

    // A failed write says why and leaves nothing.
    dialogs.answer = dir.filePath("missing/cycle.csv");
    Results()->ExportCsvButton().click();
    ASSERT_EQ(messages_.Calls().size(), 1u);
    EXPECT_TRUE(messages_.Calls().back().prompt.startsWith(
        "The cycle's results could not be saved as\r" + dialogs.answer + "\r\r"));
    EXPECT_FALSE(QFile::exists(dialogs.answer));

    // A cancelled dialog writes nothing and says nothing.
    dialogs.answer.clear();
    Results()->ExportCsvButton().click();
    EXPECT_EQ(messages_.Calls().size(), 1u);
}

}  // namespace
}  // namespace calorix
