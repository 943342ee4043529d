// A modal message box owned by a window, with a text, a title, an icon and an OK button.
#pragma once

#include <QWidget>
#include <string_view>

#include "ui/frm_main.h"

namespace brenvol::qt {

void ShowMessageBox(QWidget* owner, std::u16string_view text, std::u16string_view title,
                    ui::MessageIcon icon);

}  // namespace brenvol::qt
