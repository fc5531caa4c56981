#include "app/chart_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>
#include <optional>

#include "cycle/rankine_texts.h"
#include "numeric/overloaded.h"
#include "surface/whole_file.h"

namespace calorix {
namespace {

constexpr auto kFormat = "calorix-chart";
constexpr int kVersion = 1;
// The longest text a property box holds.
constexpr int kMaxBoxText = 32767;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The fields of a cycle step: the texts of the cycle dialog's boxes, in the
// order of CycleInput.
constexpr const char* kCycleFields[] = {
    "boilerPressure",    "turbineInletTemperature", "condenserPressure",
    "reheatPressure",    "reheatTemperature",       "heaterPressures",
    "turbineEfficiency", "pumpEfficiency",          "netPower"};
constexpr CycleInput kCycleInputs[] = {
    CycleInput::kBoilerPressure,    CycleInput::kTurbineInletTemperature,
    CycleInput::kCondenserPressure, CycleInput::kReheatPressure,
    CycleInput::kReheatTemperature, CycleInput::kHeaterPressure,
    CycleInput::kTurbineEfficiency, CycleInput::kPumpEfficiency,
    CycleInput::kNetPower};

const char* CycleField(CycleInput input) {
    return kCycleFields[static_cast<std::size_t>(input)];
}

QJsonObject StepObject(const journal::Step& step) {
    return std::visit(
        Overloaded{
            [](const journal::LocateCommand& locate) {
                QJsonArray boxes;
                for (const std::string& box : locate.boxes)
                    boxes.append(Text(box));
                return QJsonObject{{"command", "locate"},
                                   {"boxes", boxes},
                                   {"showLabels", locate.showLabels},
                                   {"showMarkers", locate.showMarkers},
                                   {"locateCrossings", locate.locateCrossings}};
            },
            [](const journal::ClickCommand& click) {
                return QJsonObject{{"command", "click"},
                                   {"s", click.s},
                                   {"T", click.T},
                                   {"showMarkers", click.showMarkers}};
            },
            [](const journal::SeriesCommand& series) {
                return QJsonObject{
                    {"command", "series"},
                    {"property", series.property},
                    {"from", Text(series.from)},
                    {"to", Text(series.to)},
                    {"increment", Text(series.increment)},
                    {"count", Text(series.count)},
                    {"mode",
                     series.mode == journal::SeriesMode::kIncrement ? "increment" : "count"},
                    {"showLabels", series.showLabels},
                    {"showMarkers", series.showMarkers}};
            },
            [](const journal::ClearCommand& clear) {
                return QJsonObject{{"command", "clear"}, {"showLabels", clear.showLabels}};
            },
            [](const journal::OpenCommand&) {
                // Steps to write are flat: an Open has been replaced by its steps.
                return QJsonObject{{"command", "clear"}};
            },
            [](const journal::ModelCommand& model) {
                return QJsonObject{{"command", "model"},
                                   {"model", QString::fromStdString(model.model)}};
            },
            [](const journal::CycleCommand& cycle) {
                QJsonObject object{{"command", "cycle"}};
                for (const CycleInput input : kCycleInputs)
                    object.insert(QLatin1String(CycleField(input)),
                                  Text(TextOf(cycle.texts, input)));
                return object;
            },
        },
        step.command);
}

// Whether a JSON value names one of the property models.
bool IsModelName(const QJsonValue& value) {
    return value == QJsonValue(QStringLiteral("classic")) ||
           value == QJsonValue(QStringLiteral("if97"));
}

// Reads the fields of one step object, keeping the first problem.
class StepReader {
  public:
    StepReader(const QJsonObject& object, std::size_t number) : object_(object), number_(number) {}

