// The File and Edit menus of the chart window, the selectable property panel
// and the table of states, through the real widgets.
#include "chart/export_commands.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <charconv>
#include <locale>

#include "chart/states_table.h"
#include "numeric/number_text.h"
#include "picture/scripted_export_dialogs.h"
#include "testing/chart_test.h"
#include "testing/pdf_pages.h"

namespace calorix {
namespace {

class ExportCommandsTest : public test::ChartTest {
  protected:
    void SetUp() override {
        ChartTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        Chart().Exports().SetDialogs(dialogs_);
        QGuiApplication::clipboard()->clear();
    }
    QAction& Item(const char* name) {
        auto* action = Chart().findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        return *action;
    }
    QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    QStringList Files() const {
        return QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }
    void ExportAs(const QString& path, const char* filter) {
        dialogs_.nextChoice = {path, QLatin1String(filter)};
        Item("mnuExportChart").trigger();
    }
    void Locate(const QString& T, int box, const QString& value) {
        Chart().ClearBoxesButton().click();
        Type(kT, T);
        Type(box, value);
        PressEnter(box);
    }
    void Click(double s, double T) {
        const ChartPoint p = area_->Frame().Map(s, T);
        emit Chart().MouseDown(float(p.x), float(p.y));
    }
    StatesModel& States() { return Chart().Exports().States(); }

