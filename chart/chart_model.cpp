// The property model the chart is drawn on: Options > Property model, kept
// between runs, and a choice of model as a step of the journal that draws
// the whole chart again under the new model, as Fit chart to window
// rebuilds it.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include "chart/chart_window.h"
#include "chart/quiet_replay.h"

namespace calorix {
namespace {

constexpr auto kPropertyModelKey = "Options/PropertyModel";

const PropertyModel& ModelOrClassic(const std::string& name) {
    const PropertyModel* model = ModelNamed(name);
    return model ? *model : ClassicModel();
}

}  // namespace

void ChartWindow::CreateModelMenu() {
    modelMenu_ = new QMenu(QStringLiteral("Property model"), optionsMenu_);
    modelMenu_->setObjectName(QStringLiteral("mnuPropertyModel"));
    modelMenu_->menuAction()->setObjectName(QStringLiteral("mnuPropertyModel"));
    auto* group = new QActionGroup(modelMenu_);
    group->setExclusive(true);
    modelClassic_ = modelMenu_->addAction(QStringLiteral("Chart correlations"));
    modelClassic_->setObjectName(QStringLiteral("mnuModelClassic"));
    modelIf97_ = modelMenu_->addAction(QStringLiteral("IAPWS-IF97"));
    modelIf97_->setObjectName(QStringLiteral("mnuModelIF97"));
    for (QAction* item : {modelClassic_, modelIf97_}) {
        item->setCheckable(true);
        group->addAction(item);
    }
    // It stands among the options, before Close.
    QAction* separator = optionsMenu_->findChild<QAction*>(QStringLiteral("mnuline1"));
    optionsMenu_->insertMenu(separator, modelMenu_);

    // The chart opens under the choice kept from the last run.
    const QSettings settings(QStringLiteral("Calorix"), QStringLiteral("Calorix"));
    startModel_ = ModelOrClassic(settings.value(kPropertyModelKey).toString().toStdString()).Name();
    SetModel(ModelOrClassic(startModel_));
    // triggered, not toggled: only the user's choice is a step.
    connect(modelClassic_, &QAction::triggered, this, [this] { ChooseModel("classic"); });
    connect(modelIf97_, &QAction::triggered, this, [this] { ChooseModel("if97"); });
}

void ChartWindow::ChooseModel(const std::string& name) {
    const PropertyModel* chosen = ModelNamed(name);
    if (!chosen) return;
    QSettings(QStringLiteral("Calorix"), QStringLiteral("Calorix"))
        .setValue(kPropertyModelKey, QString::fromStdString(name));
    if (chosen == model_) {
        SetModel(*chosen);  // the menu's check mark back where it belongs
        return;
    }
    const journal::Step step{journal::ModelCommand{name}};
    if (AtUserLevel()) RecordStep(step);
    const std::vector<journal::Step> done = journal_.DoneSteps();
    {
        const QuietReplay quiet(*this, *panel_);
        RunStep(step, {}, std::span(done.data(), done.size() - 1));
    }
}

void ChartWindow::SetModel(const PropertyModel& model) {
    model_ = &model;
    (model.Kind() == ModelKind::kIf97 ? modelIf97_ : modelClassic_)->setChecked(true);
    emit ModelChanged(QString::fromUtf8(ModelCaption(model.Name())));
}

void ChartWindow::RedrawUnderModel(std::span<const journal::Step> before) {
    // Every step drawn so far, again on a fresh chart under the model; the
    // states they listed stay in the table as their own model gave them.
    const std::vector<journal::Step> drawn =
        journal::FlatSteps(std::vector<journal::Step>(before.begin(), before.end()));
    ++quietListing_;
    DrawFreshChart();
    for (const journal::Step& step : drawn) {
        if (!std::holds_alternative<journal::ModelCommand>(step.command)) RunStep(step);
    }
    --quietListing_;
}

void ChartWindow::ListState(const PanelValues& state) {
    if (quietListing_ == 0) emit StateListed(state);
}

}  // namespace calorix
