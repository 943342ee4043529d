#include "faces/qt/message_box.h"

#include <QMessageBox>

#include "faces/qt/qt_text.h"

namespace brenvol::qt {
namespace {

constexpr int kIconMask = 0xF0;
constexpr int kIconError = 0x10;

}  // namespace

void ShowMessageBox(QWidget* owner, std::u16string_view text, std::u16string_view title,
                    int style) {
    const auto icon =
        (style & kIconMask) == kIconError ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox box(icon, ToQString(title), ToQString(text), QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace brenvol::qt