    QTemporaryDir dir_;
    ScriptedExportDialogs dialogs_;
};

QStringList Names(const QList<QAction*>& actions) {
    QStringList names;
    for (const QAction* action : actions)
        names << action->objectName();
    return names;
}

TEST_F(ExportCommandsTest, FileAndEditStandFirstOnTheMenuBarWithTheirItemsAndKeys) {
    const QList<QAction*> bar = Chart().MenuBarActions();
    ASSERT_GE(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "&File");
    EXPECT_EQ(bar[1]->text(), "&Edit");
    EXPECT_EQ(Names(bar[0]->menu()->actions()),
              (QStringList{"mnuOpenChart", "mnuSaveChart", "", "mnuExportChart", "mnuPrintChart"}));
    EXPECT_EQ(Item("mnuExportChart").text(), "Export picture...");
    EXPECT_EQ(Item("mnuPrintChart").text(), "Print...");
    EXPECT_EQ(Item("mnuCopyChart").text(), "Copy picture");
    EXPECT_EQ(Item("mnuCopyProperties").text(), "Copy properties");
    EXPECT_EQ(Item("mnuStates").text(), "States");
    EXPECT_EQ(Names(bar[1]->menu()->actions()),
              (QStringList{"mnuUndo", "mnuRedo", "", "mnuCopyChart", "mnuCopyProperties", "",
                           "mnuStates"}));

    // The keys work from anywhere in the chart window.
    Box(kT).setFocus();
    QTest::keyClick(&Box(kT), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(dialogs_.captions, QStringList{"Export picture"});
    EXPECT_EQ(dialogs_.offeredFilters.value(0), "PNG image at 2x (*.png)") << "2x by default";
    QTest::keyClick(&Box(kT), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs_.printAsked, 1);
    EXPECT_EQ(dialogs_.printerOrientation, QPageLayout::Landscape);
    QTest::keyClick(&Box(kT), Qt::Key_T, Qt::ControlModifier);
    ASSERT_NE(Chart().Exports().Table(), nullptr);
    EXPECT_TRUE(Chart().Exports().Table()->isVisible());
    EXPECT_EQ(Chart().Exports().Table()->objectName(), "StatesTable");
    EXPECT_TRUE(Files().isEmpty()) << "cancelled dialogs write nothing";
    EXPECT_TRUE(messages_.Calls().empty());
}

TEST_F(ExportCommandsTest, TheExtensionDecidesTheFormatAndWithoutOneTheFilterDoes) {
    const QSize size = Chart().Exports().Picture().Size();
    ExportAs(Path("by-extension.svg"), "PNG image at 4x (*.png)");
    ExportAs(Path("by-filter"), "PDF document (*.pdf)");
    ExportAs(Path("four.png"), "PNG image at 4x (*.png)");
    ExportAs(Path("plain.PNG"), "SVG drawing (*.svg)");
    ExportAs(Path("unknown.bmp"), "PNG image at 1x (*.png)");
    EXPECT_TRUE(messages_.Calls().empty());
    const auto read = [this](const char* name) {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return file.readAll();
    };
    EXPECT_TRUE(read("by-extension.svg").contains("<svg"));
    EXPECT_TRUE(read("by-filter.pdf").startsWith("%PDF-"));
    EXPECT_EQ(QImage(Path("four.png")).size(), size * 4);
    EXPECT_EQ(QImage(Path("plain.PNG")).size(), size * 2) << "a PNG at the default scale";
    EXPECT_EQ(QImage(Path("unknown.bmp.png")).size(), size);
    EXPECT_EQ(Files().size(), 5);
}

TEST_F(ExportCommandsTest, AFailedExportSaysWhyAndLeavesNoFile) {
    const QString path = Path("no-such-folder/chart.png");
    ExportAs(path, "PNG image at 2x (*.png)");
    ASSERT_EQ(messages_.Calls().size(), 1u);
    const MsgBoxCall& call = messages_.Calls()[0];
    EXPECT_TRUE(call.prompt.startsWith("The picture could not be saved as\r" + path + "\r\r"))
        << call.prompt.toStdString();
    EXPECT_GT(call.prompt.size(), ("The picture could not be saved as\r" + path + "\r\r").size())
        << "the reason follows";
    EXPECT_EQ(call.buttons, MessageBoxes::kExclamation);
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(ExportCommandsTest, PrintAsksWithTheDialogAndPrintsOneLandscapePage) {
    const QString path = Path("printed.pdf");
    dialogs_.onPrint = [&path](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
    Item("mnuPrintChart").trigger();
    EXPECT_EQ(dialogs_.printAsked, 1);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    const std::optional<QSizeF> box = test::PdfMediaBox(pdf);
    ASSERT_TRUE(box);
    EXPECT_GT(box->width(), box->height()) << "landscape";
    EXPECT_TRUE(messages_.Calls().empty());
}

TEST_F(ExportCommandsTest, CopyPicturePutsAnImageAndTheSvgOnTheClipboard) {
    Item("mnuCopyChart").trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(),
              Chart().Exports().Picture().Size() * 2);
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
}

TEST_F(ExportCommandsTest, ThePanelIsSelectableAndCopiesAsLinesEndedByLineFeeds) {
    Locate("400", kS, "4");
    CaptionLabel& panel = Chart().Panel();
    QString expected = panel.Caption();
    ASSERT_TRUE(expected.startsWith("Location:\rT  = 400\r"));
    expected.replace('\r', '\n');

    Item("mnuCopyProperties").trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);

    EXPECT_TRUE(panel.textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(panel.contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_TRUE(panel.actions().contains(&Item("mnuCopyProperties")));

    // Ctrl+C on the focused panel copies all of it while nothing is selected.
    QGuiApplication::clipboard()->clear();
    panel.setFocus();
    ASSERT_TRUE(panel.hasFocus());
    QTest::keyClick(&panel, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    // With a selection, the selection.
    panel.setSelection(0, 9);
    QTest::keyClick(&panel, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Location:");
}

TEST_F(ExportCommandsTest, TheTableListsWhatLocateAndClicksListedAndNothingElse) {
    Locate("400", kS, "4");
    ASSERT_EQ(States().Count(), 1);
    const QStringList panel = Chart().Panel().Caption().split('\r');
    // The values the panel showed.
    const QAbstractItemModel& model = States();
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), "1");
    EXPECT_EQ("T  = " + model.data(model.index(0, 1)).toString(), panel[1]);
    EXPECT_EQ("P  = " + model.data(model.index(0, 2)).toString(), panel[2]);
    EXPECT_EQ("x  = " + model.data(model.index(0, 6)).toString(), panel[3]);
    EXPECT_EQ("vx = " + model.data(model.index(0, 3)).toString(), panel[4]);
    EXPECT_EQ(model.data(model.index(0, 7)).toString(), "wet mixture");
    EXPECT_EQ(model.data(model.index(0, 1), Qt::UserRole).toDouble(), 400);

    // One box draws a line and lists nothing; so do a liquid state, a click
    // outside the chart and three boxes.
    Chart().ClearBoxesButton().click();
    Type(kT, "500");
    PressEnter(kT);
    Click(0.5, 350);
    Click(13, 500);
    Type(kP, "1");
    Type(kS, "7");
    PressEnter(kS);
    EXPECT_EQ(States().Count(), 1);

    // A click that lists a superheated state adds its row, with the numbers
    // of the click's own panel.
    const ChartFrame& f = area_->Frame();
    const ChartPoint p = f.Map(7.5, 500);
    emit Chart().MouseDown(float(p.x), float(p.y));
    double T = f.TemperatureAt(float(p.y));
    const StatePanel clicked = DescribeState(PanelVariant::kClick, T, f.EntropyAt(float(p.x)));
    ASSERT_TRUE(clicked.values.has_value());
    ASSERT_EQ(States().Count(), 2);
    EXPECT_EQ(States().States()[1], *clicked.values);
    EXPECT_EQ(model.data(model.index(1, 7)).toString(), "superheated");
    EXPECT_EQ(model.data(model.index(1, 6)).toString(), "");

    // The window shows the same rows, and a row count cut back shows there.
    Item("mnuStates").trigger();
    StatesTable* table = Chart().Exports().Table();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->View().model()->rowCount(), 2);
    EXPECT_EQ(table->ExportCsvButton().objectName(), "ExportStatesCsv");
    States().TruncateTo(1);
    EXPECT_EQ(table->View().model()->rowCount(), 1);
    EXPECT_EQ(States().States()[0].T, 400);
}

// The rows follow the journal: Undo takes a step's rows back, Redo lists them
// again, and a chart fitted to a new size lists each state once.
TEST_F(ExportCommandsTest, TheTableFollowsUndoRedoAndAFittedChart) {
    Locate("400", kS, "4");
    Locate("500", kP, "1");
    ASSERT_EQ(States().Count(), 2);
    const std::vector<PanelValues> both = States().States();
    QAction& undo = *Chart().findChild<QAction*>(QStringLiteral("mnuUndo"));
    QAction& redo = *Chart().findChild<QAction*>(QStringLiteral("mnuRedo"));
    undo.trigger();
    EXPECT_EQ(States().Count(), 1);
    undo.trigger();
    EXPECT_EQ(States().Count(), 0);
    redo.trigger();
    redo.trigger();
    EXPECT_TRUE(States().States() == both);

    Chart().findChild<QAction*>(QStringLiteral("mnuFitToWindow"))->trigger();
    EXPECT_EQ(States().Count(), 2);
    Chart().findChild<QAction*>(QStringLiteral("mnuFitToWindow"))->trigger();
}

TEST_F(ExportCommandsTest, SelectedRowsCopyAsTabSeparatedTextWithAHeader) {
    Locate("400", kS, "4");
    Locate("500", kP, "1");
    Locate("450", kS, "5");
    ASSERT_EQ(States().Count(), 3);
    Item("mnuStates").trigger();
    StatesView& view = Chart().Exports().Table()->View();
    view.selectRow(0);
    view.selectionModel()->select(view.model()->index(2, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 4) << "header, two rows and the end of the last line";
    EXPECT_EQ(lines[0],
              "No.\tT (K)\tP (MPa)\tv (m^3/kg)\th (kJ/kg)\ts (kJ/kg-K)\tx\tregion\tmodel");
    EXPECT_TRUE(lines[1].endsWith("\tChart correlations")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].startsWith("1\t400\t")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("3\t450\t")) << lines[2].toStdString();
    EXPECT_EQ(lines[3], "");
}

// A locale whose decimal point is a comma.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST_F(ExportCommandsTest, ExportCsvWritesNumbersThatReadBackExactlyInACommaLocale) {
    Locate("400", kS, "4");
    Click(7.5, 500);
    ASSERT_EQ(States().Count(), 2);
    Item("mnuStates").trigger();
    StatesTable& table = *Chart().Exports().Table();

    const QLocale savedQt;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::locale saved =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    ASSERT_EQ(QLocale().toString(1.5), "1,5");
    dialogs_.nextChoice = {Path("states"), QStringLiteral("CSV file (*.csv)")};
    table.ExportCsvButton().click();
    std::locale::global(saved);
    QLocale::setDefault(savedQt);
    EXPECT_TRUE(messages_.Calls().empty());

    QFile file(Path("states.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "No.,T (K),P (MPa),v (m^3/kg),h (kJ/kg),s (kJ/kg-K),x,region,model\r");
    for (int row = 0; row < 2; ++row) {
        QByteArray line = lines[row + 1];
        ASSERT_TRUE(line.endsWith('\r'));
        line.chop(1);
        const QList<QByteArray> fields = line.split(',');
        ASSERT_EQ(fields.size(), 9);
        const PanelValues& state = States().States()[std::size_t(row)];
        const double expected[] = {state.T, state.P, state.v, state.h, state.s};
        for (int i = 0; i < 5; ++i) {
            double value = 0;
            const auto result = std::from_chars(fields[i + 1].begin(), fields[i + 1].end(), value);
            EXPECT_EQ(result.ptr, fields[i + 1].end()) << fields[i + 1].toStdString();
            EXPECT_EQ(value, expected[i]) << "row " << row << ", column " << i + 1;
        }
    }
    // Full precision, not the panel's truncated text.
    EXPECT_NE(lines[1].split(',')[4], QByteArray(States().States()[0].vText.c_str()).trimmed());

    // A path that cannot be written says why and leaves nothing.
    dialogs_.nextChoice = {Path("none/states.csv"), QStringLiteral("CSV file (*.csv)")};
    table.ExportCsvButton().click();
    ASSERT_EQ(messages_.Calls().size(), 1u);
    EXPECT_TRUE(messages_.Calls()[0].prompt.startsWith("The states could not be saved as\r"));
    EXPECT_EQ(Files(), QStringList{"states.csv"});
}

}  // namespace
}  // namespace calorix