    bool Flag(const char* name, bool absent) {
        const QJsonValue value = object_.value(QLatin1String(name));
        if (value.isUndefined()) return absent;
        if (!value.isBool()) Fail(QStringLiteral("\"%1\" must be true or false").arg(name));
        return value.toBool(absent);
    }
    double Number(const char* name) {
        const QJsonValue value = object_.value(QLatin1String(name));
        if (!value.isDouble() || !std::isfinite(value.toDouble())) {
            Fail(QStringLiteral("\"%1\" must be a number").arg(name));
            return 0;
        }
        return value.toDouble();
    }
    std::string String(const char* name) {
        const QJsonValue value = object_.value(QLatin1String(name));
        if (value.isUndefined()) return {};
        if (!value.isString()) {
            Fail(QStringLiteral("\"%1\" must be a text").arg(name));
            return {};
        }
        return value.toString().toStdString();
    }
    // A text no longer than a box holds; `required` ones may not be left out.
    std::string BoxText(const char* name, bool required) {
        const QJsonValue value = object_.value(QLatin1String(name));
        if (value.isUndefined() && !required) return {};
        if (!value.isString()) {
            Fail(QStringLiteral("\"%1\" must be a text").arg(name));
            return {};
        }
        if (value.toString().size() > kMaxBoxText) {
            Fail(QStringLiteral("\"%1\" is longer than %2 characters").arg(name).arg(kMaxBoxText));
            return {};
        }
        return value.toString().toStdString();
    }
    // The texts of a cycle step, each read as the cycle dialog reads it.
    RankineTexts CycleTexts() {
        RankineTexts texts;
        for (const CycleInput input : kCycleInputs) {
            const bool required =
                input == CycleInput::kBoilerPressure || input == CycleInput::kCondenserPressure;
            TextOf(texts, input) = BoxText(CycleField(input), required);
        }
        if (!problem_.isEmpty()) return texts;
        const RankineInputsOrError read = ReadRankineTexts(texts);
        if (const auto* error = std::get_if<RankineTextError>(&read)) {
            Fail(QStringLiteral("\"%1\" %2")
                     .arg(QLatin1String(CycleField(error->input)), Text(error->why)));
        }
        return texts;
    }
    BoxTexts Boxes() {
        BoxTexts texts;
        const QJsonValue value = object_.value(QLatin1String("boxes"));
        const QJsonArray boxes = value.toArray();
        if (!value.isArray() || boxes.size() != kPropertyCount) {
            Fail(QStringLiteral("\"boxes\" must hold five texts"));
            return texts;
        }
        for (int i = 0; i < kPropertyCount; ++i) {
            if (!boxes[i].isString()) {
                Fail(QStringLiteral("\"boxes\" must hold five texts"));
                return texts;
            }
            const QString text = boxes[i].toString();
            if (text.size() > kMaxBoxText) {
                Fail(QStringLiteral("a box text is longer than %1 characters").arg(kMaxBoxText));
                return texts;
            }
            texts[size_t(i)] = text.toStdString();
        }
        return texts;
    }
    int Property() {
        const QJsonValue value = object_.value(QLatin1String("property"));
        const double number = value.toDouble(-1);
        if (!value.isDouble() || !(number >= 0 && number < kPropertyCount) ||
            number != std::floor(number)) {
            Fail(QStringLiteral("\"property\" must be 0, 1, 2, 3 or 4"));
            return kT;
        }
        return int(number);
    }
    journal::SeriesMode Mode() {
        const QJsonValue value = object_.value(QLatin1String("mode"));
        if (value.isUndefined() || value == QJsonValue(QStringLiteral("count"))) {
            return journal::SeriesMode::kCount;
        }
        if (value == QJsonValue(QStringLiteral("increment")))
            return journal::SeriesMode::kIncrement;
        Fail(QStringLiteral("\"mode\" must be \"increment\" or \"count\""));
        return journal::SeriesMode::kCount;
    }
    std::string Model() {
        const QJsonValue value = object_.value(QLatin1String("model"));
        if (!IsModelName(value)) {
            Fail(QStringLiteral("\"model\" must be \"classic\" or \"if97\""));
            return "classic";
        }
        return value.toString().toStdString();
    }

    void Fail(const QString& problem) {
        if (problem_.isEmpty())
            problem_ = QStringLiteral("step %1: %2").arg(QString::number(number_), problem);
    }
    const QString& Problem() const { return problem_; }

