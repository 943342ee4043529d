// Qt's own texts, a box's context menu's among them, in the user's language, for the
// application's life, where Qt's translations are (Debian's qt6-translations-l10n); Qt's English
// otherwise. Called once the application object exists.
#pragma once

namespace brenvol::qt {

void InstallQtTranslations();

}  // namespace brenvol::qt
