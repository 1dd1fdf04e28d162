#pragma once

// The quiz window as data, the way a forms designer stores a form: the
// window's own properties and one row per control. Every edition (Qt, the
// native Windows one and the browser page) builds from this table and
// repeats none of it.
// Plain standard C++ only. Positions are twips (15 to a pixel at 96 dpi),
// relative to the client area of the row's container.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "quiz/AnswerKey.h"
#include "quiz/PairIndex.h"

namespace form {

struct Rgb {
    std::uint8_t r, g, b;
};

struct Twips {
    int left, top, width, height;
};

// A control's name and its index in its control array; -1 when the control
// is not in an array (List1), and the window itself has an empty name.
struct ControlId {
    std::string_view name;
    int index = -1;
    friend constexpr bool operator==(const ControlId&, const ControlId&) = default;
};

inline constexpr ControlId kWindow{};

// "Option1_3" for Option1(3), "List1" for List1: a control's name as every
// edition names its widget or element, and as the tests report it.
inline std::string NameOf(ControlId id) {
    std::string name(id.name);
    return id.index < 0 ? name : name + '_' + std::to_string(id.index);
}

enum class Kind { Label, Frame, OptionButton, PushButton, TextBox, ListBox };

struct Control {
    Kind kind;
    ControlId id;
    ControlId container;
    std::string_view text;
    Twips rect;
    std::optional<Rgb> back;  // nullopt: the kind's usual colour
    int tabIndex;
    bool visible = true;
    // A label whose caption may outgrow it, such as a count of several
    // digits: every edition draws it in a font just small enough to fit.
    bool fitsCaption = false;
    // What assistive technology calls the control when its text is no name.
    std::string_view accessibleName{};
};

inline constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch
inline constexpr int kTwipsPerPoint = 20;

struct Window {
    int clientWidth;   // twips
    int clientHeight;  // twips
    // The caption is the publisher's web address, then this text.
    std::string_view captionAfterAddress;
    Rgb back;
    std::string_view fontFamily;
    int fontPoints;
    int fontWeight;
    int fontCharset;
};

inline constexpr Window kWindowProps{
    6870, 6585, " Велмора ", {192, 192, 255}, "Times New Roman", 12, 400, 204,
};

#ifndef QUIZ_PUBLISHER_ADDRESS
#error "QUIZ_PUBLISHER_ADDRESS names the web address at the start of the window caption"
#endif

// The caption the window carries, for every layer and every test that looks
// for the window by it.
inline std::string WindowCaption() {
    return std::string(QUIZ_PUBLISHER_ADDRESS).append(kWindowProps.captionAfterAddress);
}

inline constexpr ControlId Option1(int i) { return {"Option1", i}; }
inline constexpr ControlId Option2(int i) { return {"Option2", i}; }
inline constexpr ControlId Frame1(int i) { return {"Frame1", i}; }
inline constexpr ControlId Label1(int i) { return {"Label1", i}; }
inline constexpr ControlId Text1(int i) { return {"Text1", i}; }
inline constexpr ControlId Command1(int i) { return {"Command1", i}; }

// The controls by what they do, for every layer, probe and test that reaches
// one of them.
inline constexpr ControlId kHeading = Label1(0);
inline constexpr ControlId kFeedbackBox = Text1(0);
inline constexpr ControlId kQuotationBox = Text1(1);
inline constexpr ControlId kRightCount = Label1(1);
inline constexpr ControlId kWrongCount = Label1(2);
inline constexpr ControlId kExplanationList{"List1", -1};

// Indexes of the two push buttons that the quiz answers.
inline constexpr int kCheckButton = 0;
inline constexpr int kClearButton = 1;

inline constexpr std::string_view kAssignmentText =
    "Цветни революции се наричат масовите протести, завършващи със смяна на политическия режим "
    "в редица страни от Източна Европа.\r\n"
    "Тези цветни революции имат подчертано безкръвен характер и приличат в известна степен на "
    "протестните движения на хипитата с раздаване на цветя.\r\n"
    "Да се реализира проект, представящ междупредметни връзки Итория и Информатика.\r\n"
    "Тема на проекта: История - цветни революции.\r\n"
    "Чрез две отделни групи радиобутони да се представят отделните революции и страните, "
    "в които са извършени.\r\n"
    "В примерния проект са застъпени някои революции, които не влизат в определението за "
    "цветни революции.\r\n";

inline constexpr std::string_view kQuotationText =
    "Неприятното в това да си първият, направил нещо по \r\n"
    "правилния начин, е, че никой не оценява колко трудно е \r\n"
    "било. \r\n";

inline constexpr int kOptionLeft = 120;
inline constexpr int kOptionRowHeight = 300;
inline constexpr int kNameWidth = 1935;
inline constexpr int kPlaceWidth = 4095;
inline constexpr Rgb kNameBack{255, 128, 128};
inline constexpr Rgb kPlaceBack{255, 128, 255};
inline constexpr std::array<int, quiz::kPairCount> kNameTabIndex{5,  6, 32, 11, 19, 24,
                                                                 27, 7, 8,  9,  10, 28};
inline constexpr std::array<int, quiz::kPairCount> kPlaceTabIndex{20, 26, 33, 29, 12, 18,
                                                                  17, 15, 25, 13, 16, 14};

// The controls that are not option buttons, as the designer lists them.
// clang-format off
inline constexpr std::array kFixedControls{
    //      kind              id                      container  text                      left  top   width height  back colour          tab  visible fits
    Control{Kind::Label,      kHeading,               kWindow, "История - революции",       {840,  0,    4935, 375},  Rgb{255, 192, 128}, 2},
    Control{Kind::Frame,      Frame1(0),              kWindow, "Име на революция",          {0,    360,  2175, 3975}, Rgb{192, 192, 255}, 3},
    Control{Kind::Frame,      Frame1(1),              kWindow, " Страна, година/период",    {2280, 360,  4335, 3975}, Rgb{192, 192, 255}, 4},
    Control{Kind::PushButton, Command1(kCheckButton), kWindow, "Провери",                   {120,  4440, 1095, 375},  Rgb{192, 255, 192}, 22},
    Control{Kind::Label,      kRightCount,            kWindow, "Вярно:",                    {1680, 4440, 1095, 375},  Rgb{128, 255, 128}, 30,  true,  true},
    Control{Kind::Label,      kWrongCount,            kWindow, "Грешно:",                   {3960, 4440, 1095, 375},  Rgb{255, 128, 128}, 31,  true,  true},
    Control{Kind::PushButton, Command1(kClearButton), kWindow, "Чисти",                     {5520, 4440, 1095, 375},  Rgb{255, 0, 0},     23},
    Control{Kind::TextBox,    kFeedbackBox,           kWindow, kAssignmentText,             {120,  4920, 6495, 1575}, std::nullopt,       0,   true,  false, "Съобщение"},
    Control{Kind::TextBox,    kQuotationBox,          kWindow, kQuotationText,              {600,  5400, 6735, 1815}, std::nullopt,       1,   false},
    Control{Kind::ListBox,    kExplanationList,       kWindow, "",                          {3840, 5040, 1455, 2625}, std::nullopt,       21,  false},
};
// clang-format on

namespace detail {

// An option button on a row of its column's frame.
constexpr Control OptionButton(ControlId id, ControlId frame, std::string_view caption, int row,
                               int width, Rgb back, int tabIndex) {
    return {Kind::OptionButton,
            id,
            frame,
            caption,
            {kOptionLeft, kOptionRowHeight * row, width, kOptionRowHeight},
            back,
            tabIndex};
}

constexpr Control NameOption(int i) {
    const auto n = static_cast<std::size_t>(i);
    const quiz::AnswerPair& pair = quiz::AnswerKey[n];
    return OptionButton(Option1(i), Frame1(0), pair.name, pair.nameRow, kNameWidth, kNameBack,
                        kNameTabIndex[n]);
}

constexpr Control PlaceOption(int i) {
    const auto n = static_cast<std::size_t>(i);
    const quiz::AnswerPair& pair = quiz::AnswerKey[n];
    return OptionButton(Option2(i), Frame1(1), pair.place, pair.placeRow, kPlaceWidth, kPlaceBack,
                        kPlaceTabIndex[n]);
}

// The pair shown on a row of the countries column.
constexpr int PlaceOnRow(int row) {
    for (std::size_t i = 0; i < quiz::AnswerKey.size(); ++i)
        if (quiz::AnswerKey[i].placeRow == row) return static_cast<int>(i);
    return -1;
}

// Option buttons are listed top to bottom, so that assistive technology
// counts them in the order a pupil sees them.
constexpr auto MakeControls() {
    std::array<Control, kFixedControls.size() + 2 * quiz::kPairCount> all{};
    std::size_t n = 0;
    all[n++] = kFixedControls[0];  // heading
    all[n++] = kFixedControls[1];  // names frame
    all[n++] = kFixedControls[2];  // countries frame
    for (int i = 0; i < quiz::kPairCount; ++i) all[n++] = NameOption(i);
    for (int row = 1; row <= quiz::kPairCount; ++row) all[n++] = PlaceOption(PlaceOnRow(row));
    for (std::size_t f = 3; f < kFixedControls.size(); ++f) all[n++] = kFixedControls[f];
    return all;
}

}  // namespace detail

// Every control of the window, containers before what they contain.
inline constexpr auto kControls = detail::MakeControls();

// Which row of kControls a control is; kControls.size() when no row has that
// name, which every layer can test before it indexes anything.
constexpr std::size_t RowOf(ControlId id) {
    for (std::size_t n = 0; n < kControls.size(); ++n)
        if (kControls[n].id == id) return n;
    return kControls.size();
}

// A name the table lacks is a fault of the caller: it does not compile in a
// constant expression and throws at run time.
constexpr const Control& At(ControlId id) { return kControls.at(RowOf(id)); }

// The option button on a row of a frame's column, 1 at the top; kWindow when
// there is none.
constexpr ControlId OptionOnRow(ControlId frame, int row) {
    for (const Control& c : kControls)
        if (c.container == frame && c.kind == Kind::OptionButton &&
            c.rect.top == row * kOptionRowHeight)
            return c.id;
    return kWindow;
}

namespace detail {

constexpr bool TabIndexesArePermutation() {
    std::array<bool, kControls.size()> seen{};
    for (const Control& c : kControls) {
        if (c.tabIndex < 0 || c.tabIndex >= static_cast<int>(kControls.size())) return false;
        if (seen[static_cast<std::size_t>(c.tabIndex)]) return false;
        seen[static_cast<std::size_t>(c.tabIndex)] = true;
    }
    return true;
}

constexpr bool IdsAreUnique() {
    for (std::size_t a = 0; a < kControls.size(); ++a)
        for (std::size_t b = a + 1; b < kControls.size(); ++b)
            if (kControls[a].id == kControls[b].id) return false;
    return true;
}

// A container must be the window or a frame listed before the control.
constexpr bool ContainersComeFirst() {
    for (std::size_t a = 0; a < kControls.size(); ++a) {
        if (kControls[a].container == kWindow) continue;
        bool found = false;
        for (std::size_t b = 0; b < a; ++b)
            found = found ||
                    (kControls[b].id == kControls[a].container && kControls[b].kind == Kind::Frame);
        if (!found) return false;
    }
    return true;
}

constexpr bool OnlyOptionButtonsInFrames() {
    for (const Control& c : kControls)
        if (!(c.container == kWindow) && c.kind != Kind::OptionButton) return false;
    return true;
}

constexpr bool OnlyLabelsFitCaptions() {
    for (const Control& c : kControls)
        if (c.fitsCaption && c.kind != Kind::Label) return false;
    return true;
}

}  // namespace detail

static_assert(detail::TabIndexesArePermutation(), "tab indexes must be 0..N-1, each once");

// The controls in the order of their tab indexes.
inline constexpr auto kTabOrder = [] {
    std::array<const Control*, kControls.size()> order{};
    for (const Control& c : kControls) order[static_cast<std::size_t>(c.tabIndex)] = &c;
    return order;
}();
static_assert(detail::IdsAreUnique(), "every control needs its own name and index");
static_assert(detail::ContainersComeFirst(), "containers are frames listed before their controls");
// A frame holds one group of option buttons and nothing else: the Windows
// frame passes its children's notifications on as an option button's, and
// the page marks each frame up as the group of its buttons.
static_assert(detail::OnlyOptionButtonsInFrames(), "only option buttons sit in frames");
static_assert(detail::OnlyLabelsFitCaptions(), "only a label fits its caption");
static_assert(RowOf(kHeading) < kControls.size() && RowOf(kFeedbackBox) < kControls.size() &&
                  RowOf(kQuotationBox) < kControls.size() &&
                  RowOf(kRightCount) < kControls.size() && RowOf(kWrongCount) < kControls.size() &&
                  RowOf(kExplanationList) < kControls.size(),
              "every role names a control of the table");
static_assert(RowOf(ControlId{"NoSuchControl", 0}) == kControls.size(),
              "a name the table lacks has no row");

// Twips to pixels at 96 dpi, to the nearest.
constexpr int ToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

struct PixelRect {
    int x, y, w, h;
};

// Where a control lies in the window's client area, in twips: its own place
// plus that of each container it sits in.
constexpr Twips TwipsInWindow(const Control& row) {
    Twips r = row.rect;
    for (ControlId c = row.container; !(c == kWindow); c = At(c).container) {
        r.left += At(c).rect.left;
        r.top += At(c).rect.top;
    }
    return r;
}

// The same in pixels at 96 dpi.
constexpr PixelRect PixelsInWindow(const Control& row) {
    const Twips t = TwipsInWindow(row);
    return {ToPixels(t.left), ToPixels(t.top), ToPixels(t.width), ToPixels(t.height)};
}

}  // namespace form
