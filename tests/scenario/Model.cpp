#include "Model.h"

#include "window/form/ArrowKeys.h"
#include "window/form/TabStops.h"

namespace scenario {

using form::ControlId;
using form::Kind;

namespace {

form::Arrow ArrowOf(Verb verb) {
    switch (verb) {
        case Verb::Up:
            return form::Arrow::Up;
        case Verb::Left:
            return form::Arrow::Left;
        case Verb::Right:
            return form::Arrow::Right;
        default:
            return form::Arrow::Down;
    }
}

}  // namespace

Model::Model() {
    quiz_.Load();
    focus_ = form::NextTabStop(form::kWindow, false, *this);
}

form::OptionState& Model::Option(ControlId option) { return options_.at(form::RowOf(option)); }

form::OptionState Model::Of(ControlId option) const { return options_.at(form::RowOf(option)); }

void Model::SetNameChecked(quiz::PairIndex i, bool on) { Option(form::Option1(i)).checked = on; }
void Model::SetPlaceChecked(quiz::PairIndex i, bool on) { Option(form::Option2(i)).checked = on; }
void Model::SetNameEnabled(quiz::PairIndex i, bool on) { Option(form::Option1(i)).enabled = on; }
void Model::SetPlaceEnabled(quiz::PairIndex i, bool on) { Option(form::Option2(i)).enabled = on; }

ControlId ClickTarget(const Action& action) {
    switch (action.verb) {
        case Verb::Name:
            return form::OptionOnRow(form::Frame1(0), action.row);
        case Verb::Place:
            return form::OptionOnRow(form::Frame1(1), action.row);
        case Verb::Check:
            return form::Command1(form::kCheckButton);
        case Verb::Clear:
            return form::Command1(form::kClearButton);
        default:
            return form::kWindow;
    }
}

void Model::Play(const Action& action) {
    const ControlId target = ClickTarget(action);
    if (target == form::kWindow)
        Key(action.verb);
    else
        Click(target);
}

void Model::Click(ControlId control) {
    const form::Control& row = form::At(control);
    if (row.kind == Kind::OptionButton) {
        if (!Of(control).enabled) return;
        focus_ = control;
        Check(control);
    } else {
        focus_ = control;
        Press(control);
    }
}

// The platform checks the button alone in its frame, then reports the pick.
void Model::Check(ControlId option) {
    if (Of(option).checked) return;
    for (const form::Control& row : form::kControls)
        if (row.container == form::At(option).container) Option(row.id).checked = row.id == option;
    Press(option);
}

void Model::Press(ControlId control) {
    std::string told = quiz_.Press(control);
    if (!told.empty()) told_ = std::move(told);
}

void Model::Key(Verb verb) {
    const Kind focused = form::At(focus_).kind;
    switch (verb) {
        case Verb::Tab:
        case Verb::ShiftTab:
            focus_ = form::NextTabStop(focus_, verb == Verb::ShiftTab, *this);
            break;
        case Verb::Up:
        case Verb::Down:
        case Verb::Left:
        case Verb::Right:
            if (focused == Kind::OptionButton) {
                focus_ = form::ArrowTarget(focus_, ArrowOf(verb), *this);
                Check(focus_);
            }
            break;
        case Verb::Space:
            if (focused == Kind::OptionButton) Check(focus_);
            if (focused == Kind::PushButton) Press(focus_);
            break;
        case Verb::Enter:
            if (focused == Kind::PushButton) Press(focus_);
            break;
        default:
            break;
    }
}

bool Model::TabWraps(bool backwards) const { return form::TabWraps(focus_, backwards, *this); }

Observation Model::Observe() const {
    Observation o{feedback_, right_, wrong_, {}, {}, form::NameOf(focus_), told_};
    for (const form::Control& row : form::kControls) {
        if (row.kind != Kind::OptionButton) continue;
        if (Of(row.id).checked) o.checked.push_back(form::NameOf(row.id));
        if (!Of(row.id).enabled) o.disabled.push_back(form::NameOf(row.id));
    }
    return Sorted(std::move(o));
}

}  // namespace scenario
