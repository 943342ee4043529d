// A message for screen readers that is not a focus change, on Qt: an unseen child of the window
// whose accessible role is a notification, "shown" to assistive technology with each message.
// Orca speaks a notification as it shows; Qt 6.4 has no announcement event of its own.
#pragma once

#include <QWidget>
#include <string_view>

namespace brenvol::qt {

class Announcement : public QWidget {
    Q_OBJECT

public:
    explicit Announcement(QWidget* window);
    void Say(std::u16string_view text);
};

}  // namespace brenvol::qt
