#include "app/literature/wrapped_captions.h"

#include <QEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>

namespace tarvek {
namespace {

constexpr int kMargin = 4;
constexpr int kIconGap = 4;
constexpr int kCaptionFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

QRect iconRect(const QToolButton& button) {
    const QSize size = button.iconSize();
    return QRect(QPoint(button.rect().center().x() - size.width() / 2 + 1, kMargin + 2), size);
}

}  // namespace

void WrappedCaptions::wrap(QToolButton* button) {
    if (button) button->installEventFilter(this);
}

QRect WrappedCaptions::captionRect(const QToolButton& button) {
    const QRect content = button.rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const int top = iconRect(button).bottom() + kIconGap;
    return QRect(content.left(), top, content.width(), content.bottom() - top);
}

bool WrappedCaptions::captionFits(const QToolButton& button) {
    const QRect room = captionRect(button);
    const QRect needed = button.fontMetrics().boundingRect(room, kCaptionFlags, button.text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

bool WrappedCaptions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint)
        if (auto* button = qobject_cast<QToolButton*>(watched)) {
            paint(*button);
            return true;
        }
    return QObject::eventFilter(watched, event);
}

// The button's own panel from the style, then its picture and caption on top.
void WrappedCaptions::paint(QToolButton& button) {
    QStylePainter painter(&button);
    QStyleOptionToolButton option;
    option.initFrom(&button);
    option.subControls = QStyle::SC_ToolButton;
    option.activeSubControls = button.isDown() ? QStyle::SC_ToolButton : QStyle::SC_None;
    option.state |= button.autoRaise() ? QStyle::State_AutoRaise : QStyle::State_Raised;
    if (button.isDown()) option.state |= QStyle::State_Sunken;
    if (button.isChecked()) option.state |= QStyle::State_On;
    option.toolButtonStyle = Qt::ToolButtonTextUnderIcon;
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    const QPoint shift =
        button.isDown()
            ? QPoint(button.style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, &button),
                     button.style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, &button))
            : QPoint();
    const QIcon::Mode mode = button.isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap picture = button.icon().pixmap(button.iconSize(), button.devicePixelRatioF(), mode);
    painter.drawItemPixmap(iconRect(button).translated(shift), Qt::AlignCenter, picture);
    painter.drawItemText(captionRect(button).translated(shift), kCaptionFlags, button.palette(),
                         button.isEnabled(), button.text(), QPalette::ButtonText);
}

}  // namespace tarvek
