#include "Announcement.h"

namespace form {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }

std::string OneLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        if (!IsBlank(c))
            line += c;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    }
    if (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

void AddIfChanged(std::string& announcement, std::string_view caption, std::string& told) {
    if (caption == told) return;
    told = caption;
    if (!announcement.empty()) announcement += ' ';
    announcement += caption;
}

}  // namespace

std::string AnnouncingView::TakeAnnouncement() {
    std::string announcement = OneLine(message_);
    message_.clear();
    AddIfChanged(announcement, right_.now, right_.told);
    AddIfChanged(announcement, wrong_.now, wrong_.told);
    return announcement;
}

void AnnouncingView::SetNameChecked(quiz::PairIndex i, bool on) { window_.SetNameChecked(i, on); }
void AnnouncingView::SetPlaceChecked(quiz::PairIndex i, bool on) { window_.SetPlaceChecked(i, on); }
void AnnouncingView::SetNameEnabled(quiz::PairIndex i, bool on) { window_.SetNameEnabled(i, on); }
void AnnouncingView::SetPlaceEnabled(quiz::PairIndex i, bool on) { window_.SetPlaceEnabled(i, on); }
std::string AnnouncingView::GetFeedback() const { return window_.GetFeedback(); }

void AnnouncingView::SetFeedback(const std::string& text) {
    window_.SetFeedback(text);
    message_ = text;
}

std::string AnnouncingView::GetExplanation(quiz::PairIndex i) const {
    return window_.GetExplanation(i);
}

void AnnouncingView::SetRightCaption(const std::string& text) {
    window_.SetRightCaption(text);
    right_.now = text;
}

void AnnouncingView::SetWrongCaption(const std::string& text) {
    window_.SetWrongCaption(text);
    wrong_.now = text;
}

}  // namespace form
