#pragma once

#include <QObject>
#include <string>

namespace monkey {

// Closes any popup or modal window as soon as it shows and remembers it.
// A context menu or dialog runs its own event loop and would wait for a
// user forever; closed from within that loop, it turns a hang into a
// failure that names the event behind it.
class PopupCatcher final : public QObject {
public:
    PopupCatcher();
    ~PopupCatcher() override;
    PopupCatcher(const PopupCatcher&) = delete;
    PopupCatcher& operator=(const PopupCatcher&) = delete;

    // The popups shown since the last call, by class and name; empty if none.
    std::string TakeCaught();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string caught_;
};

}  // namespace monkey
