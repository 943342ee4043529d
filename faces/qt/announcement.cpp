#include "faces/qt/announcement.h"

#include <QAccessibleWidget>

#include "faces/qt/qt_text.h"

namespace brenvol::qt {
namespace {

QAccessibleInterface* NotificationRole(const QString& className, QObject* object) {
    if (className == QLatin1String(Announcement::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

}  // namespace

Announcement::Announcement(QWidget* window) : QWidget(window) {
    static const bool installed = (QAccessible::installFactory(NotificationRole), true);
    (void)installed;
    setObjectName("announcement");
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
}

void Announcement::Say(std::u16string_view text) {
    setAccessibleName(ToQString(text));
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace brenvol::qt
