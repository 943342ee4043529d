// A modal message box owned by a window, from a text, a title and a style value in the Windows
// message-box encoding: 0 an OK button alone, 16 an OK button with the error icon.
#pragma once

#include <QWidget>
#include <string_view>

namespace brenvol::qt {

void ShowMessageBox(QWidget* owner, std::u16string_view text, std::u16string_view title, int style);

}  // namespace brenvol::qt
