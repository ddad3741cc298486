// SPDX-License-Identifier: MIT
#include "readout.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace peg {

namespace {

// Qt 6.4's AT-SPI bridge has no announcement, and it sends a description
// or name change with the object where the new text belongs: Orca 43 turns
// that down as "bad content" and says nothing. What Orca does speak, whatever
// has the focus, is an object of role notification that becomes shown: it
// says "notification" (in the reader's language) and the name. So the text
// goes out as the name of an empty, sizeless child of the window, hidden
// and shown again for each text.
constexpr char NOTICE[] = "peg-readout";

QAccessibleInterface *MakeNotice(const QString &, QObject *object)
{
    if (!object->isWidgetType() || object->objectName() != QLatin1String(NOTICE))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
}

} // namespace

void ReadOut(QWidget *from, const QString &text)
{
    if (!from || !QAccessible::isActive())
        return;
    static const bool installed = (QAccessible::installFactory(MakeNotice), true);
    Q_UNUSED(installed);
    QWidget *window = from->window();
    auto *notice = window->findChild<QWidget *>(QLatin1String(NOTICE), Qt::FindDirectChildrenOnly);
    if (!notice) {
        notice = new QWidget(window);
        notice->setObjectName(QLatin1String(NOTICE));
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice->setFocusPolicy(Qt::NoFocus);
        notice->resize(0, 0);
    }
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
}

} // namespace peg
