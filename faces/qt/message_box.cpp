#include "faces/qt/message_box.h"

#include <QMessageBox>

#include "faces/qt/qt_text.h"

namespace brenvol::qt {
void ShowMessageBox(QWidget* owner, std::u16string_view text, std::u16string_view title,
                    ui::MessageIcon icon) {
    QMessageBox box(icon == ui::MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    ToQString(title), ToQString(text), QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace brenvol::qt