  private:
    const QJsonObject& object_;
    std::size_t number_;
    QString problem_;
};

std::optional<journal::Step> ReadStep(const QJsonValue& value, std::size_t number,
                                      QString& problem) {
    if (!value.isObject()) {
        problem = QStringLiteral("step %1 is not an object").arg(number);
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    StepReader read(object, number);
    const QJsonValue command = object.value(QLatin1String("command"));
    journal::Step step;
    if (!command.isString()) {
        read.Fail(QStringLiteral("\"command\" must be a text"));
    } else if (command.toString() == QLatin1String("locate")) {
        journal::LocateCommand locate;
        locate.boxes = read.Boxes();
        locate.showLabels = read.Flag("showLabels", true);
        locate.showMarkers = read.Flag("showMarkers", true);
        locate.locateCrossings = read.Flag("locateCrossings", false);
        step.command = locate;
    } else if (command.toString() == QLatin1String("click")) {
        journal::ClickCommand click;
        click.s = read.Number("s");
        click.T = read.Number("T");
        click.showMarkers = read.Flag("showMarkers", true);
        step.command = click;
    } else if (command.toString() == QLatin1String("series")) {
        journal::SeriesCommand series;
        series.property = read.Property();
        series.from = read.String("from");
        series.to = read.String("to");
        series.increment = read.String("increment");
        series.count = read.String("count");
        series.mode = read.Mode();
        series.showLabels = read.Flag("showLabels", true);
        series.showMarkers = read.Flag("showMarkers", true);
        step.command = series;
    } else if (command.toString() == QLatin1String("clear")) {
        step.command = journal::ClearCommand{read.Flag("showLabels", true)};
    } else if (command.toString() == QLatin1String("model")) {
        step.command = journal::ModelCommand{read.Model()};
    } else if (command.toString() == QLatin1String("cycle")) {
        step.command = journal::CycleCommand{read.CycleTexts()};
    } else {
        read.Fail(QStringLiteral("unknown command \"%1\"").arg(command.toString()));
    }
    if (!read.Problem().isEmpty()) {
        problem = read.Problem();
        return std::nullopt;
    }
    return step;
}

// Line of a byte offset in the text: 1 for the first line.
int LineAt(const QByteArray& text, int offset) {
    const QByteArray before = text.left(offset);
    return int(before.count('\n')) + 1;
}

}  // namespace

QByteArray ChartFileText(const std::vector<journal::Step>& steps, const std::string& model) {
    QJsonArray array;
    for (const journal::Step& step : steps)
        array.append(StepObject(step));
    const QJsonObject root{{"format", kFormat},
                           {"version", kVersion},
                           {"model", QString::fromStdString(model)},
                           {"steps", array}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ChartFileContents ParseChartFile(const QByteArray& text) {
    ChartFileContents contents;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        contents.problem = QStringLiteral("not JSON at line %1 (%2)")
                               .arg(LineAt(text, error.offset))
                               .arg(error.errorString());
        return contents;
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1String("format")) != QJsonValue(kFormat)) {
        contents.problem = QStringLiteral("not a Calorix chart");
        return contents;
    }
    const QJsonValue version = root.value(QLatin1String("version"));
    const double number = version.toDouble(0);
    if (!version.isDouble() || number != std::floor(number) || number < kVersion) {
        contents.problem = QStringLiteral("no version this program knows");
        return contents;
    }
    if (number > kVersion) {
        contents.problem = QStringLiteral("version %1 is newer than this program")
                               .arg(version.toDouble(), 0, 'g', 17);
        return contents;
    }
    // Files from before the choice of model are the chart's correlations'.
    const QJsonValue model = root.value(QLatin1String("model"));
    if (!model.isUndefined()) {
        if (!IsModelName(model)) {
            contents.problem = QStringLiteral("\"model\" must be \"classic\" or \"if97\"");
            return contents;
        }
        contents.model = model.toString().toStdString();
    }
    const QJsonValue stepsValue = root.value(QLatin1String("steps"));
    if (!stepsValue.isArray()) {
        contents.problem = QStringLiteral("\"steps\" must be a list");
        return contents;
    }
    const QJsonArray steps = stepsValue.toArray();
    if (std::size_t(steps.size()) > kMaxChartFileSteps) {
        contents.problem = QStringLiteral("%1 steps, more than the %2 a chart may hold")
                               .arg(steps.size())
                               .arg(kMaxChartFileSteps);
        return contents;
    }
    std::vector<journal::Step> read;
    read.reserve(std::size_t(steps.size()));
    for (qsizetype i = 0; i < steps.size(); ++i) {
        std::optional<journal::Step> step =
            ReadStep(steps[i], std::size_t(i) + 1, contents.problem);
        if (!step) return contents;
        read.push_back(std::move(*step));
    }
    contents.steps = std::move(read);
    return contents;
}

ChartFileContents ReadChartFile(const QString& path) {
    ChartFileContents contents;
    const QFileInfo info(path);
    if (!info.exists()) {
        contents.problem = QStringLiteral("no such file");
        return contents;
    }
    if (!info.isFile()) {
        contents.problem = QStringLiteral("not a regular file");
        return contents;
    }
    if (info.size() > kMaxChartFileBytes) {
        contents.problem = QStringLiteral("larger than 64 MiB");
        return contents;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        contents.problem = QStringLiteral("it cannot be read (%1)").arg(file.errorString());
        return contents;
    }
    // The size is checked again on the bytes read: the file may have grown.
    const QByteArray text = file.read(kMaxChartFileBytes + 1);
    if (text.size() > kMaxChartFileBytes) {
        contents.problem = QStringLiteral("larger than 64 MiB");
        return contents;
    }
    return ParseChartFile(text);
}

QString WriteChartFile(const QString& path, const std::vector<journal::Step>& steps,
                       const std::string& model) {
    return WriteWholeFile(path, WriteBytes(ChartFileText(steps, model)));
}

}  // namespace calorix
