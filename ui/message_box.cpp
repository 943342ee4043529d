#include "ui/message_box.h"

#include <QMessageBox>

namespace brenvol::ui {
namespace {

constexpr int kIconMask = 0xF0;
constexpr int kIconError = 0x10;

QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

}  // namespace

void ShowMessageBox(QWidget* owner, std::u16string_view text, std::u16string_view title,
                    int style) {
    const auto icon =
        (style & kIconMask) == kIconError ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox box(icon, ToQString(title), ToQString(text), QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace brenvol::ui
